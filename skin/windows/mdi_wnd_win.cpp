// The adapter of a skinned MDI form's client window: its background and
// frame ring come from the form's cache, its bars from the skin.
#include <windows.h>

#include "platform/forms/forms.h"
#include "skin/core/cache_bitmap_win.h"
#include "skin/core/common_data_win.h"
#include "skin/core/control_model_win.h"
#include "skin/core/control_utils_win.h"
#include "skin/core/dc_helpers_win.h"
#include "skin/windows/base_wnd_win.h"

namespace {

constexpr UINT kMdiRefreshMenu = WM_MDIREFRESHMENU;
constexpr UINT kMessage63 = 63;

TCustomForm* FormOfProvider(TPersistent* provider) {
  TsProviderLink* link = ProviderLink();
  if (!provider || !link || !link->IsProvider(provider)) return nullptr;
  return dynamic_cast<TCustomForm*>(FindControl(link->FormWindow(provider)));
}

}  // namespace

TvxMDIWnd::TvxMDIWnd(const TvxAdapterArgs& args) : TvxBaseWnd(args) {
  FormSkinData = args.SkinData;
  Provider = FormSkinData ? FormSkinData->HostObject : nullptr;
  Form = FormOfProvider(Provider);
}

TvxMDIWnd::~TvxMDIWnd() {
  // The form's record and provider belong to the provider.
  FormSkinData = nullptr;
  Provider = nullptr;
  Form = nullptr;
}

bool TvxMDIWnd::ChildMaximized() const {
  TForm* child = Form ? Form->ActiveMDIChild() : nullptr;
  return child && child->WindowState() == wsMaximized;
}

TPoint TvxMDIWnd::CacheOffset() const {
  if (!Form || !Form->HandleAllocated()) return {0, 0};
  RECT form{}, client{};
  GetWindowRect(Form->Handle(), &form);
  GetWindowRect(WindowHandle, &client);
  return {client.left - form.left, client.top - form.top};
}

void TvxMDIWnd::PaintClientBackground(HDC dc, bool print) {
  if (!Form || !FormSkinData) return;
  const TPoint at = CacheOffset();
  RECT client{};
  GetClientRect(WindowHandle, &client);
  const int left = SumAlignedSizes(Form, alLeft, true);
  const int top = SumAlignedSizes(Form, alTop, true);
  // The client window's frame moves the normal variant by 2 pixels.
  const int dx = print ? 0 : -2;
  const TRect source{at.X, at.Y, at.X + client.right + 4, at.Y + client.bottom + 4};
  PaintChildrenToDC(Form, FormSkinData, source, top + dx, left + dx, false, dc,
                    TRect{0, 0, client.right, client.bottom});
  PaintGraphicChildren(dc, Form, TPoint{-at.X + dx, -at.Y + dx});
}

void TvxMDIWnd::WndProc(TMessage& m) {
  const bool skinned = FormSkinData && FormSkinData->IsSkinned() && Hooked();
  if (m.Msg == CommandMessage && SkinCmdOf(m.WParam) == SkinCmdQueryCache && Form) {
    SendCmdToControl(Form, SkinCmdQueryCache, m.LParam);
    return;
  }
  if (skinned) {
    switch (m.Msg) {
      case WM_PAINT: {
        if (ChildMaximized()) break;
        PAINTSTRUCT ps;
        HDC painted = BeginPaint(WindowHandle, &ps);
        HDC dc = m.WParam ? reinterpret_cast<HDC>(m.WParam) : painted;
        PaintClientBackground(dc, false);
        EndPaint(WindowHandle, &ps);
        m.Result = 0;
        return;
      }
      case WM_ERASEBKGND:
        if (!m.WParam) break;
        if (!ChildMaximized()) PaintClientBackground(reinterpret_cast<HDC>(m.WParam), false);
        m.Result = 1;
        return;
      case WM_NCPAINT: {
        if (ChildMaximized()) return;
        HDC dc = GetWindowDC(WindowHandle);
        if (!dc) return;
        TBitmap* cache = CacheBitmapOf(FormSkinData);
        RECT r{};
        GetWindowRect(WindowHandle, &r);
        const TPoint at = CacheOffset();
        if (cache) CopyBorderFrame(dc, 0, 0, r.right - r.left, r.bottom - r.top, cache->Canvas()->Handle(), at.X, at.Y, 2);
        PaintScrollBars(dc);
        ReleaseDC(WindowHandle, dc);
        return;
      }
      case WM_PRINT:
        m.Result = 0;
        if (!m.WParam || ChildMaximized()) return;
        PaintScrollBars(reinterpret_cast<HDC>(m.WParam));
        PaintClientBackground(reinterpret_cast<HDC>(m.WParam), true);
        return;
      default:
        break;
    }
  }
  TvxBaseWnd::WndProc(m);
  if (!Hooked()) return;
  if (m.Msg == CommandMessage) {
    const uint16_t code = SkinCmdOf(m.WParam);
    if (code == SkinCmdBeforeScroll) {
      SendMessageW(WindowHandle, WM_SETREDRAW, 0, 0);
    } else if (code == SkinCmdAfterScroll) {
      SendMessageW(WindowHandle, WM_SETREDRAW, 1, 0);
      if (LOWORD(m.LParam) != 5) {
        RedrawWindow(WindowHandle, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
        RefreshScrollInfo(false);
        ReleaseCapture();
      }
    }
  } else if (m.Msg == kMessage63 || m.Msg == WM_PARENTNOTIFY) {
    const LONG style = GetWindowLongW(WindowHandle, GWL_STYLE);
    if (VertBar) VertBar->Visible = (style & WS_VSCROLL) != 0;
    if (HorzBar) HorzBar->Visible = (style & WS_HSCROLL) != 0;
    RefreshScrollInfo(true);
  } else if (m.Msg == kMdiRefreshMenu && Form && Form->HandleAllocated()) {
    // The form's frame (and its menu line) is the provider's to repaint.
    RedrawWindow(Form->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
  }
}
