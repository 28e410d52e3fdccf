// Start and end steps of form and window skinning: what skin/windows lends
// the core through its seams (providers, hook branches, menus) is installed
// here, and what it holds for the whole run is let go in the end step.
#pragma once

namespace brsm {

void StartSkinWindows();
void StopSkinWindows();

}  // namespace brsm
