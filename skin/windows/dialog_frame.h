// The skinned frame of a foreign dialog (a message box, a system file
// dialog): which frame its captured style gives it, the window commands it
// allows, the measures of its title bar and edges, where its caption
// buttons stand, what a point of the frame answers to WM_NCHITTEST and what
// a press, a release or a double click on the caption leads to. Arithmetic
// over a record of styles, sizes and system metrics, so the adapter's
// painting, hit test and mouse handling agree on one layout.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/graphics/geometry.h"
#include "skin/core/skin_data.h"
#include "skin/windows/caption_buttons.h"

// Frame kinds: 0 fixed dialog frame, 1 the kind before start-up, 2 a popup
// without full caption, 3 a sizing frame; 4 and 5 are the small-caption
// kinds of 0 and 3, which start-up never chooses.
enum : int {
  DialogFrameModal = 0,
  DialogFrameInitial = 1,
  DialogFramePopup = 2,
  DialogFrameSizing = 3,
  DialogFrameSmallModal = 4,
  DialogFrameSmallSizing = 5,
};

// The kind a captured window style gives.
int DialogFrameKind(uint32_t style);

struct TvxDialogMetrics {
  int CXDlgFrame = 3, CYDlgFrame = 3;
  int CXFrame = 4, CYFrame = 4;
  int CYCaption = 19, CYSmCaption = 15;
  int CXSmIcon = 16, CYSmIcon = 16;
};

// What the frame is decided by. Style and ExStyle are those captured when
// the adapter took up the frame (Style still holding WS_SYSMENU); LiveStyle
// is the window's style now.
struct TvxDialogState {
  uint32_t Style = 0;
  uint32_t ExStyle = 0;
  uint32_t LiveStyle = 0;
  int FrameKind = DialogFrameInitial;
  bool ClassNoClose = false;  // the window class has CS_NOCLOSE
  bool Iconic = false;
  bool Zoomed = false;
  int Width = 0, Height = 0;  // the window
  int ClientWidth = 0, ClientHeight = 0;
  int HorzBar = 0, VertBar = 0;  // a shown skinned bar's thickness, else 0
  TvxDialogMetrics Metrics;

  // -- Style tests ----------------------------------------------------------
  bool HasSysMenu() const;
  bool HasHelp() const;
  bool HasMaxBox() const;
  bool HasMinBox() const;
  bool CloseEnabled() const;
  bool MaximizeEnabled() const;
  bool MinimizeEnabled() const;
  bool RestoreEnabled() const;
  bool RestoreVisible() const;
  // The kinds with a sizing or initial frame (1, 3, 5).
  bool SizingKind() const;

  // -- Geometry ---------------------------------------------------------------
  int CaptionHeight() const;
  // The top, left and bottom edges' thickness.
  int FrameHeight() const;
  // The right edge's thickness.
  int FrameWidth() const;
  // Everything above the client area less the top edge; never below 0.
  int TitleHeight() const;
  int ClientOffsetX() const;
  int ClientOffsetY() const;
};

// A caption button's cell: 21 x 21 without image item.
int DialogButtonWidth(const TsMaskData* item);
int DialogButtonHeight(const TsMaskData* item);

// The caption buttons: close, maximise, minimise, help.
enum TvxDialogButtonSlot { dbClose, dbMax, dbMin, dbHelp, DialogButtonCount };

// The slot of a caption-button code; -1 for a code without button (the
// icon, the MDI codes, none).
int DialogButtonSlot(int code);

// The button widths summed as the title bar shows them; 0 without system menu.
int DialogButtonsWidth(const TvxDialogState& s, const int widths[DialogButtonCount]);

// The grip's top-left in the cache.
TPoint DialogGripPosition(const TvxDialogState& s, const TsMaskData& grip, int cacheWidth,
                          int cacheHeight);

// -- Caption-button layout ---------------------------------------------------
// The items each button has of its own (null: not valid) and the
// BICONNORM item (GLOBALINFO's, else the section's) a zoomed maximise and
// an iconic minimise button show.
struct TvxDialogButtonItems {
  const TsMaskData* Own[DialogButtonCount] = {nullptr, nullptr, nullptr, nullptr};
  const TsMaskData* Norm = nullptr;
};

