// Decisions of the skinned speed button that need no window: the drop-down
// strip and when a press opens the menu, where the menu opens and where
// the cursor must be for the button to stay hot, where the glyph goes, and
// the caption it keeps while its caption is hidden.
#pragma once

#include <string>

#include "platform/forms/tool_button_style.h"
#include "skin/controls/button_face.h"

// The width of the arrow strip at the right edge of a drop-down button.
inline constexpr int SpeedButtonArrowWidth = 16;

// The strip a style takes from the face: the arrow strip, else 0.
int DropDownStripWidth(TToolButtonStyle style);
// The width after a change of style: 16 wider into tbsDropDown, 16
// narrower out of it.
int WidthForStyleChange(int width, TToolButtonStyle from, TToolButtonStyle to);

struct TsDropDownPress {
  bool LeftButton = false;
  bool Enabled = true;
  TToolButtonStyle Style = tbsButton;
  bool HasMenu = false;
  bool HasOnClick = false;
  int X = 0;  // client co-ordinates
  int Width = 0;
};
// A left press on an enabled drop-down button with a menu opens it when it
// falls on the arrow strip or the button has no OnClick.
bool PressOpensDropDown(const TsDropDownPress& press);
// The client point the menu's top-left corner goes to: one pixel below the
// button's bottom-left corner.
TPoint DropDownMenuPoint(int height);
// Where the cursor keeps the button hot when the menu closes, from the
// menu's screen point.
TRect DropDownStayRect(TPoint menuScreenPoint, int width, int height);

// The glyph rectangle in the face: ButtonGlyphPosition with the strip; a
// layout or alignment the face does not know puts the glyph at 0, 0.
TRect SpeedButtonGlyphRect(const TsGlyphPlaceFacts& facts);

// A non-empty caption is kept; the answer is the caption to show: the kept
// one while shown, else none.
std::string KeepCaption(std::string& kept, const std::string& caption, bool showCaption);
