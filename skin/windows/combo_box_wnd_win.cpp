#include "skin/windows/combo_box_wnd_win.h"

#include <algorithm>
#include <memory>

#include "platform/forms/stdctrls.h"
#include "platform/graphics/canvas.h"
#include "platform/rtl/text1251.h"
#include "skin/core/bitmap_create_win.h"
#include "skin/core/cache_bitmap_win.h"
#include "skin/core/common_data_win.h"
#include "skin/core/control_utils_win.h"
#include "skin/core/dc_helpers_win.h"
#include "skin/core/paint_colors.h"
#include "skin/core/pixel_copy.h"
#include "skin/core/skin_constants.h"
#include "skin/core/skin_data.h"
#include "skin/core/skin_manager.h"
#include "skin/windows/combo_button_painting.h"
#include "skin/windows/combo_geometry.h"

namespace {

constexpr int kFrameWidth = 3;

TRect WindowSize(HWND w) {
  RECT r{};
  GetWindowRect(w, &r);
  return TRect{0, 0, r.right - r.left, r.bottom - r.top};
}

bool RightToLeft(HWND w) { return (GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_RTLREADING) != 0; }

// The selected item's text, else the window's.
std::string ComboText(HWND w) {
  const LRESULT index = SendMessageW(w, CB_GETCURSEL, 0, 0);
  if (index >= 0) {
    const LRESULT length = SendMessageW(w, CB_GETLBTEXTLEN, index, 0);
    if (length >= 0) {
      std::wstring text(static_cast<size_t>(length) + 1, L'\0');
      const LRESULT got = SendMessageW(w, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
      if (got >= 0) return brsm::FromUtf16(text.data(), static_cast<int>(got));
    }
  }
  return ReadWindowText(w);
}

}  // namespace

// -- TvxComboBoxWnd -------------------------------------------------------------------------

TvxComboBoxWnd::TvxComboBoxWnd(const TvxAdapterArgs& args)
    : TvxEditWnd(args), spareSkinData_(std::make_unique<TsCommonData>(nullptr, false)) {}

TvxComboBoxWnd::~TvxComboBoxWnd() {
  FreeAdapter(ListAdapter);
  if (listBrush_) DeleteObject(listBrush_);
  listBrush_ = nullptr;
}

TRect TvxComboBoxWnd::GetButtonRect() const {
  const TRect size = WindowSize(WindowHandle);
  const bool button = ComboStyleHasButton(static_cast<unsigned>(GetWindowLongW(WindowHandle, GWL_STYLE)));
  return ComboButtonRect(size.Width(), size.Height(), button ? GetSystemMetrics(SM_CXVSCROLL) : 0,
                         RightToLeft(WindowHandle));
}

bool TvxComboBoxWnd::SimpleBox() const {
  return (GetWindowLongW(WindowHandle, GWL_STYLE) & 3) == CBS_SIMPLE;
}

int TvxComboBoxWnd::ButtonState() const {
  if (ListHandle && IsWindowVisible(ListHandle)) return 2;
  if (SkinData->IsActiveState()) return 1;
  return DefaultManager && DefaultManager->HotWindow() == reinterpret_cast<uintptr_t>(WindowHandle) ? 1 : 0;
}

void TvxComboBoxWnd::PaintButton(HDC dc) {
  TBitmap* cache = CacheBitmapOf(SkinData);
  const TRect button = GetButtonRect();
  if (!dc || !cache || button.IsEmpty() || SkinData->CachePixels().Empty()) return;
  std::unique_ptr<TBitmap> copy(CreateBitmapLike(cache));
  GdiFlush();
  const TPixelBufferView face = copy->PixelView();
  CopyPixels(face, 0, 0, SkinData->CachePixels(), TRect{0, 0, cache->Width(), cache->Height()});
  PaintComboButton(Manager(), face, button, ButtonState());
  BitBlt(dc, button.Left, button.Top, button.Width(), button.Height(), copy->Canvas()->Handle(), button.Left,
         button.Top, SRCCOPY);
}

void TvxComboBoxWnd::PaintButtonOnWindow() {
  if (!Hooked() || !IsWindowVisible(WindowHandle) || SkinData->IsUpdating()) return;
  HDC dc = GetWindowDC(WindowHandle);
  if (!dc) return;
  PaintButton(dc);
  ReleaseDC(WindowHandle, dc);
}

void TvxComboBoxWnd::PrepareSimpleCache() {
  const TRect size = WindowSize(WindowHandle);
  const int height = static_cast<int>(SendMessageW(WindowHandle, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0)) + 8;
  if (!SkinData->CacheBitmap || size.Width() <= 0 || height <= 0) return;
  SkinData->CacheBitmap->SetSize(size.Width(), height);
  const TPixelBufferView pixels = SkinData->CachePixels();
  if (pixels.Empty()) return;
  TsSkinManager* manager = SkinData->SkinManager();
  if (DialogMode && manager && (manager->SkinData.BorderColor & 0xFFFFFF) != SkinTransparentColor) {
    FillFramed(pixels, clWindow, manager->SkinData.BorderColor);
  } else {
    TCacheInfo parent;
    GetParentCacheInfoOfWindow(WindowHandle, parent);
    GetWindowPosInParent(WindowHandle, Place);
    if (parent.Ready) {
      parent.X += Place.Position.X;
      parent.Y += Place.Position.Y;
    }
    PaintControlSkin(SkinData, parent, true, 0, pixels, TPoint{0, 0}, TRect{0, 0, pixels.Width, pixels.Height},
                     SkinData->IsActiveState() ? 1 : 0);
  }
  SkinData->BackgroundStale = false;
}

void TvxComboBoxWnd::PrintText() {
  TBitmap* cache = CacheBitmapOf(SkinData);
  if (!cache) return;
  TCanvas* canvas = cache->Canvas();
  if (TControl* c = Control()) canvas->SetFont(c->Font());
  const TRect size = WindowSize(WindowHandle);
  // Every style writes between the frame and the button, on whichever side
  // the button stands.
  const TRect button = GetButtonRect();
  TRect r{kFrameWidth, kFrameWidth, button.Left, size.Height() - kFrameWidth};
  if (RightToLeft(WindowHandle)) {
    r.Left = std::max(button.Right, kFrameWidth);
    r.Right = size.Width() - kFrameWidth;
  }
  if (r.IsEmpty()) return;
  const std::string text = ComboText(WindowHandle);
  const bool listOnly = (GetWindowLongW(WindowHandle, GWL_STYLE) & 3) == CBS_DROPDOWNLIST;
  if (GetFocus() == WindowHandle && listOnly) {
    canvas->Brush()->SetColor(clHighlight);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->FillRect(r);
    canvas->Font()->SetColor(clHighlightText);
    canvas->Brush()->SetStyle(bsClear);
    canvas->TextRect(r, r.Left + 1, r.Top + 1, text);
    canvas->DrawFocusRect(r);
  } else {
    canvas->Brush()->SetStyle(bsClear);
    canvas->TextRect(r, r.Left, r.Top, text);
  }
}

void TvxComboBoxWnd::MakeListAdapter() {
  TvxAdapterArgs args;
  args.Handle = ListHandle;
  args.Repaint = SendMessageW(WindowHandle, CB_GETCOUNT, 0, 0) > 0;
  args.Section = "EDIT";
  args.Manager = SkinData->SkinManager();
  // A foreign box lends its dialog mode to the list's adapter; whatever the
  // creation does, the switch is as it was afterwards.
  const bool foreign = Control() == nullptr;
  const bool saved = AdaptingDialogChild;
  if (foreign) AdaptingDialogChild = DialogMode;
  try {
    ListAdapter = TvxMainWnd::Create<TvxComboListWnd>(args);
  } catch (...) {
    AdaptingDialogChild = saved;
    throw;
  }
  AdaptingDialogChild = saved;
  ListAdapter->SimpleBox = SimpleBox();
}

// Every WM_CTLCOLORLISTBOX is answered in the skin's colours: a list
// coloured only once would fall back to the system's at its next repaint.
void TvxComboBoxWnd::ColorList(TMessage& m) {
  TvxEditWnd::WndProc(m);
  if (!Hooked()) return;
  if (!ListHandle) ListHandle = reinterpret_cast<HWND>(m.LParam);
  if (!ListAdapter && ListHandle) MakeListAdapter();
  const LRESULT answer = SendCmdToWindow(ListHandle, SkinCmdQuerySectionIndex, 0);
  TsSkinManager* manager = SkinData->SkinManager();
  // The answer is the index + 1: only one above 0 names a section.
  if (answer <= 0 || DialogMode || !manager || !manager->IsValidSectionIndex(static_cast<int>(answer - 1))) return;
  const TsGeneralData& section = manager->SectionItems[static_cast<size_t>(answer - 1)];
  HDC dc = reinterpret_cast<HDC>(m.WParam);
  if (section.FontColor[0] >= 0) SetTextColor(dc, ColorToRGB(section.FontColor[0]));
  const COLORREF color = ColorToRGB(section.Color);
  SetBkColor(dc, color);
  // One brush while the colour stays: the list may still paint with the
  // brush of the previous answer.
  LOGBRUSH current{};
  if (!listBrush_ || GetObjectW(listBrush_, sizeof current, &current) != sizeof current ||
      current.lbColor != color) {
    if (listBrush_) DeleteObject(listBrush_);
    listBrush_ = CreateSolidBrush(color);
  }
  m.Result = reinterpret_cast<LRESULT>(listBrush_);
}

void TvxComboBoxWnd::PaintWindow(TMessage& m) {
  GetWindowPosInParent(WindowHandle, Place);
  CallOldProc(m);
  if (!Hooked()) return;
  HDC given = reinterpret_cast<HDC>(m.WParam);
  HDC dc = given ? given : GetWindowDC(WindowHandle);
  if (!dc) return;
  if (!SkinData->IsUpdating()) {
    if (SimpleBox()) {
      PrepareSimpleCache();
      PaintFrame(dc, kFrameWidth);
    } else {
      SkinData->BackgroundStale = true;
      SendCmdToWindow(WindowHandle, SkinCmdRedrawNow, 0);
      PaintFrame(dc, kFrameWidth);
      PaintButton(dc);
    }
  }
  if (!given) ReleaseDC(WindowHandle, dc);
}

void TvxComboBoxWnd::PrintWindow(TMessage& m) {
  HDC dc = reinterpret_cast<HDC>(m.WParam);
  GetWindowPosInParent(WindowHandle, Place);
  SkinData->Updating = false;
  SkinData->BackgroundStale = true;
  if (!ColorsApplied) ApplySkinColors();
  if (SimpleBox())
    PrepareSimpleCache();
  else
    SendCmdToWindow(WindowHandle, SkinCmdRedrawNow, 0);
  RefreshControlCache(SkinData, WindowHandle, DialogMode);
  PrintText();
  PrepareCache();
  TBitmap* cache = CacheBitmapOf(SkinData);
  if (!cache || SkinData->CachePixels().Empty()) return;
  GdiFlush();
  BitBlt(dc, 0, 0, cache->Width(), cache->Height(), cache->Canvas()->Handle(), 0, 0, SRCCOPY);
  PaintButton(dc);
}

void TvxComboBoxWnd::WndProc(TMessage& m) {
  if (!Hooked() || !SkinData || !SkinData->IsSkinned()) {
    TvxEditWnd::WndProc(m);
    return;
  }
  if (m.Msg == CommandMessage) {
    const uint16_t code = SkinCmdOf(m.WParam);
    if (code == SkinCmdHotEnter || code == SkinCmdHotLeave) {
      TvxEditWnd::WndProc(m);
      PaintButtonOnWindow();
      return;
    }
  }
  switch (m.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_LBUTTONUP:
      TvxEditWnd::WndProc(m);
      PaintButtonOnWindow();
      return;
    case WM_PAINT:
      PaintWindow(m);
      m.Result = 0;
      return;
    case WM_ERASEBKGND:
    case WM_NCPAINT:
      m.Result = m.Msg == WM_ERASEBKGND ? 1 : 0;
      return;
    case WM_NCCALCSIZE:
      TvxEditWnd::WndProc(m);
      LeftEdge = kFrameWidth;
      return;
    case WM_CTLCOLORLISTBOX:
      ColorList(m);
      return;
    case WM_PRINT:
      if (m.WParam) PrintWindow(m);
      return;
    default:
      TvxEditWnd::WndProc(m);
      return;
  }
}

// -- TvxWWComboBoxWnd ---------------------------------------------------------------------------

namespace {

TvxAdapterArgs OnControl(TWinControl* control, TvxAdapterArgs args) {
  if (control && control->HandleAllocated()) args.Handle = control->Handle();
  return args;
}

TvxComboStyle StyleOf(TComboBoxStyle style) {
  switch (style) {
    case csSimple:
      return TvxComboStyle::Simple;
    case csDropDownList:
      return TvxComboStyle::DropDownList;
    case csOwnerDrawFixed:
      return TvxComboStyle::OwnerDrawFixed;
    case csOwnerDrawVariable:
      return TvxComboStyle::OwnerDrawVariable;
    case csDropDown:
    default:
      return TvxComboStyle::DropDown;
  }
}

}  // namespace

TvxWWComboBoxWnd::TvxWWComboBoxWnd(TWinControl* control, const TvxAdapterArgs& args)
    : TvxComboBoxWnd(OnControl(control, args)), HasButton(HasDropDownButton(control)) {}

TvxWWComboBoxWnd* TvxWWComboBoxWnd::CreateOn(TWinControl* control, const TvxAdapterArgs& args) {
  auto* adapter = new TvxWWComboBoxWnd(control, args);
  adapter->Start(args.Repaint);
  return adapter;
}

bool TvxWWComboBoxWnd::HasDropDownButton(TControl* control) {
  if (!control) return true;
  const auto* combo = dynamic_cast<const TCustomComboBox*>(control);
  return ::HasDropDownButton(control->ClassName(), combo ? StyleOf(combo->Style()) : TvxComboStyle::DropDown);
}

TRect TvxWWComboBoxWnd::GetButtonRect() const {
  const TRect size = WindowSize(WindowHandle);
  return ComboButtonRect(size.Width(), size.Height(), HasButton ? GetSystemMetrics(SM_CXVSCROLL) : 0,
                         RightToLeft(WindowHandle));
}
