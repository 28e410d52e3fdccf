#include "skin/windows/dialog_wnd_win.h"

#include <windowsx.h>

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "platform/forms/forms.h"
#include "skin/core/bitmap_create_win.h"
#include "skin/core/cache_bitmap_win.h"
#include "skin/core/control_utils_win.h"
#include "skin/core/image_painting.h"
#include "skin/core/paint_colors.h"
#include "skin/core/paint_seam.h"
#include "skin/core/section_painting.h"
#include "skin/core/skin_commands.h"
#include "skin/core/skin_constants.h"
#include "skin/core/skin_manager.h"
#include "skin/core/skin_text_win.h"
#include "skin/windows/adapter_paint_win.h"
#include "skin/windows/caption_layout.h"
#include "skin/windows/frame_cutouts.h"
#include "skin/windows/hook_provider_win.h"

bool RegionBusy = false;
bool ButtonPressed = false;

namespace {

const TsMaskData* MaskAt(const TsSkinManager* m, int index) {
  return m && m->IsValidMaskIndex(index) ? &m->MaskItems[static_cast<size_t>(index)] : nullptr;
}

int GlobalItem(const TsSkinManager* m, const char* property) {
  return m->LookupImageItem(m->CommonIndexCache.GlobalInfo, "GLOBALINFO", property);
}

TPoint PointOf(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

LPARAM AsLParam(const void* p) { return reinterpret_cast<LPARAM>(p); }

}  // namespace

TvxDialogWnd::TvxDialogWnd(const TvxAdapterArgs& args) : TvxScrollWnd(args) {
  ButtonsBackground = std::make_unique<TBitmap>();
  SystemMenu = std::make_unique<TvxSystemMenu>(this);
  SystemMenu->UpdateItems();
  if (SkinData) SkinData->MarkUpdating(true);
}

TvxDialogWnd::~TvxDialogWnd() {
  // The hook comes out while the object is whole: Unhook gives the window
  // back what the frame took.
  BeforeDestruction();
  ButtonsBackground.reset();
  SystemMenu.reset();
  CaptionFont.reset();
  if (brush_) DeleteObject(brush_);
}

void TvxDialogWnd::Unhook(bool repaint) {
  const bool give = Hooked() && !windowGoing_ && IsWindow(WindowHandle) && FrameKind != DialogFrameInitial;
  // Out first: the paint the region change causes must find no frame here.
  TvxScrollWnd::Unhook(repaint);
  if (!give) return;
  // A dialog that outlives its frame (the skin went) is as it was.
  if (Style & WS_SYSMENU)
    SetWindowLongPtrW(WindowHandle, GWL_STYLE, GetWindowLongPtrW(WindowHandle, GWL_STYLE) | WS_SYSMENU);
  SetWindowRgn(WindowHandle, nullptr, TRUE);
  RedrawWindow(WindowHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void TvxDialogWnd::StartFrame() {
  Style = static_cast<uint32_t>(GetWindowLongPtrW(WindowHandle, GWL_STYLE));
  ExStyle = static_cast<uint32_t>(GetWindowLongPtrW(WindowHandle, GWL_EXSTYLE));
  FrameKind = DialogFrameKind(Style);
  IconHandle = reinterpret_cast<HICON>(SendMessageW(WindowHandle, WM_GETICON, ICON_SMALL, 0));
  if (!IconHandle) IconHandle = reinterpret_cast<HICON>(SendMessageW(WindowHandle, WM_GETICON, ICON_BIG, 0));
  CaptionFont = std::make_unique<TFont>();
  // The structure without its last field, as every system has it.
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = 340;
  if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, 0, &metrics, 0)) {
    if (HFONT probe = CreateFontIndirectA(&metrics.lfCaptionFont)) {
      DeleteObject(probe);
      LOGFONTW wide{};
      std::memcpy(&wide, &metrics.lfCaptionFont, offsetof(LOGFONTA, lfFaceName));
      MultiByteToWideChar(CP_ACP, 0, metrics.lfCaptionFont.lfFaceName, -1, wide.lfFaceName, LF_FACESIZE);
      wide.lfFaceName[LF_FACESIZE - 1] = 0;
      CaptionFont->AssignLogFont(wide);
    }
  }
  SetWindowLongPtrW(WindowHandle, GWL_STYLE, GetWindowLongPtrW(WindowHandle, GWL_STYLE) & ~LONG_PTR{WS_SYSMENU});
  if (SkinData) SkinData->BackgroundStale = true;
  RegionStale = true;
}

void TvxDialogWnd::TakeStyleChange(int which) {
  // Before start-up the styles are not captured yet; the change that
  // start-up itself makes (WS_SYSMENU out) changes nothing here.
  if (FrameKind == DialogFrameInitial) return;
  if (which == GWL_EXSTYLE) {
    ExStyle = static_cast<uint32_t>(GetWindowLongPtrW(WindowHandle, GWL_EXSTYLE));
  } else if (which == GWL_STYLE) {
    // The window keeps WS_SYSMENU out; the captured style keeps it in.
    Style = static_cast<uint32_t>(GetWindowLongPtrW(WindowHandle, GWL_STYLE)) | (Style & WS_SYSMENU);
    const int kind = DialogFrameKind(Style);
    if (kind != FrameKind) {
      FrameKind = kind;
      UpdateButtonMasks();
    }
  } else {
    return;
  }
  if (SkinData) SkinData->BackgroundStale = true;
  RegionStale = true;
}

TvxDialogState TvxDialogWnd::State() const {
  TvxDialogState s;
  s.Style = Style;
  s.ExStyle = ExStyle;
  s.FrameKind = FrameKind;
  HWND w = WindowHandle;
  s.LiveStyle = static_cast<uint32_t>(GetWindowLongPtrW(w, GWL_STYLE));
  s.ClassNoClose = (GetClassLongPtrW(w, GCL_STYLE) & CS_NOCLOSE) != 0;
  s.Iconic = IsIconic(w) != FALSE;
  s.Zoomed = IsZoomed(w) != FALSE;
  s.Width = WindowWidth;
  s.Height = WindowHeight;
  RECT client{};
  GetClientRect(w, &client);
  s.ClientWidth = client.right;
  s.ClientHeight = client.bottom;
  const TvxSystemBarSizes sizes = SystemBarSizes();
  if (HorzBar && HorzBar->Visible) s.HorzBar = ScrollBarThickness(*HorzBar, sizes);
  if (VertBar && VertBar->Visible) s.VertBar = ScrollBarThickness(*VertBar, sizes);
  s.Metrics = {GetSystemMetrics(SM_CXDLGFRAME), GetSystemMetrics(SM_CYDLGFRAME),
               GetSystemMetrics(SM_CXFRAME),    GetSystemMetrics(SM_CYFRAME),
               GetSystemMetrics(SM_CYCAPTION),  GetSystemMetrics(SM_CYSMCAPTION),
               GetSystemMetrics(SM_CXSMICON),   GetSystemMetrics(SM_CYSMICON)};
  return s;
}

TvxDialogButton* TvxDialogWnd::ButtonOf(int code) {
  switch (DialogButtonSlot(code)) {
    case dbClose: return &CloseButton;
    case dbMax: return &MaxButton;
    case dbMin: return &MinButton;
    case dbHelp: return &HelpButton;
    default: return nullptr;
  }
}

TvxDialogButtonItems TvxDialogWnd::ButtonItems() const {
  TvxDialogButtonItems items;
  const TsSkinManager* m = SkinData ? SkinData->SkinManager() : nullptr;
  if (!m) return items;
  items.Own[dbClose] = MaskAt(m, CloseButton.ImageIndex);
  items.Own[dbMax] = MaskAt(m, MaxButton.ImageIndex);
  items.Own[dbMin] = MaskAt(m, MinButton.ImageIndex);
  items.Own[dbHelp] = MaskAt(m, HelpButton.ImageIndex);
  int norm = GlobalItem(m, "BICONNORM");
  if (norm == -1) norm = m->LookupImageItem(SkinData->SectionIndex, SkinData->SkinSection(), "BICONNORM");
  items.Norm = MaskAt(m, norm);
  return items;
}

void TvxDialogWnd::UpdateButtonMasks() {
  TsSkinManager* m = SkinData ? SkinData->SkinManager() : nullptr;
  if (!m) return;
  const int g = m->CommonIndexCache.GlobalInfo;
  const TvxDialogButtonIndexes r = DialogButtonIndexes(
      FrameKind, m->IsValidSectionIndex(g),
      [&](const char* p) { return m->LookupImageItem(g, "GLOBALINFO", p); },
      [&](const char* p) { return m->LookupImageItem(SkinData->SectionIndex, "FORM", p); });
  CloseButton.ImageIndex = r.Index[dbClose];
  MaxButton.ImageIndex = r.Index[dbMax];
  MinButton.ImageIndex = r.Index[dbMin];
  HelpButton.ImageIndex = r.Index[dbHelp];
}

void TvxDialogWnd::RefreshWindowRect() {
  RECT r{};
  GetWindowRect(WindowHandle, &r);
  WindowRect = TRect{r.left, r.top, r.right, r.bottom};
  WindowWidth = r.right - r.left;
  WindowHeight = r.bottom - r.top;
}

TPoint TvxDialogWnd::ScreenToWindow(LPARAM screenPoint) {
  RefreshWindowRect();
  const TPoint p = PointOf(screenPoint);
  return {p.X - WindowRect.Left, p.Y - WindowRect.Top};
}

void TvxDialogWnd::AdaptChildren() {
  if (Provider) Provider->AdaptChildren(WindowHandle);
}

// -- Painting -------------------------------------------------------------------------------

void TvxDialogWnd::PaintFrameCache() {
  if (!SkinData || !SkinData->BackgroundStale) return;
  RegionStale = true;
  const TvxDialogState s = State();
  const int w = WindowWidth, h = WindowHeight;
  SkinData->PrepareCacheBitmap();
  SkinData->CacheBitmap->SetSize(w, h);
  TsSkinManager* m = SkinData->SkinManager();
  const TPixelBufferView cache = SkinData->CachePixels();
  if (m && !cache.Empty() && m->IsValidSectionIndex(SkinData->SectionIndex)) {
    const int state = Active ? 1 : 0;
    PaintControlSkin(SkinData, EmptyCacheInfo, true, 0, cache, TPoint{}, TRect{0, 0, w, h}, state);
    if (FrameKind == DialogFrameSizing || FrameKind == DialogFrameSmallSizing) {
      if (const TsMaskData* grip = MaskAt(m, GlobalItem(m, "GRIPIMAGE")))
        PaintMaskGlyph(cache, DialogGripPosition(s, *grip, cache.Width, cache.Height), 0, *grip, 1);
    }
    const TCacheInfo info = MakeCacheInfo(cache, s.ClientOffsetX(), s.ClientOffsetY());
    const int a = s.FrameHeight(), b = s.CaptionHeight();
    if (b > 0) {
      const int title = m->LookupSection("FORMTITLE");
      if (m->IsValidSectionIndex(title)) {
        PaintSection(title, "FORMTITLE", info, -1, -1, m, cache, TPoint{},
                     s.Iconic ? TRect{0, 0, w, h} : TRect{0, 0, w, a + b}, state, true);
      }
      PaintIcon();
      int widths[DialogButtonCount];
      const TvxDialogButtonItems items = ButtonItems();
      for (int i = 0; i < DialogButtonCount; ++i) widths[i] = DialogButtonWidth(items.Own[i]);
      const int buttonsWidth = DialogButtonsWidth(s, widths);
      if (s.HasSysMenu()) {
        const int bar = m->LookupImageItem(SkinData->SectionIndex, SkinData->SkinSection(), "TITLEBAR");
        if (const TsMaskData* item = MaskAt(m, bar))
          PaintMaskImage(cache, TRect{w - TitleBarStripWidth(*item, buttonsWidth), 0, cache.Width, a + b}, true, 1,
                         state, *item, EmptyCacheInfo);
      }
      // What lies behind the buttons, for repainting one of them alone.
      const int copyWidth = std::min(buttonsWidth + s.FrameWidth(), w);
      const int copyHeight = std::min(s.TitleHeight(), h);
      GdiFlush();
      if (copyWidth > 0 && copyHeight > 0) {
        ButtonsBackground->SetPixelFormat(pf24bit);
        ButtonsBackground->SetSize(copyWidth, copyHeight);
        BitBlt(ButtonsBackground->Canvas()->Handle(), 0, 0, copyWidth, copyHeight,
               CacheBitmapOf(SkinData)->Canvas()->Handle(), w - copyWidth - 1, 0, SRCCOPY);
        GdiFlush();
      }
      PaintCaptionButtons();
      PaintCaptionText(buttonsWidth);
    }
  }
  SkinData->BackgroundStale = false;
}

void TvxDialogWnd::PaintIcon() {
  if (!IconHandle) return;
  const TvxDialogState s = State();
  const int cx = s.Metrics.CXSmIcon, cy = s.Metrics.CYSmIcon;
  const int x = s.FrameWidth(), y = (s.CaptionHeight() + s.FrameHeight() - cy) / 2;
  HDC dc = CacheBitmapOf(SkinData)->Canvas()->Handle();
  GdiFlush();
  if (HICON copy = static_cast<HICON>(CopyImage(IconHandle, IMAGE_ICON, cx, cy, LR_COPYFROMRESOURCE))) {
    DrawIconEx(dc, x, y, copy, cx, cy, 0, nullptr, DI_NORMAL);
    DestroyIcon(copy);
  } else {
    DrawIconEx(dc, x, y, LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION)), cx, cy, 0, nullptr,
               DI_NORMAL);
  }
  GdiFlush();
}

