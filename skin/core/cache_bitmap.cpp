#include "skin/core/cache_bitmap.h"

#include <algorithm>
#include <cstring>

void TsBufferCacheBitmap::SetSize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == buffer_.Width() && height == buffer_.Height()) return;
  TPixelBuffer resized(width, height, 3, TPixelBuffer::Orientation::BottomUp);
  TPixelBufferView from = buffer_.View();
  TPixelBufferView to = resized.View();
  const int w = std::min(width, from.Width);
  const int h = std::min(height, from.Height);
  if (w > 0 && h > 0 && !from.Empty() && !to.Empty())
    for (int y = 0; y < h; ++y) std::memcpy(to.Row(y), from.Row(y), static_cast<size_t>(w) * 3);
  buffer_ = std::move(resized);
}
