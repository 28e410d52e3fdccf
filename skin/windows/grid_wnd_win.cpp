#include "skin/windows/grid_wnd_win.h"

#include "platform/forms/window_procedure.h"
#include "skin/core/skin_manager.h"

namespace {

bool Visible(HWND w) { return IsWindowVisible(w) != FALSE; }

// The bar's position becomes the thumb's, the grid reading it as it scrolls
// its data set.
void SetVertPosition(HWND window, int code) {
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_ALL;
  if (!GetScrollInfo(window, SB_VERT, &si)) return;
  si.nPos = code == SB_THUMBPOSITION ? si.nTrackPos + 1 : si.nTrackPos;
  SetScrollInfo(window, SB_VERT, &si, FALSE);
}

}  // namespace

TObject* TvxGridWnd::Grid() const { return SkinData ? SkinData->HostControl : nullptr; }

void TvxGridWnd::SaveColors() {
  TvxEditWnd::SaveColors();
  Saved = SaveGridColors(Grid());
}

void TvxGridWnd::ApplySkinColors() {
  TvxEditWnd::ApplySkinColors();
  TsSkinManager* manager = Manager();
  const TsGeneralData* section = SkinData ? SkinData->Section() : nullptr;
  if (!manager || !section || !Grid()) return;
  TvxGridSkinColors c;
  c.GlobalBack = manager->GlobalBackColor();
  c.GlobalText = manager->GlobalTextColor();
  c.SectionColor = section->Color;
  c.HotFontColor = section->HotFontColor[0];
  c.FontColor = section->FontColor[0];
  const int info = manager->LookupSection("GLOBALINFO");
  c.GlobalInfoColor = manager->IsValidSectionIndex(info) ? manager->SectionItems[static_cast<size_t>(info)].Color
                                                         : manager->GlobalBackColor();
  ApplyGridColors(Grid(), c);
}

void TvxGridWnd::RestoreColors() {
  auto* control = dynamic_cast<TComponent*>(Grid());
  if (control && control->ComponentState().Contains(csDestroying)) return;
  TvxEditWnd::RestoreColors();
  RestoreGridColors(Grid(), Saved, SavedColor, SavedFontColor);
}

void TvxGridWnd::WndProc(TMessage& m) {
  if (!Hooked() || !SkinData || !SkinData->IsSkinned()) {
    TvxEditWnd::WndProc(m);
    return;
  }
  switch (m.Msg) {
    case WM_ERASEBKGND:
      m.Result = 1;
      return;
    case WM_NCPAINT:
      if (Visible(WindowHandle)) SkinData->Updating = false;
      break;
    case WM_VSCROLL: {
      const int code = LOWORD(m.WParam);
      if ((code == SB_THUMBPOSITION || code == SB_THUMBTRACK) && HasPublishedProp(Grid(), "DataSource"))
        SetVertPosition(WindowHandle, code);
      break;
    }
    case WM_PRINT: {
      TvxEditWnd::WndProc(m);
      HDC dc = reinterpret_cast<HDC>(m.WParam);
      if (!dc || !Hooked()) return;
      RECT client{};
      GetClientRect(WindowHandle, &client);
      const int saved = SaveDC(dc);
      brsm::MoveWindowOrg(dc, LeftEdge, LeftEdge);
      IntersectClipRect(dc, 0, 0, client.right, client.bottom);
      SendMessageW(WindowHandle, WM_PAINT, m.WParam, 0);
      RestoreDC(dc, saved);
      return;
    }
    default:
      break;
  }
  TvxEditWnd::WndProc(m);
  if (!Hooked()) return;
  if (m.Msg == WM_PAINT)
    RefreshScrollInfo(true);
  else if (m.Msg == WM_WINDOWPOSCHANGED && Visible(WindowHandle))
    SendMessageW(WindowHandle, WM_NCPAINT, 0, 0);
}
