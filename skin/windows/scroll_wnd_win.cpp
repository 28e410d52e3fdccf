#include "skin/windows/scroll_wnd_win.h"

#include <algorithm>
#include <memory>

#include "platform/forms/forms.h"
#include "platform/graphics/canvas.h"
#include "skin/core/common_data_win.h"
#include "skin/core/bitmap_create_win.h"
#include "skin/core/control_utils_win.h"
#include "skin/core/dc_helpers_win.h"
#include "skin/core/image_painting.h"
#include "skin/core/pixel_copy.h"
#include "skin/core/skin_manager.h"
#include "skin/windows/scroll_bar_painting.h"
#include "skin/windows/scroll_tracking.h"

namespace {

constexpr LONG kBothScrollStyles = WS_HSCROLL | WS_VSCROLL;
constexpr UINT kSysCommandVScrollBar = 0xF077;

int XOf(LPARAM p) { return static_cast<short>(LOWORD(p)); }
int YOf(LPARAM p) { return static_cast<short>(HIWORD(p)); }

uintptr_t Id(HWND w) { return reinterpret_cast<uintptr_t>(w); }

TRect ToRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

void ReadInfo(HWND window, int direction, TvxScrollBar& bar) {
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_ALL;
  if (!GetScrollInfo(window, direction == BarHorizontal ? SB_HORZ : SB_VERT, &si)) si = SCROLLINFO{};
  bar.Info.nMin = si.nMin;
  bar.Info.nMax = si.nMax;
  bar.Info.nPage = si.nPage;
  bar.Info.nPos = si.nPos;
  bar.Info.nTrackPos = si.nTrackPos;
}

class WindowsScrollSeam : public TvxScrollSeam {
 public:
  void SetTimer(uintptr_t w, unsigned id, unsigned ms) override {
    ::SetTimer(reinterpret_cast<HWND>(w), id, ms, nullptr);
  }
  void KillTimer(uintptr_t w, unsigned id) override { ::KillTimer(reinterpret_cast<HWND>(w), id); }
  void SendScroll(uintptr_t w, unsigned msg, int code, int pos) override {
    HWND window = reinterpret_cast<HWND>(w);
    TvxScrollWnd* adapter = ScrollAdapterOfWindow(window);
    const bool wasBusy = adapter && adapter->Busy;
    if (adapter) adapter->Busy = true;
    SendScrollMessage(window, msg, code, pos);
    // The window may have dropped its adapter while scrolling.
    if (adapter && ScrollAdapterOfWindow(window) == adapter) adapter->Busy = wasBusy;
  }
  void SetCapture(uintptr_t w) override { ::SetCapture(reinterpret_cast<HWND>(w)); }
  void ReleaseCapture(uintptr_t w) override {
    if (GetCapture() == reinterpret_cast<HWND>(w)) ::ReleaseCapture();
  }
};

}  // namespace

namespace {
// Every bar asks for them several times a paint.
TvxSystemBarSizes knownBarSizes;
bool barSizesKnown = false;
}  // namespace

TvxSystemBarSizes SystemBarSizes() {
  if (!barSizesKnown) {
    knownBarSizes = {GetSystemMetrics(SM_CYHSCROLL), GetSystemMetrics(SM_CXVSCROLL), GetSystemMetrics(SM_CXHSCROLL)};
    barSizesKnown = true;
  }
  return knownBarSizes;
}

void ForgetSystemBarSizes() { barSizesKnown = false; }

void UseWindowsScrollSeam() {
  // Lives for the program: timers of a closing window may still come in.
  static auto* seam = new WindowsScrollSeam();
  SetScrollSeam(seam);
}

void SendScrollMessage(HWND window, unsigned scrollMessage, int code, int position) {
  SendCmdToWindow(window, SkinCmdBeforeScroll, 0);
  if (code == ScrollCodeThumbTrack)
    SetScrollPos(window, scrollMessage == WM_HSCROLL ? SB_HORZ : SB_VERT, position, FALSE);
  SendMessageW(window, scrollMessage, MAKEWPARAM(code, position), 0);
  SendCmdToWindow(window, SkinCmdAfterScroll, MAKELPARAM(code, scrollMessage));
}

