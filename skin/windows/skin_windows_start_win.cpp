#include "skin/windows/skin_windows_start_win.h"

#include "skin/core/broadcast_win.h"
#include "skin/core/control_model_win.h"
#include "skin/core/control_utils_win.h"
#include "skin/core/skin_hook_win.h"
#include "skin/core/skin_utils_win.h"
#include "skin/windows/hook_provider_win.h"
#include "skin/windows/scroll_tracking.h"
#include "skin/windows/scroll_wnd_win.h"
#include "skin/windows/skin_provider.h"
#include "skin/windows/skinable_menus_win.h"

namespace {

TsSkinProvider* AsProvider(TPersistent* object) { return dynamic_cast<TsSkinProvider*>(object); }

// What the skin core asks of a form's provider.
class TProviderLink final : public TsProviderLink {
 public:
  bool IsProvider(TPersistent* object) override { return AsProvider(object) != nullptr; }
  void Deliver(TPersistent* provider, TMessage& message) override {
    if (TsSkinProvider* p = AsProvider(provider)) p->DeliverCommandToProvider(message);
  }
  HWND FormWindow(TPersistent* provider) override {
    TsSkinProvider* p = AsProvider(provider);
    return p && p->Form() ? p->Form()->HandleIfAllocated() : nullptr;
  }
  void FreeFormCache(TPersistent* provider) override {
    if (TsSkinProvider* p = AsProvider(provider)) p->FreeFormCache();
  }
  TColor FormColor(TPersistent* provider) override {
    TsSkinProvider* p = AsProvider(provider);
    return p && p->Form() ? p->Form()->Color() : clBtnFace;
  }
  HRGN MakeFadeRegion(TPersistent* provider) override {
    TsSkinProvider* p = AsProvider(provider);
    if (!p || !p->Form() || !p->HasSkinnedFrame()) return nullptr;
    p->UpdateFrameCutouts();
    return p->MakeFormRegion();
  }
};

TProviderLink providerLink;

const TsSkinManager* ManagerOfForm(TCustomForm* form) {
  TsSkinProvider* p = FindSkinProvider(form);
  return p ? p->SkinData()->SkinManager() : nullptr;
}

void UpdateRegionOfForm(TCustomForm* form) {
  if (TsSkinProvider* p = FindSkinProvider(form)) {
    // The skin change drew the frame while the form's redraw was off:
    // the new region comes with a repaint.
    p->UpdateFrameCutouts();
    p->UpdateFormRegion(true);
  }
}

void HookWindowActivated(HWND window) { ActivateHookedWindow(window); }
void HookWindowDestroyed(HWND) { FreeDeadProviders(); }

}  // namespace

namespace brsm {

void StartSkinWindows() {
  SetProviderLink(&providerLink);
  TsProviderHooks hooks;
  hooks.ManagerOf = ManagerOfForm;
  hooks.UpdateFormRegion = UpdateRegionOfForm;
  hooks.FadeControlIn = FadeControlIn;
  SetProviderHooks(hooks);
  LoadAppIcons();
  UseWindowsScrollSeam();
  UseWindowsMenuPainter();
  TsCbtHookHandlers cbt;
  cbt.WindowCreated = AdaptPopupMenuWindow;
  cbt.WindowDestroyed = HookWindowDestroyed;
  cbt.WindowActivated = HookWindowActivated;
  SetCbtHookHandlers(cbt);
}

void StopSkinWindows() {
  // A press or hover still tracked lets go of its window first.
  ForgetScrollWindow(ScrollTracking().Window);
  SetCbtHookHandlers(TsCbtHookHandlers{});
  SetScrollSeam(nullptr);
  EndPopup();
  SetMenuPainterSeam(TsMenuPainterSeam{});
  EndBorderDrag();
  FreeAppIcons();
  SetProviderHooks(TsProviderHooks{});
  SetProviderLink(nullptr);
}

}  // namespace brsm
