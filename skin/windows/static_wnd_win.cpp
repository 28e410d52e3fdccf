#include "skin/windows/static_wnd_win.h"

#include "skin/core/cache_bitmap_win.h"
#include "skin/core/control_utils_win.h"
#include "skin/core/skin_text_win.h"
#include "skin/windows/adapter_paint_win.h"
#include "skin/windows/panel_adapter_rules.h"

namespace {

constexpr UINT kRedrawNow = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;

}  // namespace

bool TvxStaticWnd::LeftAlone() const {
  return (GetWindowLongW(WindowHandle, GWL_STYLE) & WS_TABSTOP) ||
         (GetWindowLongW(WindowHandle, GWL_EXSTYLE) & WS_EX_STATICEDGE);
}

void TvxStaticWnd::WndProc(TMessage& m) {
  if (m.Msg == WM_DESTROY || m.Msg == WM_NCDESTROY || !Hooked() || !SkinData || !SkinData->IsSkinned()) {
    TvxMainWnd::WndProc(m);
    return;
  }
  if (LeftAlone()) {
    CallOldProc(m);
    return;
  }
  switch (m.Msg) {
    case WM_MOVE:
      SkinData->BackgroundStale = true;
      CallOldProc(m);
      RedrawWindow(WindowHandle, nullptr, nullptr, kRedrawNow);
      return;
    case WM_SETTEXT:
      // The system draws the new text straight away, in its own look.
      SkinData->BackgroundStale = true;
      TvxMainWnd::WndProc(m);
      if (IsWindowVisible(WindowHandle)) RedrawWindow(WindowHandle, nullptr, nullptr, kRedrawNow);
      return;
    case WM_PAINT:
      // A DC in WParam comes from WM_PRINT: the look goes into it.
      if (m.WParam) {
        PaintStatic(reinterpret_cast<HDC>(m.WParam));
      } else {
        TPaintScope paint(WindowHandle);
      }
      m.Result = 0;
      return;
    case WM_ERASEBKGND:
      if (!IsWindowVisible(WindowHandle)) break;
      PaintStatic(reinterpret_cast<HDC>(m.WParam));
      m.Result = 1;
      return;
    case WM_NCPAINT:
      CallOldProc(m);
      return;
    default:
      break;
  }
  TvxMainWnd::WndProc(m);
}

void TvxStaticWnd::PaintStatic(HDC given) {
  GetWindowPosInParent(WindowHandle, Place);
  TTargetDC dc(WindowHandle, given);
  SkinData->BackgroundStale = true;
  if (!SizeCacheToWindow(SkinData, WindowHandle)) return;
  SkinData->BackgroundStale = true;
  SendCmdToWindow(WindowHandle, SkinCmdRedrawNow, 0);
  PaintContent();
  TBitmap* cache = CacheBitmapOf(SkinData);
  if (!cache) return;
  BitBlt(dc.Handle(), 0, 0, cache->Width(), cache->Height(), cache->Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TvxStaticWnd::PaintText(const std::string& text) {
  TBitmap* cache = CacheBitmapOf(SkinData);
  if (!cache || text.empty()) return;
  TCanvas* canvas = cache->Canvas();
  canvas->Brush()->SetStyle(bsClear);
  AssignMessageFont(canvas);
  DrawControlText(canvas, text, IsWindowEnabled(WindowHandle) != FALSE, false, SkinData,
                  DT_WORDBREAK | DT_EXPANDTABS | DT_NOCLIP, TRect{0, 0, Place.Width + 4, Place.Height});
}

void TvxStaticWnd::PaintContent() { PaintText(ReadWindowText(WindowHandle)); }

void TvxLinkWnd::PaintContent() { PaintText(StripLinkTags(ReadWindowText(WindowHandle))); }

void TvxIconWnd::PaintContent() {
  TBitmap* cache = CacheBitmapOf(SkinData);
  if (!cache) return;
  HDC dc = cache->Canvas()->Handle();
  if ((GetWindowLongW(WindowHandle, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP) {
    // A picture static keeps its bitmap: STM_GETICON has nothing for it.
    auto picture = reinterpret_cast<HBITMAP>(SendMessageW(WindowHandle, STM_GETIMAGE, IMAGE_BITMAP, 0));
    BITMAP info{};
    if (!picture || !GetObjectW(picture, sizeof(info), &info)) return;
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, picture);
    BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, source, 0, 0, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
    return;
  }
  auto icon = reinterpret_cast<HICON>(SendMessageW(WindowHandle, STM_GETICON, 0, 0));
  if (!icon) icon = reinterpret_cast<HICON>(SendMessageW(WindowHandle, STM_GETIMAGE, IMAGE_ICON, 0));
  if (icon) DrawIconEx(dc, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL);
}
