#include "skin/windows/mnu_wnd_win.h"

#include <algorithm>

#include "platform/forms/forms.h"
#include "skin/core/cache_bitmap_win.h"
#include "skin/core/dc_helpers_win.h"
#include "skin/core/skin_commands.h"
#include "skin/core/skin_hook_win.h"
#include "skin/core/skin_manager.h"
#include "skin/windows/adapter_chain_win.h"
#include "skin/windows/adapter_paint_win.h"
#include "skin/windows/skinable_menus_win.h"

void TvxMnuWnd::PrepareCache() {
  GetWindowPosInParent(WindowHandle, Place);
  if (!SkinData->BackgroundStale && !SkinData->CachePixels().Empty()) return;
  if (SizeCacheToWindow(SkinData, WindowHandle)) {
    const TPixelBufferView pixels = SkinData->CachePixels();
    PaintControlSkin(SkinData, EmptyCacheInfo, true, 0, pixels, Place.Position,
                     TRect{0, 0, pixels.Width, pixels.Height}, 0);
    PaintAdapterCorners(SkinData, 0, this);
  }
  SkinData->BackgroundStale = false;
}

void TvxMnuWnd::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_DESTROY:
    case WM_NCDESTROY: {
      Shaped = false;
      if (!Hooked()) {
        CallOldProc(m);
        return;
      }
      // The adapter goes now: the list forgets it, the hook comes out and
      // only then does the window's own procedure see the message.
      auto& list = PopupMenuWndList();
      list.erase(std::remove(list.begin(), list.end(), static_cast<TObject*>(this)), list.end());
      HWND window = WindowHandle;
      const adapter_chain::Below below = adapter_chain::Find(window, this);
      WNDPROC own = PrevWndProc;
      TvxMainWnd* self = this;
      UninstallWnd(window, true, false, self);
      // Nothing of the adapter is touched from here on.
      if (below.Found) m.Result = adapter_chain::Call(below, window, m.Msg, m.WParam, m.LParam);
      else if (own) m.Result = CallWindowProcW(own, window, m.Msg, m.WParam, m.LParam);
      EndPopup();
      return;
    }
    case WM_ERASEBKGND:
    case WM_NCPAINT:
      // A skin without "MAINMENU" leaves the menu's frame to the system.
      if (!PopupMenuInUse || !SkinData || !SkinData->SkinManager() || !SkinData->IsSkinned()) break;
      if (m.Msg == WM_ERASEBKGND) {
        PrepareCache();
        TBitmap* cache = CacheBitmapOf(SkinData);
        if (cache && !cache->Empty()) {
          GdiFlush();
          TTargetDC dc(WindowHandle, reinterpret_cast<HDC>(m.WParam), true);
          BitBlt(dc.Handle(), 0, 0, cache->Width(), cache->Height(), cache->Canvas()->Handle(), 3, 3, SRCCOPY);
        }
        Shaped = false;
        m.Result = 1;
        return;
      }
      if (SkinData->SkinManager()->SkinableMenus()) {
        GetWindowPosInParent(WindowHandle, Place);
        TBitmap* source = PopupMenuBitmap;
        if (!source || source->Width() != Place.Width - 6 || source->Height() != Place.Height) {
          PrepareCache();
          source = CacheBitmapOf(SkinData);
        }
        if (source && !source->Empty()) {
          GdiFlush();
          TTargetDC dc(WindowHandle, nullptr, true);
          CopyBorderFrame(dc.Handle(), 0, 0, Place.Width, Place.Height, source->Canvas()->Handle(), 0, 0, 3);
        }
        m.Result = 0;
        return;
      }
      break;
    default: break;
  }
  if (m.Msg == CommandMessage) {
    switch (SkinCmdOf(m.WParam)) {
      case SkinCmdQuerySkinned:
        m.LParam = 1;
        m.Result = 1;
        return;
      case SkinCmdSetUpdating:
        m.LParam = Shaped ? 1 : 0;
        m.Result = m.LParam;
        return;
      case SkinCmdMenuNotify:
        if (IsWindowVisible(WindowHandle)) Shaped = true;
        return;
      case SkinCmdQueryApplication:
        m.Result = reinterpret_cast<LRESULT>(Application);
        return;
      default:
        // No other command is answered nor passed on.
        return;
    }
  }
  TvxScrollWnd::WndProc(m);
}
