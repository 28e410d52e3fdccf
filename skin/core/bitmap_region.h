// Window regions from the key-coloured pixels of a bitmap.
#pragma once

#include <vector>

#include "platform/graphics/colors.h"
#include "platform/graphics/pixel_buffer.h"
#include "platform/graphics/geometry.h"
#include "skin/core/paint_seam.h"

// Appends one rectangle per horizontal run of key pixels (low three bytes
// compared), rows top to bottom; runs never span rows. Nothing is collected
// when the bitmap cannot be bound (under 2 x 2, not 24-bit).
void CollectKeyRuns(std::vector<TRect>& runs, const TPixelBufferView& bitmap, TColor key);

// region := the rectangle 0, 0, width, height without the key runs. The
// caller owns the region (PaintSeam().DeleteRegion).
void BuildBitmapRegion(TRegionHandle& region, const TPixelBufferView& bitmap, TColor key);