bool IsScrollBarEnabled(HWND window, int direction) {
  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  if (!GetScrollBarInfo(window, direction == BarHorizontal ? OBJID_HSCROLL : OBJID_VSCROLL, &info))
    return false;
  if (info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) return false;
  // EnableScrollBar(ESB_DISABLE_BOTH) may be reported only on the two arrows.
  return !((info.rgstate[1] & STATE_SYSTEM_UNAVAILABLE) && (info.rgstate[5] & STATE_SYSTEM_UNAVAILABLE));
}

TvxScrollWnd* ScrollAdapterOfWindow(HWND window) {
  return dynamic_cast<TvxScrollWnd*>(AdapterOfWindow(window));
}

TvxScrollBar* ScrollBarOfWindow(HWND window, int direction) {
  TvxScrollWnd* adapter = ScrollAdapterOfWindow(window);
  return adapter ? adapter->Bar(direction) : nullptr;
}

bool SetMinThumbSize(HWND window, int which, int size) {
  TvxScrollWnd* adapter = ScrollAdapterOfWindow(window);
  if (!adapter) return false;
  for (int d : {BarHorizontal, BarVertical})
    if ((which == 3 || which == d) && adapter->Bar(d)) adapter->Bar(d)->MinThumbSize = size;
  return true;
}

void RefreshScrollInfo(TvxMainWnd* adapter, bool repaint) {
  if (auto* scroll = dynamic_cast<TvxScrollWnd*>(adapter)) scroll->RefreshScrollInfo(repaint);
}

// -- Life ------------------------------------------------------------------------------------

TvxScrollWnd::TvxScrollWnd(const TvxAdapterArgs& args) : TvxMainWnd(args) {}

TvxScrollWnd::~TvxScrollWnd() { ForgetScrollWindow(Id(WindowHandle)); }

void TvxScrollWnd::BeforeDestruction() {
  ForgetScrollWindow(Id(WindowHandle));
  TvxMainWnd::BeforeDestruction();
}

