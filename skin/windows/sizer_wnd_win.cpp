#include "skin/windows/bar_wnd_win.h"

#include <memory>

#include "skin/core/cache_bitmap_win.h"
#include "skin/core/control_utils_win.h"
#include "skin/core/skin_manager.h"
#include "skin/windows/adapter_paint_win.h"
#include "skin/windows/bar_adapter_rules.h"

void TvxSizerWnd::WndProc(TMessage& m) {
  // A plain scroll bar is a real one: it keeps all its own behaviour.
  const bool grip = IsSizeGripStyle(static_cast<uint32_t>(GetWindowLongW(WindowHandle, GWL_STYLE)));
  if (m.Msg == WM_DESTROY || m.Msg == WM_NCDESTROY || !Hooked() || !SkinData || !SkinData->IsSkinned()) {
    TvxMainWnd::WndProc(m);
    return;
  }
  if (!grip) {
    CallOldProc(m);
    return;
  }
  if (AnswerPaintMessages(m, [this](HDC dc) { PaintWindow(dc); })) return;
  switch (m.Msg) {
    case WM_NCLBUTTONDOWN:
      // A child has no sizing frame of its own: the parent is sized.
      if (m.WParam == HTBOTTOMRIGHT) {
        if (HWND parent = GetParent(WindowHandle))
          SendMessageW(parent, WM_SYSCOMMAND, SC_SIZE | WMSZ_BOTTOMRIGHT, m.LParam);
        m.Result = 0;
        return;
      }
      break;
    default:
      break;
  }
  TvxMainWnd::WndProc(m);
  if (m.Msg == WM_NCHITTEST) {
    if (DefaultManager && IsWindowEnabled(WindowHandle)) DefaultManager->SetHotControl(0);
    m.Result = HTBOTTOMRIGHT;
  }
}

void TvxSizerWnd::PaintWindow(HDC given) {
  std::unique_ptr<TPaintScope> paint;
  if (!given) paint = std::make_unique<TPaintScope>(WindowHandle);
  TTargetDC dc(WindowHandle, given);
  SkinData->BackgroundStale = true;
  SendCmdToWindow(WindowHandle, SkinCmdRedrawNow, 0);
  TBitmap* cache = CacheBitmapOf(SkinData);
  if (!cache || SkinData->CachePixels().Empty()) return;
  BitBlt(dc.Handle(), 0, 0, cache->Width(), cache->Height(), cache->Canvas()->Handle(), 0, 0, SRCCOPY);
}
