#include "skin/core/paint_colors.h"

#include "skin/core/skin_constants.h"

TColor ParentBackColor = SkinTransparentColor;
TColor TransparentFillColor = SkinTransparentColor;
