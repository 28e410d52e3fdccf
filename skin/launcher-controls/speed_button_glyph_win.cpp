#include "skin/controls/bit_btn_glyph.h"
#include "skin/core/cache_bitmap_win.h"
#include "skin/launcher-controls/speed_button.h"

void DrawSpeedButtonGlyph(TsSpeedButton* button) {
  if (!button) return;
  TsButtonGlyphSource s;
  if (!ReadButtonGlyph(button, s)) return;
  s.StateKind = button->CurrentState();
  const bool ownGlyph = s.Glyph && s.Glyph->Width() > 0;
  if (!ownGlyph) s.Look.KeepPixel = TPoint{0, s.Images->Height() - 1};
  PaintButtonGlyph(CacheBitmapOf(button->SkinData()), s);
}
