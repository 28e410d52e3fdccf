// What the adapters of tool bars, up-down controls and size grips decide
// without a window: a tool-bar item's state and image place, the split of
// its text into two lines, the up-down's halves and the grip test.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/graphics/geometry.h"

// Tool-bar button state and style bits the rules read.
inline constexpr uint8_t ToolStateChecked = 0x01;
inline constexpr uint8_t ToolStatePressed = 0x02;
inline constexpr uint8_t ToolStateEnabled = 0x04;
inline constexpr uint8_t ToolStateHidden = 0x08;
inline constexpr uint8_t ToolStyleSeparator = 0x01;
inline constexpr uint8_t ToolStyleWholeDropDown = 0x80;

struct TvxToolItemLook {
  bool Skip = false;       // hidden: nothing drawn
  bool Separator = false;  // only the bar's background
  int State = 0;           // 0 normal, 1 hot, 2 pressed
  int Shift = 0;           // image and text move by this right and down
};
// Disabled: 0; pressed or checked: 2, shifted by 1; else hot under the cursor.
TvxToolItemLook ToolItemLook(uint8_t state, uint8_t style, bool underCursor);

// An item shows an image when its index lies in the image list.
bool ToolItemHasImage(int imageIndex, int imageCount);

// Left of the image: centred in the item, or in the width left of a
// drop-down arrow `arrowWidth` wide (0: no arrow).
int ToolImageLeft(int itemWidth, int iconWidth, int arrowWidth, int shift);

struct TvxTwoLines {
  std::string First;
  std::string Second;  // empty: one line
};
// Breaks before the first word whose end overflows `width` (measured by
// `measure`); the rest goes to the second line. A text that fits, or whose
// first word alone overflows, stays one line.
TvxTwoLines SplitToolText(std::string_view text, int width,
                          const std::function<int(std::string_view)>& measure);

// The up-down's halves from column `leftOffset`; an odd row goes up.
TRect SpinUpperHalf(TSize window, int leftOffset);
TRect SpinLowerHalf(TSize window, int leftOffset);

// A "scrollbar" window is a size grip only with SBS_SIZEGRIP or SBS_SIZEBOX.
bool IsSizeGripStyle(uint32_t style);
