#include "skin/controls/skin_controls_start_win.h"

namespace brsm {

void StartSkinControls() {}

void StopSkinControls() {}

}  // namespace brsm
