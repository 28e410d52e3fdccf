// The adapter of a combo box's drop-down (or simple) list window.
#include <windows.h>

#include <memory>

#include "platform/graphics/canvas.h"
#include "skin/core/bitmap_create_win.h"
#include "skin/core/pixel_copy.h"

#include "skin/core/cache_bitmap_win.h"
#include "skin/core/control_utils_win.h"
#include "skin/core/dc_helpers_win.h"
#include "skin/windows/base_wnd_win.h"
#include "skin/windows/scroll_tracking.h"

namespace {

constexpr UINT kStartTracking = 0x1AE;
constexpr UINT kEndTracking = 0x1AF;

TvxAdapterArgs ThemedOnlyWhenRepainted(TvxAdapterArgs args) {
  args.ThemeOff = args.Repaint;
  return args;
}

}  // namespace

// The record is the list's own unless the caller lends one; the root frees
// an own record once, a lent one never.
TvxComboListWnd::TvxComboListWnd(const TvxAdapterArgs& args) : TvxEditWnd(ThemedOnlyWhenRepainted(args)) {}

void TvxComboListWnd::PrepareListCache() {
  if (SimpleBox) {
    SendCmdToWindow(WindowHandle, SkinCmdRedrawNow, 0);
    return;
  }
  SkinData->RefreshSkinIndexes();
  ApplySkinColors();
  if (SizeCacheToWindow(SkinData, WindowHandle)) FillFramed(SkinData->CachePixels(), BackgroundColor, FrameColor);
  // Over the plain fill the list wears its section's border, as its combo
  // box does; in dialog mode the plain frame stays.
  PaintBorderItem();
  SkinData->BackgroundStale = false;
}

void TvxComboListWnd::PaintBelowSimpleList() {
  HWND combo = GetParent(WindowHandle);
  HWND host = combo ? GetParent(combo) : nullptr;
  if (!host) return;
  ParentCacheInfo.Ready = false;
  SendCmdToWindow(host, SkinCmdQueryCache, 0);
  const TCacheInfo cache = ParentCacheInfo;
  if (!cache.Ready || cache.Bmp.Empty()) return;
  RECT list{}, box{};
  GetWindowRect(WindowHandle, &list);
  GetWindowRect(combo, &box);
  MapWindowPoints(nullptr, host, reinterpret_cast<POINT*>(&list), 2);
  MapWindowPoints(nullptr, host, reinterpret_cast<POINT*>(&box), 2);
  if (box.bottom <= list.bottom) return;
  HDC dc = GetDC(host);
  if (!dc) return;
  // The parent's cache under the list, down to the combo box's bottom.
  const int w = box.right - box.left, h = box.bottom - list.bottom;
  std::unique_ptr<TBitmap> below(CreateBitmap24(w, h));
  GdiFlush();
  CopyPixels(below->PixelView(), 0, 0, cache.Bmp,
             TRect{cache.X + box.left, cache.Y + list.bottom, cache.X + box.right, cache.Y + box.bottom});
  BitBlt(dc, box.left, list.bottom, w, h, below->Canvas()->Handle(), 0, 0, SRCCOPY);
  ReleaseDC(host, dc);
}

void TvxComboListWnd::WndProc(TMessage& m) {
  if (!Hooked() || !SkinData || !SkinData->IsSkinned()) {
    TvxEditWnd::WndProc(m);
    return;
  }
  switch (m.Msg) {
    case WM_ERASEBKGND:
    case WM_HSCROLL:
    case WM_VSCROLL:
      CallOldProc(m);
      return;
    case WM_NCCALCSIZE:
      TvxScrollWnd::WndProc(m);
      return;
    case WM_NCPAINT: {
      if (Busy) return;
      GetWindowPosInParent(WindowHandle, Place);
      PrepareListCache();
      HDC dc = GetWindowDC(WindowHandle);
      if (dc) {
        PaintFrame(dc, 2);
        ReleaseDC(WindowHandle, dc);
      }
      if (SimpleBox) PaintBelowSimpleList();
      m.Result = 0;
      return;
    }
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
    case WM_LBUTTONUP: {
      const bool up = m.Msg == WM_LBUTTONUP;
      TvxScrollTracking& t = ScrollTracking();
      if (up) {
        if (t.Window == reinterpret_cast<uintptr_t>(WindowHandle) && t.Pressed()) {
          // The list keeps the capture for itself while it is dropped down.
          ReleaseScrollPress(t.Window, SkinData->HostControl || ListShown);
          PaintScrollBars(nullptr);
        } else {
          CallOldProc(m);
        }
        if (SimpleBox) ReleaseCapture();
        return;
      }
      TvxScrollWnd::WndProc(m);
      return;
    }
    case kStartTracking:
      ListShown = true;
      break;
    case kEndTracking:
      ListShown = false;
      SkinData->BackgroundStale = true;
      break;
    case WM_PRINT:
    case WM_PRINTCLIENT:
      if (m.WParam && IsWindowVisible(WindowHandle)) {
        PrepareListCache();
        CallOldProc(m);
        if (m.Msg == WM_PRINT && SendMessageW(WindowHandle, LB_GETCOUNT, 0, 0) > 0) {
          HDC dc = reinterpret_cast<HDC>(m.WParam);
          TBitmap* cache = CacheBitmapOf(SkinData);
          if (cache && !ScrollTracking().Pressed() && !ListShown)
            CopyBorderFrame(dc, 0, 0, cache->Width(), cache->Height(), cache->Canvas()->Handle(), 0, 0, 3);
          PaintScrollBars(dc);
        }
        return;
      }
      break;
    default:
      break;
  }
  TvxEditWnd::WndProc(m);
  if (m.Msg == WM_WINDOWPOSCHANGED && Hooked()) RefreshScrollInfo(true);
}
