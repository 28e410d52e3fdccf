#include "skin/windows/check_box_wnd_win.h"

#include <algorithm>
#include <memory>

#include "platform/rtl/text1251.h"
#include "skin/core/cache_bitmap_win.h"
#include "skin/core/common_data_win.h"
#include "skin/core/control_utils_win.h"
#include "skin/core/image_painting.h"
#include "skin/core/paint_colors.h"
#include "skin/core/section_painting.h"
#include "skin/core/skin_constants.h"
#include "skin/core/skin_manager.h"
#include "skin/core/skin_text_win.h"
#include "skin/windows/adapter_paint_win.h"
#include "skin/windows/button_adapter_rules.h"
#include "skin/windows/panel_adapter_rules.h"

int32_t LastWindowStyle = 0;

namespace {

uint32_t StyleOf(HWND w) { return static_cast<uint32_t>(GetWindowLongW(w, GWL_STYLE)); }

LRESULT StateOf(HWND w) { return SendMessageW(w, BM_GETSTATE, 0, 0); }

bool IsHotWindow(HWND w) {
  return DefaultManager && DefaultManager->HotWindow() == reinterpret_cast<uintptr_t>(w);
}

TSize MeasureText(HDC dc, const std::string& text, int width, UINT flags) {
  const std::wstring wide = brsm::ToUtf16(text);
  RECT r{0, 0, width, 0};
  DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &r, flags | DT_CALCRECT);
  return TSize{r.right - r.left, r.bottom - r.top};
}

}  // namespace

// -- TvxCheckBoxWnd --------------------------------------------------------------------------

int TvxCheckBoxWnd::CheckState() const {
  const LRESULT state = StateOf(WindowHandle);
  if (state & BST_INDETERMINATE) return 2;
  return (state & BST_CHECKED) ? 1 : 0;
}

int TvxCheckBoxWnd::GlyphState() const {
  const LRESULT state = StateOf(WindowHandle);
  if (state & BST_PUSHED) return 2;
  return (state & BST_FOCUS) || IsHotWindow(WindowHandle) ? 1 : 0;
}

int TvxCheckBoxWnd::FindCheckGlyph(int checkState) const {
  TsSkinManager* manager = SkinData ? SkinData->SkinManager() : nullptr;
  if (!manager) return -1;
  return manager->LookupImageItem(manager->CommonIndexCache.GlobalInfo, "GLOBALINFO",
                                  CheckGlyphName(static_cast<uint32_t>(LastWindowStyle), checkState));
}

TRect TvxCheckBoxWnd::GlyphRect(int item) const {
  TsSkinManager* manager = SkinData ? SkinData->SkinManager() : nullptr;
  if (item < 0 || !manager || !manager->IsValidMaskIndex(item)) return {};
  return CheckGlyphRect(TSize{Place.Width, Place.Height}, ItemFrameSize(manager->MaskItems[item]),
                        (StyleOf(WindowHandle) & StyleLeftText) != 0);
}

TRect TvxCheckBoxWnd::CheckAreaRect() const {
  const int item = FindCheckGlyph(1);
  TsSkinManager* manager = SkinData ? SkinData->SkinManager() : nullptr;
  if (manager && manager->IsValidMaskIndex(item)) return GlyphRect(item);
  return TRect{0, 0, 16, 16};
}

void TvxCheckBoxWnd::WndProc(TMessage& m) {
  if (!Hooked() || !SkinData || !SkinData->IsSkinned()) {
    TvxMainWnd::WndProc(m);
    return;
  }
  if (m.Msg == CommandMessage) {
    const uint16_t code = SkinCmdOf(m.WParam);
    if (code == SkinCmdHotEnter || code == SkinCmdHotLeave) {
      SkinData->BackgroundStale = true;
      SendMessageW(WindowHandle, WM_PAINT, 0, 0);
    }
    TvxMainWnd::WndProc(m);
    return;
  }
  switch (m.Msg) {
    case WM_ENABLE:
    case BM_SETCHECK:
    case BM_SETSTATE:
    case WM_SETTEXT:
      // The system would draw the change in its own look at once.
      if (IsWindowVisible(WindowHandle)) {
        {
          TRedrawHold hold(WindowHandle);
          TvxMainWnd::WndProc(m);
        }
        if (Hooked()) SendMessageW(WindowHandle, WM_PAINT, 0, 0);
        return;
      }
      break;
    default:
      break;
  }
  if (AnswerPaintMessages(m, [this](HDC dc) { PaintWindow(dc); })) return;
  TvxMainWnd::WndProc(m);
  if (!Hooked()) return;
  switch (m.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      SendMessageW(WindowHandle, WM_PAINT, 0, 0);
      break;
    case WM_KEYDOWN:
      if (LOWORD(m.WParam) == VK_SPACE) SendMessageW(WindowHandle, WM_PAINT, 0, 0);
      break;
    case WM_NCHITTEST:
      if (IsWindowEnabled(WindowHandle) && DefaultManager && !IsHotWindow(WindowHandle))
        DefaultManager->SetHotControl(reinterpret_cast<uintptr_t>(WindowHandle));
      break;
    default:
      break;
  }
}

