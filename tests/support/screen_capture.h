// A rectangle of the screen copied once, to read pixels of another
// program's windows as a user sees them, and to count the pixels of a colour.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "platform/graphics/colors.h"

namespace brsm::test {

class ScreenCapture {
 public:
  explicit ScreenCapture(const RECT& screen) : area_(screen) {
    const int w = area_.right - area_.left, h = area_.bottom - area_.top;
    if (w <= 0 || h <= 0) return;
    HDC dc = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(dc);
    HBITMAP bmp = CreateCompatibleBitmap(dc, w, h);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, w, h, dc, area_.left, area_.top, SRCCOPY);
    SelectObject(mem, old);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    pixels_.resize(static_cast<size_t>(w) * static_cast<size_t>(h));
    GetDIBits(mem, bmp, 0, static_cast<UINT>(h), pixels_.data(), &bi, DIB_RGB_COLORS);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, dc);
  }

  // The colour at a screen point inside the area; clNone outside it.
  TColor At(int x, int y) const {
    if (x < area_.left || y < area_.top || x >= area_.right || y >= area_.bottom) return clNone;
    const size_t width = static_cast<size_t>(area_.right - area_.left);
    const size_t at = static_cast<size_t>(y - area_.top) * width + static_cast<size_t>(x - area_.left);
    const uint32_t p = pixels_[at];
    // DIB pixels are 0x00RRGGBB, colours 0x00BBGGRR.
    return static_cast<TColor>(((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF));
  }

  // How many pixels of the screen rectangle (clipped to the area) show the colour.
  int Count(const RECT& r, TColor color) const {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) n += At(x, y) == color;
    return n;
  }

 private:
  RECT area_;
  std::vector<uint32_t> pixels_;
};

// The window's client area on the screen.
inline RECT ClientOnScreen(HWND wnd) {
  RECT r{};
  GetClientRect(wnd, &r);
  MapWindowPoints(wnd, nullptr, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// The window has a region of its own (a skinned frame's shape).
inline bool WindowHasRegion(HWND wnd) {
  HRGN r = CreateRectRgn(0, 0, 0, 0);
  const bool has = GetWindowRgn(wnd, r) != ERROR;
  DeleteObject(r);
  return has;
}

// A rectangle of the window's client area in screen coordinates.
inline RECT OnScreen(HWND wnd, RECT client) {
  MapWindowPoints(wnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
  return client;
}

}  // namespace brsm::test
