// The broadcast model filled for the platform's forms and controls, and the
// few answers that only a form's skin provider can give (its manager, its
// window region, the fade-in). The provider unit installs those; until
// then no form counts as locked by a manager.
#pragma once

#include "platform/forms/forms.h"
#include "skin/core/broadcast.h"

class TsSkinManager;

struct TsProviderHooks {
  // The manager of the form's provider, nullptr without one.
  const TsSkinManager* (*ManagerOf)(TCustomForm* form) = nullptr;
  void (*UpdateFormRegion)(TCustomForm* form) = nullptr;
  void (*FadeControlIn)(TWinControl* control, int time) = nullptr;
};
void SetProviderHooks(const TsProviderHooks& hooks);

TsBroadcastModel& WindowsBroadcastModel();

// The command as a window message record.
TMessage ToMessage(const TsCmdMessage& command);

// The broadcast walk over a real control tree (see broadcast.h).
void BroadcastToChildren(TWinControl* control, TMessage& message);
