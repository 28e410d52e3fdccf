// Where a skinned title bar puts its caption buttons, what a point of the
// frame answers to WM_NCHITTEST, and what a press or a release of a button
// leads to. All of it is arithmetic over the form's measures, the skin's
// image sizes and the system menu's answers, so the painting, the hit test
// and the mouse handling agree on one layout.
#pragma once

#include <vector>

#include "platform/graphics/geometry.h"
#include "skin/core/skin_data.h"
#include "skin/windows/caption_buttons.h"
#include "skin/windows/system_menu_rules.h"

// -- Sizes of image items ---------------------------------------------------------------------
// Frames side by side and rows of an item; below 1 counts as 1.
int ItemFrames(const TsMaskData& item);
int ItemRows(const TsMaskData& item);
// A caption button's state cell: the image width by its frames; the height
// of its own bitmap's upper half, or of the rectangle by its rows. Null
// gives the fallback both ways.
TSize CaptionButtonCell(const TsMaskData* item, int fallback);
// The cells of the MDI child buttons and of the grip image: an own bitmap
// is three frames by two rows, a rectangle its frames by its rows.
TSize ThreeStateCell(const TsMaskData* item, int fallback);
// The TITLEBAR strip's width: two ninths of an own bitmap, or two thirds of
// one frame of a rectangle, plus the buttons' width.
int TitleBarStripWidth(const TsMaskData& item, int buttonsWidth);

// -- Layout ------------------------------------------------------------------------------------
enum TsSystemButton { sbClose, sbMaximize, sbMinimize, sbHelp, SystemButtonCount };

// What the layout is asked to place, right to left: the system buttons
// that are placed (with their widths), then every title button.
struct TsCaptionPlan {
  bool Placed[SystemButtonCount] = {false, false, false, false};
  int Width[SystemButtonCount] = {21, 21, 21, 21};
  std::vector<int> TitleWidths;
  int Height = 21;
};

// One title button's wish: its glyph width (0 without glyph) and the
// TITLEBUTTON image (null when missing).
struct TsTitleButtonWish {
  int GlyphWidth = 0;
  const TsMaskData* Image = nullptr;
};

// close..help images, null when the skin has none. The close image gives
// the height of every button. A skin without a close image leaves the
// system buttons to the platform's look: given a platform cell, they are
// all placed at that size as the system would show them.
TsCaptionPlan PlanCaptionButtons(const TsBorderIconFlags& icons, const TsWindowCommands& commands,
                                 const TsMaskData* const images[SystemButtonCount],
                                 const std::vector<TsTitleButtonWish>& titles, TSize platformCell = TSize{0, 0});

struct TsCaptionFrame {
  int FormWidth = 0;
  int FrameWidth = 0;
  int FrameHeight = 0;
  int CaptionHeight = 0;
  int Spacing = 0;  // the skin's BISPACE
};

struct TsCaptionButtonLayout {
  TRect System[SystemButtonCount];  // empty when not placed
  std::vector<TRect> Title;         // one per title button
  // From the first button's right edge to the last one's left, each
  // button with its spacing: what the caption text and the TITLEBAR strip
  // leave to the buttons.
  int ButtonsWidth = 0;
};

// The top of a button row: centred in the title band, two lower for a
// button below 16 pixels.
int CaptionButtonTop(const TsCaptionFrame& frame, int buttonHeight);
TsCaptionButtonLayout LayoutCaptionButtons(const TsCaptionPlan& plan, const TsCaptionFrame& frame);

// The caption icon's place.
TRect CaptionIconRect(const TsCaptionFrame& frame, int iconWidth, int iconHeight);
// The caption text's room, before it is narrowed to the text's height.
TRect CaptionTextRect(const TsCaptionFrame& frame, int iconWidth, int buttonsWidth);
// The text's room narrowed to its height and centred in it.
TRect CentreTextRect(const TRect& room, int textHeight);
// A maximised MDI child's minimise, restore and close buttons in the MDI
// parent's menu line (w x h cells).
struct TsMDIButtonRects {
  TRect Minimize, Restore, Close;
};
TsMDIButtonRects LayoutMDIButtons(int formWidth, int frameWidth, int topAreaHeight, int menuHeight,
                                  TSize cell);
// The MDI client area in the parent's window.
struct TsMDIAreaMeasures {
  int Width = 0, Height = 0;
  int FrameWidth = 0, FrameHeight = 0, CaptionHeight = 0, BorderWidth = 0;
  int MenuLineHeight = 0;  // rows x menu height when a menu line shows
  int LeftAligned = 0, RightAligned = 0, BottomAligned = 0;
};
TRect MDIAreaRect(const TsMDIAreaMeasures& m);

// -- Hit test ----------------------------------------------------------------------------------
struct TsHitTestInput {
  TPoint At;  // relative to the form's origin
  TsCaptionFrame Frame;
  TsCaptionButtonLayout Layout;
  int ButtonHeight = 21;
  int IconWidth = 0;  // 0 when no icon shows
  TsWindowCommands Commands;
  bool Iconic = false;
  bool Maximized = false;
  std::vector<bool> TitleEnabled;
  // The grip (GripMode gmRightBottom, or both skinned scroll bars shown).
  bool Grip = false;
  TSize GripCell;
  int CacheWidth = 0, CacheHeight = 0;
  // A maximised MDI child's buttons in the menu line.
  bool MDIButtons = false;
  TsMDIButtonRects MDI;
  int Width = 0, Height = 0;
};

// The origin hit-test points are taken from: the window's top-left, or for
// an MDI child its client origin less the frame and (unless iconic) the
// caption, which is where its frame lies inside the MDI client.
TPoint HitTestOrigin(bool mdiChild, TPoint windowTopLeft, TPoint clientOrigin, int frameWidth,
                     int frameHeight, int captionHeight, bool iconic);

// HTSYSMENU, a button code, HTCAPTION, HTBOTTOMRIGHT, HTTRANSPARENT (-1) or
// HTNOWHERE (0: the platform answers).
int CaptionHitTest(const TsHitTestInput& in);
// Codes the provider tracks as hot buttons.
bool IsButtonCode(int code);

// -- Press and release -------------------------------------------------------------------------
// A press of a button takes effect: maximise only when maximising, or
// restoring a maximised form, is allowed; the MDI restore when maximising
// is.
bool PressAllowed(int code, const TsWindowCommands& commands, bool maximized);

enum TsReleaseAction {
  raOther,           // no button: the provider's other release handling
  raPassOn,          // clear the hot button and pass the message on
  raSwallow,         // handled, nothing to do
  raClearHot,        // handled: only the hot button is cleared
  raMinimize,        // SC_MINIMIZE
  raRestore,         // SC_RESTORE of an iconic form
  raRestoreMaximized,
  raMaximize,
  raClose,
  raHelp,
  raMDIClose,
  raMDIRestore,
  raMDIMinimize,
  raTitleButtonUp,   // the title button's OnMouseUp
};

struct TsReleaseInput {
  int Code = 0;
  bool ButtonDown = false;
  bool InButton = false;  // the mouse is still in the button's rectangle: a
                          // pressed button released elsewhere only lets go
  bool Iconic = false;
  bool Maximized = false;
  bool MainForm = false;  // the application's main form minimises, never restores
  TsWindowCommands Commands;
  int TitleCount = 0;
};
TsReleaseAction ReleaseAction(const TsReleaseInput& in);

// The button a release names: WM_LBUTTONUP carries key flags, so a client
// release names the hot button only while the mouse is captured.
int ReleasedCode(bool clientMessage, bool captured, int wParam, int hotButton);
