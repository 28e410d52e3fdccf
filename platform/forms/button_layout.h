// Where a button's glyph and caption go inside its face. No window needed.
#pragma once

#include "platform/graphics/geometry.h"

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

namespace brsm {

struct TGlyphAndCaptionPlace {
  TPoint Glyph;  // top-left corner of the glyph
  TRect Caption;
};

// Glyph and caption as one block in `client`: Margin is the distance of the
// glyph from the edge named by `layout`, Spacing the gap between glyph and
// caption. Margin -1 centres the block; Spacing -1 centres the caption in
// the room beyond the glyph; both -1 share the free room in three equal
// parts. Across the layout direction both are centred. Without glyph or
// caption the spacing counts as 0.
TGlyphAndCaptionPlace PlaceGlyphAndCaption(const TRect& client, TSize glyph, TSize caption,
                                           TButtonLayout layout, int margin, int spacing);

}  // namespace brsm
