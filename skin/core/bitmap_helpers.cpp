#include "skin/core/bitmap_helpers.h"

#include "skin/core/pixel_access.h"

namespace {

template <typename Skip>
void Grayscale(const TPixelBufferView& bitmap, Skip skip) {
  if (!Is24BitView(bitmap)) return;
  for (int y = 0; y < bitmap.Height; ++y) {
    uint8_t* p = bitmap.Row(y);
    for (int x = 0; x < bitmap.Width; ++x, p += 3) {
      if (skip(p)) continue;
      const uint8_t grey = static_cast<uint8_t>((p[0] + p[1] + p[2]) / 3);
      p[0] = p[1] = p[2] = grey;
    }
  }
}

}  // namespace

void GrayscaleBitmap(const TPixelBufferView& bitmap) {
  Grayscale(bitmap, [](const uint8_t*) { return false; });
}

void GrayscaleExceptKey(const TPixelBufferView& bitmap, TColor key) {
  const TColor k = KeyColorValue(key);
  Grayscale(bitmap, [k](const uint8_t* p) { return PixelIsKey(p, k); });
}
