#include "skin/controls/bit_btn_glyph.h"

#include <algorithm>
#include <memory>

#include "platform/forms/controls.h"
#include "skin/controls/bit_btn.h"
#include "skin/core/bitmap_create_win.h"
#include "skin/core/cache_bitmap_win.h"
#include "skin/core/common_data.h"
#include "skin/core/skin_constants.h"

namespace {

TColor ListKey(TCustomImageList* images) {
  return images->BkColor() == clNone ? SkinTransparentColor : ColorToRGB(images->BkColor());
}

// Image `index` on the list's background, 24 bits.
std::unique_ptr<TBitmap> ListImage(TCustomImageList* images, int index) {
  std::unique_ptr<TBitmap> image(CreateBitmap24(images->Width(), images->Height()));
  ImageToBitmap(image.get(), images, index);
  GdiFlush();
  return image;
}

}  // namespace

int ImageListCount(TCustomImageList* images) { return images ? images->Count() : 0; }

TSize ButtonGlyphSize(TBitmap* glyph, int numGlyphs, TCustomImageList* images, int imageIndex) {
  if (glyph && glyph->Width() > 0) return TSize{glyph->Width() / std::max(numGlyphs, 1), glyph->Height()};
  if (images && imageIndex >= 0) return TSize{images->Width(), images->Height()};
  return TSize{0, 0};
}

void MakeImageListGlyph(TControl* button, TsCommonData* record, int imageIndex, int& glyphCount,
                        TsDisabledGlyphKind kind, TBitmap* glyph, TCustomImageList* images) {
  if (!glyph || TsCommonData::IsSkinned(record)) return;
  const TComponentState state = button ? button->ComponentState() : TComponentState{};
  if (state.Contains(csLoading) && state.Contains(csDesigning)) return;
  if (imageIndex < 0 || imageIndex >= ImageListCount(images)) return;
  const TPixelFormat format = glyph->PixelFormat();
  const std::unique_ptr<TBitmap> image = ListImage(images, imageIndex);
  const TColor key = ListKey(images);
  TPixelBuffer strip = MakeImageListGlyphFrames(image->PixelView(), key, kind, clBtnFace);
  glyph->SetPixelFormat(pf24bit);
  glyph->AssignPixels(strip.View());
  glyph->SetPixelFormat(format);
  glyph->SetTransparentColor(key);
  glyph->SetTransparent(true);
  glyphCount = 2;
}

void PaintButtonGlyph(TBitmap* cache, const TsButtonGlyphSource& s) {
  if (!cache || cache->Empty()) return;
  if (s.Glyph && s.Glyph->Width() > 0) {
    GdiFlush();
    const TsImageGlyphLook& l = s.Look;
    PaintGlyphImage(s.Glyph->PixelView(), cache->PixelView(), s.Rect, s.Down, l.Blend, s.StateKind,
                    AsDisabledKind(l.DisabledKind), l.Grayed, l.Enabled, s.NumGlyphs);
    return;
  }
  if (!s.Images || s.ImageIndex < 0 || s.ImageIndex >= ImageListCount(s.Images)) return;
  const std::unique_ptr<TBitmap> image = ListImage(s.Images, s.ImageIndex);
  GdiFlush();
  PaintImageListGlyph(cache->PixelView(), TPoint{s.Rect.Left, s.Rect.Top}, image->PixelView(),
                      ListKey(s.Images), s.Look);
}

void DrawButtonGlyph(TsBitBtn* button) {
  if (!button) return;
  TsButtonGlyphSource s;
  if (!ReadButtonGlyph(button, s)) return;
  s.StateKind = s.Look.Active ? 1 : 0;
  PaintButtonGlyph(CacheBitmapOf(button->SkinData()), s);
}
