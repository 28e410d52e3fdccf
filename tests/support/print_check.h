// A window's pixels as the screen shows them and as WM_PRINT gives them:
// a skinned window must print exactly what it shows (fades and snapshots
// are made from the print).
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "platform/graphics/bitmap.h"
#include "tests/skin/core/skin_panel_wintest_support.h"

namespace brsm::test {

// The whole window, frame included, row by row.
inline std::vector<TColor> Capture(HWND w, bool print) {
  RECT r{};
  GetWindowRect(w, &r);
  const int cx = r.right - r.left, cy = r.bottom - r.top;
  std::unique_ptr<TBitmap> bmp(new TBitmap(cx, cy));
  HDC dc = bmp->Canvas()->Handle();
  if (print) {
    SendMessageW(w, WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_NONCLIENT | PRF_ERASEBKGND);
  } else {
    HDC screen = GetWindowDC(w);
    BitBlt(dc, 0, 0, cx, cy, screen, 0, 0, SRCCOPY);
    ReleaseDC(w, screen);
  }
  GdiFlush();
  std::vector<TColor> out;
  for (int y = 0; y < cy; ++y)
    for (int x = 0; x < cx; ++x) out.push_back(BitmapPixel(bmp.get(), x, y));
  return out;
}

// WM_PRINT gives what the screen shows; else the first pixel that differs.
inline ::testing::AssertionResult PrintsAsShown(HWND w) {
  const std::vector<TColor> printed = Capture(w, true), shown = Capture(w, false);
  RECT r{};
  GetWindowRect(w, &r);
  const size_t width = static_cast<size_t>(r.right - r.left);
  for (size_t i = 0; i < shown.size(); ++i)
    if (printed[i] != shown[i])
      return ::testing::AssertionFailure() << "at (" << i % width << ", " << i / width << ") printed " << std::hex
                                           << printed[i] << ", shown " << shown[i];
  return ::testing::AssertionSuccess();
}

}  // namespace brsm::test
