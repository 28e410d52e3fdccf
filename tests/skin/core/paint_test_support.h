// Small helpers for the painting tests: owning buffers in either row order
// and pixel access by colour.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/graphics/colors.h"
#include "platform/graphics/pixel_buffer.h"

namespace painttest {

using Order = TPixelBuffer::Orientation;

inline const char* OrderName(const ::testing::TestParamInfo<Order>& info) {
  return info.param == Order::TopDown ? "TopDown" : "BottomUp";
}

// A buffer filled with one colour.
inline TPixelBuffer Make(int w, int h, TColor fill, Order order = Order::BottomUp, int bpp = 3) {
  TPixelBuffer b(w, h, bpp, order);
  TPixelBufferView v = b.View();
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      uint8_t* p = v.Pixel(x, y);
      p[0] = static_cast<uint8_t>(fill >> 16);
      p[1] = static_cast<uint8_t>(fill >> 8);
      p[2] = static_cast<uint8_t>(fill);
      if (bpp == 4) p[3] = 0;
    }
  return b;
}

inline TColor Get(TPixelBuffer& b, int x, int y) {
  const uint8_t* p = b.View().Pixel(x, y);
  return static_cast<TColor>(p[2] | (p[1] << 8) | (p[0] << 16));
}

inline void Set(TPixelBuffer& b, int x, int y, TColor c) {
  uint8_t* p = b.View().Pixel(x, y);
  p[0] = static_cast<uint8_t>(c >> 16);
  p[1] = static_cast<uint8_t>(c >> 8);
  p[2] = static_cast<uint8_t>(c);
}

inline void FillRect(TPixelBuffer& b, int l, int t, int r, int bottom, TColor c) {
  for (int y = t; y < bottom; ++y)
    for (int x = l; x < r; ++x) Set(b, x, y, c);
}

// Raw bytes, padding included, to prove that nothing was written.
inline std::vector<uint8_t> Bytes(const TPixelBuffer& b) {
  return std::vector<uint8_t>(b.Data(), b.Data() + b.SizeInBytes());
}

inline int Count(TPixelBuffer& b, TColor c) {
  int n = 0;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) n += Get(b, x, y) == c;
  return n;
}

}  // namespace painttest
