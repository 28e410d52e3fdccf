#include "skin/windows/btn_wnd_win.h"

#include <algorithm>

#include "platform/forms/button_layout.h"
#include "platform/forms/buttons.h"
#include "platform/rtl/text1251.h"
#include "skin/core/cache_bitmap_win.h"
#include "skin/core/common_data_win.h"
#include "skin/core/control_utils_win.h"
#include "skin/core/keyed_copy.h"
#include "skin/core/paint_colors.h"
#include "skin/core/pixel_access.h"
#include "skin/core/section_painting.h"
#include "skin/core/skin_constants.h"
#include "skin/core/skin_manager.h"
#include "skin/core/skin_text_win.h"
#include "skin/windows/adapter_paint_win.h"
#include "skin/windows/button_adapter_rules.h"

namespace {

bool Visible(HWND w) { return IsWindowVisible(w) != FALSE; }

TRect Moved(TRect r, int dx, int dy) { return TRect{r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy}; }

}  // namespace

// -- TvxBtnWnd -------------------------------------------------------------------------------

TCanvas* TvxBtnWnd::CacheCanvas() const {
  TBitmap* cache = CacheBitmapOf(SkinData);
  return cache ? cache->Canvas() : nullptr;
}

TControl* TvxBtnWnd::OwnerControl() const {
  return SkinData ? dynamic_cast<TControl*>(SkinData->HostControl) : nullptr;
}

uint32_t TvxBtnWnd::Style() const { return static_cast<uint32_t>(GetWindowLongW(WindowHandle, GWL_STYLE)); }