void TvxDialogWnd::PaintCaptionButtons() {
  const TvxDialogState s = State();
  const TvxDialogButtonLayout layout = LayoutDialogButtons(s, ButtonItems());
  const TPixelBufferView cache = SkinData->CachePixels();
  TvxDialogButton* records[DialogButtonCount] = {&CloseButton, &MaxButton, &MinButton, &HelpButton};
  for (int i = 0; i < DialogButtonCount; ++i) {
    const TvxPlacedButton& placed = layout.Button[i];
    records[i]->Rect = placed.Placed ? placed.Bounds : TRect{};
    if (!placed.Placed || !placed.Glyph || cache.Empty()) continue;
    PaintMaskGlyph(cache, TPoint{placed.Bounds.Left, placed.Bounds.Top}, records[i]->State, *placed.Glyph,
                   Active && placed.Enabled ? 1 : 2);
  }
}

void TvxDialogWnd::PaintCaptionText(int buttonsWidth) {
  TBitmap* bitmap = CacheBitmapOf(SkinData);
  TsSkinManager* m = SkinData->SkinManager();
  if (!bitmap || !m) return;
  const TvxDialogState s = State();
  const int icon = s.Metrics.CXSmIcon;
  const TRect room{(IconHandle ? icon : 0) + s.FrameWidth() + 4, s.FrameHeight(), WindowWidth - buttonsWidth - 6,
                   s.CaptionHeight()};
  if (room.IsEmpty()) return;
  TCanvas* canvas = bitmap->Canvas();
  if (CaptionFont) canvas->Font()->Assign(CaptionFont.get());
  std::string text;
  CutTextToWidth(canvas, Caption, WindowWidth - icon - s.FrameWidth() - buttonsWidth - 6, text);
  GdiFlush();
  // A skin without a title section writes the caption in the dialog's own colours.
  const int title = m->LookupSectionOr("FORMTITLE", SkinData->SectionIndex);
  DrawSectionTextDefault(canvas, text, true, Active, title, DT_SINGLELINE | DT_VCENTER, room);
  GdiFlush();
}

