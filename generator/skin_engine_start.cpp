#include "generator/skin_engine_start.h"

#include "skin/controls/skin_controls_start_win.h"
#include "skin/core/control_model.h"
#include "skin/core/manager_platform.h"
#include "skin/core/paint_seam.h"
#include "skin/core/skin_platform.h"
#include "skin/windows/skin_windows_start_win.h"

namespace brsm {

void StartSkinEngine() {
  UseWindowsSkinPlatform();
  UseWindowsPaintSeam();
  UseWindowsControlModel();
  UseWindowsSkinManager();
  StartSkinWindows();
  StartSkinControls();
}

void StopSkinEngine() {
  StopSkinControls();
  StopSkinWindows();
}

}  // namespace brsm
