// The soft rounded shadow under hint windows.
#pragma once

#include "platform/graphics/colors.h"
#include "platform/graphics/pixel_buffer.h"
#include "platform/graphics/geometry.h"

// Tints the rectangle toward the colour through a mask of nested rounded
// rings: the outer ring keeps the pixels, the inside takes transparency
// percent of them. Shadow width and corner size are capped at half the
// smaller side. The part of the rectangle outside the bitmap is left out.
void PaintRoundShadow(const TPixelBufferView& bitmap, TRect rect, int transparency, int corner,
                      int shadow_width, TColor color);
