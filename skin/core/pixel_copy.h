// Opaque copies between 24-bit bitmaps (what BitBlt SRCCOPY does between two
// 24-bit DIBs), clipped to both.
#pragma once

#include "platform/graphics/pixel_buffer.h"
#include "platform/graphics/geometry.h"

// The source rectangle (exclusive) to x, y of the target; parts outside
// either bitmap are left out. Overlapping rows of one bitmap are safe.
void CopyPixels(const TPixelBufferView& target, int x, int y, const TPixelBufferView& source,
                TRect source_rect);
