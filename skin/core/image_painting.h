// Painting image items (TsMaskData): one state frame as a nine-part border
// stretched or tiled to a rectangle, unstretched glyphs, the corners of a
// control's cache, borders that cut a window region, and the transparent
// corner runs used for window shapes.
//
// Item geometry comes from the skin and is not trusted: frame counts of 0,
// negative states and rectangles outside the image are clamped, and every
// read and write stays inside its bitmap.
#pragma once

#include <vector>

#include "platform/graphics/pixel_buffer.h"
#include "skin/core/cache_info.h"
#include "platform/graphics/geometry.h"
#include "skin/core/paint_seam.h"
#include "skin/core/skin_data.h"

// Corner bits of PaintCacheCorners.
enum : int {
  CornerTopLeft = 1,
  CornerBottomLeft = 2,
  CornerTopRight = 4,
  CornerBottomRight = 8,
  AllCorners = 15
};

// Paints frame `state` of the item as a nine-part border into the rectangle.
// Nonzero mode lets transparent corner pixels take the parent's background
// from the cache. Nothing for state 0 of an item with StretchMode bit 2,
// for a rectangle not wider and higher than 1 or an item without manager.
// The centre is painted only when fill_centre is set and StretchMode has
// bit 4.
void PaintMaskImage(const TPixelBufferView& bitmap, TRect rect, bool fill_centre, int mode,
                    int state, const TsMaskData& item, const TCacheInfo& cache);

// Copies frame `state` unstretched with its top-left at the point. Mode 1
// copies; other modes give the lighter inactive look.
void PaintMaskGlyph(const TPixelBufferView& bitmap, TPoint point, int state,
                    const TsMaskData& item, int mode);

// Both rectangles inclusive; min(source, destination) rows and columns,
// clipped to the target and the source.
void CopyGlyphFrame(TRect dst, TRect src, const TPixelBufferView& target, const TsMaskData& item,
                    int mode, const TPixelBufferView& source);

// The pixel work of repainting a control's border corners into its cache:
// the requested corners (bits above) of frame `state` at the cache's
// corners. A magenta picture pixel takes ParentBackColor when that is set,
// else the parent cache's pixel at the control's offset.
void PaintCacheCorners(const TPixelBufferView& cache, const TsMaskData& item, int state,
                       int parts, const TCacheInfo& parent_cache);

// Paints the item's frame over the whole bitmap and removes its transparent
// corner pixels from the region (when one is given).
void CutMaskCorners(const TPixelBufferView& bitmap, TRegionHandle region, bool fill_centre,
                    int state, const TsMaskData& item);

// Appends the transparent runs of frame 0's top (bottom = false) or bottom
// corner cells; the right cell is placed to end at window_width, rows start
// at top_offset.
void CollectCornerHoles(std::vector<TRect>& holes, int window_width, const TsMaskData& item,
                        bool bottom, int top_offset);
