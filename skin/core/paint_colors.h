// The colour globals that carry a control's parent colour into the image
// painters during one painting call. Magenta (SkinTransparentColor) means
// unset; painters put it back before they return.
#pragma once

#include "platform/graphics/colors.h"

// The colour under the control being painted.
extern TColor ParentBackColor;
// What transparent corner pixels of skin images become when the parent has
// no ready cache.
extern TColor TransparentFillColor;
