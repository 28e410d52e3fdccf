#include "skin/windows/skin_windows_start_win.h"

namespace brsm {

void StartSkinWindows() {}

void StopSkinWindows() {}

}  // namespace brsm
