#include "skin/windows/tree_view_wnd_win.h"

#include <commctrl.h>

#include "skin/core/skin_manager.h"
#include "skin/windows/adapter_paint_win.h"

TColor TvxTreeViewWnd::Background() const {
  const TsGeneralData* section = SkinData ? SkinData->Section() : nullptr;
  return DialogMode || !section ? clWindow : section->HotColor;
}

void TvxTreeViewWnd::ApplySkinColors() {
  ColorsApplied = true;
  if (!DialogMode) {
    const TsGeneralData* section = SkinData ? SkinData->Section() : nullptr;
    if (!section) return;
    if (TControl* c = Control()) {
      if (c->Font()->Color() != section->HotFontColor[0]) c->Font()->SetColor(section->HotFontColor[0]);
      if (c->Color() == ColorToRGB(section->HotColor)) return;
    }
  }
  if (IsWindow(WindowHandle))
    SendMessageW(WindowHandle, TVM_SETBKCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Background())));
}

void TvxTreeViewWnd::RestoreColors() {
  TvxEditWnd::RestoreColors();
  if (IsWindow(WindowHandle)) SendMessageW(WindowHandle, TVM_SETBKCOLOR, 0, static_cast<LPARAM>(ColorToRGB(clWindow)));
}

void TvxTreeViewWnd::WndProc(TMessage& m) {
  if (!Hooked() || !SkinData || !SkinData->IsSkinned()) {
    TvxEditWnd::WndProc(m);
    return;
  }
  if (m.Msg == WM_ERASEBKGND) {
    m.Result = 0;
    if (SkinData->IsUpdating()) return;
    if (SkinData->BackgroundStale) RefreshControlCache(SkinData, WindowHandle, DialogMode);
    RECT r{};
    GetWindowRect(WindowHandle, &r);
    const TTargetDC dc(WindowHandle, reinterpret_cast<HDC>(m.WParam));
    if (!dc.Handle()) return;
    HBRUSH brush = CreateSolidBrush(ColorToRGB(Background()));
    const RECT fill{0, 0, r.right - r.left, r.bottom - r.top};
    FillRect(dc.Handle(), &fill, brush);
    DeleteObject(brush);
    return;
  }
  TvxEditWnd::WndProc(m);
  if (m.Msg == WM_LBUTTONUP && Hooked() && GetCapture() == WindowHandle) ReleaseCapture();
}
