// Start and end steps of the skinned controls: what skin/controls lends the
// core through its seams (the message box, the bound label's class, the
// shell's desktop folder) is installed here and let go in the end step.
#pragma once

namespace brsm {

void StartSkinControls();
void StopSkinControls();

}  // namespace brsm
