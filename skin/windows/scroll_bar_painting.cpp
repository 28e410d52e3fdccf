#include "skin/windows/scroll_bar_painting.h"

#include <algorithm>

#include "platform/graphics/colors.h"
#include "skin/core/blending.h"
#include "skin/core/common_index_cache.h"
#include "skin/core/image_painting.h"
#include "skin/core/pixel_copy.h"
#include "skin/core/pixel_fill.h"
#include "skin/core/round_shadow.h"
#include "skin/core/section_painting.h"
#include "skin/core/skin_manager.h"

namespace {

enum { kBtnTop = 0, kBtnBottom = 1, kBtnLeft = 2, kBtnRight = 3 };

// One piece's section, image items and name.
struct Piece {
  int Section = -1;
  int Border = -1;
  int Glyph = -1;
  int Pattern = -1;
  int HotPattern = -1;
  const char* Name = "";
};

Piece Button(const TsCommonIndexCache& c, int i) {
  static const char* const names[] = {"SCROLLBTNTOP", "SCROLLBTNBOTTOM", "SCROLLBTNLEFT", "SCROLLBTNRIGHT"};
  return {c.ScrollBtn[i], c.ScrollBtnBorder[i], c.ScrollBtnGlyph[i], c.ScrollBtnPattern[i],
          c.ScrollBtnHotPattern[i], names[i]};
}

Piece Slider(const TsCommonIndexCache& c, bool horz) {
  const int i = horz ? sliderHorizontal : sliderVertical;
  return {c.Slider[i], c.SliderBorder[i], c.SliderGlyph[i], c.SliderPattern[i], c.SliderHotPattern[i],
          horz ? "SCROLLSLIDERH" : "SCROLLSLIDERV"};
}

Piece Page(const TsCommonIndexCache& c, bool horz, bool after) {
  const int i = horz ? (after ? sb2H : sb1H) : (after ? sb2V : sb1V);
  static const char* const names[] = {"SCROLLBAR1H", "SCROLLBAR1V", "SCROLLBAR2H", "SCROLLBAR2V"};
  return {c.ScrollBar[i], c.ScrollBarBorder[i], -1, c.ScrollBarPattern[i], c.ScrollBarHotPattern[i],
          names[i]};
}

TCacheInfo At(const TCacheInfo& cache, const TRect& rect) {
  TCacheInfo moved = cache;
  moved.X += rect.Left;
  moved.Y += rect.Top;
  return moved;
}

// A rectangle along the bar: from `from` to `to` on its axis, across it whole.
TRect Along(const TPixelBufferView& bar, bool horz, int from, int to) {
  return horz ? TRect{from, 0, to, bar.Height} : TRect{0, from, bar.Width, to};
}

void PaintPage(TsSkinManager* m, const TPixelBufferView& bar, const Piece& p, TRect rect, int state,
               const TCacheInfo& background) {
  if (rect.IsEmpty()) return;
  PaintSectionWithMask(p.Section, p.Border, p.Pattern, m, bar, TPoint{0, 0}, rect, state, true,
                       At(background, rect), p.Name, p.HotPattern);
}

// A piece whose section the skin lacks: the platform's raised button face,
// so that the thumb stays where it can be seen and taken.
void PaintPlatformPiece(const TPixelBufferView& v) {
  const int w = v.Width, h = v.Height;
  FillRectPixels(v, TRect{0, 0, w, h}, clBtnFace);
  FillRectPixels(v, TRect{0, 0, w, 1}, clBtnHighlight);
  FillRectPixels(v, TRect{0, 0, 1, h}, clBtnHighlight);
  FillRectPixels(v, TRect{1, h - 2, w - 1, h - 1}, clBtnShadow);
  FillRectPixels(v, TRect{w - 2, 1, w - 1, h - 1}, clBtnShadow);
  FillRectPixels(v, TRect{0, h - 1, w, h}, cl3DDkShadow);
  FillRectPixels(v, TRect{w - 1, 0, w, h}, cl3DDkShadow);
}

// An arrow or the thumb in a bitmap of its own over the bar painted so far,
// its glyph centred in `glyphArea` (relative to the piece), then laid into
// the bar.
void PaintButtonPiece(TsSkinManager* m, const TPixelBufferView& bar, const Piece& p, TRect rect, int state,
                      TRect glyphArea) {
  rect.Left = std::max(rect.Left, 0);
  rect.Top = std::max(rect.Top, 0);
  rect.Right = std::min(rect.Right, bar.Width);
  rect.Bottom = std::min(rect.Bottom, bar.Height);
  if (rect.IsEmpty()) return;
  TPixelBuffer piece(rect.Width(), rect.Height());
  const TPixelBufferView view = piece.View();
  CopyPixels(view, 0, 0, bar, rect);
  TCacheInfo under = MakeCacheInfo(bar, rect.Left, rect.Top);
  if (m->IsValidSectionIndex(p.Section))
    PaintSectionWithMask(p.Section, p.Border, p.Pattern, m, view, TPoint{0, 0},
                         TRect{0, 0, rect.Width(), rect.Height()}, state, true, under, p.Name, p.HotPattern);
  else
    PaintPlatformPiece(view);
  if (m->IsValidMaskIndex(p.Glyph)) {
    const TsMaskData& glyph = m->MaskItems[p.Glyph];
    const int w = glyph.SourceRect.Width() / std::max<int>(glyph.ImageCount, 1);
    const int h = glyph.SourceRect.Height() / std::max<int>(glyph.MaskType + 1, 1);
    const TPoint at{glyphArea.Left + (glyphArea.Width() - w) / 2, glyphArea.Top + (glyphArea.Height() - h) / 2};
    PaintMaskGlyph(view, at, state, glyph, 1);
  }
  CopyPixels(bar, rect.Left, rect.Top, view, TRect{0, 0, rect.Width(), rect.Height()});
}

// The glyph square of an arrow: the system arrow's width at the button's
// outer end, across the bar whole.
TRect ArrowGlyphArea(bool horz, bool last, int length, int breadth, int area) {
  const int along = std::min(area, length);
  if (horz)
    return last ? TRect{length - along, 0, length, breadth} : TRect{0, 0, along, breadth};
  return last ? TRect{0, length - along, breadth, length} : TRect{0, 0, breadth, along};
}

}  // namespace

