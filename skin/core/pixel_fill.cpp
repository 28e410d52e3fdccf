#include "skin/core/pixel_fill.h"

#include <algorithm>

#include "skin/core/pixel_access.h"

TRect ClipToBitmap(const TRect& r, const TPixelBufferView& b) {
  TRect c{std::max(r.Left, 0), std::max(r.Top, 0), std::min(r.Right, b.Width),
          std::min(r.Bottom, b.Height)};
  if (c.IsEmpty()) return TRect{};
  return c;
}

void FillRectPixels(const TPixelBufferView& bitmap, TRect rect, TColor color) {
  if (!Is24BitView(bitmap)) return;
  rect = ClipToBitmap(rect, bitmap);
  if (rect.IsEmpty()) return;
  const TColor c = ColorToRGB(color);
  const uint8_t b = static_cast<uint8_t>(c >> 16), g = static_cast<uint8_t>(c >> 8),
                r = static_cast<uint8_t>(c);
  for (int y = rect.Top; y < rect.Bottom; ++y) {
    uint8_t* p = bitmap.Pixel(rect.Left, y);
    for (int x = rect.Left; x < rect.Right; ++x, p += 3) {
      p[0] = b;
      p[1] = g;
      p[2] = r;
    }
  }
}
