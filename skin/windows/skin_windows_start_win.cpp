#include "skin/windows/skin_windows_start_win.h"

#include "skin/windows/scroll_tracking.h"
#include "skin/windows/scroll_wnd_win.h"

namespace brsm {

void StartSkinWindows() { UseWindowsScrollSeam(); }

void StopSkinWindows() {
  // A press or hover still tracked lets go of its window first.
  ForgetScrollWindow(ScrollTracking().Window);
  SetScrollSeam(nullptr);
}

}  // namespace brsm