void TvxDialogWnd::CopyFrameToWindow(HDC dc) {
  if (SkinData->BackgroundStale) {
    PaintFrameCache();
    SkinData->MarkUpdating(false);
  }
  TBitmap* cache = CacheBitmapOf(SkinData);
  if (!cache || cache->Empty()) return;
  const TvxDialogState s = State();
  const int a = s.FrameHeight(), b = s.CaptionHeight(), fw = s.FrameWidth();
  const int w = WindowWidth, h = WindowHeight, cw = cache->Width(), ch = cache->Height();
  HDC src = cache->Canvas()->Handle();
  GdiFlush();
  const int y0 = a + b + (s.Iconic ? 1 : 0);
  BitBlt(dc, 0, 0, w, s.TitleHeight(), src, 0, 0, SRCCOPY);
  BitBlt(dc, 0, y0, fw, ch, src, 0, y0, SRCCOPY);
  BitBlt(dc, a, h - a, w - a, a, src, fw, h - a, SRCCOPY);
  BitBlt(dc, cw - fw, y0, a, ch, src, cw - fw, y0, SRCCOPY);
}

void TvxDialogWnd::PaintNonClient() {
  // RegionBusy goes down on every path: a paint that raises must not keep
  // every later dialog's region from being rebuilt.
  struct ClearBusy {
    TsCommonData* record;
    ~ClearBusy() {
      if (record) record->MarkUpdating(false);
      RegionBusy = false;
    }
  } clear{SkinData};
  AdaptChildren();
  RefreshWindowRect();
  if (!RegionBusy && RegionStale && (FrameKind != DialogFramePopup || (Style & WS_THICKFRAME))) {
    RegionStale = false;
    UpdateRegion(true);
  }
  TTargetDC dc(WindowHandle, nullptr, true);
  if (!dc.Handle()) return;
  if (FrameKind == DialogFramePopup && (Style & WS_THICKFRAME)) {
    if (SkinData->BackgroundStale) {
      PaintFrameCache();
      SkinData->MarkUpdating(false);
    }
    TBitmap* cache = CacheBitmapOf(SkinData);
    if (!cache || cache->Empty()) return;
    HDC src = cache->Canvas()->Handle();
    const int w = WindowWidth, h = WindowHeight, cw = cache->Width(), ch = cache->Height();
    GdiFlush();
    BitBlt(dc.Handle(), 0, 0, w, 3, src, 0, 0, SRCCOPY);
    BitBlt(dc.Handle(), 0, 3, 3, ch, src, 0, 3, SRCCOPY);
    BitBlt(dc.Handle(), 3, h - 3, w - 3, 3, src, 3, h - 3, SRCCOPY);
    BitBlt(dc.Handle(), cw - 3, 3, 3, ch, src, w - 3, 3, SRCCOPY);
  } else {
    CopyFrameToWindow(dc.Handle());
  }
}

