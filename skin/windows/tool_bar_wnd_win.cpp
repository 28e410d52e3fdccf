#include "skin/windows/bar_wnd_win.h"

#include <commctrl.h>

#include <memory>
#include <string>

#include "platform/rtl/text1251.h"
#include "skin/core/bitmap_create_win.h"
#include "skin/core/blending.h"
#include "skin/core/cache_bitmap_win.h"
#include "skin/core/control_utils_win.h"
#include "skin/core/dc_helpers_win.h"
#include "skin/core/image_painting.h"
#include "skin/core/section_painting.h"
#include "skin/core/skin_manager.h"
#include "skin/core/skin_text_win.h"
#include "skin/windows/adapter_paint_win.h"
#include "skin/windows/bar_adapter_rules.h"
#include "skin/windows/button_adapter_rules.h"

void TvxToolBarWnd::WndProc(TMessage& m) {
  if (!Hooked() || !SkinData || !SkinData->IsSkinned()) {
    TvxMainWnd::WndProc(m);
    return;
  }
  switch (m.Msg) {
    case WM_NCPAINT:
      PaintFrame();
      return;
    case WM_PRINT: {
      // As the screen shows it: the edge ring, and the client inside it.
      HDC dc = reinterpret_cast<HDC>(m.WParam);
      if (m.LParam & PRF_NONCLIENT) PaintFrame(dc);
      if (m.LParam & PRF_CLIENT) PaintWindow(dc, true);
      m.Result = 0;
      return;
    }
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
      SkinData->BackgroundStale = true;
      break;
    default:
      break;
  }
  if (AnswerPaintMessages(m, [this](HDC dc) { PaintWindow(dc); })) return;
  if (m.Msg == CommandMessage && SkinCmdOf(m.WParam) == SkinCmdFinishUpdate && SkinData->IsUpdating()) {
    SkinData->MarkUpdating(false);
    RedrawWindow(WindowHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    return;
  }
  TvxMainWnd::WndProc(m);
  if (!Hooked()) return;
  if (m.Msg == WM_SIZE || m.Msg == WM_WINDOWPOSCHANGED) SendMessageW(WindowHandle, WM_NCPAINT, 0, 0);
}

bool TvxToolBarWnd::HoldsPainting() {
  HWND parent = GetParent(WindowHandle);
  SkinData->MarkUpdating((parent && WindowAnswersCmd(parent, SkinCmdQueryUpdating)) || SkinData->IsUpdating());
  return SkinData->IsUpdating();
}

void TvxToolBarWnd::PrepareCache() {
  GetWindowPosInParent(WindowHandle, Place);
  if (!SkinData->BackgroundStale && !SkinData->CachePixels().Empty()) return;
  RECT client{};
  GetClientRect(WindowHandle, &client);
  ClientArea = TRect{client.left, client.top, client.right, client.bottom};
  if (SizeCacheToWindow(SkinData, WindowHandle)) {
    const TUnderWindow under(WindowHandle, Place, SkinData);
    const TPixelBufferView pixels = SkinData->CachePixels();
    PaintControlSkin(SkinData, under.Info(), true, 0, pixels, TPoint{0, 0}, TRect{0, 0, pixels.Width, pixels.Height},
                     0);
    PaintAdapterCorners(SkinData, 0, this);
  }
  EdgeWidth = (Place.Height - ClientArea.Height()) / 2;
  SkinData->BackgroundStale = false;
}

void TvxToolBarWnd::PaintFrame(HDC given) {
  // Only a client edge is painted; other bars have no frame of their own.
  if (!(GetWindowLongW(WindowHandle, GWL_EXSTYLE) & WS_EX_CLIENTEDGE)) return;
  if (HoldsPainting()) return;
  PrepareCache();
  TBitmap* cache = CacheBitmapOf(SkinData);
  if (!cache || SkinData->CachePixels().Empty()) return;
  TTargetDC dc(WindowHandle, given, true);
  CopyBorderFrame(dc.Handle(), 0, 0, cache->Width(), cache->Height(), cache->Canvas()->Handle(), 0, 0,
                  (Place.Width - ClientArea.Width()) / 2);
}

void TvxToolBarWnd::PaintWindow(HDC given, bool wholeWindow) {
  std::unique_ptr<TPaintScope> paint;
  if (!given) paint = std::make_unique<TPaintScope>(WindowHandle);
  if (HoldsPainting()) return;
  PrepareCache();
  TBitmap* cache = CacheBitmapOf(SkinData);
  if (!cache || SkinData->CachePixels().Empty()) return;
  std::unique_ptr<TBitmap> work(CreateBitmap24(cache->Width(), cache->Height()));
  PaintItems(work.get());
  TTargetDC dc(WindowHandle, given);
  const int origin = wholeWindow ? EdgeWidth : 0;
  BitBlt(dc.Handle(), origin, origin, cache->Width() - 2 * EdgeWidth, cache->Height() - 2 * EdgeWidth,
         work->Canvas()->Handle(), EdgeWidth, EdgeWidth, SRCCOPY);
}

void TvxToolBarWnd::PaintItems(TBitmap* work) {
  TBitmap* cache = CacheBitmapOf(SkinData);
  HDC dc = work->Canvas()->Handle();
  BitBlt(dc, 0, 0, cache->Width(), cache->Height(), cache->Canvas()->Handle(), 0, 0, SRCCOPY);
  const int count = static_cast<int>(SendMessageW(WindowHandle, TB_BUTTONCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    RECT r{};
    if (!SendMessageW(WindowHandle, TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r))) continue;
    PaintItem(i, TRect{r.left + EdgeWidth, r.top + EdgeWidth, r.right + EdgeWidth, r.bottom + EdgeWidth}, dc);
  }
}

namespace {

std::string ButtonText(HWND bar, int command) {
  // The length first: the message writes into a buffer of no stated size.
  const LRESULT length = SendMessageW(bar, TB_GETBUTTONTEXTW, command, 0);
  if (length <= 0) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const LRESULT got = SendMessageW(bar, TB_GETBUTTONTEXTW, command, reinterpret_cast<LPARAM>(text.data()));
  if (got <= 0) return {};
  return brsm::FromUtf16(text.data(), static_cast<int>(std::min<LRESULT>(got, length)));
}

}  // namespace

void TvxToolBarWnd::PaintItem(int index, const TRect& rect, HDC dc) {
  TBBUTTON button{};
  if (!SendMessageW(WindowHandle, TB_GETBUTTON, index, reinterpret_cast<LPARAM>(&button))) return;
  const int w = rect.Width(), h = rect.Height();
  if (w <= 0 || h <= 0) return;
  POINT cursor{};
  GetCursorPos(&cursor);
  const bool under = cursor.x >= rect.Left + Place.WindowRect.Left && cursor.x < rect.Right + Place.WindowRect.Left &&
                     cursor.y >= rect.Top + Place.WindowRect.Top && cursor.y < rect.Bottom + Place.WindowRect.Top;
  const TvxToolItemLook look = ToolItemLook(button.fsState, button.fsStyle, under);
  // A separator shows only the bar's background, already in place.
  if (look.Skip || look.Separator) return;
  TsSkinManager* manager = DefaultManager ? DefaultManager : SkinData->SkinManager();
  const TPixelBufferView cachePixels = SkinData->CachePixels();
  std::unique_ptr<TBitmap> item(CreateBitmap24(w, h));
  const TPixelBufferView pixels = item->PixelView();
  TCanvas* canvas = item->Canvas();
  HDC itemDC = canvas->Handle();
  // Without the button section the item shows the bar under it.
  BitBlt(itemDC, 0, 0, w, h, CacheBitmapOf(SkinData)->Canvas()->Handle(), rect.Left, rect.Top, SRCCOPY);
  GdiFlush();
  const int section = manager ? manager->LookupSection("TOOLBUTTON") : -1;
  if (section >= 0)
    PaintSection(section, "TOOLBUTTON", MakeCacheInfo(cachePixels, 0, 0), -1, -1, manager, pixels,
                 TPoint{rect.Left, rect.Top}, TRect{0, 0, w, h}, look.State, true);
  const int shift = look.Shift;
  auto list = reinterpret_cast<HIMAGELIST>(SendMessageW(WindowHandle, TB_GETIMAGELIST, 0, 0));
  int iconW = 0, iconH = 0;
  if (list && ToolItemHasImage(button.iBitmap, ImageList_GetImageCount(list))) {
    ImageList_GetIconSize(list, &iconW, &iconH);
    ImageList_SetBkColor(list, CLR_NONE);
    int arrowWidth = 0;
    if (button.fsStyle & ToolStyleWholeDropDown) {
      const int arrow = manager ? manager->CommonIndexCache.ScrollBtnGlyph[1] : -1;
      if (manager && manager->IsValidMaskIndex(arrow)) {
        const TSize frame = ItemFrameSize(manager->MaskItems[arrow]);
        arrowWidth = frame.cx;
        PaintMaskGlyph(pixels, TPoint{w - 2 - frame.cx + shift, (h - frame.cy) / 2 + shift}, look.State,
                       manager->MaskItems[arrow], 1);
      }
    }
    ImageList_Draw(list, button.iBitmap, itemDC, ToolImageLeft(w, iconW, arrowWidth, shift), 4 + shift,
                   ILD_NORMAL);
  }
  const std::string text = ButtonText(WindowHandle, button.idCommand);
  if (!text.empty()) {
    AssignWindowFont(canvas, WindowHandle);
    canvas->Brush()->SetStyle(bsClear);
    TEXTMETRICW metrics{};
    GetTextMetricsW(canvas->Handle(), &metrics);
    const int top = 2 + shift + (iconH != 0 ? iconH + 2 : 0);
    const TRect area{2 + shift, top, w - 2 + shift, h - 2 + shift};
    const TvxTwoLines lines =
        SplitToolText(text, w, [canvas](std::string_view s) { return canvas->TextWidth(std::string(s)); });
    const auto draw = [&](const std::string& line, const TRect& r, unsigned flags) {
      if (look.State > 0 && section >= 0)
        DrawSectionText(canvas, line, true, manager, true, section, flags, r);
      else
        DrawControlText(canvas, line, true, false, SkinData, flags, r);
    };
    if (lines.Second.empty()) {
      draw(lines.First, area, DT_CENTER | DT_VCENTER | DT_WORDBREAK | DT_END_ELLIPSIS);
    } else {
      const int lineHeight = metrics.tmHeight;
      draw(lines.First, TRect{area.Left, area.Top, area.Right, area.Top + lineHeight}, DT_CENTER);
      draw(lines.Second, TRect{area.Left, area.Top + lineHeight, area.Right, area.Bottom},
           DT_CENTER | DT_END_ELLIPSIS);
    }
  }
  if (!(button.fsState & ToolStateEnabled)) {
    GdiFlush();
    BlendRectKeyed(pixels, 0, 0, static_cast<TColor>(0xFF000000u), 0.4,
                   TRect{rect.Left, rect.Top, rect.Right - 1, rect.Bottom - 1}, cachePixels);
  }
  BitBlt(dc, rect.Left, rect.Top, w, h, itemDC, 0, 0, SRCCOPY);
}
