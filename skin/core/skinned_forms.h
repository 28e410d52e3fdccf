// The forms that have a skin provider. Providers register their form when
// made and unregister it when freed; skin broadcasts reach these forms
// through this list rather than through the application's form list.
#pragma once

#include <vector>

class TComponent;

// In registration order, no empty slots. Never destroyed, so a provider
// freed during static destruction still finds it.
const std::vector<TComponent*>& SkinnedFormList();

void RegisterSkinnedForm(TComponent* form);
// Removes every entry of the form.
void UnregisterSkinnedForm(TComponent* form);
bool IsSkinnedFormRegistered(const TComponent* form);
