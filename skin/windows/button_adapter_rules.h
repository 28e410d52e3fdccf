// What the adapters of push buttons, bit-map buttons, check boxes and radio
// buttons decide without a window: the look index of a button, the cell of
// a bit-map glyph, the check image of a state, and where a check image and
// the caption go.
#pragma once

#include <cstdint>
#include <string>

#include "platform/graphics/geometry.h"

struct TsMaskData;

// Button style bits the rules read.
inline constexpr uint32_t StyleDefPushButton = 0x0001;
inline constexpr uint32_t StyleRadioButton = 0x0004;
inline constexpr uint32_t StyleAutoRadioButton = 0x0009;
inline constexpr uint32_t StyleLeftText = 0x0020;
inline constexpr uint32_t StyleMultiLine = 0x2000;

// 2 pushed, 0 disabled, 1 focused or hot; else the default-button look:
// with an owner control when the low four style bits are BS_DEFPUSHBUTTON,
// without one by the lowest style bit.
int ButtonLookState(bool pushed, bool enabled, bool focusedOrHot, bool ownerControl, uint32_t style);

// The glyph cell a bit-map button shows: the pressed cell (the last of at
// most four) only with three or more cells, the disabled cell (1) with two
// or more, else cell 0.
int BitBtnGlyphCell(int numGlyphs, bool enabled, int lookState);

// The GLOBALINFO image of a check state (0 unchecked, 1 checked, 2 grayed):
// radio images for BS_RADIOBUTTON and BS_AUTORADIOBUTTON, box images for
// every other type; both grayed states use "BOXGRAYED".
std::string CheckGlyphName(uint32_t style, int checkState);

// One frame of an image item as the painting library cuts it: the width
// over its frames (0 counts as 1), the height over its rows.
TSize ItemFrameSize(const TsMaskData& item);

// The check image's rectangle in a window: vertically centred, at the
// right edge with BS_LEFTTEXT, else at the left.
TRect CheckGlyphRect(TSize window, TSize glyph, bool leftText);
// The caption's rectangle for a text w x h beside a box of boxWidth.
TRect CheckCaptionRect(TSize window, int boxWidth, TSize text, bool leftText, bool multiLine);
