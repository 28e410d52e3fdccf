// The skin engine's start-up step that both programs run first: the
// library's modules take their Windows answers (control model, painting,
// platform values, the skin manager's hooks and broadcasts, the window and
// control layers' seams). The end step runs after the message loop, never
// from a static destructor.
#pragma once

namespace brsm {

void StartSkinEngine();
void StopSkinEngine();

}  // namespace brsm
