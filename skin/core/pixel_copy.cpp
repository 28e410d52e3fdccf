#include "skin/core/pixel_copy.h"

#include <algorithm>
#include <cstring>

#include "skin/core/pixel_access.h"

void CopyPixels(const TPixelBufferView& target, int x, int y, const TPixelBufferView& source,
                TRect src) {
  if (!Is24BitView(target) || !Is24BitView(source)) return;
  // Clip the source, moving the destination along, then the destination.
  if (src.Left < 0) { x -= src.Left; src.Left = 0; }
  if (src.Top < 0) { y -= src.Top; src.Top = 0; }
  if (x < 0) { src.Left -= x; x = 0; }
  if (y < 0) { src.Top -= y; y = 0; }
  src.Right = std::min({src.Right, source.Width, src.Left + (target.Width - x)});
  src.Bottom = std::min({src.Bottom, source.Height, src.Top + (target.Height - y)});
  const int w = src.Width(), h = src.Height();
  if (w <= 0 || h <= 0) return;
  const size_t bytes = static_cast<size_t>(w) * 3;
  // Rows are taken in the order that never reads a row already written.
  const bool upward = target.FirstRow == source.FirstRow && y > src.Top;
  for (int i = 0; i < h; ++i) {
    const int r = upward ? h - 1 - i : i;
    std::memmove(target.Pixel(x, y + r), source.Pixel(src.Left, src.Top + r), bytes);
  }
}