void ComposeScrollBar(TsSkinManager* m, const TPixelBufferView& bar, const TvxBarLook& look,
                      const TCacheInfo& background) {
  if (!m || bar.Empty()) return;
  const bool horz = look.Direction == BarHorizontal;
  const TsCommonIndexCache& c = m->CommonIndexCache;
  const Piece before = Page(c, horz, false);
  const Piece after = Page(c, horz, true);
  if (!m->IsValidSectionIndex(before.Section)) return;
  const int length = horz ? bar.Width : bar.Height;
  const int breadth = horz ? bar.Height : bar.Width;
  if (length < 2) return;
  const Piece first = Button(c, horz ? kBtnLeft : kBtnTop);
  const Piece last = Button(c, horz ? kBtnRight : kBtnBottom);
  const int arrow = std::max(0, look.PaintArrow);

  if (2 * arrow < length) {
    const TvxThumb thumb = CalcThumb(look.Info, 0, length, look.HitArrow, look.MinThumb);
    const int thumbStart = look.ThumbStart >= 0 ? look.ThumbStart : thumb.Position;
    const bool showThumb = look.Enabled && thumb.Size > 0 && thumb.Size < thumb.Track;
    const int split = thumbStart + thumb.Size / 2;
    PaintPage(m, bar, before, Along(bar, horz, 0, split), look.PressedPart == 2 ? 2 : 0, background);
    PaintPage(m, bar, after, Along(bar, horz, split, length), look.PressedPart == 3 ? 2 : 0, background);
    const TRect a = Along(bar, horz, 0, arrow);
    PaintButtonPiece(m, bar, first, a, look.FirstArrowState,
                     ArrowGlyphArea(horz, false, arrow, breadth, look.GlyphArea));
    const TRect b = Along(bar, horz, length - arrow, length);
    PaintButtonPiece(m, bar, last, b, look.LastArrowState,
                     ArrowGlyphArea(horz, true, arrow, breadth, look.GlyphArea));
    if (showThumb) {
      const TRect t = Along(bar, horz, thumbStart, thumbStart + thumb.Size);
      PaintButtonPiece(m, bar, Slider(c, horz), t, look.ThumbState, TRect{0, 0, t.Width(), t.Height()});
    }
  } else {
    // Too short for two arrows: two halves, each its page and its arrow.
    const int half = length / 2;
    PaintPage(m, bar, before, Along(bar, horz, 0, half), 0, background);
    PaintPage(m, bar, after, Along(bar, horz, half, length), 0, background);
    PaintButtonPiece(m, bar, first, Along(bar, horz, 0, half), look.FirstArrowState,
                     ArrowGlyphArea(horz, false, half, breadth, look.GlyphArea));
    PaintButtonPiece(m, bar, last, Along(bar, horz, half, length), look.LastArrowState,
                     ArrowGlyphArea(horz, true, length - half, breadth, look.GlyphArea));
  }

  if (look.Enabled) return;
  if (background.Ready && !background.Bmp.Empty()) {
    // 60 percent of what lies under the bar, 40 percent of the bar.
    TPixelBuffer copy(bar.Width, bar.Height);
    CopyPixels(copy.View(), 0, 0, bar, TRect{0, 0, bar.Width, bar.Height});
    CopyPixels(bar, 0, 0, background.Bmp, TRect{background.X, background.Y, background.X + bar.Width,
                                                  background.Y + bar.Height});
    BlendRectKeyed(bar, 0, 0, static_cast<TColor>(0xFF000000u), 0.6,
                   TRect{0, 0, bar.Width - 1, bar.Height - 1}, copy.View());
  } else {
    const TColor tint = ColorToRGB(m->SectionItems[before.Section].Color);
    PaintRoundShadow(bar, TRect{0, 0, bar.Width, bar.Height}, 60, 0, 0, tint);
  }
}
