#include "skin/windows/panel_wnd_win.h"

#include <memory>

#include "platform/forms/extctrls.h"
#include "platform/forms/forms.h"
#include "skin/core/broadcast_win.h"
#include "skin/core/cache_bitmap_win.h"
#include "skin/core/common_data_win.h"
#include "skin/core/control_utils_win.h"
#include "skin/core/dc_helpers_win.h"
#include "skin/core/section_painting.h"
#include "skin/core/skin_manager.h"
#include "skin/windows/adapter_paint_win.h"
#include "skin/windows/panel_adapter_rules.h"

namespace {

int ClientWidth(HWND w) {
  RECT r{};
  GetClientRect(w, &r);
  return r.right - r.left;
}

// Half the difference between the window and its client: its edge.
int EdgeOf(HWND w) {
  RECT r{};
  GetWindowRect(w, &r);
  return (r.right - r.left - ClientWidth(w)) / 2;
}

void BroadcastToHost(TsCommonData* record, TMessage& m) {
  if (auto* host = record ? dynamic_cast<TWinControl*>(record->HostControl) : nullptr) BroadcastToChildren(host, m);
}

}  // namespace

// -- TvxPanelWnd -----------------------------------------------------------------------------

TvxPanelWnd::TvxPanelWnd(const TvxAdapterArgs& args) : TvxMainWnd(args) {
  if (auto* panel = dynamic_cast<TCustomPanel*>(SkinData->HostControl))
    SkinData->SetSkinSection(PanelSectionOfBevels(panel->BevelOuter(), panel->BevelInner(),
                                                  panel->BorderStyle() == bsSingle));
}

TWinControl* TvxPanelWnd::Host() const { return dynamic_cast<TWinControl*>(SkinData->HostControl); }

void TvxPanelWnd::WndProc(TMessage& m) {
  TWinControl* host = Host();
  if (!host || !host->ControlStyle().Contains(csAcceptsControls) || !Hooked()) {
    TvxMainWnd::WndProc(m);
    if (m.Msg == WM_WINDOWPOSCHANGING && Hooked()) SendMessageW(WindowHandle, WM_NCPAINT, 0, 0);
    return;
  }
  const bool skinned = SkinData->IsSkinned(false);
  if (m.Msg == CommandMessage) {
    switch (SkinCmdOf(m.WParam)) {
      case SkinCmdNewSkin:
        BroadcastToHost(SkinData, m);
        break;
      case SkinCmdSkinRemoved:
        SkinData->SectionIndex = -1;
        host->SetControlStyle(host->ControlStyle() - TControlStyle{csOpaque});
        TvxMainWnd::WndProc(m);
        return;
      case SkinCmdQuerySkinned:
        m.LParam = 1;
        return;
      case SkinCmdQueryApplication:
        AnswerIdentityQuery(m);
        return;
      default:
        break;
    }
    TvxMainWnd::WndProc(m);
    return;
  }
  switch (m.Msg) {
    case WM_NCPAINT:
      if (!skinned) {
        CallOldProc(m);
        return;
      }
      PaintFrame(nullptr);
      m.Result = 1;
      return;
    case WM_SETTEXT:
      if (!IsWindowVisible(WindowHandle)) break;
      {
        TRedrawHold hold(WindowHandle);
        TvxMainWnd::WndProc(m);
      }
      SkinData->BackgroundStale = true;
      SendMessageW(WindowHandle, WM_PAINT, 0, 0);
      return;
    case WM_PAINT:
      if (!skinned) {
        CallOldProc(m);
        return;
      }
      {
        TPaintScope paint(WindowHandle);
        PaintWindow(reinterpret_cast<HDC>(m.WParam));
      }
      return;
    case WM_ERASEBKGND:
      if (!skinned) {
        CallOldProc(m);
        return;
      }
      PaintFrame(reinterpret_cast<HDC>(m.WParam));
      m.Result = 1;
      return;
    case WM_UPDATEUISTATE:
      m.Result = 1;
      return;
    case WM_PRINT:
      if (!skinned) break;
      PaintWindow(reinterpret_cast<HDC>(m.WParam));
      PaintFrame(reinterpret_cast<HDC>(m.WParam));
      return;
    default:
      break;
  }
  if (AnswerChildNotice(m)) return;
  TvxMainWnd::WndProc(m);
  if (m.Msg == WM_WINDOWPOSCHANGING && Hooked()) SendMessageW(WindowHandle, WM_NCPAINT, 0, 0);
}

