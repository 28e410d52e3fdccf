// The glyph helpers of the skinned buttons: counting an image list,
// building an unskinned button's two-frame glyph from a list, and painting
// a skinned button's glyph into its cache.
#pragma once

#include "platform/graphics/bitmap.h"
#include "platform/graphics/image_list.h"
#include "skin/controls/glyph_frames.h"
#include "skin/core/section_painting.h"

class TControl;
class TsBitBtn;
class TsCommonData;

// 0 without a list.
int ImageListCount(TCustomImageList* images);

// The glyph becomes image `imageIndex` and its disabled frame, and
// glyphCount 2. Nothing while the button is skinned, loading in design
// mode, or the index is outside the list.
void MakeImageListGlyph(TControl* button, TsCommonData* record, int imageIndex, int& glyphCount,
                        TsDisabledGlyphKind kind, TBitmap* glyph, TCustomImageList* images);

// What a button's glyph is painted from and how.
struct TsButtonGlyphSource {
  TBitmap* Glyph = nullptr;  // a strip of NumGlyphs frames; used when wider than 0
  int NumGlyphs = 1;
  TCustomImageList* Images = nullptr;
  int ImageIndex = -1;
  TRect Rect{};  // where the glyph goes in the cache
  bool Down = false;
  int StateKind = 0;  // the state PaintGlyphImage shows
  TsImageGlyphLook Look;
};

// A glyph into a cache (24-bit): the strip through PaintGlyphImage, else
// the list's image laid in keyed by the list's background.
void PaintButtonGlyph(TBitmap* cache, const TsButtonGlyphSource& source);
// The bit-map button's glyph into its cache.
void DrawButtonGlyph(TsBitBtn* button);
