#include "skin/controls/bit_btn_glyph.h"
#include "skin/core/cache_bitmap_win.h"
#include "skin/launcher-controls/speed_button.h"

void DrawSpeedButtonGlyph(TsSpeedButton* button) {
  if (!button) return;
  TsCommonData* record = button->SkinData();
  TsButtonGlyphSource s;
  s.Glyph = button->Glyph();
  s.NumGlyphs = button->NumGlyphs();
  s.Images = button->Images();
  s.ImageIndex = button->ImageIndex();
  const bool ownGlyph = s.Glyph && s.Glyph->Width() > 0;
  if (!ownGlyph && (!s.Images || s.ImageIndex < 0 || s.ImageIndex >= ImageListCount(s.Images))) return;
  s.Rect = button->GlyphRect();
  s.Down = button->Down();
  s.StateKind = button->CurrentState();
  s.Look.Enabled = button->Enabled();
  s.Look.Active = record->IsActiveState();
  s.Look.Grayed = button->Grayed();
  s.Look.Blend = button->Blend();
  s.Look.DisabledKind = button->DisabledGlyphKind();
  if (!ownGlyph) s.Look.KeepPixel = TPoint{0, s.Images->Height() - 1};
  PaintButtonGlyph(CacheBitmapOf(record), s);
}
