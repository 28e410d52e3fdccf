// The skin engine's start-up step that both programs run first: the
// library's modules take their Windows answers (control model, painting,
// platform values, the skin manager's hooks and broadcasts).
#pragma once

namespace brsm {

void StartSkinEngine();

}  // namespace brsm