void TvxPanelWnd::PaintWindow(HDC given) {
  TWinControl* host = Host();
  if (!host || host->ComponentState().Contains(csDestroying)) return;
  if (host->Parent() && host->Parent()->ControlState().Contains(csCreating)) return;
  TTargetDC dc(WindowHandle, given, true);
  if (SkinData->IsUpdating()) return;
  const bool repaint = SkinData->RedrawFlag || SkinData->BackgroundStale || SkinData->CachePixels().Empty();
  if (SkinData->NeedsFullRedraw()) {
    RECT clip{};
    GetClipBox(dc.Handle(), &clip);
    SkinData->RedrawFlag = clip.right - clip.left != host->Width() || clip.bottom - clip.top != host->Height();
  } else {
    SkinData->RedrawFlag = false;
  }
  if (repaint) PrepareCache();
  const int border = EdgeOf(WindowHandle);
  PaintChildrenToDC(host, SkinData, TRect{border, border, host->Width() - border, host->Height() - border}, 0, 0,
                    true, dc.Handle(), TRect{border, border, host->Width() - border, host->Height() - border});
  PaintGraphicChildren(dc.Handle(), host, TPoint{0, 0});
  SendFinishUpdateToChildren(host);
}

void TvxPanelWnd::PrepareCache() {
  TWinControl* host = Host();
  if (!host) return;
  SkinData->PrepareCacheBitmap();
  if (!SkinData->CacheBitmap) return;
  SkinData->CacheBitmap->SetSize(host->Width(), host->Height());
  TCacheInfo parent = EmptyCacheInfo;
  SkinData->GetParentCacheInfo(parent);
  PaintControlSkin(SkinData, parent, false, 0, SkinData->CachePixels(), TPoint{host->Left(), host->Top()},
                   TRect{0, 0, host->Width(), host->Height()}, 0);
  SkinData->BackgroundStale = false;
}

void TvxPanelWnd::PaintFrame(HDC given) {
  GetWindowPosInParent(WindowHandle, Place);
  TTargetDC dc(WindowHandle, given, true);
  SkinData->BackgroundStale = true;
  SendCmdToWindow(WindowHandle, SkinCmdRedrawNow, 0);
  TBitmap* cache = CacheBitmapOf(SkinData);
  const int border = EdgeOf(WindowHandle);
  if (!cache || border <= 0 || SkinData->CachePixels().Empty()) return;
  CopyBorderFrame(dc.Handle(), 0, 0, Place.Width, Place.Height, cache->Canvas()->Handle(), 0, 0, border);
}

// -- TvxDlgPanelWnd --------------------------------------------------------------------------

TvxDlgPanelWnd::TvxDlgPanelWnd(const TvxAdapterArgs& args) : TvxMainWnd(args) {
  Panel = FindControlByHandle(args.Handle, Application);
  const std::string section = DialogPanelSection(Panel != nullptr, Panel ? Panel->ClassName() : std::string());
  if (Panel && section == "CHECKBOX" && args.Manager) Panel->SetColor(args.Manager->GlobalBackColor());
  SkinData->SetSkinSection(section);
}

int TvxDlgPanelWnd::BorderWidth() const { return EdgeOf(WindowHandle); }

void TvxDlgPanelWnd::WndProc(TMessage& m) {
  if (!Hooked()) {
    TvxMainWnd::WndProc(m);
    return;
  }
  if (m.Msg == CommandMessage) {
    if (SkinCmdOf(m.WParam) == SkinCmdNewSkin) BroadcastToHost(SkinData, m);
    TvxMainWnd::WndProc(m);
    return;
  }
  switch (m.Msg) {
    case WM_NCPAINT:
      if (!SkinData->IsSkinned(false)) break;
      PaintFrame(nullptr);
      m.Result = 1;
      return;
    case WM_SETTEXT:
      if (IsWindowVisible(WindowHandle)) SkinData->BackgroundStale = true;
      break;
    case WM_PAINT:
      if (!SkinData->IsSkinned(false) || m.WParam) break;
      {
        TPaintScope paint(WindowHandle);
      }
      return;
    case WM_ERASEBKGND:
      if (!SkinData->IsSkinned(false)) break;
      PaintWithContent(reinterpret_cast<HDC>(m.WParam));
      m.Result = 1;
      return;
    case WM_UPDATEUISTATE:
      m.Result = 1;
      return;
    case WM_PRINT:
      if (!SkinData->IsSkinned(false)) break;
      // The panel's own content belongs to its picture as well.
      PaintWithContent(reinterpret_cast<HDC>(m.WParam));
      PaintFrame(reinterpret_cast<HDC>(m.WParam));
      return;
    default:
      break;
  }
  if (AnswerChildNotice(m)) return;
  TvxMainWnd::WndProc(m);
}

