#include "skin/windows/list_view_wnd_win.h"

#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "platform/forms/window_procedure.h"
#include "platform/graphics/bitmap.h"
#include "platform/rtl/text1251.h"
#include "skin/core/image_painting.h"
#include "skin/core/paint_colors.h"
#include "skin/core/section_painting.h"
#include "skin/core/skin_constants.h"
#include "skin/core/skin_manager.h"
#include "skin/core/skin_text_win.h"
#include "skin/core/skin_utils_win.h"
#include "skin/windows/adapter_paint_win.h"
#include "skin/windows/button_adapter_rules.h"
#include "skin/windows/list_view_geometry.h"
#include "skin/windows/scroll_tracking.h"

namespace {

constexpr UINT kInsertItemA = 0x1007;  // LVM_INSERTITEMA
constexpr UINT kArrange = 0x1016;      // LVM_ARRANGE
constexpr int kHeaderTextLength = 129;
constexpr unsigned kHeaderTextFlags = DT_END_ELLIPSIS | DT_EXPANDTABS | DT_SINGLELINE | DT_VCENTER;

bool Visible(HWND w) { return IsWindowVisible(w) != FALSE; }

bool IsHeaderClass(HWND w) {
  wchar_t name[96] = {};
  GetClassNameW(w, name, 96);
  return lstrcmpiW(name, WC_HEADERW) == 0;
}

LONG StyleOf(HWND w) { return GetWindowLongW(w, GWL_STYLE); }

// The BeginPaint of a window when no DC is given; the DC to paint on.
class THeaderDC {
 public:
  THeaderDC(HWND window, HDC given) : window_(given ? nullptr : window), dc_(given) {
    if (window_) dc_ = BeginPaint(window_, &ps_);
  }
  ~THeaderDC() {
    if (window_) EndPaint(window_, &ps_);
  }
  THeaderDC(const THeaderDC&) = delete;
  THeaderDC& operator=(const THeaderDC&) = delete;
  HDC Handle() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
  PAINTSTRUCT ps_{};
};

// ParentBackColor for the while of a painting.
class TParentBackColor {
 public:
  explicit TParentBackColor(TColor color) { ParentBackColor = color; }
  ~TParentBackColor() { ParentBackColor = SkinTransparentColor; }
  TParentBackColor(const TParentBackColor&) = delete;
  TParentBackColor& operator=(const TParentBackColor&) = delete;
};

}  // namespace

TvxListViewWnd::TvxListViewWnd(const TvxAdapterArgs& args)
    : TvxEditWnd(args),
      header_(std::make_unique<TvxChildHook>(ListHeaderPropertyName, this,
                                             [this](TMessage& m) { HeaderProc(m); })) {
  if (args.Handle) HookHeader(FindWindowExW(args.Handle, nullptr, WC_HEADERW, nullptr));
}

TvxListViewWnd::~TvxListViewWnd() { header_->Uninstall(); }

void TvxListViewWnd::BeforeDestruction() {
  TvxEditWnd::BeforeDestruction();
  header_->Uninstall();
}

void TvxListViewWnd::HookHeader(HWND header) {
  if (header && header != header_->Window()) header_->Install(header);
}

bool TvxListViewWnd::ReportView() const {
  const int view = static_cast<int>(SendMessageW(WindowHandle, LVM_GETVIEW, 0, 0));
  return IsReportView(view, static_cast<unsigned>(StyleOf(WindowHandle)));
}

// -- Colours -----------------------------------------------------------------------------------

void TvxListViewWnd::SaveColors() {
  TvxEditWnd::SaveColors();
  if (!IsWindow(WindowHandle)) return;
  SavedColor = static_cast<TColor>(SendMessageW(WindowHandle, LVM_GETBKCOLOR, 0, 0));
  SavedFontColor = static_cast<TColor>(SendMessageW(WindowHandle, LVM_GETTEXTCOLOR, 0, 0));
  SavedTextBackColor = static_cast<TColor>(SendMessageW(WindowHandle, LVM_GETTEXTBKCOLOR, 0, 0));
}

