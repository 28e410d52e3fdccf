// Whole-bitmap conversions of 24-bit pixels.
#pragma once

#include "platform/graphics/colors.h"
#include "platform/graphics/pixel_buffer.h"

// Each pixel's three bytes become (blue + green + red) div 3.
void GrayscaleBitmap(const TPixelBufferView& bitmap);
// The same, leaving pixels of the key colour as they are (so a keyed glyph
// stays transparent).
void GrayscaleExceptKey(const TPixelBufferView& bitmap, TColor key);
