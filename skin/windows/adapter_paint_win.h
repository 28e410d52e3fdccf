// Small pieces the painting adapters share: a window's font or the message
// font on a canvas, the parent's colour with a fallback, and guards that
// give back what a painting took on every path, also when it raises.
#pragma once

#include <windows.h>

#include <string>

#include "platform/graphics/canvas.h"
#include "platform/graphics/colors.h"
#include "platform/graphics/pixel_buffer.h"
#include "skin/core/cache_info.h"

class TsCommonData;
class TsSkinManager;
struct TvxWindowPlace;

// What lies under a window, as a cache whose X, Y is the window's top-left:
// the parent's ready cache, else a plain bitmap of the window's size in the
// parent's colour (for a record with a host control its parent control's,
// else clBtnFace when the parent answers none), so nothing see-through is
// ever left magenta or black.
class TUnderWindow {
 public:
  TUnderWindow(HWND window, const TvxWindowPlace& place, const TsCommonData* record);
  TUnderWindow(const TUnderWindow&) = delete;
  TUnderWindow& operator=(const TUnderWindow&) = delete;
  const TCacheInfo& Info() const { return info_; }
  // The parent's own cache (a disabled look blends only over that).
  bool ParentReady() const { return parentReady_; }
  TColor Color() const { return color_; }
  // Copies what lies under the rectangle (window coordinates) into it.
  void CopyTo(const TPixelBufferView& target, const TRect& rect) const;

 private:
  TPixelBuffer fill_;
  TCacheInfo info_;
  bool parentReady_ = false;
  TColor color_ = 0;
};

// The canvas's font becomes the window's WM_GETFONT font (nothing when the
// window has none): the core's text routines reselect the canvas's own
// objects, so a font only selected into the DC would be lost.
void AssignWindowFont(TCanvas* canvas, HWND window);
// The system's message font.
void AssignMessageFont(TCanvas* canvas);
// The parent window's answer to SkinCmdQueryBackColor as RGB; clBtnFace
// when the parent answers nothing.
TColor QueryWindowBackColor(HWND parent);
// The blend of a disabled look over the parent's ready cache at the
// window's place: 40 percent own look.
void BlendOverParentCache(TsCommonData* record, const TUnderWindow& under);

// The section column headers are painted from: "COLHEADER", or "BUTTON"
// when the skin lacks it; its index (-1 when neither) and name.
int ColumnHeaderSection(const TsSkinManager* manager, std::string& name);

// WM_SETREDRAW off now and on again when it goes.
class TRedrawHold {
 public:
  explicit TRedrawHold(HWND window) : window_(window) { SendMessageW(window_, WM_SETREDRAW, 0, 0); }
  ~TRedrawHold() { SendMessageW(window_, WM_SETREDRAW, 1, 0); }
  TRedrawHold(const TRedrawHold&) = delete;
  TRedrawHold& operator=(const TRedrawHold&) = delete;

 private:
  HWND window_;
};

// BeginPaint now, EndPaint when it goes.
class TPaintScope {
 public:
  explicit TPaintScope(HWND window) : window_(window) { BeginPaint(window_, &ps_); }
  ~TPaintScope() { EndPaint(window_, &ps_); }
  TPaintScope(const TPaintScope&) = delete;
  TPaintScope& operator=(const TPaintScope&) = delete;

 private:
  HWND window_;
  PAINTSTRUCT ps_{};
};

// The given DC, else the window's (client or whole-window) DC, released
// when it goes; the DC's state is saved and restored as well.
class TTargetDC {
 public:
  TTargetDC(HWND window, HDC given, bool wholeWindow = false);
  ~TTargetDC();
  TTargetDC(const TTargetDC&) = delete;
  TTargetDC& operator=(const TTargetDC&) = delete;
  HDC Handle() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
  bool fetched_;
  int saved_ = 0;
};
