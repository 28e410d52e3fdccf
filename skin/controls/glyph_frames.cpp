#include "skin/controls/glyph_frames.h"

#include "skin/core/bitmap_helpers.h"
#include "skin/core/blending.h"
#include "skin/core/keyed_copy.h"
#include "skin/core/pixel_access.h"
#include "skin/core/pixel_copy.h"
#include "skin/core/pixel_fill.h"
#include "skin/core/skin_constants.h"

namespace {

TRect Whole(const TPixelBufferView& v) { return TRect{0, 0, v.Width - 1, v.Height - 1}; }

}  // namespace

TPixelBuffer MakeImageListGlyphFrames(const TPixelBufferView& image, TColor key,
                                      TsDisabledGlyphKind kind, TColor face) {
  if (!Is24BitView(image)) return {};
  const int w = image.Width;
  TPixelBuffer strip(2 * w, image.Height);
  const TPixelBufferView out = strip.View();
  const TRect all{0, 0, w, image.Height};
  CopyPixels(out, 0, 0, image, all);
  if (kind.Empty()) {
    CopyPixels(out, w, 0, image, all);
    return strip;
  }
  TPixelBuffer copy(w, image.Height);
  const TPixelBufferView c = copy.View();
  CopyPixels(c, 0, 0, image, all);
  if (kind.Contains(dgGrayed)) GrayscaleExceptKey(c, key);
  FillRectPixels(out, TRect{w, 0, 2 * w, image.Height}, face);
  if (kind.Contains(dgBlended)) {
    BlendRectKeyed(out, w, 0, key, 0.5, Whole(c), c);
  } else {
    CopyBitmapKeyed(out, c, w, key, 0);
    WritePixelBytes(out.Pixel(w, out.Height - 1), SkinTransparentColor);
  }
  return strip;
}

void PaintImageListGlyph(const TPixelBufferView& target, TPoint at, const TPixelBufferView& image,
                         TColor key, const TsImageGlyphLook& look) {
  if (!Is24BitView(image) || !Is24BitView(target)) return;
  const bool keepInside = image.Contains(look.KeepPixel.X, look.KeepPixel.Y);
  auto greyImage = [&] {
    if (keepInside) GrayscaleExceptKey(image, ReadPixelBytes(image.Pixel(look.KeepPixel.X, look.KeepPixel.Y)));
  };
  if (look.Enabled) {
    if (!look.Active && look.Grayed) greyImage();
    if (look.Active || look.Blend < 1)
      CopyBitmapKeyed(target, image, at.X, key, at.Y);
    else
      BlendRectKeyed(target, at.X, at.Y, key, look.Blend / 100.0, Whole(image), image);
    return;
  }
  if (look.DisabledKind.Contains(dgGrayed)) greyImage();
  if (look.DisabledKind.Contains(dgBlended))
    BlendRectKeyed(target, at.X, at.Y, key, 0.5, Whole(image), image);
  else
    CopyBitmapKeyed(target, image, at.X, key, at.Y);
}
