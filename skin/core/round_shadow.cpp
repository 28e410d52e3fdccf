#include "skin/core/round_shadow.h"

#include <algorithm>
#include <cstring>

#include "platform/rtl/sysutils.h"
#include "skin/core/blending.h"
#include "skin/core/paint_seam.h"
#include "skin/core/pixel_access.h"
#include "skin/core/pixel_copy.h"

void PaintRoundShadow(const TPixelBufferView& bitmap, TRect rect, int transparency, int corner,
                      int shadow_width, TColor color) {
  if (!Is24BitView(bitmap)) return;
  rect.Left = std::max(rect.Left, 0);
  rect.Top = std::max(rect.Top, 0);
  rect.Right = std::min(rect.Right, bitmap.Width);
  rect.Bottom = std::min(rect.Bottom, bitmap.Height);
  const int w = rect.Width(), h = rect.Height();
  if (w <= 0 || h <= 0) return;

  TPixelBuffer work(w, h, 3, TPixelBuffer::Orientation::TopDown);
  TPixelBuffer mask(w, h, 3, TPixelBuffer::Orientation::TopDown);
  const TPixelBufferView wv = work.View(), mv = mask.View();
  CopyPixels(wv, 0, 0, bitmap, rect);
  // The pen-less outer ring stops one pixel short on the right and bottom;
  // that last column and row keep the picture like the ring, not turn into
  // a hard line of the shadow's colour.
  std::memset(mask.Data(), 255, mask.SizeInBytes());

  const int half = std::min(w, h) / 2;
  const int rings = std::clamp(shadow_width, 0, half);
  corner = std::min(corner, half);
  const int g = transparency * 255 / 100;
  int grey = 255;
  TPaintSeam& seam = PaintSeam();
  for (int t = 0; t <= rings; ++t) {
    if (t > 0) grey = g + Round(static_cast<double>(255 - g) / (rings + 1) * (rings - t));
    const uint8_t level = static_cast<uint8_t>(std::clamp(grey, 0, 255));
    seam.FillRoundRect(mv, TRect{t, t, w - t, h - t}, corner, RGBColor(level, level, level));
  }
  const uint8_t last = static_cast<uint8_t>(std::clamp(grey, 0, 255));
  for (int y = rings; y < h - rings; ++y)
    for (int x = rings; x < w - rings; ++x) std::memset(mv.Pixel(x, y), last, 3);

  TintThroughMask(wv, mv, color);
  CopyPixels(bitmap, rect.Left, rect.Top, wv, TRect{0, 0, w, h});
}
