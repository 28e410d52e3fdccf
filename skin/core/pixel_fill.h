// Solid fills of 24-bit pixels (what FillRect with a solid brush does on a
// 24-bit DIB), clipped to the bitmap.
#pragma once

#include "platform/graphics/colors.h"
#include "platform/graphics/geometry.h"
#include "platform/graphics/pixel_buffer.h"

// The rectangle is exclusive of Right and Bottom; system colours are
// resolved first.
void FillRectPixels(const TPixelBufferView& bitmap, TRect rect, TColor color);
// The rectangle clipped to the bitmap's 0, 0, Width, Height.
TRect ClipToBitmap(const TRect& rect, const TPixelBufferView& bitmap);
