#include "skin/controls/skin_controls_start_win.h"

#include "skin/controls/label.h"

namespace brsm {

void StartSkinControls() { RegisterEditLabelMaker(); }

void StopSkinControls() { SetEditLabelMaker(nullptr); }

}  // namespace brsm