bool TvxBtnWnd::Pushed() const { return (SendMessageW(WindowHandle, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0; }

bool TvxBtnWnd::Enabled() const { return IsWindowEnabled(WindowHandle) != FALSE; }

int TvxBtnWnd::ButtonState() {
  const bool hot = DefaultManager && DefaultManager->HotWindow() == reinterpret_cast<uintptr_t>(WindowHandle);
  const bool focused = GetFocus() == WindowHandle;
  return ButtonLookState(Pushed(), Enabled(), focused || hot, OwnerControl() != nullptr, Style());
}

void TvxBtnWnd::ChangeHidden(TMessage& m, bool passToRoot) {
  {
    TRedrawHold hold(WindowHandle);
    if (passToRoot)
      TvxMainWnd::WndProc(m);
    else
      CallOldProc(m);
  }
  if (!Hooked()) return;
  SkinData->BackgroundStale = true;
  SendMessageW(WindowHandle, WM_PAINT, 0, 0);
}

void TvxBtnWnd::WndProc(TMessage& m) {
  // Without its section (or with no skin) the button keeps the system look.
  if (!Hooked() || !SkinData || !SkinData->IsSkinned()) {
    TvxMainWnd::WndProc(m);
    return;
  }
  if (m.Msg == CommandMessage) {
    const uint16_t code = SkinCmdOf(m.WParam);
    if ((code == SkinCmdHotEnter && !SkinData->Hot) || (code == SkinCmdHotLeave && SkinData->Hot)) {
      SkinData->Hot = code == SkinCmdHotEnter;
      SkinData->BackgroundStale = true;
      SendMessageW(WindowHandle, WM_PAINT, 0, 0);
    }
    TvxMainWnd::WndProc(m);
    return;
  }
  const bool visible = Visible(WindowHandle);
  switch (m.Msg) {
    case WM_MOVE: {
      const TsGeneralData* s = SkinData->Section();
      if (s && (s->Transparency > 0 || (s->HotTransparency > 0 && SkinData->IsActiveState()))) {
        SkinData->BackgroundStale = true;
        SendMessageW(WindowHandle, WM_PAINT, 0, 0);
      }
      break;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      if (!Enabled()) {
        if (m.Msg == WM_SETFOCUS)
          m.Result = 0;
        else
          TvxMainWnd::WndProc(m);
        return;
      }
      SkinData->Focused = m.Msg == WM_SETFOCUS;
      ChangeHidden(m, true);
      return;
    case WM_ENABLE:
    case WM_SETTEXT:
      if (visible) {
        ChangeHidden(m, true);
        return;
      }
      break;
    case BM_SETSTATE:
      if (visible) {
        ChangeHidden(m, false);
        return;
      }
      break;
    case WM_PAINT:
      if (!ColorsApplied) ApplySkinColors();
      PaintWindow(reinterpret_cast<HDC>(m.WParam));
      m.Result = 0;
      return;
    case WM_PRINT:
      PaintWindow(reinterpret_cast<HDC>(m.WParam));
      m.Result = 0;
      return;
    case WM_ERASEBKGND:
    case WM_NCPAINT:
    case WM_UPDATEUISTATE:
      m.Result = 1;
      return;
    default:
      break;
  }
  TvxMainWnd::WndProc(m);
  if (m.Msg == WM_MOUSEMOVE && Hooked() && DefaultManager && Enabled()) {
    POINT cursor{};
    GetCursorPos(&cursor);
    RECT r{};
    GetWindowRect(WindowHandle, &r);
    const auto self = reinterpret_cast<uintptr_t>(WindowHandle);
    if (PtInRect(&r, cursor)) {
      if (DefaultManager->HotWindow() != self) DefaultManager->SetHotControl(self);
    } else if (DefaultManager->HotWindow() == self) {
      DefaultManager->SetHotControl(0);
    }
  }
}

void TvxBtnWnd::PaintWindow(HDC given) {
  GetWindowPosInParent(WindowHandle, Place);
  PaintFromCache(given, [this] { PrepareCache(); });
}

void TvxBtnWnd::PrepareCache() {
  if (!SizeCacheToWindow(SkinData, WindowHandle)) return;
  // The see-through parts of the face show the parent: its cache, else its
  // colour.
  const TUnderWindow under(WindowHandle, Place, SkinData);
  const TPixelBufferView pixels = SkinData->CachePixels();
  const int state = ButtonState();
  PaintControlSkin(SkinData, under.Info(), true, 0, pixels, TPoint{0, 0},
                   TRect{0, 0, pixels.Width, pixels.Height}, state);
  PaintAdapterCorners(SkinData, state, this);
  PaintCaption();
  PaintGlyph();
  GdiFlush();
  if (!Enabled()) BlendOverParentCache(SkinData, under);
  SkinData->BackgroundStale = false;
}

void TvxBtnWnd::SelectCaptionFont() {
  TCanvas* canvas = CacheCanvas();
  if (!canvas) return;
  if (TControl* c = OwnerControl())
    canvas->Font()->Assign(c->Font());
  else
    AssignWindowFont(canvas, WindowHandle);
}

void TvxBtnWnd::PaintCaption() {
  TCanvas* canvas = CacheCanvas();
  if (!canvas) return;
  SelectCaptionFont();
  const TRect rect = GetCaptionRect();
  const bool multiLine = (Style() & StyleMultiLine) != 0;
  DrawCaptionText(rect, multiLine ? DT_CENTER | DT_EXPANDTABS : DT_CENTER | DT_EXPANDTABS | DT_WORDBREAK);
  const TsGeneralData* s = SkinData->Section();
  if (Enabled() && (SendMessageW(WindowHandle, BM_GETSTATE, 0, 0) & BST_FOCUS) && !Caption.empty() && s &&
      s->ShowFocus) {
    RECT r{rect.Left - 1, rect.Top - 1, rect.Right + 1, rect.Bottom + 1};
    DrawFocusRect(canvas->Handle(), &r);
  }
}

void TvxBtnWnd::DrawCaptionText(TRect rect, unsigned flags) {
  TCanvas* canvas = CacheCanvas();
  if (!canvas || Caption.empty()) return;
  canvas->Brush()->SetStyle(bsClear);
  DrawControlText(canvas, Caption, true, ButtonState() != 0, SkinData, flags, rect);
}

TSize TvxBtnWnd::GetCaptionSize() {
  TCanvas* canvas = CacheCanvas();
  const int limit = TextWidthLimit();
  if (!canvas || Caption.empty() || limit <= 0) return {};
  const bool multiLine = (Style() & StyleMultiLine) != 0;
  RECT calc{0, 0, limit, 0};
  const std::wstring wide = brsm::ToUtf16(Caption);
  DrawTextW(canvas->Handle(), wide.c_str(), static_cast<int>(wide.size()), &calc,
            DT_NOPREFIX | DT_CALCRECT | DT_EXPANDTABS | DT_CENTER | (multiLine ? 0 : DT_WORDBREAK));
  return TSize{calc.right - calc.left, calc.bottom - calc.top};
}

TRect TvxBtnWnd::GetCaptionRect() {
  const TSize size = GetCaptionSize();
  const int w = Place.Width, h = Place.Height;
  const int left = (w - size.cx) / 2;
  const int top = (h - size.cy) / 2;
  TRect r{left - 1, top, left + size.cx + 1, top + size.cy};
  return Pushed() ? Moved(r, 1, 1) : r;
}

int TvxBtnWnd::TextWidthLimit() {
  if (Caption.empty()) return 0;
  const TSize glyph = GetGlyphSize();
  return Place.Width - 2 - (glyph.cx > 0 ? glyph.cx + 2 : 0);
}

// -- TvxBitBtnWnd ----------------------------------------------------------------------------

namespace {

TBitBtn* BitBtnOf(TControl* control) { return dynamic_cast<TBitBtn*>(control); }

TBitmap* GlyphOf(TControl* control) {
  TBitBtn* button = BitBtnOf(control);
  TBitmap* glyph = button ? button->Glyph() : nullptr;
  return glyph && !glyph->Empty() ? glyph : nullptr;
}

int NumGlyphsOf(TControl* control) {
  TBitBtn* button = BitBtnOf(control);
  return button ? std::clamp(button->NumGlyphs(), 1, 4) : 1;
}

}  // namespace

TSize TvxBitBtnWnd::GetGlyphSize() {
  if (TControl* c = OwnerControl()) {
    TBitmap* glyph = GlyphOf(c);
    if (!glyph) return {};
    return TSize{glyph->Width() / NumGlyphsOf(c), glyph->Height()};
  }
  auto image = reinterpret_cast<HBITMAP>(SendMessageW(WindowHandle, BM_GETIMAGE, IMAGE_BITMAP, 0));
  BITMAP info{};
  if (image && GetObjectW(image, sizeof(info), &info)) return TSize{info.bmWidth, info.bmHeight};
  return {};
}

TRect TvxBitBtnWnd::GetGlyphRect() {
  const TSize glyph = GetGlyphSize();
  const bool pushed = Pushed();
  TControl* c = OwnerControl();
  if (!c) {
    if (glyph.cx <= 0) return {};
    const TRect caption = TvxBtnWnd::GetCaptionRect();
    const int top = (Place.Height - glyph.cy) / 2 + (pushed ? 1 : 0);
    return TRect{caption.Right - 2 - glyph.cx, top, caption.Right - 2, top + glyph.cy};
  }
  TBitBtn* button = BitBtnOf(c);
  const brsm::TGlyphAndCaptionPlace place = brsm::PlaceGlyphAndCaption(
      TRect{0, 0, Place.Width, Place.Height}, glyph, GetCaptionSize(), button ? button->Layout() : blGlyphLeft,
      button ? button->Margin() : -1, button ? button->Spacing() : 4);
  const TRect r{place.Glyph.X, place.Glyph.Y, place.Glyph.X + glyph.cx, place.Glyph.Y + glyph.cy};
  return pushed ? Moved(r, 1, 1) : r;
}

TRect TvxBitBtnWnd::GetCaptionRect() {
  TControl* c = OwnerControl();
  const TSize glyph = GetGlyphSize();
  if (!c) {
    const TRect r = TvxBtnWnd::GetCaptionRect();
    return glyph.cx > 0 ? Moved(r, glyph.cx / 2 + 1, 0) : r;
  }
  TBitBtn* button = BitBtnOf(c);
  const brsm::TGlyphAndCaptionPlace place = brsm::PlaceGlyphAndCaption(
      TRect{0, 0, Place.Width, Place.Height}, glyph, GetCaptionSize(), button ? button->Layout() : blGlyphLeft,
      button ? button->Margin() : -1, button ? button->Spacing() : 4);
  return Pushed() ? Moved(place.Caption, 1, 1) : place.Caption;
}

int TvxBitBtnWnd::TextWidthLimit() {
  TBitBtn* button = BitBtnOf(OwnerControl());
  if (!button) return TvxBtnWnd::TextWidthLimit();
  if (Caption.empty()) return 0;
  const int margin = std::max(button->Margin(), 0);
  int limit = Place.Width - 2 * margin;
  const TSize glyph = GetGlyphSize();
  if (glyph.cx > 0 && (button->Layout() == blGlyphLeft || button->Layout() == blGlyphRight))
    limit -= glyph.cx + std::max(button->Spacing(), 0);
  return limit;
}

void TvxBitBtnWnd::PaintGlyph() {
  TControl* c = OwnerControl();
  TBitmap* glyph = c ? GlyphOf(c) : nullptr;
  if (!glyph) return;
  const int cells = NumGlyphsOf(c);
  const int cell = BitBtnGlyphCell(cells, Enabled(), ButtonState());
  const TSize size = GetGlyphSize();
  // The control's glyph stays as it is: a 24-bit copy is cut.
  TBitmap copy;
  copy.Assign(glyph);
  copy.SetPixelFormat(pf24bit);
  const TPixelBufferView source = copy.PixelView();
  if (source.Empty()) return;
  const TColor key = ReadPixelBytes(source.Pixel(0, 0));
  const TRect at = GetGlyphRect();
  GdiFlush();
  CopyRectKeyed(SkinData->CachePixels(), source, at.Left, false, EmptyCacheInfo, key,
                TRect{cell * size.cx, 0, cell * size.cx + size.cx - 1, size.cy - 1}, at.Top);
}