void TvxDialogWnd::PaintClient(HDC given) {
  TTargetDC target(WindowHandle, given);
  HDC dc = target.Handle();
  if (!dc) return;
  SkinData->MarkUpdating(false);
  PaintFrameCache();
  TBitmap* cache = CacheBitmapOf(SkinData);
  if (cache && !cache->Empty()) {
    const TvxDialogState s = State();
    GdiFlush();
    BitBlt(dc, 0, 0, WindowWidth, WindowHeight, cache->Canvas()->Handle(), s.FrameHeight(), s.TitleHeight(),
           SRCCOPY);
  }
  SendFinishUpdateToChildWindows(WindowHandle);
}

void TvxDialogWnd::UpdateRegion(bool redraw) {
  if (FrameKind == DialogFramePopup) return;
  if (SendMessageW(WindowHandle, ShapeQueryMessage, ShapeQueryAnswer, 0) == static_cast<LRESULT>(ShapeQueryAnswer))
    return;
  TsSkinManager* m = SkinData ? SkinData->SkinManager() : nullptr;
  if (!m) return;
  int titleBorder = -1;
  const int title = m->LookupSection("FORMTITLE");
  if (m->IsValidSectionIndex(title)) titleBorder = m->LookupImageItem(title, "FORMTITLE", "BORDERSMASK");
  const std::vector<TRect> holes =
      CollectFrameCutouts(*m, SkinData->BorderItemIndex, titleBorder, WindowWidth, WindowHeight);
  HRGN region = static_cast<HRGN>(MakeFormRegion(holes, WindowWidth, WindowHeight));
  RegionBusy = true;
  // The system owns a region it took; one it refused is ours to delete.
  if (region && !SetWindowRgn(WindowHandle, region, redraw ? TRUE : FALSE)) DeleteObject(region);
}

