// Pixel work on button glyphs that needs no window: the glyphs of the
// bit-map button kinds, drawn by code, and the embossed "disabled" picture
// made from any glyph. Pixels are 24- or 32-bit views (blue, green, red).
#pragma once

#include <cstdint>

#include "platform/graphics/pixel_buffer.h"

enum TBitBtnKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };

namespace brsm {

// A colour as its red, green and blue bytes.
struct TRGB {
  uint8_t R = 0, G = 0, B = 0;
  bool operator==(const TRGB&) const = default;
};

// Side of a kind's glyph picture.
constexpr int KindGlyphSize = 18;
// The see-through colour of the kinds' glyphs (olive), left in the
// bottom-left pixel where a bitmap's automatic transparent colour is read.
constexpr TRGB KindGlyphBackground{0x80, 0x80, 0x00};

// Draws the picture of `kind` into the top-left KindGlyphSize square of
// `view` over KindGlyphBackground. bkCustom leaves the background only.
void PaintKindGlyph(TBitBtnKind kind, const TPixelBufferView& view);

// The parts of a glyph that are drawn in the disabled look: pixels that are
// not `transparent` and darker than light grey. Returns false where none.
bool IsEmbossInk(const uint8_t* pixel, TRGB transparent);

// Paints the embossed disabled picture of `source` into `dest` (same size or
// larger): every ink pixel of the source gives a `highlight` pixel one down
// and right and a `shadow` pixel in place; everything else becomes
// `background`.
void PaintEmbossed(const TPixelBufferView& source, TRGB transparent, const TPixelBufferView& dest,
                   TRGB background, TRGB highlight, TRGB shadow);

}  // namespace brsm
