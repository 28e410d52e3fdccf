#include "skin/core/bitmap_create_win.h"

#include "platform/graphics/canvas.h"
#include "skin/core/skin_constants.h"

namespace {

TBitmap* CreateBitmapOf(TPixelFormat format, int width, int height) {
  auto* b = new TBitmap();
  b->SetPixelFormat(format);
  b->SetHandleType(bmDIB);
  b->SetSize(width, height);
  return b;
}

}  // namespace

TBitmap* CreateBitmap24(int width, int height) { return CreateBitmapOf(pf24bit, width, height); }

TBitmap* CreateBitmap32(int width, int height) { return CreateBitmapOf(pf32bit, width, height); }

TBitmap* CreateBitmapLike(TBitmap* bitmap) {
  return CreateBitmap24(bitmap->Width(), bitmap->Height());
}

void ImageToBitmap(TBitmap* bitmap, TCustomImageList* images, int index) {
  bitmap->SetSize(images->Width(), images->Height());
  const TColor back = images->BkColor() == clNone ? SkinTransparentColor : images->BkColor();
  TCanvas* canvas = bitmap->Canvas();
  canvas->Brush()->SetColor(back);
  canvas->FillRect(TRect{0, 0, bitmap->Width(), bitmap->Height()});
  images->Draw(canvas, 0, 0, index);
}
