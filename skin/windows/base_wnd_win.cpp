#include "skin/windows/base_wnd_win.h"

#include <memory>

#include "platform/forms/forms.h"
#include "platform/forms/window_procedure.h"
#include "skin/core/common_data_win.h"
#include "skin/core/cache_bitmap_win.h"
#include "skin/core/control_utils_win.h"
#include "skin/core/dc_helpers_win.h"
#include "skin/core/image_painting.h"
#include "skin/core/paint_colors.h"
#include "skin/core/skin_constants.h"
#include "skin/core/skin_manager.h"
#include "skin/windows/edit_colors.h"

namespace {

bool Visible(HWND w) { return IsWindowVisible(w) != FALSE; }

bool FromOwnManager(const TMessage& m, const TsCommonData* record) {
  return m.LParam == reinterpret_cast<LPARAM>(record->SkinManager());
}

bool Destroying(const TControl* c) { return c->ComponentState().Contains(csDestroying); }

}  // namespace

// -- TvxBaseWnd ------------------------------------------------------------------------------

void TvxBaseWnd::WndProc(TMessage& m) {
  if (!Hooked() || !SkinData || !SkinData->IsSkinned()) {
    TvxScrollWnd::WndProc(m);
    return;
  }
  if (m.Msg == CommandMessage) {
    const uint16_t code = SkinCmdOf(m.WParam);
    if (code == SkinCmdSkinReapplied && FromOwnManager(m, SkinData)) {
      TvxScrollWnd::WndProc(m);
      if (Visible(WindowHandle)) SendMessageW(WindowHandle, WM_NCPAINT, 0, 0);
      return;
    }
    if (code == SkinCmdRedrawNow) RefreshControlCache(SkinData, WindowHandle, false);
  }
  switch (m.Msg) {
    case WM_SIZE:
      SkinData->BackgroundStale = true;
      break;
    case WM_SETCURSOR:
      CallOldProc(m);
      return;
    case OCM_KEYDOWN:
      return;
    default:
      break;
  }
  TvxScrollWnd::WndProc(m);
  switch (m.Msg) {
    case WM_SIZE:
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (!Busy && Hooked()) RefreshScrollInfo(true);
      break;
    case WM_ENABLE:
    case CM_ENABLEDCHANGED:
      if (Hooked() && Visible(WindowHandle)) SendMessageW(WindowHandle, WM_NCPAINT, 0, 0);
      break;
    default:
      break;
  }
}

// -- TvxEditWnd ------------------------------------------------------------------------------

TvxEditWnd::TvxEditWnd(const TvxAdapterArgs& args) : TvxBaseWnd(args) {}

TControl* TvxEditWnd::Control() const {
  return SkinData ? dynamic_cast<TControl*>(SkinData->HostControl) : nullptr;
}

void TvxEditWnd::SaveColors() {
  TvxBaseWnd::SaveColors();
  if (TControl* c = Control()) {
    SavedColor = c->Color();
    SavedFontColor = c->Font()->Color();
  }
}

void TvxEditWnd::RestoreColors() {
  TvxBaseWnd::RestoreColors();
  if (IsWindow(WindowHandle))
    SetWindowPos(WindowHandle, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED | SWP_NOOWNERZORDER);
  TControl* c = Control();
  if (c && !Destroying(c)) {
    c->SetColor(SavedColor);
    c->Font()->SetColor(SavedFontColor);
  }
}

