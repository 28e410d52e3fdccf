// The hook on a skinned combo box's edit or list child window: the child's
// messages go to the box's ChildWndProc, which passes them on through the
// hook. Hooked like any foreign window of the adapter root, so a later
// subclass of the child stays in place when the hook comes out.
#pragma once

#include "skin/windows/main_wnd_win.h"

class TsCommonComboBox;

class TvxComboChildHook : public TvxMainWnd {
 public:
  // Made and hooked on `child`; free it with FreeAdapter.
  static TvxComboChildHook* HookChild(TsCommonComboBox* combo, HWND child);
  void WndProc(TMessage& message) override;
  // To the child's procedure below the hook.
  void Pass(TMessage& message) { CallOldProc(message); }

 private:
  TvxComboChildHook(TsCommonComboBox* combo, const TvxAdapterArgs& args);
  TsCommonComboBox* combo_;
};
