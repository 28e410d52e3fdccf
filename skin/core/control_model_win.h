// The control model of the Windows build: the class library's controls
// answer for the skin record. A form's skin provider is reached through a
// link its unit installs; without it no object is a provider.
#pragma once

#include "platform/forms/controls.h"
#include "skin/core/broadcast_win.h"
#include "skin/core/control_model.h"

class TsControlModel;

class TsProviderLink {
 public:
  virtual ~TsProviderLink() = default;
  virtual bool IsProvider(TPersistent* object) = 0;
  // DeliverCommandToProvider: the command record handed to the provider.
  virtual void Deliver(TPersistent* provider, TMessage& message) = 0;
  virtual HWND FormWindow(TPersistent* provider) = 0;
  virtual void FreeFormCache(TPersistent* provider) = 0;
  virtual TColor FormColor(TPersistent* provider) = 0;
  // The provider's shaped window region for its form (frame cut-outs
  // brought up to date first); the caller owns it. nullptr: none.
  virtual HRGN MakeFadeRegion(TPersistent* provider) = 0;
};

// Not owned; nullptr: no providers.
void SetProviderLink(TsProviderLink* link);
TsProviderLink* ProviderLink();

// The model of the class library's controls (also installed by
// UseWindowsControlModel).
TsControlModel& WindowsControlModel();

// The answers of a window message record back into a command record.
void CopyAnswers(const TMessage& from, TsCmdMessage& to);