void TvxListViewWnd::RestoreColors() {
  header_->Uninstall();
  TvxEditWnd::RestoreColors();
  if (!IsWindow(WindowHandle) || Control()) return;
  // A foreign list view gets back what it had.
  SendMessageW(WindowHandle, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(ColorToRGB(SavedColor)));
  SendMessageW(WindowHandle, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(ColorToRGB(SavedTextBackColor)));
  SendMessageW(WindowHandle, LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(ColorToRGB(SavedFontColor)));
  InvalidateRect(WindowHandle, nullptr, TRUE);
}

void TvxListViewWnd::ApplySkinColors() {
  TvxEditWnd::ApplySkinColors();
  ApplyListColors();
  // The header's hook went with the colours of an earlier skin.
  if (!header_->Installed() && IsWindow(WindowHandle) && SkinData && SkinData->IsSkinned())
    HookHeader(FindWindowExW(WindowHandle, nullptr, WC_HEADERW, nullptr));
}

void TvxListViewWnd::ApplyListColors() {
  if (!IsWindow(WindowHandle)) return;
  TColor back = clWindow, textBack = clWindow, text = clWindowText;
  if (!DialogMode) {
    const TsGeneralData* section = SkinData ? SkinData->Section() : nullptr;
    if (!section) return;
    back = textBack = section->Color;
    text = section->FontColor[0];
  }
  const auto set = [this](UINT get, UINT put, TColor color) {
    const auto rgb = static_cast<LRESULT>(ColorToRGB(color));
    if (SendMessageW(WindowHandle, get, 0, 0) != rgb) SendMessageW(WindowHandle, put, 0, rgb);
  };
  set(LVM_GETBKCOLOR, LVM_SETBKCOLOR, back);
  set(LVM_GETTEXTBKCOLOR, LVM_SETTEXTBKCOLOR, textBack);
  set(LVM_GETTEXTCOLOR, LVM_SETTEXTCOLOR, text);
}

// -- List ---------------------------------------------------------------------------------------

void TvxListViewWnd::TrackThumb(TMessage& m, int direction) {
  const int position = static_cast<short>(HIWORD(m.WParam));
  // The last position sent: the drag's while our thumb is dragged, else
  // the bar's as last read.
  int last = position;
  if (ThumbTracking())
    last = ScrollTracking().LastPosition;
  else if (TvxScrollBar* bar = Bar(direction))
    last = bar->Info.nPos;
  if (position == last) return;
  // The bar was set ahead of the list: the list scrolls from where it is.
  SetScrollPos(WindowHandle, direction == BarHorizontal ? SB_HORZ : SB_VERT, last, FALSE);
  if (direction == BarHorizontal) {
    SendMessageW(WindowHandle, LVM_SCROLL, ThumbTrackHorizontalAmount(last, position), 0);
    return;
  }
  const bool report = ReportView();
  int itemHeight = 0;
  if (report) {
    RECT item{LVIR_BOUNDS, 0, 0, 0};
    if (SendMessageW(WindowHandle, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item)))
      itemHeight = item.bottom - item.top;
  }
  SendMessageW(WindowHandle, LVM_SCROLL, 0, ThumbTrackVerticalAmount(last, position, report, itemHeight));
}

void TvxListViewWnd::PrintHeader(HDC dc) {
  HWND header = header_->Window();
  if (!header || !Visible(header)) return;
  RECT hr{}, lr{};
  GetWindowRect(header, &hr);
  POINT at{hr.left, hr.top};
  ScreenToClient(WindowHandle, &at);
  GetClientRect(WindowHandle, &lr);
  const int saved = SaveDC(dc);
  brsm::MoveWindowOrg(dc, LeftEdge, LeftEdge);
  IntersectClipRect(dc, 0, 0, lr.right, lr.bottom);
  brsm::MoveWindowOrg(dc, at.x, at.y);
  PaintHeader(dc);
  RestoreDC(dc, saved);
}

