// The shape of a skinned frame: the see-through (magenta) corner runs of
// the form section's border image, at the top and at the bottom of the
// window, and of the title section's border, cut out of the window's
// rectangle.
#pragma once

#include <vector>

#include "platform/graphics/geometry.h"
#include "skin/core/paint_seam.h"

class TsSkinManager;

// formBorder, titleBorder: image item indexes (-1: none) of the form's and
// the title's BORDERSMASK.
std::vector<TRect> CollectFrameCutouts(const TsSkinManager& manager, int formBorder,
                                       int titleBorder, int formWidth, int formHeight);

// (0, 0, width, height) less every cut-out; the caller owns the region
// (PaintSeam().DeleteRegion).
TRegionHandle MakeFormRegion(const std::vector<TRect>& cutouts, int width, int height);
