// Bitmaps as the painters expect them: device-independent, 24 or 32 bits.
// The caller owns and frees the result.
#pragma once

#include "platform/graphics/bitmap.h"
#include "platform/graphics/image_list.h"

TBitmap* CreateBitmap24(int width, int height);
TBitmap* CreateBitmap32(int width, int height);
// CreateBitmap24 of the bitmap's size.
TBitmap* CreateBitmapLike(TBitmap* bitmap);

// The bitmap becomes the list's image size, filled with its BkColor (magenta
// when that is clNone), with image `index` drawn at 0, 0.
void ImageToBitmap(TBitmap* bitmap, TCustomImageList* images, int index);
