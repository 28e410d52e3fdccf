#include "skin/core/section_painting_win.h"

#include <memory>

#include "platform/graphics/canvas.h"
#include "skin/core/bitmap_create_win.h"
#include "skin/core/section_painting.h"

void PaintSectionToDC(int sectionIndex, const std::string& sectionName, const TCacheInfo& cache,
                      TsSkinManager* manager, HDC dc, TPoint offset, TRect rect, int state,
                      bool fillCentre) {
  if (!dc || rect.IsEmpty()) return;
  std::unique_ptr<TBitmap> temp(CreateBitmap24(rect.Width(), rect.Height()));
  PaintSection(sectionIndex, sectionName, cache, -1, -1, manager, temp->PixelView(), offset,
               TRect{0, 0, rect.Width(), rect.Height()}, state, fillCentre);
  const int saved = SaveDC(dc);
  BitBlt(dc, rect.Left, rect.Top, rect.Width(), rect.Height(), temp->Canvas()->Handle(), 0, 0, SRCCOPY);
  RestoreDC(dc, saved);
}
