// Painting a skinned form: the whole window into the skin record's cache,
// the frame strips from the cache to the window, and the client area from
// the cache around the controls.
#include <algorithm>

#include "platform/forms/menus.h"
#include "platform/graphics/icon.h"
#include "platform/rtl/text1251.h"
#include "skin/core/bitmap_create_win.h"
#include "skin/core/cache_bitmap_win.h"
#include "skin/core/common_data_win.h"
#include "skin/core/control_utils_win.h"
#include "skin/core/image_painting.h"
#include "skin/core/keyed_copy.h"
#include "skin/core/section_painting.h"
#include "skin/core/section_painting_win.h"
#include "skin/core/skin_text_win.h"
#include "skin/core/skin_utils.h"
#include "skin/core/skin_utils_win.h"
#include "skin/core/skin_constants.h"
#include "skin/core/skin_manager.h"
#include "skin/windows/skin_provider.h"

namespace {

// A DC's state kept across a painting that may raise.
class SavedDC {
 public:
  explicit SavedDC(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
  ~SavedDC() { RestoreDC(dc_, saved_); }
  SavedDC(const SavedDC&) = delete;
  SavedDC& operator=(const SavedDC&) = delete;

 private:
  HDC dc_;
  int saved_;
};

bool IsFormControl(TCustomForm* form, TComponent* c) {
  for (int i = 0; i < form->ControlCount(); ++i)
    if (form->Controls(i) == c) return true;
  return false;
}

}  // namespace

namespace {

const TsMaskData* MaskAt(TsSkinManager* m, int index) {
  return m && m->IsValidMaskIndex(index) ? &m->MaskItems[static_cast<size_t>(index)] : nullptr;
}

int GlobalItem(TsSkinManager* m, const char* property) {
  return m->LookupImageItem(m->CommonIndexCache.GlobalInfo, "GLOBALINFO", property);
}

// The first usable icon: the form's, the application's, the program's own
// (large above 16 pixels), the system's.
HICON CaptionIconHandle(TCustomForm* form, int height) {
  if (TIcon* icon = form->Icon(); icon && !icon->Empty()) return icon->Handle();
  if (TIcon* icon = Application->Icon(); icon && !icon->Empty()) return icon->Handle();
  if (TIcon* icon = height > 16 ? AppLargeIcon() : AppSmallIcon(); icon && !icon->Empty()) return icon->Handle();
  return LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
}

// Points a canvas at another DC for a while; the old one comes back on
// every path.
class CanvasOnDC {
 public:
  CanvasOnDC(TCanvas* canvas, HDC dc) : canvas_(canvas), old_(canvas->HandleAllocated() ? canvas->Handle() : nullptr) {
    canvas_->SetHandle(dc);
  }
  ~CanvasOnDC() { canvas_->SetHandle(old_); }
  CanvasOnDC(const CanvasOnDC&) = delete;
  CanvasOnDC& operator=(const CanvasOnDC&) = delete;

