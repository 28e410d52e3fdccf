#include "platform/graphics/gdi.h"

namespace brsm {
namespace {

int ScreenCaps(int index) {
  HDC dc = GetDC(nullptr);
  const int value = dc ? GetDeviceCaps(dc, index) : 0;
  if (dc) ReleaseDC(nullptr, dc);
  return value;
}

}  // namespace

int ScreenPixelsPerInch() {
  static const int ppi = [] {
    const int v = ScreenCaps(LOGPIXELSY);
    return v > 0 ? v : 96;
  }();
  return ppi;
}

int ScreenBitsPerPixel() {
  static const int bits = [] {
    const int v = ScreenCaps(BITSPIXEL) * ScreenCaps(PLANES);
    return v > 0 ? v : 32;
  }();
  return bits;
}

}  // namespace brsm