struct TvxPlacedButton {
  bool Placed = false;
  TRect Bounds{};                // window coordinates; empty when not placed
  const TsMaskData* Glyph = nullptr;  // what is drawn; null: nothing
  bool Enabled = false;
};

struct TvxDialogButtonLayout {
  TvxPlacedButton Button[DialogButtonCount];
};

// Right to left from the right edge, touching; nothing without system menu.
TvxDialogButtonLayout LayoutDialogButtons(const TvxDialogState& s, const TvxDialogButtonItems& items);

// -- Image items of the buttons -----------------------------------------------
// Looks an item up by property name in GLOBALINFO, or in the dialog's own
// section (whose parent is FORM); -1 when missing.
using TvxItemLookup = std::function<int(const char* property)>;

struct TvxDialogButtonIndexes {
  int Index[DialogButtonCount] = {-1, -1, -1, -1};
};

TvxDialogButtonIndexes DialogButtonIndexes(int frameKind, bool globalInfoValid,
                                           const TvxItemLookup& global, const TvxItemLookup& form);

// Which image repaints one button: its own, BICONNORM or GLOBALINFO's
// BICONMAX; disabled draws it in the inactive look.
enum TvxRepaintImage { riOwn, riNorm, riGlobalMax };
struct TvxRepaintChoice {
  TvxRepaintImage Image = riOwn;
  bool Disabled = false;
};
TvxRepaintChoice DialogRepaintImage(int slot, const TvxDialogState& s);

// -- Hit test ------------------------------------------------------------------
struct TvxDialogHitInput {
  TvxDialogState State;
  TPoint At;  // window coordinates
  TvxDialogButtonLayout Layout;
  int CloseHeight = 21;  // DialogButtonHeight of the close button's own item
  const TsMaskData* Grip = nullptr;  // GLOBALINFO's GRIPIMAGE, null when missing
  int CacheWidth = 0, CacheHeight = 0;
};

// Answered: the code to answer, and the hot button to set (-1: unchanged).
// Not answered: the message goes to the window's own procedure.
struct TvxDialogHit {
  bool Answered = false;
  int Code = 0;
  int Hot = -1;
};
TvxDialogHit DialogHitTest(const TvxDialogHitInput& in);

// The button at x: 1 close, then the maximise, minimise and help buttons in
// the order they stand; 0 for none.
int DialogButtonAtX(const TvxDialogState& s, const TvxDialogButtonLayout& layout, int x);

// -- Mouse -----------------------------------------------------------------------
enum TvxDialogDownAction {
  ddPassOn,      // the window's own procedure
  ddShowMenu,    // the system menu below the icon
  ddPress,       // the button of the code is pressed
  ddMoveIconic,  // SC_MOVE + HTCAPTION
  ddClearHot,    // the hot button cleared, nothing passed on
  ddFocus,       // as ddClearHot, and the window takes the focus
};
struct TvxDialogDownInput {
  int Code = 0;  // WParam
  bool Iconic = false, Zoomed = false, Active = true;
  int Y = 0;           // the click in window coordinates
  int TitleBand = 0;   // FrameHeight + CaptionHeight
};
TvxDialogDownAction DialogDownAction(const TvxDialogDownInput& in);

enum TvxDialogUpAction {
  duPassOn,      // the window's own procedure, the message untouched
  duClearHot,    // the hot button cleared
  duNothing,
  duMinimize,
  duRestore,     // SC_RESTORE
  duMaximize,    // SC_MAXIMIZE
  duClose,
  duHelp,
};
struct TvxDialogUpInput {
  bool ClientMessage = false;  // WM_LBUTTONUP: WParam holds key flags
  int Code = 0;                // WParam
  bool ButtonPressed = false;
  int HotButton = 0;
  bool InMinButton = false;    // the release lies in the minimise button
  bool Iconic = false, Zoomed = false;
  bool MaximizeEnabled = false;
};
TvxDialogUpAction DialogUpAction(const TvxDialogUpInput& in);

enum TvxDialogDblAction { dcNothing, dcMaximize, dcRestore, dcClose };
TvxDialogDblAction DialogDoubleClickAction(int code, const TvxDialogState& s);
