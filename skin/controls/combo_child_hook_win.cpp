#include "skin/controls/combo_child_hook_win.h"

#include "skin/controls/common_combo_box.h"

TvxComboChildHook::TvxComboChildHook(TsCommonComboBox* combo, const TvxAdapterArgs& args)
    : TvxMainWnd(args), combo_(combo) {}

TvxComboChildHook* TvxComboChildHook::HookChild(TsCommonComboBox* combo, HWND child) {
  if (!combo || !child) return nullptr;
  TvxAdapterArgs args;
  args.Handle = child;
  args.ThemeOff = false;  // the child keeps its look; the box paints around it
  auto* hook = new TvxComboChildHook(combo, args);
  hook->Start(false);
  return hook;
}

void TvxComboChildHook::WndProc(TMessage& m) {
  // The root takes the hook out before the child goes.
  if (m.Msg == WM_DESTROY || m.Msg == WM_NCDESTROY || !combo_) {
    TvxMainWnd::WndProc(m);
    return;
  }
  combo_->ChildWndProc(this, m);
}