void TvxDlgPanelWnd::PaintWithContent(HDC dc) {
  const int saved = SaveDC(dc);
  struct Restore {
    HDC dc;
    int saved;
    ~Restore() { RestoreDC(dc, saved); }
  } restore{dc, saved};
  PaintWindow(dc);
  // The panel paints its own content six pixels inside the skinned border.
  IntersectClipRect(dc, 6, 6, Place.Width - 6, Place.Height - 6);
  LPARAM none = 0;
  CallOldProc(WindowHandle, WM_PAINT, none, reinterpret_cast<WPARAM>(dc));
}

void TvxDlgPanelWnd::PrepareCache() {
  GetWindowPosInParent(WindowHandle, Place);
  if (!SizeCacheToWindow(SkinData, WindowHandle)) return;
  const TUnderWindow under(WindowHandle, Place, SkinData);
  const TPixelBufferView pixels = SkinData->CachePixels();
  PaintControlSkin(SkinData, under.Info(), false, 0, pixels, TPoint{0, 0}, TRect{0, 0, pixels.Width, pixels.Height},
                   0);
  SkinData->BackgroundStale = false;
}

void TvxDlgPanelWnd::PaintWindow(HDC given) {
  if (!SkinData || !SkinData->IsSkinned(false)) return;
  TTargetDC dc(WindowHandle, given, true);
  if (SkinData->IsUpdating()) return;
  PrepareCache();
  TBitmap* cache = CacheBitmapOf(SkinData);
  if (!cache || SkinData->CachePixels().Empty()) return;
  const int border = BorderWidth();
  BitBlt(dc.Handle(), border, border, Place.Width - 2 * border, Place.Height - 2 * border, cache->Canvas()->Handle(),
         border, border, SRCCOPY);
}

void TvxDlgPanelWnd::PaintFrame(HDC given) {
  const int thickness = BorderWidth() + 6;
  SkinData->BackgroundStale = true;
  PrepareCache();
  TBitmap* cache = CacheBitmapOf(SkinData);
  if (!cache || SkinData->CachePixels().Empty()) return;
  TTargetDC dc(WindowHandle, given, true);
  CopyBorderFrame(dc.Handle(), 0, 0, Place.Width, Place.Height, cache->Canvas()->Handle(), 0, 0, thickness);
}

// -- TvxTransPanelWnd ------------------------------------------------------------------------

void TvxTransPanelWnd::WndProc(TMessage& m) {
  if (!Hooked() || !SkinData || !SkinData->IsSkinned()) {
    TvxMainWnd::WndProc(m);
    return;
  }
  switch (m.Msg) {
    case WM_ERASEBKGND:
      PaintWindow();
      m.Result = 1;
      return;
    case WM_NCPAINT:
      return;
    case WM_PRINT:
      // The skinned background is the nested dialog's own picture.
      PaintWindow(reinterpret_cast<HDC>(m.WParam));
      m.Result = 0;
      return;
    default:
      TvxMainWnd::WndProc(m);
  }
}

void TvxTransPanelWnd::PaintWindow(HDC print) {
  GetWindowPosInParent(WindowHandle, Place);
  TTargetDC dc(WindowHandle, print, true);
  SkinData->BackgroundStale = true;
  SendCmdToWindow(WindowHandle, SkinCmdRedrawNow, 0);
  if (SkinData->CachePixels().Empty()) return;
  const TRect whole{0, 0, Place.Width, Place.Height};
  ClipOutChildWindows(WindowHandle, SkinData, whole, 0, 0, false, dc.Handle(), whole);
}
