#include "skin/windows/tree_view_wnd_win.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/forms/window_procedure.h"
#include "platform/graphics/bitmap.h"
#include "skin/core/cache_bitmap_win.h"
#include "skin/core/dc_helpers_win.h"
#include "skin/core/image_painting.h"
#include "skin/core/section_painting.h"
#include "skin/core/skin_manager.h"
#include "skin/core/skin_text_win.h"
#include "skin/windows/adapter_paint_win.h"
#include "skin/windows/button_adapter_rules.h"

namespace {

bool Visible(HWND w) { return IsWindowVisible(w) != FALSE; }

void HeaderDrawThunk(void* data, TObject*, TvxHeaderPaintInfo& info, int elements) {
  static_cast<TvxVirtualTreeViewWnd*>(data)->DrawHeader(info, elements);
}

void HeaderQueryThunk(void*, TObject*, TvxHeaderPaintInfo&, int& elements) {
  elements = VirtualTreeHeaderElements;
}

void CopyCanvasRect(HDC target, int x, int y, int w, int h, HDC source, int sx, int sy) {
  GdiFlush();
  BitBlt(target, x, y, w, h, source, sx, sy, SRCCOPY);
}

}  // namespace

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

// -- TvxVirtualTreeViewWnd ------------------------------------------------------------------------

TvxVirtualTreeViewWnd::TvxVirtualTreeViewWnd(const TvxAdapterArgs& args) : TvxEditWnd(args) {}

TvxVirtualTreeViewWnd::~TvxVirtualTreeViewWnd() {
  auto* tree = dynamic_cast<TComponent*>(Tree());
  if (!tree || tree->ComponentState().Contains(csDestroying)) return;
  if (GetMethodProp(tree, "OnAdvancedHeaderDraw") == HeaderDrawHandler()) ClearMethodProp(tree, "OnAdvancedHeaderDraw");
  if (GetMethodProp(tree, "OnHeaderDrawQueryElements") == QueryHandler())
    ClearMethodProp(tree, "OnHeaderDrawQueryElements");
}

TMethodRef TvxVirtualTreeViewWnd::HeaderDrawHandler() const {
  return TMethodRef{reinterpret_cast<const void*>(&HeaderDrawThunk), const_cast<TvxVirtualTreeViewWnd*>(this)};
}

TMethodRef TvxVirtualTreeViewWnd::QueryHandler() const {
  return TMethodRef{reinterpret_cast<const void*>(&HeaderQueryThunk), const_cast<TvxVirtualTreeViewWnd*>(this)};
}

void TvxVirtualTreeViewWnd::SaveColors() {
  TvxEditWnd::SaveColors();
  SaveVirtualTreeColors(Tree(), State);
}

void TvxVirtualTreeViewWnd::ApplySkinColors() {
  TvxEditWnd::ApplySkinColors();
  const TsGeneralData* section = SkinData ? SkinData->Section() : nullptr;
  if (section) ApplyVirtualTreeColors(Tree(), section->HotFontColor[0], HeaderDrawHandler(), QueryHandler(), State);
}

void TvxVirtualTreeViewWnd::RestoreColors() {
  TvxEditWnd::RestoreColors();
  RestoreVirtualTreeColors(Tree(), HeaderDrawHandler(), QueryHandler(), State);
}