// -- Caption buttons --------------------------------------------------------------------------

LRESULT TvxDialogWnd::HitTest(LPARAM screenPoint, bool& answered) {
  TvxDialogHitInput in;
  in.At = ScreenToWindow(screenPoint);
  in.State = State();
  const TvxDialogButtonItems items = ButtonItems();
  in.CloseHeight = DialogButtonHeight(items.Own[dbClose]);
  const TvxDialogButton* records[DialogButtonCount] = {&CloseButton, &MaxButton, &MinButton, &HelpButton};
  for (int i = 0; i < DialogButtonCount; ++i) {
    in.Layout.Button[i].Placed = records[i]->Rect.Right > records[i]->Rect.Left;
    in.Layout.Button[i].Bounds = records[i]->Rect;
  }
  if (TsSkinManager* m = SkinData ? SkinData->SkinManager() : nullptr) in.Grip = MaskAt(m, GlobalItem(m, "GRIPIMAGE"));
  if (SkinData && SkinData->CacheBitmap) {
    in.CacheWidth = SkinData->CacheBitmap->Width();
    in.CacheHeight = SkinData->CacheBitmap->Height();
  }
  const TvxDialogHit hit = DialogHitTest(in);
  answered = hit.Answered;
  if (hit.Answered && hit.Hot >= 0) SetHotButton(hit.Hot, true);
  return hit.Code;
}

void TvxDialogWnd::SetHotButton(int code, bool repaint) {
  if (code == HotButton) return;
  if (TvxDialogButton* old = ButtonOf(HotButton)) {
    old->State = 0;
    if (repaint) RepaintButton(HotButton);
  }
  HotButton = code;
  if (TvxDialogButton* now = ButtonOf(code)) now->State = 1;
  ButtonPressed = false;
  if (repaint) RepaintButton(code);
}