 private:
  TCanvas* canvas_;
  HDC old_;
};

}  // namespace

bool TsSkinProvider::TitleShortcutApplies() const {
  const TsGeneralData* s = skinData_->Section();
  TBitmap* cache = CacheBitmap();
  return !FullTitleRepaint && s && s->ReservedBoolean && TopAreaCache && !TopAreaCache->Empty() &&
         TopAreaCache->Width() == FormWidth() && cache && cache->Height() == form_->Height() && CaptionHeight() != 0;
}

// The whole window into the cache, in drawing order: the form's skin, the
// grip, the title band with icon, TITLEBAR strip, buttons and text, the
// menu line and the MDI area; then the form's own OnPaint over it. A form
// whose skin reuses its title redraws only the title over the kept top.
void TsSkinProvider::PaintFrameToCache() {
  struct ClearUpdating {
    TsCommonData* record;
    ~ClearUpdating() { record->Updating = false; }
  } clear{skinData_.get()};
  if (!form_ || FormCreating() || !skinData_->CacheBitmap) return;
  if (form_->FormStyle() == fsMDIForm && HasMaximisedMDIChild() && !FullTitleRepaint) {
    TForm* child = form_->ActiveMDIChild();
    if (child && child->Showing()) return;
  }
  if (!skinData_->BackgroundStale) return;
  TsSkinManager* m = skinData_->SkinManager();
  if (TitleShortcutApplies()) {
    TBitmap* cache = CacheBitmap();
    BitBlt(cache->Canvas()->Handle(), 0, 0, TopAreaCache->Width(), TopAreaCache->Height(),
           TopAreaCache->Canvas()->Handle(), 0, 0, SRCCOPY);
    GdiFlush();
    DrawTitleBand(skinData_->CachePixels());
    DrawCaptionText(true);
    FramePaintedOnce = true;
    skinData_->BackgroundStale = false;
    return;
  }
  RegionOutdated = true;
  const int width = FormWidth(), height = form_->Height();
  skinData_->CacheBitmap->SetSize(width, height);
  const TPixelBufferView cache = skinData_->CachePixels();
  const TRect all{0, 0, width, height};
  const int state = FormActive ? 1 : 0;
  if (m && m->IsValidSectionIndex(skinData_->SectionIndex)) {
    if (HasSkinnedFrame()) {
      // The client background never takes the hot look; the border
      // shows whether the form is active.
      PaintControlSkin(skinData_.get(), EmptyCacheInfo, true, 0, cache, TPoint{}, all, 0);
      if (state != 0 && m->IsValidMaskIndex(skinData_->BorderItemIndex))
        PaintMaskImage(cache, all, false, 0, state,
                       m->MaskItems[static_cast<size_t>(skinData_->BorderItemIndex)], EmptyCacheInfo);
    } else {
      PaintSectionBackground(skinData_->SectionIndex, skinData_->SkinSection(), EmptyCacheInfo,
                             SkinTransparentColor, -1, -1, m, cache, TPoint{}, all, 0);
    }
  }
  if (m && gripMode_ == gmRightBottom) {
    if (const TsMaskData* grip = MaskAt(m, GlobalItem(m, "GRIPIMAGE"))) {
      const TSize cell = ThreeStateCell(grip, 0);
      PaintMaskGlyph(cache, {width - cell.cx - FrameWidth(), height - cell.cy - FrameHeight()}, 0, *grip, 1);
    }
  }
  const TsGeneralData* section = skinData_->Section();
  const int topRows = CaptionHeight() + FrameHeight();
  if (section && section->ReservedBoolean && topRows > 0 &&
      (!TopAreaCache || TopAreaCache->Width() != width)) {
    GdiFlush();
    TopAreaCache.reset(CreateBitmap24(width, std::min(topRows, height)));
    BitBlt(TopAreaCache->Canvas()->Handle(), 0, 0, width, topRows, CacheBitmap()->Canvas()->Handle(), 0, 0,
           SRCCOPY);
    GdiFlush();
  }
  if (m && CaptionHeight() != 0) DrawTitleBand(cache);
  if (m) DrawMenuLine(cache);
  if (m && CaptionHeight() != 0) DrawCaptionText(false);
  if (m && form_->FormStyle() == fsMDIForm && HasMDISupport()) {
    TsMDIAreaMeasures a;
    a.Width = form_->Width();
    a.Height = height;
    a.FrameWidth = FrameWidth();
    a.FrameHeight = FrameHeight();
    a.CaptionHeight = CaptionHeight();
    a.BorderWidth = form_->BorderWidth();
    a.MenuLineHeight = MenuLineShown() ? MenuRowCount() * MenuHeight() : 0;
    a.LeftAligned = SumAlignedSizes(form_, alLeft, false);
    a.RightAligned = SumAlignedSizes(form_, alRight, false);
    a.BottomAligned = SumAlignedSizes(form_, alBottom, false);
    const TRect area = MDIAreaRect(a);
    if (!area.IsEmpty())
      PaintSectionToDC(m->LookupSection("MDIAREA"), "MDIAREA", EmptyCacheInfo, m, CacheBitmap()->Canvas()->Handle(),
                       TPoint{}, area, 0, true);
  }
  FullTitleRepaint = false;
  if (form_->OnPaint) {
    GdiFlush();
    HDC dc = CacheBitmap()->Canvas()->Handle();
    const TPoint offset = ClientOffset();
    POINT oldOrigin{};
    SetViewportOrgEx(dc, offset.X, offset.Y, &oldOrigin);
    struct RestoreOrigin {
      HDC dc;
      POINT origin;
      ~RestoreOrigin() { SetViewportOrgEx(dc, origin.x, origin.y, nullptr); }
    } restore{dc, oldOrigin};
    CanvasOnDC onCache(form_->Canvas(), dc);
    form_->OnPaint(form_);
  }
  FramePaintedOnce = true;
  skinData_->BackgroundStale = false;
}

// Title section, caption icon and the TITLEBAR strip behind the buttons.
void TsSkinProvider::DrawTitleBand(const TPixelBufferView& cache) {
  TsSkinManager* m = skinData_->SkinManager();
  if (!m) return;
  const std::string title = TitleSection();
  const int width = FormWidth();
  HWND wnd = form_->HandleIfAllocated();
  const int bandHeight = FrameHeight() + CaptionHeight();
  const TRect band = wnd && IsIconic(wnd) ? TRect{0, 0, width, CacheBitmap()->Height()} : TRect{0, 0, width, bandHeight};
  PaintSection(m->LookupSection(title), title, EmptyCacheInfo, -1, -1, m, cache, TPoint{}, band,
               FormActive ? 1 : 0, true);
  GdiFlush();
  DrawCaptionIcon();
  const TsCaptionButtonLayout layout = LayoutButtons();
  const bool anySystem = !ButtonClose.Rect.IsEmpty() || !ButtonMax.Rect.IsEmpty() || !ButtonMin.Rect.IsEmpty() ||
                         !ButtonHelp.Rect.IsEmpty();
  if (anySystem) {
    if (const TsMaskData* bar = MaskAt(m, m->LookupImageItem(skinData_->SectionIndex, skinData_->SkinSection(), "TITLEBAR"))) {
      const int w = TitleBarStripWidth(*bar, layout.ButtonsWidth);
      GdiFlush();
      PaintMaskImage(cache, TRect{width - w, 0, cache.Width, bandHeight}, true, 0, FormActive ? 1 : 0, *bar,
                     EmptyCacheInfo);
    }
  }
}

void TsSkinProvider::DrawCaptionIcon() {
  if (!IconVisible()) return;
  const int w = TitleIconWidth(), h = TitleIconHeight();
  if (w <= 0 || h <= 0) return;
  const TRect r = CaptionIconRect({FormWidth(), FrameWidth(), FrameHeight(), CaptionHeight(), 0}, w, h);
  HDC dc = CacheBitmap()->Canvas()->Handle();
  TBitmap* glyph = titleIcon_->Glyph();
  if (glyph->Empty()) {
    DrawIconEx(dc, r.Left, r.Top, CaptionIconHandle(form_, h), w, h, 0, nullptr, DI_NORMAL);
  } else {
    std::unique_ptr<TBitmap> fit(CreateBitmap24(w, h));
    HDC fdc = fit->Canvas()->Handle();
    SetStretchBltMode(fdc, COLORONCOLOR);
    StretchBlt(fdc, 0, 0, w, h, glyph->Canvas()->Handle(), 0, 0, glyph->Width(), glyph->Height(), SRCCOPY);
    GdiFlush();
    CopyBitmapKeyed(CacheBitmap()->PixelView(), fit->PixelView(), r.Left, SkinTransparentColor, r.Top);
  }
  GdiFlush();
}

// The button area kept for single-button repaints, the buttons, and the
// caption text in the title section's colours.
void TsSkinProvider::DrawCaptionText(bool ownManager) {
  TBitmap* cacheBitmap = CacheBitmap();
  TsSkinManager* m = skinData_->SkinManager();
  if (!cacheBitmap || !m) return;
  const int buttonsWidth = ButtonsWidth();
  GdiFlush();
  if (ButtonAreaCopy) {
    const int w = std::min(buttonsWidth + FrameWidth() + 10, FormWidth());
    const int h = std::min(TopAreaHeight(), cacheBitmap->Height());
    if (w > 0 && h > 0) {
      ButtonAreaCopy->SetPixelFormat(pf24bit);
      ButtonAreaCopy->SetSize(w, h);
      BitBlt(ButtonAreaCopy->Canvas()->Handle(), 0, 0, w, h, cacheBitmap->Canvas()->Handle(), FormWidth() - w - 1, 0,
             SRCCOPY);
    }
  }
  GdiFlush();
  DrawCaptionButtons(cacheBitmap->PixelView());
  GdiFlush();
  const std::string text = form_->Caption();
  if (text.empty()) return;
  TCanvas* canvas = cacheBitmap->Canvas();
  canvas->Font()->Assign(form_->Font());
  canvas->Font()->SetStyle(canvas->Font()->Style() + TFontStyles{fsBold});
  if (const int h = GetCaptionFontHeight(); h != 0) canvas->Font()->SetHeight(h);
  const TsCaptionFrame frame{FormWidth(), FrameWidth(), FrameHeight(), CaptionHeight(), 0};
  const TRect room = CaptionTextRect(frame, TitleIconWidth(), buttonsWidth);
  if (room.IsEmpty()) return;
  SIZE extent{};
  const std::wstring wide = brsm::ToUtf16(text);
  GetTextExtentPoint32W(canvas->Handle(), wide.c_str(), static_cast<int>(wide.size()), &extent);
  const TRect r = CentreTextRect(room, extent.cy);
  const unsigned flags = AlignmentTextFlags(form_, captionAlignment_) | 0x8824;
  const int titleIndex = TitleSectionIndex();
  if (ownManager)
    DrawSectionText(canvas, text, true, m, FormActive, titleIndex, flags, r);
  else
    DrawSectionTextDefault(canvas, text, true, FormActive, titleIndex, flags, r);
  GdiFlush();
}

// The menu line behind the main menu's items, and the items the menu
// painter draws on it.
void TsSkinProvider::DrawMenuLine(const TPixelBufferView& cache) {
  TsSkinManager* m = skinData_->SkinManager();
  if (!m || !MenuLineShown()) return;
  const int rows = MenuRowCount(), itemHeight = MenuHeight();
  const int top = FrameHeight() + CaptionHeight();
  const TRect line = Bounds(0, top, FormWidth(), rows * itemHeight);
  if (line.IsEmpty()) return;
  std::string section = menuLineSkin_.empty() || m->LookupSection(menuLineSkin_) == -1 ? "MENULINE" : menuLineSkin_;
  PaintSection(m->LookupSection(section), section, EmptyCacheInfo, -1, -1, m, cache, TPoint{}, line, 0, true);
  GdiFlush();
  HDC cdc = CacheBitmap()->Canvas()->Handle();
  if (TitleCache) {
    TitleCache->SetSize(line.Width(), line.Height());
    BitBlt(TitleCache->Canvas()->Handle(), 0, 0, line.Width(), line.Height(), cdc, 0, top, SRCCOPY);
  }
  TMainMenu* menu = form_->Menu();
  HWND wnd = form_->HandleIfAllocated();
  if (!menu || !wnd) return;
  TMenuItem* items = menu->Items();
  int lastGroup = 0;
  for (int i = 0; i < items->Count(); ++i) {
    TMenuItem* item = items->Items(i);
    if (!item->Visible() || !item->OnAdvancedDrawItem || item->GroupIndex() < lastGroup) continue;
    lastGroup = item->GroupIndex();
    RECT r{};
    if (!GetMenuItemRect(wnd, menu->Handle(), static_cast<UINT>(i), &r)) continue;
    const TRect at{r.left - form_->Left(), r.top - form_->Top(), r.right - form_->Left(), r.bottom - form_->Top()};
    item->OnAdvancedDrawItem(item, CacheBitmap()->Canvas(), at, TOwnerDrawState{odNoAccel});
  }
  GdiFlush();
}

void TsSkinProvider::PaintFrameTo(HDC dc) {
  if (!form_ || !dc) return;
  if (skinData_->BackgroundStale) {
    FreshFrame = !FramePaintedOnce;
    PaintFrameToCache();
    skinData_->BackgroundStale = false;
    skinData_->Updating = false;
  }
  TBitmap* cache = CacheBitmap();
  if (!cache || cache->Empty()) return;
  GdiFlush();
  HDC src = cache->Canvas()->Handle();
  const int bw = form_->BorderWidth();
  const int side = FrameWidth() + bw;
  const int bottom = FrameHeight() + bw;
  const int w = form_->Width(), h = form_->Height();
  const int cw = cache->Width(), ch = cache->Height();
  const int menu = MenuLineShown() ? MenuRowCount() * MenuHeight() : 0;
  const int t = (IsIconic(form_->HandleIfAllocated()) ? 1 : 0) + FrameHeight() + CaptionHeight() + menu + bw;
  BitBlt(dc, 0, 0, w, TopAreaHeight(), src, 0, 0, SRCCOPY);
  BitBlt(dc, 0, t, side, ch - t, src, 0, t, SRCCOPY);
  BitBlt(dc, cw - side, t, side, ch - t, src, cw - side, t, SRCCOPY);
  BitBlt(dc, side, h - bottom, w - side, bottom, src, side, h - bottom, SRCCOPY);
  if (auto* c = dynamic_cast<TControl*>(ExtraNotifyControl))
    SendCmdToControl(c, SkinCmdSkinReapplied, reinterpret_cast<LPARAM>(skinData_->SkinManager()));
}

void TsSkinProvider::PaintFrameToWindow() {
  TsSkinProvider* target = this;
  if (form_ && form_->FormStyle() == fsMDIChild && form_->WindowState() == wsMaximized && MDIParentProvider)
    target = MDIParentProvider;
  TCustomForm* form = target->Form();
  if (!form || !form->HandleAllocated()) return;
  target->SkinData()->BackgroundStale = true;
  HWND wnd = form->HandleIfAllocated();
  HDC dc = GetWindowDC(wnd);
  if (!dc) return;
  try {
    SavedDC keep(dc);
    target->PaintFrameTo(dc);
  } catch (...) {
    ReleaseDC(wnd, dc);
    throw;
  }
  ReleaseDC(wnd, dc);
}

void TsSkinProvider::PaintClientArea(TMessage&) {
  HWND wnd = form_->HandleIfAllocated();
  PAINTSTRUCT ps{};
  HDC dc = BeginPaint(wnd, &ps);
  if (!dc) return;
  TCanvas* canvas = form_->Canvas();
  canvas->Lock();
  try {
    SavedDC keep(dc);
    skinData_->Updating = false;
    if (!ShowingAnimation && !FormDestroying() && !OtherMDIChildMaximised(form_)) PaintClient(dc, true);
  } catch (...) {
    canvas->Unlock();
    EndPaint(wnd, &ps);
    throw;
  }
  canvas->Unlock();
  EndPaint(wnd, &ps);
}

void TsSkinProvider::PaintClient(HDC dc, bool notify) {
  if (TComponent* named = skinData_->PaintingChild) {
    auto* child = dynamic_cast<TControl*>(named);
    if (!child || !IsFormControl(form_, child)) return;
    const bool custom = form_->ControlState().Contains(csCustomPaint);
    if (custom) child->SetControlState(child->ControlState() + TControlState{csCustomPaint});
    {
      SavedDC keep(dc);
      OffsetViewportOrgEx(dc, child->Left(), child->Top(), nullptr);
      IntersectClipRect(dc, 0, 0, child->Width(), child->Height());
      if (child->ControlStyle().Contains(csOpaque)) {
        child->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
      } else if (TBitmap* cache = CacheBitmap()) {
        std::unique_ptr<TBitmap> under(CreateBitmap24(child->Width(), child->Height()));
        const TPoint offset = ClientOffset();
        HDC bdc = under->Canvas()->Handle();
        BitBlt(bdc, 0, 0, child->Width(), child->Height(), cache->Canvas()->Handle(),
               child->Left() + offset.X, child->Top() + offset.Y, SRCCOPY);
        child->Perform(WM_PAINT, reinterpret_cast<WPARAM>(bdc), 0);
        BitBlt(dc, 0, 0, child->Width(), child->Height(), bdc, 0, 0, SRCCOPY);
      }
    }
    if (custom) child->SetControlState(child->ControlState() - TControlState{csCustomPaint});
    return;
  }
  if (!skinData_->ForceFullRedraw) PaintFrameToCache();
  if (form_->FormStyle() != fsMDIForm) {
    const TPoint offset = ClientOffset();
    const int left = FrameWidth() + form_->BorderWidth();
    PaintChildrenToDC(form_, skinData_.get(), TRect{left, offset.Y, form_->Width(), form_->Height()}, 0, 0,
                      false, dc, TRect{0, 0, form_->Width(), form_->Height()});
    PaintGraphicChildren(dc, form_, TPoint{0, 0});
  }
  if (notify) {
    SendFinishUpdateToChildren(form_);
    TMessage finish = MakeMessage(CommandMessage, SkinCmdWParam(SkinCmdFinishUpdate), 0);
    PassCommandToAdapter(finish);
  }
  FreshFrame = false;
}