void TvxCheckBoxWnd::PaintWindow(HDC given) {
  GetWindowPosInParent(WindowHandle, Place);
  const auto ready = [this, given] {
    LastWindowStyle = static_cast<int32_t>(StyleOf(WindowHandle));
    return given || IsWindowVisible(WindowHandle);
  };
  PaintFromCache(given, [this] { PrepareCache(); }, 0, ready);
}

void TvxCheckBoxWnd::PrepareCache() {
  if (!SizeCacheToWindow(SkinData, WindowHandle)) return;
  AssignWindowFont(CacheBitmapOf(SkinData)->Canvas(), WindowHandle);
  const TUnderWindow under(WindowHandle, Place);
  const TPixelBufferView pixels = SkinData->CachePixels();
  PaintControlSkin(SkinData, under.Info(), true, 0, pixels, TPoint{0, 0}, TRect{0, 0, pixels.Width, pixels.Height},
                   SkinData->IsActiveState() ? 1 : 0);
  PaintCaption();
  PaintCheckGlyph(FindCheckGlyph(CheckState()));
  GdiFlush();
  if (!IsWindowEnabled(WindowHandle)) BlendOverParentCache(SkinData, under);
  SkinData->BackgroundStale = false;
}

void TvxCheckBoxWnd::PaintCaption() {
  if (Caption.empty()) return;
  TCanvas* canvas = CacheBitmapOf(SkinData)->Canvas();
  const TRect box = CheckAreaRect();
  const int limit = Place.Width - (box.Width() + 2);
  const uint32_t style = StyleOf(WindowHandle);
  const bool multiLine = (style & StyleMultiLine) != 0;
  const bool focused = (StateOf(WindowHandle) & BST_FOCUS) != 0;
  if (auto* control = dynamic_cast<TControl*>(SkinData->HostControl)) canvas->Font()->Assign(control->Font());
  canvas->Refresh();
  const TSize text = MeasureText(canvas->Handle(), Caption, std::max(limit, 0),
                                 multiLine ? DT_WORDBREAK : DT_SINGLELINE);
  const TRect rect = CheckCaptionRect(TSize{Place.Width, Place.Height}, box.Width(), text,
                                      (style & StyleLeftText) != 0, multiLine);
  DrawControlTextCompat(canvas, Caption, true, SkinData->IsActiveState(), SkinData,
                        multiLine ? DT_WORDBREAK | DT_CENTER : DT_SINGLELINE, rect, 0);
  canvas->Pen()->SetStyle(psClear);
  canvas->Brush()->SetStyle(bsSolid);
  if (focused) DrawDottedFrame(canvas, TRect{rect.Left - 1, rect.Top, rect.Right + 1, rect.Bottom});
}

void TvxCheckBoxWnd::PaintCheckGlyph(int item) {
  const TPixelBufferView pixels = SkinData->CachePixels();
  TsSkinManager* manager = SkinData->SkinManager();
  if (pixels.Width < 1 || !manager) return;
  if (!manager->IsValidMaskIndex(item)) {
    PaintSystemCheckGlyph();
    return;
  }
  TransparentFillColor = SkinTransparentColor;
  const TRect at = GlyphRect(item);
  GdiFlush();
  PaintMaskGlyph(pixels, TPoint{at.Left, at.Top}, GlyphState(), manager->MaskItems[item], 1);
}

// A skin without check images still shows the state: the system's box or
// radio, on the skinned background, in the room CheckAreaRect keeps.
void TvxCheckBoxWnd::PaintSystemCheckGlyph() {
  const uint32_t style = StyleOf(WindowHandle);
  const uint32_t type = style & BS_TYPEMASK;
  const int check = CheckState();
  UINT look = type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON ? DFCS_BUTTONRADIO
              : check == 2                                       ? DFCS_BUTTON3STATE
                                                                 : DFCS_BUTTONCHECK;
  if (check != 0) look |= DFCS_CHECKED;
  if (StateOf(WindowHandle) & BST_PUSHED) look |= DFCS_PUSHED;
  if (!IsWindowEnabled(WindowHandle)) look |= DFCS_INACTIVE;
  constexpr int kBox = 13;
  const TRect at = CheckGlyphRect(TSize{Place.Width, Place.Height}, TSize{kBox, kBox}, (style & StyleLeftText) != 0);
  RECT r{at.Left, at.Top, at.Right, at.Bottom};
  GdiFlush();
  DrawFrameControl(CacheBitmapOf(SkinData)->Canvas()->Handle(), &r, DFC_BUTTON, look);
  GdiFlush();
}

// -- TvxGroupBoxWnd --------------------------------------------------------------------------

void TvxGroupBoxWnd::SelectFont() {
  TCanvas* canvas = CacheBitmapOf(SkinData)->Canvas();
  if (auto* control = dynamic_cast<TControl*>(SkinData->HostControl))
    canvas->Font()->Assign(control->Font());
  else
    AssignWindowFont(canvas, WindowHandle);
  canvas->Refresh();
}

