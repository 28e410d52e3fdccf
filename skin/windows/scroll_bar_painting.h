// One skinned scroll bar composed into a 24-bit bitmap of its size: the two
// page sections split at the thumb's centre, the arrow buttons and the
// thumb with their glyphs centred, and the disabled look.
#pragma once

#include "platform/graphics/pixel_buffer.h"
#include "skin/core/cache_info.h"
#include "skin/windows/scroll_bar_geometry.h"

class TsSkinManager;

struct TvxBarLook {
  int Direction = BarHorizontal;
  TvxScrollInfo Info;
  int HitArrow = 17;    // the arrow length the thumb is measured with
  int PaintArrow = 17;  // the arrow length the buttons are painted with
  int GlyphArea = 17;   // the square an arrow's glyph is centred in
  int MinThumb = DefaultMinThumbSize;
  int FirstArrowState = 0;  // 0 normal, 1 hot, 2 pressed
  int LastArrowState = 0;
  int PressedPart = -1;
  int ThumbState = 0;
  bool Enabled = true;
  // A dragged thumb's start along the bar; negative: from the position.
  int ThumbStart = -1;
};

// The sections' pieces are painted over `background` (the window's cache
// at the bar's place) where they are see-through. Nothing without the
// SCROLLBAR1 section of the direction or for a bar under 2 pixels long.
void ComposeScrollBar(TsSkinManager* manager, const TPixelBufferView& bar, const TvxBarLook& look,
                      const TCacheInfo& background);
