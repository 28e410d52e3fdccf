// The scroll-window adapter: a window keeps its real scroll bars in the
// system's sense (styles, SCROLLINFO, SetScrollPos), while the adapter takes
// over their non-client room, hit testing, painting and mouse handling and
// draws them from the skin's scroll sections. Every adapter of a scrolling
// window derives from it.
#pragma once

#include <memory>

#include "skin/windows/main_wnd_win.h"
#include "skin/windows/scroll_bar_geometry.h"

class TvxScrollWnd : public TvxMainWnd {
 public:
  explicit TvxScrollWnd(const TvxAdapterArgs& args);
  ~TvxScrollWnd() override;
  void BeforeDestruction() override;
  void WndProc(TMessage& message) override;

  std::unique_ptr<TvxScrollBar> HorzBar;
  std::unique_ptr<TvxScrollBar> VertBar;
  bool LeftScrollBar = false;
  int LeftEdge = 0, RightEdge = 0, TopEdge = 0, BottomEdge = 0;
  bool PreventStyleChange = false;
  bool Busy = false;  // while the adapter itself sends scroll messages

  // The bar of a direction (0 horizontal, 1 vertical).
  TvxScrollBar* Bar(int direction) const;
  bool ThumbTracking() const;
  // Both SCROLLINFOs read again; the bars repainted when asked.
  void RefreshScrollInfo(bool repaint);
  // The bars and the corner square painted on the DC (the window DC when
  // nullptr); pressedPart is unused beyond the tracked state.
  void PaintScrollBars(HDC dc);
  // The bars' rectangles in screen coordinates.
  TRect BarRectOnScreen(int direction) const;
  // The grip rule for this window.
  bool GripApplies() const;

 protected:
  void Install(bool repaint) override;
  void Unhook(bool repaint) override;
  // The scroll adapter's own handling; true when the message is done.
  bool ScrollMessage(TMessage& message);
  // Where the cache the bars are painted over lies under the window's
  // origin (the MDI client adapter moves it into its form).
  virtual TPoint CacheOffset() const { return TPoint{0, 0}; }
  void PaintBar(HDC dc, int direction, int pressedHot, int thumbStart = -1);

 private:
  TvxBarFrame Frame(bool screen) const;
  int HitArrow(int direction) const;
  void CalcSize(TMessage& message);
  LRESULT HitTest(TPoint screen);
  bool Press(TMessage& message);
  void MouseMove(TMessage& message);
  void Timer(TMessage& message);
  void PaintCorner(HDC dc, const TRect& corner);
};

// InstallScrollWnd: the bars made and read, then the window hooked.
void InstallScrollWnd(TvxScrollWnd* adapter, HWND window, bool repaint);
void RefreshScrollInfo(TvxMainWnd* adapter, bool repaint);
TvxScrollWnd* ScrollAdapterOfWindow(HWND window);
TvxScrollBar* ScrollBarOfWindow(HWND window, int direction);
bool SetMinThumbSize(HWND window, int which, int size);
// GetScrollBarInfo succeeds and the bar is not unavailable.
bool IsScrollBarEnabled(HWND window, int direction);
// Commands 51/52 around the scroll message; SB_THUMBTRACK sets the
// position first.
void SendScrollMessage(HWND window, unsigned scrollMessage, int code, int position);
// The system's scroll-bar sizes, read once and kept until the system's
// settings or display change (ForgetSystemBarSizes).
TvxSystemBarSizes SystemBarSizes();
void ForgetSystemBarSizes();
// The Windows side of the scroll bars' timers, capture and messages.
void UseWindowsScrollSeam();
