// Where a skinned form's frame, title bar, menu line and client area lie:
// every measure the provider paints, hit-tests and answers by is computed
// here from a plain record of the form and the system metrics, so the
// arithmetic is the same for every caller and testable without windows.
#pragma once

#include <vector>

#include "platform/graphics/geometry.h"

// A form's border style, in the order of the platform's TFormBorderStyle.
enum TsFormBorder { fbNone, fbSingle, fbSizeable, fbDialog, fbToolWindow, fbSizeToolWin };

// The system metrics the geometry reads (GetSystemMetrics values).
struct TsSystemMetrics {
  int CaptionHeight = 0;       // SM_CYCAPTION
  int SmallCaptionHeight = 0;  // SM_CYSMCAPTION
  int FixedFrameX = 0;         // SM_CXFIXEDFRAME
  int FixedFrameY = 0;         // SM_CYFIXEDFRAME
  int SizeFrameX = 0;          // SM_CXSIZEFRAME
  int SizeFrameY = 0;          // SM_CYSIZEFRAME
  int DialogFrameX = 0;        // SM_CXDLGFRAME
  int DialogFrameY = 0;        // SM_CYDLGFRAME
  int FrameX = 0;              // SM_CXFRAME
  int FrameY = 0;              // SM_CYFRAME
  int MenuHeight = 0;          // SM_CYMENU
};

// One form as the provider sees it at a moment.
struct TsFormMeasures {
  TsFormBorder Border = fbSizeable;
  bool MDIChild = false;
  bool MDIForm = false;
  bool Iconic = false;
  bool FullCaptionStyle = false;  // the window style holds all of WS_CAPTION
  bool HasMenu = false;
  int BorderWidth = 0;
  int Width = 0;   // the form's Width
  int Height = 0;  // the form's Height
  TRect WindowRect{};
  TRect ClientRect{};  // client coordinates: (0, 0, width, height)
  // Sizes of the skinned scroll bars the form shows, 0 when none.
  int VScrollWidth = 0;
  int HScrollHeight = 0;
  // The caption icon.
  bool ShowAppIcon = true;
  int TitleIconWidth = 0;  // TitleIcon's Width and Height; 0: from the caption
  int TitleIconHeight = 0;
};

bool HasSkinnedFrame(const TsFormMeasures& f);
int CaptionHeight(const TsFormMeasures& f, const TsSystemMetrics& m);
int FrameWidth(const TsFormMeasures& f, const TsSystemMetrics& m);
int FrameHeight(const TsFormMeasures& f, const TsSystemMetrics& m);
int FormWidth(const TsFormMeasures& f);
int TopAreaHeight(const TsFormMeasures& f, const TsSystemMetrics& m);
int MenuHeight(const TsFormMeasures& f, const TsSystemMetrics& m);
bool IconVisible(const TsFormMeasures& f);
int IconSizeForCaption(int captionHeight);
int TitleIconWidth(const TsFormMeasures& f, const TsSystemMetrics& m);
int TitleIconHeight(const TsFormMeasures& f, const TsSystemMetrics& m);
// The cache no longer has the form's size.
bool SizeChanged(const TsFormMeasures& f, int cacheWidth, int cacheHeight);

// Rows the main menu's items fill in a menu line `FormWidth` wide: items
// are laid left to right from x = FrameWidth and start a new row where the
// next one would pass FormWidth - 2 FrameWidth - 2 BorderWidth. A row
// always holds at least one item, so an item wider than the whole row
// takes a row of its own and never leaves an empty one behind.
int CountMenuRows(const std::vector<int>& itemWidths, int frameWidth, int formWidth,
                  int borderWidth);

// Where the client area lies in the cache bitmap (command 61 answers
// MakeLong(X, Y)).
TPoint ClientOffset(const TsFormMeasures& f, const TsSystemMetrics& m);
