// Painting a skinned form: the whole window into the skin record's cache,
// the frame strips from the cache to the window, and the client area from
// the cache around the controls.
#include "skin/core/bitmap_create_win.h"
#include "skin/core/cache_bitmap_win.h"
#include "skin/core/common_data_win.h"
#include "skin/core/control_utils_win.h"
#include "skin/core/image_painting.h"
#include "skin/core/section_painting.h"
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

// The form, its border and its title band; the caption's text, icon and
// buttons, the menu line and the grip are not drawn into it yet.
void TsSkinProvider::PaintFrameToCache() {
  if (!form_ || FormCreating() || !skinData_->CacheBitmap) return;
  if (form_->FormStyle() == fsMDIForm && HasMaximisedMDIChild() && !FullTitleRepaint) {
    TForm* child = form_->ActiveMDIChild();
    if (child && child->Showing()) return;
  }
  if (skinData_->BackgroundStale) {
    TsSkinManager* m = skinData_->SkinManager();
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
    if (m && CaptionHeight() != 0) {
      const std::string title = TitleSection();
      const TRect band{0, 0, width, FrameHeight() + CaptionHeight()};
      PaintSection(m->LookupSection(title), title, EmptyCacheInfo, -1, -1, m, cache, TPoint{}, band,
                   state, true);
    }
    FullTitleRepaint = false;
    FramePaintedOnce = true;
    skinData_->BackgroundStale = false;
  }
  skinData_->Updating = false;
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
