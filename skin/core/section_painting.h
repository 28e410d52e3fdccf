// Painting a skin section into a 24-bit bitmap: its background (colour,
// transparency over the parent, texture, gradient), its corner images and
// its border; a skinned control's whole look through its record; the
// disabled look of a finished cache; one frame of a glyph strip.
//
// Sections and items come from the skin and are not trusted: percentages
// are held to 0..100, rectangles are clipped, and nothing reads or writes
// outside a bitmap.
#pragma once

#include <string>

#include "platform/graphics/colors.h"
#include "platform/graphics/geometry.h"
#include "platform/graphics/pixel_buffer.h"
#include "platform/rtl/sets.h"
#include "skin/core/cache_info.h"
#include "skin/core/skin_data.h"

class TComponent;
class TsCommonData;
class TsSkinManager;

// How a disabled face or glyph looks: blended with what lies under it,
// greyed, or both.
enum TsDisabledKindItem { dkBlended, dkGrayed };
using TsDisabledKind = TSet<TsDisabledKindItem>;
// The same choice for a button's glyph only; its bits are those of
// TsDisabledKind, so glyph painters take it as one.
enum TsDisabledGlyphKindItem { dgBlended, dgGrayed };
using TsDisabledGlyphKind = TSet<TsDisabledGlyphKindItem>;
inline TsDisabledKind AsDisabledKind(TsDisabledGlyphKind kind) {
  return TsDisabledKind::FromBits(kind.Bits());
}

// An override colour of SkinTransparentColor means none. A pattern index of
// -1 is looked up by name. Nil manager: DefaultManager.
void PaintSectionBackground(int sectionIndex, const std::string& sectionName,
                            const TCacheInfo& cache, TColor overrideColor, int hotPatternIndex,
                            int patternIndex, TsSkinManager* manager,
                            const TPixelBufferView& bitmap, TPoint offset, TRect rect, int state);
// The record's section and patterns; its CustomColor paints the owner's
// colour plain.
void PaintControlBackground(const TsCommonData* record, const TCacheInfo& cache, int state,
                            const TPixelBufferView& bitmap, TPoint offset, TRect rect);
// Background, corner images, then BORDERSMASK. Nothing for a rectangle that
// leaves the bitmap.
void PaintSection(int sectionIndex, const std::string& sectionName, const TCacheInfo& cache,
                  int hotPatternIndex, int patternIndex, TsSkinManager* manager,
                  const TPixelBufferView& bitmap, TPoint offset, TRect rect, int state,
                  bool fillCentre);
// Background by the given indexes, then the given item as border.
void PaintSectionWithMask(int sectionIndex, int maskIndex, int patternIndex,
                          TsSkinManager* manager, const TPixelBufferView& bitmap, TPoint offset,
                          TRect rect, int state, bool fillCentre, const TCacheInfo& cache,
                          const std::string& sectionName, int hotPatternIndex);
// A skinned control's whole look into the bitmap (usually its cache).
void PaintControlSkin(const TsCommonData* record, const TCacheInfo& cache, bool fillCentre,
                      int mode, const TPixelBufferView& bitmap, TPoint offset, TRect rect,
                      int state);
// Greys and/or blends a finished cache: with the parent's pixels at 60
// percent when its cache is ready, else half with the parent's colour.
void PaintDisabledLook(const TPixelBufferView& bitmap, TsDisabledKind kind, TComponent* parent,
                       TPoint offset, const TCacheInfo& parentCache);
// One frame of a strip of frameCount glyphs at rect's top-left.
void PaintGlyphImage(const TPixelBufferView& glyph, const TPixelBufferView& target, TRect rect,
                     bool down, int blendPercent, int stateKind, TsDisabledKind disabledKind,
                     bool grayed, bool enabled, int frameCount);
// The frame PaintGlyphImage shows of a strip.
int GlyphFrameIndex(int frameCount, int stateKind, bool down, bool enabled);

// Tiles the whole picture over the rectangle; the last row and column cut.
void TileGraphic(const TPixelBufferView& target, TRect rect, const TPixelBufferView& picture);
// The item's texture from source (its own image or the master bitmap) by
// drawing mode; rect becomes the part left uncovered (Right -1 when none).
void PaintTexture(const TPixelBufferView& target, TRect& rect, const TPixelBufferView& source,
                  int mode, const TsMaskData& item);
// A masked texture item tiled through its mask by the same modes; magenta
// picture pixels take TransparentFillColor, else the ready cache's pixel.
void PaintMaskedTexture(const TPixelBufferView& target, TRect rect, const TCacheInfo& cache,
                        int mode, const TsMaskData& item);

// Repaints the corners (CornerTopLeft... bits) of the record's border item
// into its cache, transparent pixels taken from the parent.
void RedrawCachedCorners(TsCommonData* record, int state, int parts);
void RedrawCachedBorders(TsCommonData* record, int state);
