// The adapter of a popup menu's window ("#32768"): while the menu painter
// paints the popup it copies the skinned background and frame in place of
// the system's, answers the library's questions about the popup and goes
// with its window.
#pragma once

#include "skin/windows/scroll_wnd_win.h"

class TvxMnuWnd : public TvxScrollWnd {
 public:
  explicit TvxMnuWnd(const TvxAdapterArgs& args) : TvxScrollWnd(args) {}
  void WndProc(TMessage& message) override;

  // The painter has given the popup its region (command 14 while visible);
  // cleared by each background paint.
  bool Shaped = false;

 protected:
  void PrepareCache();
};
