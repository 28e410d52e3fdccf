// The logo pictures linked into both programs (ids in res/logo.h).
#pragma once

class TPicture;

namespace brsm {

// Loads the logo of that resource id into the picture; EInvalidGraphic when
// the program carries no such picture.
void LoadLogoPicture(TPicture* picture, int resourceId);

}  // namespace brsm