void TvxVirtualTreeViewWnd::DrawHeader(TvxHeaderPaintInfo& info, int elements) {
  TsSkinManager* manager = Manager();
  if (Busy || !SkinData || !SkinData->IsSkinned() || !manager || !info.TargetCanvas) return;
  const TRect r = info.PaintRectangle;
  HDC target = info.TargetCanvas->Handle();
  if (!info.Column) {
    if (const TsGeneralData* section = SkinData->Section()) {
      info.TargetCanvas->Brush()->SetColor(section->Color);
      info.TargetCanvas->FillRect(r);
    }
    return;
  }
  const int w = r.Width(), h = r.Height();
  if (w <= 0 || h <= 0) return;
  std::string sectionName;
  const int section = ColumnHeaderSection(manager, sectionName);
  const int state = info.IsDownIndex ? 2 : info.IsHoverIndex ? 1 : 0;
  TBitmap bitmap(w, h);
  const TPixelBufferView pixels = bitmap.PixelView();
  HDC dc = bitmap.Canvas()->Handle();
  if (elements & HeaderElementBackground) {
    const TPixelBufferView cache = SkinData->CachePixels();
    PaintSection(section, sectionName, cache.Empty() ? EmptyCacheInfo : MakeCacheInfo(cache, r.Left, r.Top), -1, -1,
                 manager, pixels, TPoint{}, TRect{0, 0, w, h}, state, true);
    CopyCanvasRect(target, r.Left, r.Top, w, h, dc, 0, 0);
  }
  if (!(elements & ~HeaderElementBackground)) return;
  CopyCanvasRect(dc, 0, 0, w, h, target, r.Left, r.Top);
  const auto local = [&](const TRect& t) {
    return TRect{t.Left - r.Left, t.Top - r.Top, t.Right - r.Left, t.Bottom - r.Top};
  };
  const std::string text = GetStrPropByName(info.Column, "Text");
  TCanvas* canvas = bitmap.Canvas();
  canvas->Font()->Assign(info.TargetCanvas->Font());
  if (elements & HeaderElementText)
    DrawSectionText(canvas, text, true, manager, state != 0, section, 0, local(info.TextRectangle));
  if ((elements & HeaderElementSortGlyph) && info.ShowSortGlyph) {
    const int direction = GetOrdPropByName(GetObjectPropByName(Tree(), "Header"), "SortDirection");
    const int glyph = manager->CommonIndexCache.ScrollBtnGlyph[direction != 0 ? 0 : 1];
    if (manager->IsValidMaskIndex(glyph)) {
      const TsMaskData& item = manager->MaskItems[static_cast<size_t>(glyph)];
      const TSize frame = ItemFrameSize(item);
      GdiFlush();
      PaintMaskGlyph(pixels, TPoint{info.SortGlyphPos.X - r.Left, (h - frame.cy) / 2},
                     std::min<int>(state, std::max<int>(1, item.ImageCount) - 1), item, 1);
    }
  }
  if (elements & HeaderElementDropMark)
    DrawSectionText(canvas, text, true, manager, state != 0, section, DT_SINGLELINE | DT_VCENTER,
                    local(info.TextRectangle));
  CopyCanvasRect(target, r.Left, r.Top, w, h, dc, 0, 0);
}

void TvxVirtualTreeViewWnd::PrintTree(TMessage& m) {
  HDC dc = reinterpret_cast<HDC>(m.WParam);
  SkinData->Updating = false;
  if (SkinData->BackgroundStale) {
    ApplySkinColors();
    RefreshControlCache(SkinData, WindowHandle, DialogMode);
  }
  TObject* header = GetObjectPropByName(Tree(), "Header");
  int headerHeight = 0;
  if (SetPropHasElement(header, "Options", "hoVisible")) headerHeight = std::max(0, GetOrdPropByName(header, "Height"));
  const int saved = SaveDC(dc);
  brsm::MoveWindowOrg(dc, LeftEdge, LeftEdge + headerHeight);
  LPARAM flags = PRF_CLIENT;
  CallOldProc(WindowHandle, WM_PRINTCLIENT, flags, m.WParam);
  RestoreDC(dc, saved);
  CallOldProc(m);
  PrepareCache();
  PaintFrame(dc, LeftEdge);
}

void TvxVirtualTreeViewWnd::WndProc(TMessage& m) {
  if (!Hooked() || !SkinData || !SkinData->IsSkinned()) {
    TvxEditWnd::WndProc(m);
    return;
  }
  switch (m.Msg) {
    case WM_ERASEBKGND:
      m.Result = 1;
      return;
    case WM_NCPAINT:
      if (!Visible(WindowHandle)) break;
      try {
        GetWindowPosInParent(WindowHandle, Place);
        if (SkinData->IsUpdating()) return;
        PrepareCache();
        HDC dc = GetWindowDC(WindowHandle);
        if (!dc) return;
        TBitmap* cache = CacheBitmapOf(SkinData);
        if (cache && LeftEdge > 0 && !SkinData->CachePixels().Empty())
          CopyBorderFrame(dc, 0, 0, cache->Width(), cache->Height(), cache->Canvas()->Handle(), 0, 0, LeftEdge);
        LPARAM flags = PRF_NONCLIENT;
        CallOldProc(WindowHandle, WM_PRINT, flags, reinterpret_cast<WPARAM>(dc));
        PaintScrollBars(dc);
        ReleaseDC(WindowHandle, dc);
      } catch (...) {
        // A frame that cannot be painted is left as it is.
      }
      m.Result = 0;
      return;
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (LOWORD(m.WParam) == SB_THUMBTRACK) {
        const int bar = m.Msg == WM_HSCROLL ? SB_HORZ : SB_VERT;
        SCROLLINFO si{};
        si.cbSize = sizeof si;
        si.fMask = SIF_ALL;
        if (GetScrollInfo(WindowHandle, bar, &si)) {
          si.nPos = si.nTrackPos;
          SetScrollInfo(WindowHandle, bar, &si, FALSE);
        }
      }
      break;
    case WM_PRINT:
      if (m.WParam) {
        PrintTree(m);
        return;
      }
      break;
    default:
      break;
  }
  TvxEditWnd::WndProc(m);
}