void TvxDialogWnd::PressButton(int code) {
  if (code != HotButton) {
    if (TvxDialogButton* old = ButtonOf(HotButton)) {
      old->State = 0;
      RepaintButton(HotButton);
    }
  }
  HotButton = code;
  if (TvxDialogButton* now = ButtonOf(code)) {
    const TvxDialogState s = State();
    if (now != &MaxButton || s.MaximizeEnabled() || (s.Zoomed && s.RestoreEnabled())) now->State = 2;
  }
  ButtonPressed = true;
  RepaintButton(code);
}

void TvxDialogWnd::RepaintButton(int code) {
  const int slot = DialogButtonSlot(code);
  TvxDialogButton* b = ButtonOf(code);
  TBitmap* cache = CacheBitmapOf(SkinData);
  TsSkinManager* m = SkinData ? SkinData->SkinManager() : nullptr;
  if (!b || !cache || cache->Empty() || !m) return;
  const TvxDialogState s = State();
  if (b->Rect.Left <= s.Metrics.CXSmIcon + s.FrameHeight() || b->Rect.IsEmpty()) return;
  const TvxDialogButtonItems items = ButtonItems();
  const int w = DialogButtonWidth(items.Own[slot]), h = DialogButtonHeight(items.Own[slot]);
  GdiFlush();
  if (!ButtonsBackground->Empty()) {
    BitBlt(cache->Canvas()->Handle(), b->Rect.Left, b->Rect.Top, w, h, ButtonsBackground->Canvas()->Handle(),
           b->Rect.Left - (WindowWidth - ButtonsBackground->Width() - 1), b->Rect.Top, SRCCOPY);
    GdiFlush();
  }
  const TvxRepaintChoice choice = DialogRepaintImage(slot, s);
  const TsMaskData* item = items.Own[slot];
  if (choice.Image == riNorm) {
    item = items.Norm;
  } else if (choice.Image == riGlobalMax) {
    int max = GlobalItem(m, "BICONMAX");
    if (max == -1) max = m->LookupImageItem(SkinData->SectionIndex, SkinData->SkinSection(), "BICONMAX");
    item = MaskAt(m, max);
  }
  // A button the title bar shows disabled keeps that look when hot.
  const TvxDialogButtonLayout layout = LayoutDialogButtons(s, items);
  const bool disabled = choice.Disabled || !layout.Button[slot].Enabled;
  if (item) {
    PaintMaskGlyph(SkinData->CachePixels(), TPoint{b->Rect.Left, b->Rect.Top}, b->State, *item,
                   disabled || (b->State == 0 && !Active) ? 2 : 1);
  }
  GdiFlush();
  TTargetDC dc(WindowHandle, nullptr, true);
  if (dc.Handle())
    BitBlt(dc.Handle(), b->Rect.Left, b->Rect.Top, b->Rect.Width(), b->Rect.Height(), cache->Canvas()->Handle(),
           b->Rect.Left, b->Rect.Top, SRCCOPY);
}

void TvxDialogWnd::ShowSystemMenu(int x, int y) {
  SystemMenu->SetWindowHandle(WindowHandle);
  // The items follow the captured style, which start-up set after the menu
  // was made.
  SystemMenu->UpdateItems();
  SystemMenu->Popup(x, y);
}

void TvxDialogWnd::NCLButtonDown(TMessage& m) {
  const TvxDialogState s = State();
  TvxDialogDownInput in;
  in.Code = static_cast<int>(m.WParam);
  in.Iconic = s.Iconic;
  in.Zoomed = s.Zoomed;
  in.Active = Active;
  in.Y = ScreenToWindow(MAKELPARAM(0, HIWORD(m.LParam))).Y;
  in.TitleBand = s.FrameHeight() + s.CaptionHeight();
  switch (DialogDownAction(in)) {
    case ddShowMenu:
      SetHotButton(0, true);
      ShowSystemMenu(WindowRect.Left + s.FrameWidth(), WindowRect.Top + s.FrameHeight() + s.Metrics.CYSmIcon);
      return;
    case ddPress:
      PressButton(in.Code);
      return;
    case ddMoveIconic:
      SendMessageW(WindowHandle, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, m.LParam);
      return;
    case ddFocus:
      SetHotButton(0, true);
      SetFocus(WindowHandle);
      return;
    case ddClearHot:
      SetHotButton(0, true);
      return;
    case ddPassOn:
      SetHotButton(0, true);
      CallOldProc(m);
      return;
  }
}

