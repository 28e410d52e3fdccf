#include "skin/core/keyed_copy.h"

#include <algorithm>

#include "skin/core/pixel_access.h"

namespace {

void CopyKeyed(const TPixelBufferView& target, const TPixelBufferView& source, int x, int y,
               TColor key, TRect src, const TvxFast24* cache, int cacheX, int cacheY) {
  if (!Is24BitView(target) || !Is24BitView(source)) return;
  src.Left = std::max(src.Left, 0);
  src.Top = std::max(src.Top, 0);
  src.Right = std::min(src.Right, source.Width - 1);
  src.Bottom = std::min(src.Bottom, source.Height - 1);
  const TColor k = KeyColorValue(key);
  for (int row = 0; row <= src.Bottom - src.Top; ++row) {
    const int ty = y + row;
    if (ty < 0 || ty >= target.Height) continue;
    const uint8_t* s = source.Pixel(src.Left, src.Top + row);
    for (int col = 0; col <= src.Right - src.Left; ++col, s += 3) {
      const int tx = x + col;
      if (tx < 0 || tx >= target.Width) continue;
      uint8_t* t = target.Pixel(tx, ty);
      if (!PixelIsKey(s, k)) {
        t[0] = s[0];
        t[1] = s[1];
        t[2] = s[2];
        continue;
      }
      if (!cache) continue;
      const int cx = cacheX + tx, cy = cacheY + ty;
      if (cx >= cache->Width) break;
      if (cy >= cache->Height || cy < 0 || cx < 0) continue;
      const uint8_t* c = cache->Address(cx, cy);
      t[0] = c[0];
      t[1] = c[1];
      t[2] = c[2];
    }
  }
}

}  // namespace

void CopyBitmapKeyed(const TPixelBufferView& target, const TPixelBufferView& source, int x,
                     TColor key, int y) {
  CopyKeyed(target, source, x, y, key, TRect{0, 0, source.Width - 1, source.Height - 1}, nullptr,
            0, 0);
}

void CopyRectKeyed(const TPixelBufferView& target, const TPixelBufferView& source, int x,
                   bool parent_fill, const TCacheInfo& cache, TColor key, TRect source_rect,
                   int y) {
  const bool fill = parent_fill && cache.Ready && !cache.Bmp.Empty() &&
                    SharedFast24.Attach(cache.Bmp);
  CopyKeyed(target, source, x, y, key, source_rect, fill ? &SharedFast24 : nullptr, cache.X,
            cache.Y);
}

void CopyRectKeyedPlain(const TPixelBufferView& target, const TPixelBufferView& source, int x,
                        const TCacheInfo&, TColor key, TRect source_rect, int y) {
  CopyKeyed(target, source, x, y, key, source_rect, nullptr, 0, 0);
}
