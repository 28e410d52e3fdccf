// Painting multi-stop gradients (parsed by ParseGradientData) into a 24-bit
// bitmap.
#pragma once

#include "platform/graphics/pixel_buffer.h"
#include "skin/core/gradient_data.h"
#include "platform/graphics/geometry.h"

// The first stop's mode chooses vertical (0), horizontal (1) or the triangle
// mesh (2); any other mode and an empty array paint nothing. The rectangle is
// clipped to the bitmap first. Callers pass 0 for the offset.
void PaintGradient(const TPixelBufferView& bitmap, TRect rect, const TGradientArray& stops,
                   int offset);
