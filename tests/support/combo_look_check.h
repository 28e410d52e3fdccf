// Reading a skinned combo box back from the screen against the kit's Marl:
// the frame band, the drop-down button's band and its arrow in each state.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>

#include "platform/graphics/geometry.h"
#include "tools/skinkit/kit_pictures.h"
#include "tools/skinkit/marl_skin.h"

namespace brsm::test {

// A colour of a Marl section (see MakeMarlSkin).
inline TColor MarlColor(const char* section, int index) {
  return brsm::kit::KitColor(brsm::kit::MarlSectionIndex(section), index);
}

// Each channel within `tolerance`.
inline bool NearColor(TColor a, TColor b, int tolerance = 3) {
  for (int s = 0; s < 24; s += 8)
    if (std::abs(static_cast<int>((a >> s) & 0xFF) - static_cast<int>((b >> s) & 0xFF)) > tolerance) return false;
  return true;
}

// A pixel of the window as the screen shows it, in window coordinates.
inline TColor WindowPixel(HWND w, int x, int y) {
  HDC dc = GetWindowDC(w);
  const COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(w, dc);
  return static_cast<TColor>(c);
}

// The button's left band is COMBOBTN's frame and its middle COMBOBOX's
// arrow, both of the state; `pixel` reads the box at window coordinates.
template <class Pixel>
void ExpectComboButton(const TRect& button, int state, Pixel pixel) {
  ASSERT_GT(button.Width(), 0);
  const int midY = (button.Top + button.Bottom) / 2;
  const TColor band = pixel(button.Left + 1, midY);
  const TColor arrow = pixel((button.Left + button.Right) / 2, midY);
  EXPECT_TRUE(NearColor(band, brsm::kit::Shade(MarlColor("COMBOBTN", 10 + state))))
      << "state " << state << " band " << std::hex << band;
  EXPECT_TRUE(NearColor(arrow, MarlColor("COMBOBOX", 10 + state))) << "state " << state << " arrow " << std::hex << arrow;
}

}  // namespace brsm::test
