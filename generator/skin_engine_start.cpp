#include "generator/skin_engine_start.h"

#include "skin/core/control_model.h"
#include "skin/core/manager_platform.h"
#include "skin/core/paint_seam.h"
#include "skin/core/skin_platform.h"

namespace brsm {

void StartSkinEngine() {
  UseWindowsSkinPlatform();
  UseWindowsPaintSeam();
  UseWindowsControlModel();
  UseWindowsSkinManager();
}

}  // namespace brsm
