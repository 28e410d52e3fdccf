// TButtonGlyph: a button's glyph frames and the painting of glyph and caption.
#include "platform/forms/buttons.h"

#include <algorithm>

#include "platform/rtl/text1251.h"

namespace brsm {

namespace {

TRGB ToRGB(TColor color) {
  const TColor c = ColorToRGB(color);
  return TRGB{GetRValue(c), GetGValue(c), GetBValue(c)};
}

COLORREF ToColorRef(TRGB c) { return RGB(c.R, c.G, c.B); }

// The key colour of a made disabled frame: one that neither the highlight
// nor the shadow colour uses.
TRGB DisabledKey(TRGB highlight, TRGB shadow) {
  TRGB key{0xFF, 0x00, 0xFF};
  if (key == highlight || key == shadow) key = TRGB{0x00, 0xFF, 0x01};
  return key;
}

}  // namespace

TButtonGlyph::TButtonGlyph() : glyph_(std::make_unique<TBitmap>()) {
  glyph_->OnChange = [this](TObject*) {
    disabled_.reset();
    if (OnChange) OnChange(nullptr);
  };
}

TButtonGlyph::~TButtonGlyph() { glyph_->OnChange = nullptr; }

void TButtonGlyph::SetGlyph(TBitmap* glyph) {
  glyph_->Assign(glyph && !glyph->Empty() ? glyph : nullptr);
  const int w = glyph_->Width(), h = glyph_->Height();
  if (h > 0 && w % h == 0 && w / h >= 1 && w / h <= 4) numGlyphs_ = w / h;
  disabled_.reset();
  if (OnChange) OnChange(nullptr);
}

void TButtonGlyph::SetNumGlyphs(TNumGlyphs v) {
  v = std::clamp(v, 1, 4);
  if (v == numGlyphs_) return;
  numGlyphs_ = v;
  disabled_.reset();
  if (OnChange) OnChange(nullptr);
}

TSize TButtonGlyph::GlyphSize() const {
  if (glyph_->Empty()) return {};
  return TSize{glyph_->Width() / numGlyphs_, glyph_->Height()};
}

int TButtonGlyph::FrameIndex(TButtonState state) const {
  int index = 0;
  switch (state) {
    case bsUp: index = 0; break;
    case bsDisabled: index = 1; break;
    case bsDown: index = 2; break;
    case bsExclusive: index = 3; break;
  }
  return index < numGlyphs_ ? index : 0;
}

TSize TButtonGlyph::CaptionSize(TCanvas* canvas, const std::string& caption, int maxWidth, bool wordWrap) {
  if (caption.empty()) return {};
  TRect r{0, 0, std::max(maxWidth, 1), 0};
  canvas->TextRect(r, caption, DT_CALCRECT | (wordWrap ? DT_WORDBREAK : DT_SINGLELINE));
  return TSize{r.Width(), r.Height()};
}

void TButtonGlyph::DrawGlyph(TCanvas* canvas, int x, int y, TButtonState state) {
  const TSize size = GlyphSize();
  if (size.cx <= 0 || size.cy <= 0) return;
  HDC dest = canvas->Handle();
  if (state == bsDisabled && numGlyphs_ < 2) {
    const TRGB highlight = ToRGB(clBtnHighlight), shadow = ToRGB(clBtnShadow);
    const TRGB key = DisabledKey(highlight, shadow);
    if (!disabled_) {
      disabled_ = std::make_unique<TBitmap>(size.cx, size.cy, pf24bit);
      TPixelBufferView source = glyph_->PixelView();
      source.Width = size.cx;  // frame 0 only
      PaintEmbossed(source, ToRGB(glyph_->TransparentColor()), disabled_->PixelView(), key,
                    highlight, shadow);
    }
    TransparentBlt(dest, x, y, size.cx, size.cy, disabled_->Canvas()->Handle(), 0, 0, size.cx,
                   size.cy, ToColorRef(key));
    return;
  }
  const COLORREF transparent = static_cast<COLORREF>(ColorToRGB(glyph_->TransparentColor()));
  TransparentBlt(dest, x, y, size.cx, size.cy, glyph_->Canvas()->Handle(), FrameIndex(state) * size.cx,
                 0, size.cx, size.cy, transparent);
}

void TButtonGlyph::DrawCaption(TCanvas* canvas, const TRect& rect, const std::string& caption,
                               TButtonState state, bool wordWrap) {
  if (caption.empty()) return;
  const unsigned flags = DT_CENTER | DT_VCENTER | (wordWrap ? DT_WORDBREAK : DT_SINGLELINE);
  canvas->Brush()->SetStyle(bsClear);
  if (state == bsDisabled) {
    const TColor color = canvas->Font()->Color();
    TRect shifted{rect.Left + 1, rect.Top + 1, rect.Right + 1, rect.Bottom + 1};
    canvas->Font()->SetColor(clBtnHighlight);
    canvas->TextRect(shifted, caption, flags);
    canvas->Font()->SetColor(clBtnShadow);
    TRect r = rect;
    canvas->TextRect(r, caption, flags);
    canvas->Font()->SetColor(color);
    return;
  }
  TRect r = rect;
  canvas->TextRect(r, caption, flags);
}

TRect TButtonGlyph::Draw(TCanvas* canvas, const TRect& client, TPoint offset, const std::string& caption,
                         TButtonLayout layout, int margin, int spacing, TButtonState state, bool wordWrap) {
  const TRect area{client.Left + offset.X, client.Top + offset.Y, client.Right + offset.X,
                   client.Bottom + offset.Y};
  const TSize glyph = GlyphSize();
  int textRoom = area.Width();
  if (layout == blGlyphLeft || layout == blGlyphRight)
    textRoom -= glyph.cx + std::max(spacing, 0) + std::max(margin, 0);
  const TSize text = CaptionSize(canvas, caption, textRoom, wordWrap);
  const TGlyphAndCaptionPlace place = PlaceGlyphAndCaption(area, glyph, text, layout, margin, spacing);
  DrawGlyph(canvas, place.Glyph.X, place.Glyph.Y, state);
  DrawCaption(canvas, place.Caption, caption, state, wordWrap);
  return place.Caption;
}

}  // namespace brsm