void TvxListViewWnd::WndProc(TMessage& m) {
  if (!Hooked() || !SkinData || !SkinData->IsSkinned()) {
    TvxEditWnd::WndProc(m);
    return;
  }
  if (m.Msg == CommandMessage && SkinCmdOf(m.WParam) == SkinCmdSkinReapplied &&
      m.LParam == reinterpret_cast<LPARAM>(SkinData->SkinManager())) {
    TvxEditWnd::WndProc(m);
    if (HWND header = header_->Window()) {
      InvalidateRect(header, nullptr, FALSE);
      TMessage paint = BuildMessage(WM_PAINT, 0, 0);
      HeaderProc(paint);
    }
    return;
  }
  switch (m.Msg) {
    case WM_PAINT:
      ApplyListColors();
      break;
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (LOWORD(m.WParam) == SB_THUMBTRACK) {
        TrackThumb(m, m.Msg == WM_HSCROLL ? BarHorizontal : BarVertical);
        m.Result = 0;
        return;
      }
      break;
    default:
      break;
  }
  TvxEditWnd::WndProc(m);
  if (!Hooked()) return;
  switch (m.Msg) {
    case WM_STYLECHANGED:
    case kInsertItemA:
    case LVM_INSERTITEMW:
    case kArrange:
      RefreshScrollInfo(true);
      break;
    case WM_LBUTTONUP:
      if (GetCapture() == WindowHandle) ReleaseCapture();
      break;
    case WM_PARENTNOTIFY: {
      const UINT event = LOWORD(m.WParam);
      HWND child = reinterpret_cast<HWND>(m.LParam);
      if ((event == WM_CREATE || event == WM_DESTROY) && child && IsHeaderClass(child)) {
        header_->Uninstall();
        if (event == WM_CREATE) HookHeader(child);
      }
      break;
    }
    case WM_PRINT:
      if (m.WParam && ReportView()) PrintHeader(reinterpret_cast<HDC>(m.WParam));
      break;
    default:
      break;
  }
}

// -- Header -------------------------------------------------------------------------------------

void TvxListViewWnd::HeaderProc(TMessage& m) {
  HWND header = header_->Window();
  if (!SkinData || !SkinData->IsSkinned() || !ReportView()) {
    header_->CallPrevious(m);
    return;
  }
  const bool buttons = (StyleOf(header) & HDS_BUTTONS) != 0;
  switch (m.Msg) {
    case WM_PAINT:
      PaintHeader(reinterpret_cast<HDC>(m.WParam));
      m.Result = 0;
      return;
    case WM_ERASEBKGND:
      m.Result = 1;
      return;
    case WM_WINDOWPOSCHANGING:
      if (Visible(WindowHandle)) SendMessageW(WindowHandle, WM_NCPAINT, 0, 0);
      break;
    case WM_NCDESTROY:
      header_->CallPrevious(m);
      header_->Uninstall();
      return;
    case WM_LBUTTONUP:
      if (buttons) PressedColumn = -1;
      break;
    case WM_LBUTTONDOWN: {
      header_->CallPrevious(m);
      if (!buttons) return;
      HeaderPressed = true;
      HDHITTESTINFO hit{};
      hit.pt = POINT{static_cast<short>(LOWORD(m.LParam)), static_cast<short>(HIWORD(m.LParam))};
      const int item = static_cast<int>(SendMessageW(header, HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
      PressedColumn = hit.flags & (HHT_ONDIVIDER | HHT_ONDIVOPEN) ? -1 : item;
      InvalidateRect(header, nullptr, FALSE);
      return;
    }
    default:
      break;
  }
  header_->CallPrevious(m);
}

void TvxListViewWnd::PaintHeader(HDC given) {
  HWND header = header_->Window();
  if (!header) return;
  THeaderDC target(header, given);
  HDC dc = target.Handle();
  if (!dc) return;
  const int count = std::max(0, static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)));
  std::vector<int> order(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) order[static_cast<size_t>(i)] = i;
  if (count > 0 && (StyleOf(header) & HDS_DRAGDROP))
    SendMessageW(header, HDM_GETORDERARRAY, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(order.data()));
  RECT client{};
  GetClientRect(header, &client);
  int right = 0;
  for (int index : order) {
    if (index < 0 || index >= count) continue;
    RECT r{};
    if (!SendMessageW(header, HDM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r))) continue;
    if (r.right <= r.left || r.bottom <= r.top) continue;
    LineHeight = r.bottom - r.top;
    PaintColumn(dc, header, index, TRect{r.left, r.top, r.right, r.bottom});
    right = std::max(right, static_cast<int>(r.right));
  }
  if (count == 0) LineHeight = client.bottom - client.top;
  if (right < client.right) PaintColumn(dc, header, -1, TRect{right, 0, client.right, client.bottom});
}

