// Where a combo box's drop-down button, its arrow glyph and an extended
// box's image and caption go. Window coordinates.
#pragma once

#include <string_view>

#include "platform/graphics/geometry.h"

// The combo styles of the class library, in its order.
enum class TvxComboStyle { DropDown, Simple, DropDownList, OwnerDrawFixed, OwnerDrawVariable };

// A drop-down button `buttonWidth` wide (0: none), 2 px inside the window,
// at the right edge or, for right-to-left reading, at the left.
TRect ComboButtonRect(int windowWidth, int windowHeight, int buttonWidth, bool rightToLeft);
// A combo window shows a button when its style holds CBS_DROPDOWN's bit
// (drop-down and drop-down-list boxes).
bool ComboStyleHasButton(unsigned style);
// A control of another library's combo-like class shows a button, except a
// "TComboBox" whose style is neither drop-down nor drop-down-list.
bool HasDropDownButton(std::string_view className, TvxComboStyle style);

// One frame of an arrow mask `imageWidth` x `imageHeight` holding
// `imageCount` frames across and `maskType` + 1 rows (counts below 1 are 1),
// centred on the button and the window's height. Empty for an empty button.
struct TvxGlyphFrame {
  int Width = 0;
  int Height = 0;
  int X = 0;
  int Y = 0;
};
TvxGlyphFrame ComboGlyphFrame(int imageWidth, int imageHeight, int imageCount, int maskType,
                              const TRect& button, int windowHeight);

// An extended box's image square: (Height - image) div 2 from the top and
// the left, a list item moved right 16 px per `indent` step. Empty without
// images or item.
TRect ComboImageRect(int boxHeight, int imageWidth, int imageHeight, bool hasImage, bool listItem, int indent);
// The caption of the edit face: from the image's right + 3 (3 without
// image) to the button, 3 px short of it; the whole face height.
TRect ComboEditTextRect(const TRect& image, int width, int height, int buttonWidth, bool showButton);