void TvxEditWnd::ApplySkinColors() {
  PreventStyleChange = true;
  TvxBaseWnd::ApplySkinColors();
  const TsGeneralData* section = SkinData ? SkinData->Section() : nullptr;
  TControl* c = Control();
  TvxEditColorInput in;
  in.HasControl = c != nullptr;
  in.DialogMode = DialogMode;
  in.SectionValid = section != nullptr;
  if (section) {
    in.Transparency = section->Transparency;
    in.SectionColor = section->Color;
    in.HotFontColor = section->HotFontColor[0];
  }
  if (c && SkinData) {
    in.CustomColor = SkinData->CustomColor();
    in.CustomFont = SkinData->CustomFont();
    in.ControlColor = c->Color();
    in.ControlFontColor = c->Font()->Color();
    if (section && section->Transparency != 0 && c->Parent()) {
      ParentBackColor = SkinTransparentColor;
      if (c->Parent()->HandleAllocated())
        SendCmdToWindow(c->Parent()->Handle(), SkinCmdQueryBackColor, 0);
      in.ParentAnswer = ParentBackColor;
      in.ParentColor = c->Parent()->Color();
      ParentBackColor = SkinTransparentColor;
    }
  }
  const TvxEditColors out = DecideEditColors(in);
  if (c && section) {
    if (out.SetColor) c->SetColor(out.Color);
    if (out.SetFontColor) c->Font()->SetColor(out.FontColor);
  } else if (!c) {
    BackgroundColor = out.Background;
    FrameColor = out.Frame;
  }
  if (SkinData) SkinData->BackgroundStale = true;
  PreventStyleChange = false;
}

void TvxEditWnd::PrepareCache() {
  if (SkinData->BackgroundStale) {
    if (!ColorsApplied) ApplySkinColors();
    RefreshControlCache(SkinData, WindowHandle, DialogMode);
  }
  PaintBorderItem();
}

void TvxEditWnd::PaintBorderItem() {
  if (DialogMode || !SkinData->CacheBitmap) return;
  TsSkinManager* manager = SkinData->SkinManager();
  if (!manager || !manager->IsValidMaskIndex(SkinData->BorderItemIndex)) return;
  const TPixelBufferView cache = SkinData->CachePixels();
  if (cache.Empty()) return;
  PaintMaskImage(cache, TRect{0, 0, cache.Width, cache.Height}, false, 0, 0,
                 manager->MaskItems[SkinData->BorderItemIndex], EmptyCacheInfo);
}

void TvxEditWnd::PaintFrame(HDC dc, int width) {
  TBitmap* cache = CacheBitmapOf(SkinData);
  if (cache && width > 0 && !SkinData->CachePixels().Empty())
    CopyBorderFrame(dc, 0, 0, cache->Width(), cache->Height(), cache->Canvas()->Handle(), 0, 0, width);
  PaintScrollBars(dc);
}

void TvxEditWnd::Print(TMessage& m) {
  HDC dc = reinterpret_cast<HDC>(m.WParam);
  SkinData->Updating = false;
  SkinData->BackgroundStale = true;
  ApplySkinColors();
  PrepareCache();
  PaintFrame(dc, LeftEdge);
  TBitmap* cache = CacheBitmapOf(SkinData);
  if (!cache) return;
  const int saved = SaveDC(dc);
  brsm::MoveWindowOrg(dc, LeftEdge, LeftEdge);
  int w = cache->Width() - 2 * LeftEdge - (VertBar && VertBar->Visible ? ScrollBarThickness(*VertBar, SystemBarSizes()) : 0);
  int h = cache->Height() - 2 * LeftEdge - (HorzBar && HorzBar->Visible ? ScrollBarThickness(*HorzBar, SystemBarSizes()) : 0);
  IntersectClipRect(dc, 0, 0, w, h);
  SendMessageW(WindowHandle, WM_ERASEBKGND, m.WParam, 0);
  SendMessageW(WindowHandle, WM_PAINT, m.WParam, 0);
  SendMessageW(WindowHandle, WM_PRINTCLIENT, m.WParam, PRF_CLIENT | PRF_OWNED);
  RestoreDC(dc, saved);
}

