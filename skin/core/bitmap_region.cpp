#include "skin/core/bitmap_region.h"

#include "skin/core/pixel_access.h"

void CollectKeyRuns(std::vector<TRect>& runs, const TPixelBufferView& bitmap, TColor key) {
  if (!SharedFast24.Attach(bitmap)) return;
  const TColor k = KeyColorValue(key);
  for (int y = 0; y < SharedFast24.Height; ++y) {
    const uint8_t* p = SharedFast24.Address(0, y);
    bool open = false;
    TRect run;
    for (int x = 0; x < SharedFast24.Width; ++x, p += 3) {
      if (PixelIsKey(p, k)) {
        if (open) {
          ++run.Right;
        } else {
          run = TRect{x, y, x + 1, y + 1};
          open = true;
        }
      } else if (open) {
        runs.push_back(run);
        open = false;
      }
    }
    if (open) runs.push_back(run);
  }
}

void BuildBitmapRegion(TRegionHandle& region, const TPixelBufferView& bitmap, TColor key) {
  std::vector<TRect> runs(1);  // one empty rectangle, which removes nothing
  CollectKeyRuns(runs, bitmap, KeyColorValue(key));
  TPaintSeam& seam = PaintSeam();
  region = seam.CreateRectRegion(TRect{0, 0, bitmap.Width, bitmap.Height});
  for (const TRect& r : runs) seam.CombineRectWithRegion(region, r, TRegionCombine::Diff);
}
