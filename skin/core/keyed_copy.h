// Copies that leave out the pixels of a key colour, optionally filling those
// holes from the parent's cache bitmap. Keyed copies compare only the low
// three bytes of the key, so a key with 0xFF in its top byte still skips.
#pragma once

#include "platform/graphics/colors.h"
#include "platform/graphics/pixel_buffer.h"
#include "skin/core/cache_info.h"
#include "platform/graphics/geometry.h"

// The whole source to x, y; key pixels leave the target as it is.
void CopyBitmapKeyed(const TPixelBufferView& target, const TPixelBufferView& source, int x,
                     TColor key, int y);

// The inclusive source rectangle (clipped to the source) to x, y. With the
// fill flag and a ready cache, a key pixel takes the cache pixel at (cache X
// + target x, cache Y + target y); a cache column past the cache's right edge
// ends the row there. Otherwise key pixels leave the target as it is.
void CopyRectKeyed(const TPixelBufferView& target, const TPixelBufferView& source, int x,
                   bool parent_fill, const TCacheInfo& cache, TColor key, TRect source_rect, int y);

// CopyRectKeyed without the parent fill; the cache is not read.
void CopyRectKeyedPlain(const TPixelBufferView& target, const TPixelBufferView& source, int x,
                        const TCacheInfo& cache, TColor key, TRect source_rect, int y);