TRect TvxGroupBoxWnd::CaptionRect() {
  TSize text{};
  if (SkinData && !Caption.empty()) {
    SkinData->PrepareCacheBitmap();
    if (TBitmap* cache = CacheBitmapOf(SkinData)) {
      SelectFont();
      text = MeasureText(cache->Canvas()->Handle(), Caption, 0, DT_CENTER | DT_SINGLELINE);
    }
  }
  RECT r{};
  GetWindowRect(WindowHandle, &r);
  return GroupCaptionRect(r.right - r.left, text);
}

void TvxGroupBoxWnd::WndProc(TMessage& m) {
  if (!Hooked() || !SkinData || !SkinData->IsSkinned()) {
    TvxMainWnd::WndProc(m);
    return;
  }
  if (m.Msg == CommandMessage) {
    switch (SkinCmdOf(m.WParam)) {
      case SkinCmdSkinRemoved:
        if (auto* control = dynamic_cast<TControl*>(SkinData->HostControl))
          control->SetControlStyle(control->ControlStyle() - TControlStyle{csOpaque});
        break;
      case SkinCmdQueryCaptionHeight:
        m.Result = CaptionRect().Bottom;
        return;
      default:
        break;
    }
    TvxMainWnd::WndProc(m);
    return;
  }
  switch (m.Msg) {
    case WM_MOVE:
    case WM_SIZE:
      SkinData->BackgroundStale = true;
      break;
    case WM_PAINT:
      if (!DialogMode) {
        PaintWindow(reinterpret_cast<HDC>(m.WParam));
        m.Result = 0;
        return;
      }
      // The system paints the face; the frame band is laid over it again.
      TvxMainWnd::WndProc(m);
      if (Hooked()) PaintWindow(nullptr);
      return;
    case WM_ERASEBKGND:
      if (DialogMode) break;
      PaintWindow(nullptr);
      m.Result = 1;
      return;
    case WM_NCPAINT:
      if (!DialogMode) break;
      PaintWindow(nullptr);
      m.Result = 0;
      return;
    case WM_PRINT:
      if (DialogMode) break;
      SkinData->BackgroundStale = true;
      PaintWindow(reinterpret_cast<HDC>(m.WParam));
      m.Result = 0;
      return;
    default:
      break;
  }
  if (AnswerChildNotice(m)) return;
  TvxMainWnd::WndProc(m);
}

void TvxGroupBoxWnd::PaintWindow(HDC print) {
  GetWindowPosInParent(WindowHandle, Place);
  std::unique_ptr<TPaintScope> paint;
  if (!print) paint = std::make_unique<TPaintScope>(WindowHandle);
  if (SkinData->IsUpdating()) return;
  TTargetDC dc(WindowHandle, print, true);
  PrepareCache();
  if (SkinData->CachePixels().Empty()) return;
  const int w = Place.Width, h = Place.Height;
  if (DialogMode) {
    TsSkinManager* manager = DefaultManager ? DefaultManager : SkinData->SkinManager();
    const int item = SkinData->BorderItemIndex;
    const int left = manager ? manager->MaskLeftWidth(item) : 0;
    const int right = manager ? manager->MaskRightWidth(item) : 0;
    const int bottom = manager ? manager->MaskBottomWidth(item) : 0;
    ExcludeClipRect(dc.Handle(), left, CaptionRect().Bottom, w - right, h - bottom);
  }
  ClipOutChildWindows(WindowHandle, SkinData, TRect{0, 0, w, h}, 0, 0, false, dc.Handle(), TRect{0, 0, w, h});
  if (auto* control = dynamic_cast<TWinControl*>(SkinData->HostControl))
    PaintGraphicChildren(dc.Handle(), control, TPoint{0, 0});
  SendFinishUpdateToChildWindows(WindowHandle);
}

void TvxGroupBoxWnd::PrepareCache() {
  if (!SizeCacheToWindow(SkinData, WindowHandle)) return;
  SelectFont();
  const TRect caption = CaptionRect();
  const int captionHeight = caption.Bottom;
  const TUnderWindow under(WindowHandle, Place);
  const TPixelBufferView pixels = SkinData->CachePixels();
  under.CopyTo(pixels, TRect{0, 0, pixels.Width, std::min(captionHeight, pixels.Height)});
  // The frame's top edge runs through the middle of the caption.
  PaintControlSkin(SkinData, under.Info(), false, 0, pixels, TPoint{0, captionHeight / 2},
                   TRect{0, captionHeight / 2, pixels.Width, pixels.Height}, 0);
  if (!Caption.empty()) {
    under.CopyTo(pixels, caption);
    TCanvas* canvas = CacheBitmapOf(SkinData)->Canvas();
    SelectFont();
    canvas->Brush()->SetStyle(bsClear);
    DrawControlTextCompat(canvas, Caption, true, false, SkinData, DT_CENTER | DT_VCENTER | DT_SINGLELINE, caption,
                          0);
  }
  SkinData->BackgroundStale = false;
}
