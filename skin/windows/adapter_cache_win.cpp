// The cache of an adapted window: its look painted over the parent's, and
// the border image's corners laid over what lies under the window.
#include <windows.h>

#include "platform/graphics/colors.h"
#include "skin/core/cache_bitmap.h"
#include "skin/core/common_data_win.h"
#include "skin/core/control_utils_win.h"
#include "skin/core/image_painting.h"
#include "skin/core/paint_colors.h"
#include "skin/core/pixel_fill.h"
#include "skin/core/skin_constants.h"
#include "skin/core/skin_manager.h"
#include "skin/windows/main_wnd_win.h"

TsDisabledKind AdapterDisabledKind;

namespace {

const TsMaskData* ItemOf(TsSkinManager* manager, int index) {
  return manager && manager->IsValidMaskIndex(index) ? &manager->MaskItems[index] : nullptr;
}

// The item with its frame count and rows as painting counts them: below 1
// counts as 1, so no size is ever divided by 0.
TsMaskData CountedFrames(const TsMaskData& item) {
  TsMaskData counted = item;
  if (counted.ImageCount < 1) counted.ImageCount = 1;
  if (counted.MaskType < 0) counted.MaskType = 0;
  return counted;
}

}  // namespace

void FillFramed(const TPixelBufferView& pixels, TColor fill, TColor frame) {
  if (pixels.Empty()) return;
  FillRectPixels(pixels, TRect{0, 0, pixels.Width, pixels.Height}, ColorToRGB(fill));
  const TColor rgb = ColorToRGB(frame);
  FillRectPixels(pixels, TRect{0, 0, pixels.Width, 1}, rgb);
  FillRectPixels(pixels, TRect{0, pixels.Height - 1, pixels.Width, pixels.Height}, rgb);
  FillRectPixels(pixels, TRect{0, 0, 1, pixels.Height}, rgb);
  FillRectPixels(pixels, TRect{pixels.Width - 1, 0, pixels.Width, pixels.Height}, rgb);
}

bool SizeCacheToWindow(TsCommonData* record, HWND window) {
  if (!record) return false;
  record->PrepareCacheBitmap();
  if (!record->CacheBitmap) return false;
  RECT r{};
  GetWindowRect(window, &r);
  const int width = r.right - r.left;
  const int height = r.bottom - r.top;
  // No cache for a window without size.
  if (width <= 0 || height <= 0) {
    record->CacheBitmap->SetSize(0, 0);
    return false;
  }
  record->CacheBitmap->SetSize(width, height);
  return true;
}

void RefreshControlCache(TsCommonData* record, HWND window, bool plainFrame) {
  if (!record || !record->BackgroundStale) return;
  if (!SizeCacheToWindow(record, window)) {
    record->BackgroundStale = false;
    return;
  }
  const TPixelBufferView pixels = record->CacheBitmap->PixelView();
  TsSkinManager* manager = record->SkinManager();
  const bool framed = plainFrame && manager &&
                      (manager->SkinData.BorderColor & 0xFFFFFF) != SkinTransparentColor;
  if (framed) {
    FillFramed(pixels, clWindow, manager->SkinData.BorderColor);
  } else if (GetParent(window)) {
    TvxWindowPlace place;
    GetWindowPosInParent(window, place);
    const int width = pixels.Width, height = pixels.Height;
    TCacheInfo parent;
    GetParentCacheInfoOfWindow(window, parent);
    if (parent.Ready) {
      parent.X += place.Position.X;
      parent.Y += place.Position.Y;
    }
    if (record->IsSkinned(false))
      PaintControlSkin(record, parent, true, 0, pixels, TPoint{0, 0}, TRect{0, 0, width, height}, 0);
    if (auto* control = dynamic_cast<TControl*>(record->HostControl); control && !control->Enabled()) {
      AdapterDisabledKind = TsDisabledKind{};
      SendCmdToWindow(window, SkinCmdQuerySectionIndex, 0);
      PaintDisabledLook(pixels, AdapterDisabledKind, control->Parent(), place.Position, parent);
    }
  }
  record->BackgroundStale = false;
}

void PaintAdapterCorners(TsCommonData* record, int state, TvxMainWnd* adapter) {
  if (!record || !adapter || adapter->DialogMode || !record->CacheBitmap) return;
  TsSkinManager* manager = record->SkinManager();
  const TsMaskData* border = ItemOf(manager, record->BorderItemIndex);
  if (!border) return;
  const TPixelBufferView cache = record->CacheBitmap->PixelView();
  if (cache.Empty() || cache.Width <= 1 || cache.Height <= 1) return;
  const TsMaskData item = CountedFrames(*border);
  if (state > item.ImageCount - 1) state = item.ImageCount - 1;
  if (state < 0) state = 0;
  HWND window = adapter->WindowHandle;
  HWND parent = GetParent(window);
  TCacheInfo under = EmptyCacheInfo;
  ParentBackColor = SkinTransparentColor;
  if (parent && WindowAnswersCmd(parent, SkinCmdQueryBackgroundKind)) {
    GetParentCacheInfoOfWindow(window, under);
    if (under.Ready) {
      TvxWindowPlace place;
      GetWindowPosInParent(window, place);
      under.X += place.Position.X;
      under.Y += place.Position.Y;
    }
  } else if (parent) {
    ParentBackColor = SkinTransparentColor;
    SendCmdToWindow(parent, SkinCmdQueryBackColor, 0);
  }
  PaintCacheCorners(cache, item, state, AllCorners, under);
  ParentBackColor = SkinTransparentColor;
}
