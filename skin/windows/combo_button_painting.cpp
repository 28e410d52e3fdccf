#include "skin/windows/combo_button_painting.h"

#include <algorithm>

#include "skin/core/cache_info.h"
#include "skin/core/image_painting.h"
#include "skin/core/image_piece.h"
#include "skin/core/pixel_fill.h"
#include "skin/core/pixel_copy.h"
#include "skin/core/section_painting.h"
#include "skin/core/skin_manager.h"
#include "skin/windows/combo_geometry.h"

int ComboGlyphHeight(const TsSkinManager* m) {
  if (!m || !m->IsValidMaskIndex(m->CommonIndexCache.ComboBoxGlyph)) return 16;
  const TsMaskData& g = m->MaskItems[m->CommonIndexCache.ComboBoxGlyph];
  return g.SourceRect.Height() / std::max(1, g.MaskType + 1);
}

namespace {

// The text colour of the button's section, else the box's, else black.
TColor ArrowColor(const TsSkinManager* m, int state) {
  const int index = m->IsValidSectionIndex(m->CommonIndexCache.ComboBtn) ? m->CommonIndexCache.ComboBtn
                                                                         : m->LookupSection("COMBOBOX");
  if (!m->IsValidSectionIndex(index)) return 0;
  const TsGeneralData& section = m->SectionItems[static_cast<size_t>(index)];
  const TColor color = state > 0 && section.HotFontColor[0] >= 0 ? section.HotFontColor[0] : section.FontColor[0];
  return color >= 0 ? color : 0;
}

// The platform's drop-down arrow: a downward triangle 7 pixels wide,
// centred in the button.
void PaintPlainArrow(const TPixelBufferView& button, int state, TColor color) {
  const int pressed = state == 2 ? 1 : 0;
  const int left = (button.Width - 7) / 2 + pressed, top = (button.Height - 4) / 2 + pressed;
  for (int row = 0; row < 4; ++row)
    FillRectPixels(button, TRect{left + row, top + row, left + 7 - row, top + row + 1}, color);
}

}  // namespace

void PaintComboButton(TsSkinManager* m, const TPixelBufferView& face, TRect button, int state) {
  if (!m || face.Empty()) return;
  TRect r{std::max(button.Left, 0), std::max(button.Top, 0), std::min(button.Right, face.Width),
          std::min(button.Bottom, face.Height)};
  if (r.IsEmpty()) return;
  const TsCommonIndexCache& c = m->CommonIndexCache;
  // The button in a bitmap of its own, over a copy of the face, so the
  // section's see-through parts show the face.
  TPixelBuffer piece(r.Width(), r.Height());
  const TPixelBufferView view = piece.View();
  CopyPixels(view, 0, 0, face, r);
  if (m->IsValidSectionIndex(c.ComboBtn))
    PaintSection(c.ComboBtn, "COMBOBTN", MakeCacheInfo(face, r.Left, r.Top), c.ComboBtnHotPattern,
                 c.ComboBtnPattern, m, view, TPoint{0, 0}, TRect{0, 0, r.Width(), r.Height()}, state, true);
  // A glyph item whose picture the skin lacks (its master bitmap is named
  // only in GLOBALINFO) paints nothing: the arrow is drawn plainly then.
  if (m->IsValidMaskIndex(c.ComboBoxGlyph) && !ItemSourceBitmap(m->MaskItems[c.ComboBoxGlyph]).Empty()) {
    const TsMaskData& g = m->MaskItems[c.ComboBoxGlyph];
    const TvxGlyphFrame f =
        ComboGlyphFrame(g.SourceRect.Width(), g.SourceRect.Height(), g.ImageCount, g.MaskType, r, face.Height);
    if (f.Width > 0 && f.Height > 0) PaintMaskGlyph(view, TPoint{f.X - r.Left, f.Y - r.Top}, state, g, 1);
  } else {
    PaintPlainArrow(view, state, ArrowColor(m, state));
  }
  CopyPixels(face, r.Left, r.Top, view, TRect{0, 0, r.Width(), r.Height()});
}