void TvxDialogWnd::NCLButtonUp(TMessage& m, bool clientMessage) {
  const TvxDialogState s = State();
  POINT screen{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
  if (clientMessage) ClientToScreen(WindowHandle, &screen);
  const TPoint at = ScreenToWindow(MAKELPARAM(screen.x, screen.y));
  TvxDialogUpInput in;
  in.ClientMessage = clientMessage;
  in.Code = static_cast<int>(m.WParam);
  in.ButtonPressed = ButtonPressed;
  in.HotButton = HotButton;
  in.InMinButton = MinButton.Rect.Contains(at.X, at.Y);
  in.Iconic = s.Iconic;
  in.Zoomed = s.Zoomed;
  in.MaximizeEnabled = s.MaximizeEnabled();
  auto command = [this](WPARAM c) { SendMessageW(WindowHandle, WM_SYSCOMMAND, c, 0); };
  switch (DialogUpAction(in)) {
    case duPassOn:
      CallOldProc(m);
      return;
    case duClearHot:
      SetHotButton(0, true);
      break;
    case duNothing:
      break;
    case duMinimize:
      SetHotButton(0, true);
      command(SC_MINIMIZE);
      break;
    case duRestore:
    case duMaximize: {
      const bool max = DialogUpAction(in) == duMaximize;
      SetHotButton(0, true);
      command(max ? SC_MAXIMIZE : SC_RESTORE);
      if (in.Code == CaptionMaximize || in.HotButton == CaptionMaximize) {
        if (Application) Application->ProcessMessages();
        if (SystemMenu) SystemMenu->UpdateItems();
      }
      break;
    }
    case duClose:
      SetHotButton(0, true);
      command(SC_CLOSE);
      break;
    case duHelp:
      command(SC_CONTEXTHELP);
      SetHotButton(0, true);
      SystemMenu->UpdateItems();
      SendMessageW(WindowHandle, WM_NCPAINT, 0, 0);
      break;
  }
  m.WParam = 0;
}

// -- Window procedure ---------------------------------------------------------------------------

HBRUSH TvxDialogWnd::BackgroundBrush() {
  const TColor color = DefaultManager ? DefaultManager->GlobalBackColor() : ColorToRGB(clBtnFace);
  if (!brush_ || color != brushColor_) {
    if (brush_) DeleteObject(brush_);
    brush_ = CreateSolidBrush(static_cast<COLORREF>(color));
    brushColor_ = color;
  }
  return brush_;
}

bool TvxDialogWnd::HandleDialogCommand(TMessage& m) {
  TsSkinManager* own = SkinData->SkinManager();
  switch (SkinCmdOf(m.WParam)) {
    case SkinCmdNewSkin:
      if (m.LParam == AsLParam(own)) {
        SkinData->RefreshSkinIndexes();
        if (own) UpdateButtonMasks();
      }
      return true;
    case SkinCmdSkinReapplied:
      SkinData->RefreshSkinIndexes();
      SkinData->InvalidateSkin();
      SkinData->BackgroundStale = true;
      RedrawWindow(WindowHandle, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_INTERNALPAINT | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
      return true;
    case SkinCmdQueryCache: {
      const TPixelBufferView pixels = SkinData->CachePixels();
      if (!pixels.Empty()) ParentCacheInfo = MakeCacheInfo(pixels, 0, 0);
      return true;
    }
    case SkinCmdSetUpdating:
      SkinData->MarkUpdating(LOWORD(m.WParam) == 1);
      if (SkinData->IsUpdating()) SkinData->BackgroundStale = true;
      return false;
    case SkinCmdQueryUpdating:
      m.LParam = SkinData->IsUpdating() ? 1 : 0;
      return true;
    case SkinCmdQueryBackgroundKind: {
      const TsGeneralData* section = SkinData->Section();
      m.LParam = section && section->GradientPercent + section->ImagePercent > 0 ? 1 : 0;
      return true;
    }
    case SkinCmdQueryBackColor:
      if (SkinData->IsSkinned(false)) {
        if (const TsGeneralData* section = SkinData->Section()) ParentBackColor = section->HotColor;
      }
      return true;
    case SkinCmdRecheckDialog:
      AdaptChildren();
      return false;
    default:
      return false;
  }
}

void TvxDialogWnd::WndProc(TMessage& m) {
  if (m.Msg == WM_DESTROY || m.Msg == WM_NCDESTROY) {
    windowGoing_ = true;
    TvxMainWnd::WndProc(m);
    return;
  }
  if (!Hooked() || !SkinData) {
    TvxScrollWnd::WndProc(m);
    return;
  }
  HWND w = WindowHandle;
  const bool visible = IsWindowVisible(w) != FALSE;
  bool inherited = false;
  switch (m.Msg) {
    case WM_SIZE:
      SkinData->BackgroundStale = true;
      RegionStale = true;
      CallOldProc(m);
      RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
      break;
    case WM_WINDOWPOSCHANGED:
      // Not for the change our own SetWindowRgn makes: the region would be
      // rebuilt at every paint.
      if (!RegionBusy) {
        SkinData->BackgroundStale = true;
        RegionStale = true;
      }
      CallOldProc(m);
      break;
    case WM_ENABLE:
    case WM_SETTEXT:
      if (!visible) {
        inherited = true;
        break;
      }
      CallOldProc(m);
      SkinData->BackgroundStale = true;
      SendMessageW(w, WM_NCPAINT, 0, 0);
      break;
    case WM_PAINT:
      CallOldProc(m);
      break;
    case WM_ERASEBKGND:
      RefreshWindowRect();
      if (!ChildrenAdapted) {
        ChildrenAdapted = true;
        AdaptChildren();
      }
      PaintClient(reinterpret_cast<HDC>(m.WParam));
      m.Result = 1;
      break;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam);
      if (item && item->CtlType == ODT_STATIC) SetBkMode(item->hDC, TRANSPARENT);
      inherited = true;
      break;
    }
    case WM_NCHITTEST: {
      bool answered = false;
      const LRESULT code = HitTest(m.LParam, answered);
      if (!answered || code == 0 || code == HTCAPTION) {
        CallOldProc(m);
        SetHotButton(0, true);
      } else {
        m.Result = code;
      }
      break;
    }
    case WM_NCPAINT:
      if (!visible) {
        inherited = true;
        break;
      }
      RefreshWindowRect();
      Caption = ReadWindowText(w);
      PaintNonClient();
      m.Result = 1;
      break;
    case WM_NCACTIVATE:
      if (!visible) {
        inherited = true;
        break;
      }
      CallOldProc(m);
      Active = LOWORD(m.WParam) != 0;
      SkinData->BackgroundStale = true;
      SendMessageW(w, WM_NCPAINT, 0, 0);
      break;
    case WM_GETDLGCODE:
      // Neither answered nor passed on.
      break;
    case WM_NCLBUTTONDOWN:
      NCLButtonDown(m);
      break;
    case WM_NCLBUTTONUP:
      NCLButtonUp(m, false);
      break;
    case WM_LBUTTONUP:
      NCLButtonUp(m, true);
      break;
    case WM_NCLBUTTONDBLCLK:
      switch (DialogDoubleClickAction(static_cast<int>(m.WParam), State())) {
        case dcMaximize:
        case dcRestore:
          SendMessageW(w, WM_SYSCOMMAND,
                       DialogDoubleClickAction(static_cast<int>(m.WParam), State()) == dcRestore ? SC_RESTORE
                                                                                                 : SC_MAXIMIZE,
                       0);
          SystemMenu->UpdateItems();
          break;
        case dcClose:
          SendMessageW(w, WM_SYSCOMMAND, SC_CLOSE, 0);
          break;
        case dcNothing:
          break;
      }
      m.WParam = 0;
      break;
    case WM_NCRBUTTONDOWN:
      if (m.WParam != HTCAPTION && m.WParam != HTSYSMENU) inherited = true;
      break;
    case WM_NCRBUTTONUP:
      if (m.WParam == HTCAPTION || m.WParam == HTSYSMENU) {
        SetHotButton(0, true);
        ShowSystemMenu(GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam));
      }
      break;
    case WM_CTLCOLORDLG:
      m.Result = reinterpret_cast<LRESULT>(BackgroundBrush());
      break;
    case WM_MOUSEMOVE:
      if (IsWindowEnabled(w) && DefaultManager) DefaultManager->SetHotControl(0);
      inherited = true;
      break;
    case WM_MOUSELEAVE:
      SetHotButton(0, true);
      inherited = true;
      break;
    case DialogChildrenChangedMessage:
      CallOldProc(m);
      AdaptChildren();
      RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_FRAME);
      break;
    default:
      if (m.Msg == CommandMessage) {
        if (HandleDialogCommand(m)) return;
      }
      inherited = true;
      break;
  }
  if (!inherited) return;
  TvxScrollWnd::WndProc(m);
  if (m.Msg == WM_STYLECHANGED && Hooked()) TakeStyleChange(static_cast<int>(m.WParam));
  if (m.Msg == WM_SYSCOMMAND && ((m.WParam & 0xFFF0) == SC_MAXIMIZE || (m.WParam & 0xFFF0) == SC_RESTORE) &&
      Hooked()) {
    if (State().HasMaxBox()) HotButton = CaptionMaximize;
    SetHotButton(0, true);
  }
}
