// Copies of one piece of a masked skin image: the picture lies in the upper
// half of the item's rectangle, its per-channel mask the same rows lower by
// half the rectangle's height. Mask 0 shows the picture, 255 keeps the target.
#pragma once

#include "platform/graphics/pixel_buffer.h"
#include "skin/core/cache_info.h"
#include "platform/graphics/geometry.h"
#include "skin/core/skin_data.h"

// Per channel T := clamp(((T - P) * M + P * 256) shr 8). With the fill flag a
// magenta picture pixel instead takes the ready cache's pixel at (cache X +
// target x, cache Y + target y), or TransparentFillColor without a ready
// cache (the magenta itself when that is unset). A ready cache that is
// neither 24- nor 32-bit, or under 2 x 2, makes the whole copy do nothing.
void CopyImagePiece(TRect dst, TRect src, const TPixelBufferView& target, const TsMaskData& item,
                    bool parent_fill, const TCacheInfo& cache, const TPixelBufferView& source);

// The same from the item manager's master bitmap; magenta picture pixels
// take TransparentFillColor when it is set, else the ready cache's pixel,
// else they leave the target as it is.
void CopyMasterPiece(TRect dst, TRect src, const TPixelBufferView& target, const TsMaskData& item,
                     const TCacheInfo& cache);

// The bitmap an item's pixels come from: its own image, else its manager's
// master bitmap; an empty view when it has neither.
TPixelBufferView ItemSourceBitmap(const TsMaskData& item);
