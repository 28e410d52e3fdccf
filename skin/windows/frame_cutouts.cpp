#include "skin/windows/frame_cutouts.h"

#include <algorithm>

#include "skin/core/image_painting.h"
#include "skin/core/skin_manager.h"

namespace {

const TsMaskData* ItemAt(const TsSkinManager& manager, int index) {
  return manager.IsValidMaskIndex(index) ? &manager.MaskItems[static_cast<size_t>(index)] : nullptr;
}

}  // namespace

std::vector<TRect> CollectFrameCutouts(const TsSkinManager& manager, int formBorder,
                                       int titleBorder, int formWidth, int formHeight) {
  std::vector<TRect> cutouts;
  if (const TsMaskData* form = ItemAt(manager, formBorder)) {
    CollectCornerHoles(cutouts, formWidth, *form, false, 0);
    CollectCornerHoles(cutouts, formWidth, *form, true, formHeight - std::max<int>(form->WB, 0));
  }
  if (const TsMaskData* title = ItemAt(manager, titleBorder))
    CollectCornerHoles(cutouts, formWidth, *title, false, 0);
  return cutouts;
}

TRegionHandle MakeFormRegion(const std::vector<TRect>& cutouts, int width, int height) {
  TRegionHandle region = PaintSeam().CreateRectRegion(TRect{0, 0, width, height});
  for (const TRect& r : cutouts) PaintSeam().CombineRectWithRegion(region, r, TRegionCombine::Diff);
  return region;
}
