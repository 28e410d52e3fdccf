// Decisions of a skinned button's face that need no window: which look
// (state index) it shows and where its glyph goes. The bit-map button, the
// push button and the speed button share them.
#pragma once

#include "platform/forms/button_layout.h"
#include "platform/forms/text_alignment.h"
#include "platform/graphics/geometry.h"

// Button look index: the row of the skin images and the fade's target.
enum : int { ButtonStateNormal = 0, ButtonStateActive = 1, ButtonStatePressed = 2 };

struct TsButtonStateFacts {
  bool Down = false;            // the Down property
  bool Pushed = false;          // BM_GETSTATE has BST_PUSHED
  bool ForcedPress = false;     // the library-wide forced-press flag
  bool MouseOver = false;       // the cursor is over the button
  bool LeftButtonHeld = false;  // the left mouse button is down
  bool DefaultStyle = false;    // the last SetButtonStyle asked for the default look
  bool DefPushStyle = false;    // the window style is BS_DEFPUSHBUTTON
  bool ActiveState = false;     // TsCommonData::IsActiveState (focused or hot)
  bool DesignDefault = false;   // the form's Default button in design mode
};

// Pressed when Down, or pushed (or forced) while the mouse is over it or
// the left button is not held; else active; else normal.
int ButtonStateIndex(const TsButtonStateFacts& facts);

struct TsGlyphPlaceFacts {
  int Width = 0;           // the face
  int Height = 0;
  int RightStrip = 0;      // taken from the face's right edge (a drop-down arrow)
  int GlyphWidth = 0;
  int GlyphHeight = 0;
  int CaptionWidth = 0;    // as measured; 0 when the caption is not shown
  int CaptionHeight = 0;
  bool ShowCaption = true;
  bool HasCaption = false;
  int Margin = -1;
  int Spacing = 4;
  TButtonLayout Layout = blGlyphLeft;
  TAlignment Alignment = taCenter;
  bool Pressed = false;
};

// The glyph's top-left corner in the face. Divisions truncate toward zero,
// as the face has always been laid out.
TPoint ButtonGlyphPosition(const TsGlyphPlaceFacts& facts);
