#include "skin/core/skinned_forms.h"

#include <algorithm>

namespace {

std::vector<TComponent*>& Forms() {
  static auto* forms = new std::vector<TComponent*>();
  return *forms;
}

}  // namespace

const std::vector<TComponent*>& SkinnedFormList() { return Forms(); }

void RegisterSkinnedForm(TComponent* form) {
  if (form) Forms().push_back(form);
}

void UnregisterSkinnedForm(TComponent* form) {
  auto& forms = Forms();
  forms.erase(std::remove(forms.begin(), forms.end(), form), forms.end());
}

bool IsSkinnedFormRegistered(const TComponent* form) {
  const auto& forms = Forms();
  return std::find(forms.begin(), forms.end(), form) != forms.end();
}