void TvxEditWnd::WndProc(TMessage& m) {
  if (!Hooked() || !SkinData || !SkinData->IsSkinned()) {
    TvxBaseWnd::WndProc(m);
    return;
  }
  if (m.Msg == CommandMessage) {
    switch (SkinCmdOf(m.WParam)) {
      case SkinCmdSkinReapplied:
        if (!FromOwnManager(m, SkinData)) break;
        TvxBaseWnd::WndProc(m);
        if (Hooked()) ApplySkinColors();
        return;
      case SkinCmdFinishUpdate:
        FinishUpdate(RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
        break;
      case SkinCmdQuerySkinned:
      case SkinCmdQueryApplication:
        AnswerIdentityQuery(m);
        return;
      case SkinCmdRedrawNow:
        if (!ColorsApplied) ApplySkinColors();
        RefreshControlCache(SkinData, WindowHandle, DialogMode);
        PrepareCache();
        return;
      case SkinCmdQuerySectionIndex:
        m.Result = SkinData->SectionIndex + 1;
        return;
      default:
        break;
    }
  }
  // Asked only by the paint messages, not for every message.
  const bool visible = (m.Msg == WM_NCPAINT || m.Msg == WM_ERASEBKGND || m.Msg == WM_PAINT) && Visible(WindowHandle);
  switch (m.Msg) {
    case WM_NCPAINT:
      if (!visible) break;
      try {
        GetWindowPosInParent(WindowHandle, Place);
        // While the record is updating nothing is painted, and the system
        // must not paint its own frame either.
        if (SkinData->IsUpdating()) return;
        PrepareCache();
        HDC dc = GetWindowDC(WindowHandle);
        if (dc) {
          const int saved = SaveDC(dc);
          PaintFrame(dc, LeftEdge);
          RestoreDC(dc, saved);
          ReleaseDC(WindowHandle, dc);
        }
      } catch (...) {
        // A frame that cannot be painted is left as it is.
      }
      m.Result = 0;
      return;
    case WM_PRINT:
      // The client part went into the DC at its place inside the frame;
      // passed on, the root would paint it once more at the DC's origin,
      // over the frame.
      if (m.WParam) {
        Print(m);
        return;
      }
      break;
    case WM_ERASEBKGND:
      if (!visible) break;
      if (SkinData->IsUpdating()) return;
      if (!ColorsApplied) ApplySkinColors();
      break;
    case WM_PAINT:
      if (!visible) break;
      if (SkinData->IsUpdating()) {
        PAINTSTRUCT ps;
        BeginPaint(WindowHandle, &ps);
        EndPaint(WindowHandle, &ps);
        return;
      }
      PaintScrollBars(nullptr);
      if (!ColorsApplied) ApplySkinColors();
      break;
    default:
      break;
  }
  TvxBaseWnd::WndProc(m);
  if (!Hooked()) return;
  switch (m.Msg) {
    case WM_SIZE:
      if (Visible(WindowHandle)) SendMessageW(WindowHandle, WM_NCPAINT, 0, 0);
      break;
    case EM_REPLACESEL:
    case LB_ADDSTRING:
    case LB_INSERTSTRING:
    case LB_SETCURSEL:
    case LB_SETTOPINDEX:
      RefreshScrollInfo(true);
      break;
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_LBUTTONDOWN:
    case CN_KEYDOWN:
    case CN_KEYUP:
      if (!Busy) RefreshScrollInfo(true);
      break;
    case WM_MOUSEMOVE:
      MakeHotWindow(WindowHandle);
      break;
    default:
      break;
  }
}

void UpdateMemoAdapter(TsCommonData* record, TvxEditWnd*& adapter) {
  auto* memo = record ? dynamic_cast<TWinControl*>(record->HostControl) : nullptr;
  const bool skinned = memo && record->IsSkinned() && !memo->ComponentState().Contains(csDesigning) &&
                       !memo->ComponentState().Contains(csDestroying);
  if (!skinned) {
    FreeAdapter(adapter);
    return;
  }
  HWND window = memo->HandleIfAllocated();
  if (adapter && (!adapter->Hooked() || adapter->WindowHandle != window)) FreeAdapter(adapter);
  if (adapter || !window) return;
  TvxAdapterArgs args;
  args.Handle = window;
  args.Repaint = true;
  args.Section = "EDIT";
  args.Manager = record->SkinManager();
  args.SkinData = record;
  adapter = TvxMainWnd::Create<TvxEditWnd>(args);
}