void TvxListViewWnd::PaintColumn(HDC dc, HWND header, int index, const TRect& rect) {
  TsSkinManager* manager = Manager();
  const int w = rect.Width(), h = rect.Height();
  if (!manager || w <= 0 || h <= 0) return;
  const bool pressed = index >= 0 && index == PressedColumn;
  const int state = pressed ? 2 : 0;
  std::string sectionName;
  const int section = ColumnHeaderSection(manager, sectionName);
  TBitmap bitmap(w, h);
  const TPixelBufferView pixels = bitmap.PixelView();
  {
    // A foreign list view's own background shows through the face.
    const TParentBackColor parent(ColorToRGB(static_cast<TColor>(SendMessageW(WindowHandle, LVM_GETBKCOLOR, 0, 0))));
    PaintSection(section, sectionName, EmptyCacheInfo, -1, -1, manager, pixels, TPoint{}, TRect{0, 0, w, h}, state,
                 true);
  }
  if (index >= 0) {
    wchar_t text[kHeaderTextLength] = {};
    HDITEMW item{};
    item.mask = HDI_TEXT | HDI_FORMAT | HDI_LPARAM | HDI_IMAGE;
    item.pszText = text;
    item.cchTextMax = kHeaderTextLength;
    if (SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item))) {
      text[kHeaderTextLength - 1] = L'\0';
      const std::string caption = brsm::FromUtf16(text);
      TCanvas* canvas = bitmap.Canvas();
      AssignWindowFont(canvas, WindowHandle);
      const unsigned format = static_cast<unsigned>(item.fmt);
      int glyph = -1;
      if (format & HeaderFormatSortDown)
        glyph = manager->CommonIndexCache.ScrollBtnGlyph[1];
      else if (format & HeaderFormatSortUp)
        glyph = manager->CommonIndexCache.ScrollBtnGlyph[0];
      TSize frame{};
      if (manager->IsValidMaskIndex(glyph)) frame = ItemFrameSize(manager->MaskItems[static_cast<size_t>(glyph)]);
      const TvxHeaderLayout layout =
          LayoutHeaderColumn(w, h, format, pressed, canvas->TextWidth(caption), frame.cx, frame.cy);
      if (layout.Arrow) {
        const TsMaskData& arrow = manager->MaskItems[static_cast<size_t>(glyph)];
        GdiFlush();
        PaintMaskGlyph(pixels, layout.ArrowAt, std::min<int>(state, std::max<int>(1, arrow.ImageCount) - 1), arrow, 1);
      }
      DrawSectionText(canvas, caption, true, manager, pressed, section, kHeaderTextFlags, layout.Text);
    }
  }
  GdiFlush();
  BitBlt(dc, rect.Left, rect.Top, w, h, bitmap.Canvas()->Handle(), 0, 0, SRCCOPY);
}