void InstallScrollWnd(TvxScrollWnd* a, HWND window, bool repaint) {
  if (!ScrollSeam()) UseWindowsScrollSeam();
  a->Busy = false;
  a->WindowHandle = window;
  a->HorzBar = std::make_unique<TvxScrollBar>();
  a->VertBar = std::make_unique<TvxScrollBar>();
  a->HorzBar->Owner = a->VertBar->Owner = a;
  a->HorzBar->Direction = BarHorizontal;
  a->VertBar->Direction = BarVertical;
  ReadInfo(window, BarHorizontal, *a->HorzBar);
  ReadInfo(window, BarVertical, *a->VertBar);
  a->LeftScrollBar = (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  a->HorzBar->ShownFlags = (style & WS_HSCROLL) ? 8 : 0;
  a->VertBar->ShownFlags = (style & WS_VSCROLL) ? 8 : 0;
  a->PreventStyleChange = false;
  HookAdapterWindow(a, window);
  SetMinThumbSize(window, 3, DefaultMinThumbSize);
  if (repaint) RedrawWindowFrame(window, true);
}

void TvxScrollWnd::Install(bool repaint) { InstallScrollWnd(this, WindowHandle, repaint); }

void TvxScrollWnd::Unhook(bool repaint) {
  if (!Hooked()) return;
  ForgetScrollWindow(Id(WindowHandle));
  HorzBar.reset();
  VertBar.reset();
  TvxMainWnd::Unhook(repaint);
}

TvxScrollBar* TvxScrollWnd::Bar(int direction) const {
  return direction == BarHorizontal ? HorzBar.get() : direction == BarVertical ? VertBar.get() : nullptr;
}

bool TvxScrollWnd::ThumbTracking() const {
  const TvxScrollTracking& t = ScrollTracking();
  return t.ThumbTracking && t.Window == Id(WindowHandle);
}

// -- Measures --------------------------------------------------------------------------------

TvxBarFrame TvxScrollWnd::Frame(bool screen) const {
  TvxBarFrame f;
  RECT r{};
  GetWindowRect(WindowHandle, &r);
  f.Window = screen ? ToRect(r) : TRect{0, 0, r.right - r.left, r.bottom - r.top};
  f.LeftEdge = LeftEdge;
  f.TopEdge = TopEdge;
  f.RightEdge = RightEdge;
  f.BottomEdge = BottomEdge;
  f.LeftScrollBar = LeftScrollBar;
  const TvxSystemBarSizes sys = SystemBarSizes();
  if (HorzBar) {
    f.HorzVisible = HorzBar->Visible;
    f.HorzThickness = ScrollBarThickness(*HorzBar, sys);
  }
  if (VertBar) {
    f.VertVisible = VertBar->Visible;
    f.VertThickness = ScrollBarThickness(*VertBar, sys);
  }
  return f;
}

TRect TvxScrollWnd::BarRectOnScreen(int direction) const {
  const TvxBarFrame f = Frame(true);
  return direction == BarHorizontal ? HorzBarRect(f) : VertBarRect(f);
}

int TvxScrollWnd::HitArrow(int direction) const {
  const TvxScrollBar* bar = Bar(direction);
  return bar ? ScrollBarArrowLength(*bar, SystemBarSizes(), 0) : 0;
}

bool TvxScrollWnd::GripApplies() const {
  TvxGripPlace place;
  HWND parent = GetParent(WindowHandle);
  RECT r{};
  GetWindowRect(WindowHandle, &r);
  place.Window = ToRect(r);
  if (parent && (GetWindowLongW(WindowHandle, GWL_STYLE) & WS_CHILD)) {
    place.HasParent = true;
    place.ParentIsTopLevel = !(GetWindowLongW(parent, GWL_STYLE) & WS_CHILD);
    RECT c{};
    GetClientRect(parent, &c);
    MapWindowPoints(parent, nullptr, reinterpret_cast<POINT*>(&c), 2);
    place.ParentClient = ToRect(c);
  }
  return SizeGripApplies(place, Frame(true));
}

void TvxScrollWnd::RefreshScrollInfo(bool repaint) {
  if (!HorzBar || !VertBar) return;
  ReadInfo(WindowHandle, BarHorizontal, *HorzBar);
  ReadInfo(WindowHandle, BarVertical, *VertBar);
  if (repaint) PaintScrollBars(nullptr);
}

// -- Painting ----------------------------------------------------------------------------------

void TvxScrollWnd::PaintScrollBars(HDC dc) {
  // A hidden window shows nothing, and its bars are painted with its frame
  // when it is shown: lines added to a memo of a hidden form paint nothing.
  if (!dc && !IsWindowVisible(WindowHandle)) return;
  if (SkinData) {
    if (SkinData->IsUpdating()) return;
    if (auto* control = dynamic_cast<TControl*>(SkinData->HostControl); control && !IsControlPaintable(control))
      return;
    if (SkinData->BackgroundStale) SendCmdToWindow(WindowHandle, SkinCmdRedrawNow, 0);
  }
  if (!HorzBar || !VertBar) return;
  HDC target = dc ? dc : GetWindowDC(WindowHandle);
  if (!target) return;
  const TvxScrollTracking& t = ScrollTracking();
  const bool here = t.Window == Id(WindowHandle);
  if (HorzBar->Visible) PaintBar(target, BarHorizontal, here && t.PressedBar == 0 ? t.PressedHotPart : -1);
  if (VertBar->Visible) PaintBar(target, BarVertical, here && t.PressedBar == 1 ? t.PressedHotPart : -1);
  const TvxBarFrame f = Frame(false);
  if (f.HorzVisible && f.VertVisible) PaintCorner(target, CornerRect(f));
  if (!dc) ReleaseDC(WindowHandle, target);
}

void TvxScrollWnd::PaintBar(HDC dc, int direction, int pressedHot, int thumbStart) {
  TvxScrollBar* bar = Bar(direction);
  TsSkinManager* manager = Manager();
  if (!bar || !bar->Visible || !manager || !manager->SkinData.Loaded) return;
  if (thumbStart < 0 && ThumbTracking()) return;
  if (direction == BarVertical && Busy && thumbStart < 0) return;
  const bool horz = direction == BarHorizontal;
  if (!manager->IsValidSectionIndex(manager->CommonIndexCache.ScrollBar[horz ? sb1H : sb1V])) return;
  const TvxBarFrame f = Frame(false);
  const TRect rect = horz ? HorzBarRect(f) : VertBarRect(f);
  if ((horz ? rect.Width() : rect.Height()) < 2 || rect.IsEmpty()) return;
  if (thumbStart < 0) ReadInfo(WindowHandle, direction, *bar);

  bool enabled = IsScrollBarEnabled(WindowHandle, direction);
  if (auto* control = dynamic_cast<TControl*>(SkinData ? SkinData->HostControl : nullptr))
    enabled = enabled && control->Enabled();
  const TvxScrollTracking& t = ScrollTracking();
  const bool here = t.Window == Id(WindowHandle);
  const int pressed = here ? t.PressedPart : -1;
  const bool pressedHere = here && t.PressedBar == direction;
  auto arrowState = [&](int part) {
    if (!here) return 0;
    if (pressedHere && pressed == part) return 2;
    if (enabled && t.HoverBar == direction && t.HoverPart == part) return 1;
    return 0;
  };

  const TvxSystemBarSizes sys = SystemBarSizes();
  TvxBarLook look;
  look.Direction = direction;
  look.Info = bar->Info;
  look.HitArrow = ScrollBarArrowLength(*bar, sys, 0);
  look.PaintArrow = ScrollBarArrowLength(*bar, sys, SkinArrowSize(manager, direction));
  look.GlyphArea = sys.ArrowWidth;
  look.MinThumb = bar->MinThumbSize;
  look.FirstArrowState = thumbStart >= 0 ? 0 : arrowState(bpFirstArrow);
  look.LastArrowState = thumbStart >= 0 ? 0 : arrowState(bpLastArrow);
  look.PressedPart = pressedHere ? (pressedHot >= 0 ? pressedHot : -1) : -1;
  look.ThumbState = thumbStart >= 0 ? 2 : (here && t.HoverBar == direction && t.HoverPart == bpThumb ? 1 : 0);
  look.Enabled = enabled;
  look.ThumbStart = thumbStart;

  ParentCacheInfo.Ready = false;
  SendCmdToWindow(WindowHandle, SkinCmdQueryCache, 0);
  TCacheInfo under = ParentCacheInfo;
  if (under.Ready) {
    const TPoint shift = CacheOffset();
    under.X += rect.Left + shift.X;
    under.Y += rect.Top + shift.Y;
  }
  std::unique_ptr<TBitmap> bitmap(CreateBitmap24(rect.Width(), rect.Height()));
  GdiFlush();
  ComposeScrollBar(manager, bitmap->PixelView(), look, under);
  BitBlt(dc, rect.Left, rect.Top, rect.Width(), rect.Height(), bitmap->Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TvxScrollWnd::PaintCorner(HDC dc, const TRect& corner) {
  if (corner.IsEmpty()) return;
  TsSkinManager* manager = Manager();
  std::unique_ptr<TBitmap> square(CreateBitmap24(corner.Width(), corner.Height()));
  GdiFlush();
  const TPixelBufferView view = square->PixelView();
  ParentCacheInfo.Ready = false;
  SendCmdToWindow(WindowHandle, SkinCmdQueryCache, 0);
  const TCacheInfo cache = ParentCacheInfo;
  if (cache.Ready && !cache.Bmp.Empty()) {
    const TPoint shift = CacheOffset();
    CopyPixels(view, 0, 0, cache.Bmp,
               TRect{corner.Left + shift.X, corner.Top + shift.Y, corner.Right + shift.X, corner.Bottom + shift.Y});
  } else {
    FillRectOnDC(square->Canvas()->Handle(), TRect{0, 0, corner.Width(), corner.Height()},
                 manager ? manager->GlobalHotBackColor() : clWindow);
    GdiFlush();
  }
  if (manager && GripApplies()) {
    const int item = manager->LookupImageItem(manager->CommonIndexCache.GlobalInfo, "GLOBALINFO", "GRIPIMAGE");
    if (manager->IsValidMaskIndex(item)) {
      const TsMaskData& grip = manager->MaskItems[item];
      const int w = grip.SourceRect.Width() / std::max<int>(grip.ImageCount, 1);
      const int h = grip.SourceRect.Height() / std::max<int>(grip.MaskType + 1, 1);
      PaintMaskGlyph(view, TPoint{corner.Width() - w, corner.Height() - h}, 0, grip, 1);
    }
  }
  BitBlt(dc, corner.Left, corner.Top, corner.Width(), corner.Height(), square->Canvas()->Handle(), 0, 0,
         SRCCOPY);
}

// -- Messages ----------------------------------------------------------------------------------

void TvxScrollWnd::CalcSize(TMessage& m) {
  RECT* proposed = m.WParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(m.LParam)->rgrc[0]
                            : reinterpret_cast<RECT*>(m.LParam);
  const RECT window = *proposed;
  const LONG style = GetWindowLongW(WindowHandle, GWL_STYLE);
  if (style & kBothScrollStyles) {
    // The previous procedure must not make room for the system's bars.
    PreventStyleChange = true;
    SetWindowLongW(WindowHandle, GWL_STYLE, style & ~kBothScrollStyles);
    CallOldProc(m);
    SetWindowLongW(WindowHandle, GWL_STYLE, style);
    PreventStyleChange = false;
  } else {
    CallOldProc(m);
  }
  RECT& client = *proposed;
  LeftEdge = client.left - window.left;
  TopEdge = client.top - window.top;
  RightEdge = window.right - client.right;
  BottomEdge = window.bottom - client.bottom;
  if (!HorzBar || !VertBar) return;
  const TvxSystemBarSizes sys = SystemBarSizes();
  TRect r = ToRect(client);
  TakeBarRoom(r, *HorzBar, *VertBar, style & WS_HSCROLL, style & WS_VSCROLL,
              ScrollBarThickness(*HorzBar, sys), ScrollBarThickness(*VertBar, sys), LeftScrollBar);
  client = RECT{r.Left, r.Top, r.Right, r.Bottom};
}

LRESULT TvxScrollWnd::HitTest(TPoint p) {
  const TvxBarFrame f = Frame(true);
  if (HorzBarRect(f).Contains(p.X, p.Y))
    return IsScrollBarEnabled(WindowHandle, BarHorizontal) ? HTHSCROLL : HTNOWHERE;
  if (VertBarRect(f).Contains(p.X, p.Y))
    return IsScrollBarEnabled(WindowHandle, BarVertical) ? HTVSCROLL : HTNOWHERE;
  if (CornerRect(f).Contains(p.X, p.Y) && GripApplies()) return HTBOTTOMRIGHT;
  LPARAM lParam = MAKELPARAM(p.X, p.Y);
  return CallOldProc(WindowHandle, WM_NCHITTEST, lParam, 0);
}

bool TvxScrollWnd::Press(TMessage& m) {
  if (m.WParam != HTHSCROLL && m.WParam != HTVSCROLL) return false;
  const int direction = m.WParam == HTHSCROLL ? BarHorizontal : BarVertical;
  TvxScrollBar* bar = Bar(direction);
  if (!bar) return false;
  const TPoint p{XOf(m.LParam), YOf(m.LParam)};
  const TRect rect = BarRectOnScreen(direction);
  ReadInfo(WindowHandle, direction, *bar);
  const int arrow = HitArrow(direction);
  const int part = HitTestBar(rect, direction, p, bar->Info, arrow, bar->MinThumbSize);
  if (part == bpNone) return false;
  const bool enabled = IsScrollBarEnabled(WindowHandle, direction);
  if (!enabled) {
    m.Result = 0;
    return true;
  }
  if (part == bpThumb) {
    const bool horz = direction == BarHorizontal;
    const TvxThumb thumb = CalcThumb(bar->Info, horz ? rect.Left : rect.Top, horz ? rect.Width() : rect.Height(),
                                     arrow, bar->MinThumbSize);
    bar->Info.nTrackPos = bar->Info.nPos;
    PressScrollThumb(Id(WindowHandle), direction, thumb.Size, thumb.Position, rect, horz ? p.X : p.Y,
                     bar->Info.nPos);
  } else {
    PressScrollPart(Id(WindowHandle), direction, part, part);
  }
  PaintScrollBars(nullptr);
  m.Result = 0;
  return true;
}

void TvxScrollWnd::MouseMove(TMessage& m) {
  TvxScrollTracking& t = ScrollTracking();
  if (t.Window != Id(WindowHandle) || !t.Pressed()) {
    CallOldProc(m);
    return;
  }
  const DWORD pos = GetMessagePos();
  const TPoint p{XOf(pos), YOf(pos)};
  const int direction = t.PressedBar;
  TvxScrollBar* bar = Bar(direction);
  if (!bar) return;
  const bool horz = direction == BarHorizontal;
  if (t.ThumbTracking) {
    const int start = DragPressedThumb(bar->Info, HitArrow(direction), horz ? p.X : p.Y);
    const TRect rect = t.BarRect;
    HDC dc = GetWindowDC(WindowHandle);
    PaintBar(dc, direction, bpThumb, start - (horz ? rect.Left : rect.Top));
    ReleaseDC(WindowHandle, dc);
    return;
  }
  const int before = t.PressedHotPart;
  MoveWhilePressed(HitTestBar(BarRectOnScreen(direction), direction, p, bar->Info, HitArrow(direction),
                              bar->MinThumbSize));
  if (t.PressedHotPart != before) PaintScrollBars(nullptr);
}

void TvxScrollWnd::Timer(TMessage& m) {
  TvxScrollTracking& t = ScrollTracking();
  const unsigned id = static_cast<unsigned>(m.WParam);
  POINT cursor{};
  GetCursorPos(&cursor);
  if (id == HoverTimerId && t.Window == Id(WindowHandle)) {
    if (!ThumbTracking()) {
      const bool inside = t.HoverRect.Contains(cursor.x, cursor.y);
      TvxScrollBar* bar = Bar(t.HoverBar);
      const int part = inside && bar ? HitTestBar(BarRectOnScreen(t.HoverBar), t.HoverBar, {cursor.x, cursor.y},
                                                  bar->Info, HitArrow(t.HoverBar), bar->MinThumbSize)
                                     : bpNone;
      if (HoverTick(Id(WindowHandle), inside, part)) PaintScrollBars(nullptr);
    }
    m.Result = 0;
  } else if ((id == DelayTimerId || id == RepeatTimerId) && t.Window == Id(WindowHandle)) {
    int hot = bpNone;
    if (TvxScrollBar* bar = Bar(t.PressedBar))
      hot = HitTestBar(BarRectOnScreen(t.PressedBar), t.PressedBar, {cursor.x, cursor.y}, bar->Info,
                       HitArrow(t.PressedBar), bar->MinThumbSize);
    const int before = t.PressedHotPart;
    if (!PressTimer(Id(WindowHandle), id, hot)) KillTimer(WindowHandle, id);
    if (t.PressedHotPart != before) PaintScrollBars(nullptr);
    m.Result = 0;
  } else {
    CallOldProc(m);
  }
  if (!Busy && !ThumbTracking()) RefreshScrollInfo(true);
}

bool TvxScrollWnd::ScrollMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_NCCALCSIZE:
      CalcSize(m);
      return true;
    case WM_NCHITTEST:
      m.Result = HitTest(TPoint{XOf(m.LParam), YOf(m.LParam)});
      return true;
    case WM_NCMOUSEMOVE:
    case WM_NCMOUSELEAVE: {
      const bool overBar = m.Msg == WM_NCMOUSEMOVE && (m.WParam == HTHSCROLL || m.WParam == HTVSCROLL);
      if (overBar) {
        const int direction = m.WParam == HTHSCROLL ? BarHorizontal : BarVertical;
        HoverBar(Id(WindowHandle), direction, BarRectOnScreen(direction));
      }
      CallOldProc(m);
      // The default handling hot-tracks the system's own bars and paints
      // them, in their place, when the mouse moves over them or leaves:
      // ours go back over them.
      if ((overBar || m.Msg == WM_NCMOUSELEAVE) && IsWindowVisible(WindowHandle) && !Busy) PaintScrollBars(nullptr);
      return true;
    }
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
      if (!Press(m)) CallOldProc(m);
      return true;
    case WM_MOUSEMOVE:
      MouseMove(m);
      return true;
    case WM_LBUTTONUP: {
      const TvxScrollTracking& t = ScrollTracking();
      if (t.Window == Id(WindowHandle) && t.Pressed()) {
        ReleaseScrollPress(Id(WindowHandle), true);
        PaintScrollBars(nullptr);
      }
      CallOldProc(m);
      return true;
    }
    case WM_CAPTURECHANGED:
    case WM_CANCELMODE: {
      // A press that lost the mouse ends as a release does; the repeat
      // timer would scroll on for ever otherwise.
      const TvxScrollTracking& t = ScrollTracking();
      if (t.Window == Id(WindowHandle) && t.Pressed() &&
          (m.Msg == WM_CANCELMODE || reinterpret_cast<HWND>(m.LParam) != WindowHandle)) {
        ReleaseScrollPress(Id(WindowHandle), m.Msg == WM_CANCELMODE);
        PaintScrollBars(nullptr);
      }
      CallOldProc(m);
      return true;
    }
    case WM_TIMER:
      Timer(m);
      return true;
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONUP:
      if (m.WParam == HTHSCROLL || m.WParam == HTVSCROLL) {
        m.Result = 0;
        return true;
      }
      return false;
    case WM_NCPAINT:
      // The previous procedure paints the frame first; the bars go over it.
      CallOldProc(m);
      if (IsWindowVisible(WindowHandle) && !Busy && !(SkinData && SkinData->IsUpdating())) PaintScrollBars(nullptr);
      return true;
    case WM_SYSCOMMAND:
      if ((m.WParam & 0xFFFF) == kSysCommandVScrollBar) return true;
      return false;
    case WM_STYLECHANGED:
      if (PreventStyleChange) {
        m.Result = 0;
        return true;
      }
      if (static_cast<int>(m.WParam) == GWL_EXSTYLE)
        LeftScrollBar = (reinterpret_cast<STYLESTRUCT*>(m.LParam)->styleNew & WS_EX_LEFTSCROLLBAR) != 0;
      return false;
    case WM_STYLECHANGING:
      if (PreventStyleChange) {
        m.Result = 0;
        return true;
      }
      return false;
    default:
      return false;
  }
}

void TvxScrollWnd::WndProc(TMessage& m) {
  if (m.Msg == WM_DESTROY || m.Msg == WM_NCDESTROY || m.Msg == WM_UPDATEUISTATE) {
    TvxMainWnd::WndProc(m);
    return;
  }
  if (!Hooked() || !SkinData || !SkinData->IsSkinned()) {
    CallOldProc(m);
    return;
  }
  if (m.Msg == CommandMessage) {
    const bool own = m.LParam == reinterpret_cast<LPARAM>(SkinData->SkinManager());
    switch (SkinCmdOf(m.WParam)) {
      case SkinCmdNewSkin:
        if (own) SkinData->RefreshSkinIndexes();
        break;
      case SkinCmdSkinRemoved:
        if (own) RestoreColors();
        break;
      case SkinCmdSkinReapplied:
        if (own) {
          SkinData->RefreshSkinIndexes();
          SkinData->BackgroundStale = true;
        }
        break;
      case SkinCmdQueryCache:
        AnswerCacheQuery();
        break;
      case SkinCmdFinishUpdate:
        FinishUpdate(RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
        break;
      case SkinCmdQuerySkinned:
      case SkinCmdQueryApplication:
        AnswerIdentityQuery(m);
        return;
      default:
        break;
    }
    CallOldProc(m);
    return;
  }
  if (m.Msg == WM_NOTIFY) {
    CallOldProc(m);
    return;
  }
  if (ScrollMessage(m)) return;
  CallOldProc(m);
  switch (m.Msg) {
    case WM_MOUSEWHEEL:
    case CM_MOUSEWHEEL:
      if (!Busy) RefreshScrollInfo(true);
      break;
    case CM_FOCUSCHANGED:
      RefreshScrollInfo(true);
      break;
    default:
      break;
  }
}
