#include "skin/controls/bit_btn.h"

#include <algorithm>

#include "skin/controls/bit_btn_glyph.h"
#include "skin/controls/button_face.h"
#include "skin/controls/changed_value.h"
#include "skin/core/cache_bitmap_win.h"
#include "skin/core/control_utils_win.h"
#include "skin/core/paint_colors.h"
#include "skin/core/skin_constants.h"
#include "skin/core/skin_text_win.h"

namespace {
constexpr int kBitBtnKind = 94;
}

TsBitBtn::TsBitBtn(TComponent* owner) : TsSkinnedButton<TBitBtn>(owner, kBitBtnKind) {}

TsBitBtn::~TsBitBtn() {
  if (images_) RemoveFreeNotification(images_);
}

// -- Properties ---------------------------------------------------------------------------------

void TsBitBtn::SetAlignment(TAlignment v) {
  if (StoreChanged(alignment_, v)) skinData_->InvalidateSkin();
}
void TsBitBtn::SetBlend(int v) {
  if (StoreChanged(blend_, std::clamp(v, 0, 100))) skinData_->InvalidateSkin();
}
void TsBitBtn::SetGrayed(bool v) {
  if (StoreChanged(grayed_, v)) skinData_->InvalidateSkin();
}
void TsBitBtn::SetShowCaption(bool v) {
  if (StoreChanged(showCaption_, v)) skinData_->InvalidateSkin();
}
void TsBitBtn::SetShowFocus(bool v) {
  if (StoreChanged(showFocus_, v)) skinData_->InvalidateSkin();
}
void TsBitBtn::SetDrawOverBorder(bool v) {
  if (StoreChanged(drawOverBorder_, v)) skinData_->InvalidateSkin();
}
void TsBitBtn::SetTextOffset(int v) {
  if (StoreChanged(textOffset_, v)) skinData_->InvalidateSkin();
}
void TsBitBtn::SetTextAlignment(TAlignment v) {
  if (StoreChanged(textAlignment_, v)) skinData_->InvalidateSkin();
}

void TsBitBtn::SetDisabledGlyphKind(TsDisabledGlyphKind v) {
  if (!StoreChanged(disabledGlyphKind_, v)) return;
  if (!skinData_->IsSkinned()) RebuildListGlyph();
  skinData_->InvalidateSkin();
}

void TsBitBtn::SetImageIndex(int v) {
  if (!StoreChanged(imageIndex_, v)) return;
  RebuildListGlyph();
  skinData_->InvalidateSkin();
}

void TsBitBtn::SetImages(TCustomImageList* v) {
  if (images_ == v) return;
  if (images_) RemoveFreeNotification(images_);
  images_ = v;
  if (images_) {
    FreeNotification(images_);
    RebuildListGlyph();
  }
  skinData_->InvalidateSkin();
}

void TsBitBtn::Notification(TComponent* component, TOperation operation) {
  TsSkinnedButton<TBitBtn>::Notification(component, operation);
  if (operation == opRemove && component == images_) {
    images_ = nullptr;
    skinData_->InvalidateSkin();
  }
}

bool TsBitBtn::HasListImages() const { return ImageListCount(images_) > 0; }

void TsBitBtn::RebuildListGlyph() {
  if (!HasListImages()) return;
  TBitmap glyph;
  int count = NumGlyphs();
  MakeImageListGlyph(this, skinData_.get(), imageIndex_, count, disabledGlyphKind_, &glyph, images_);
  if (glyph.Empty()) return;
  SetGlyph(&glyph);
  SetNumGlyphs(count);
}

// -- Skin changes -------------------------------------------------------------------------------

void TsBitBtn::OnNewSkin() {
  // The skin paints an image-list glyph itself; without a list image to
  // show, the button's own glyph stays.
  if (imageIndex_ >= 0 && imageIndex_ < ImageListCount(images_)) SetGlyph(nullptr);
}

void TsBitBtn::OnSkinRemoved() {
  if (HasListImages()) RebuildListGlyph();
}

void TsBitBtn::SetButtonStyle(bool isDefault) {
  TBitBtn::SetButtonStyle(isDefault);
  defaultStyle_ = isDefault;
  skinData_->InvalidateSkin();
}

void TsBitBtn::Invalidate() {
  if (Layout() != paintedLayout_) {
    paintedLayout_ = Layout();
    if (skinData_) skinData_->BackgroundStale = true;
  }
  TBitBtn::Invalidate();
}

bool TsBitBtn::SpacingChanged() { return StoreChanged(paintedSpacing_, Spacing()); }

// -- Face ---------------------------------------------------------------------------------------

TSize TsBitBtn::GlyphSize() const { return ButtonGlyphSize(Glyph(), NumGlyphs(), images_, imageIndex_); }

TSize TsBitBtn::CaptionSize() {
  TBitmap* cache = CacheBitmapOf(skinData_.get());
  if (!cache) return TSize{0, 0};
  TCanvas* canvas = cache->Canvas();
  canvas->SetFont(Font());
  int room = Width() - 2 * std::max(Margin(), 0);
  if (Layout() == blGlyphLeft || Layout() == blGlyphRight) room -= GlyphSize().cx + Spacing();
  TSize size = brsm::TButtonGlyph::CaptionSize(canvas, Caption(), std::max(room, 0), WordWrap());
  if (!showCaption_ || Caption().empty()) size.cx = 0;
  return size;
}

TRect TsBitBtn::GlyphRect() {
  const TSize glyph = GlyphSize();
  const TPoint p = ButtonGlyphPosition(
      ReadGlyphPlaceFacts(this, glyph, CaptionSize(), CurrentState() == ButtonStatePressed));
  return TRect{p.X, p.Y, p.X + glyph.cx, p.Y + glyph.cy};
}

void TsBitBtn::DrawCaption(int state) {
  TBitmap* cache = CacheBitmapOf(skinData_.get());
  if (!cache || cache->Empty()) return;
  const TSize text = CaptionSize();
  TCanvas* canvas = cache->Canvas();
  canvas->SetFont(Font());
  canvas->Brush()->SetStyle(bsClear);
  TRect glyphRect, textRect;
  LayoutGlyphAndText(TRect{0, 0, Width(), Height()}, text, GlyphSize(), 0, glyphRect, textRect, Spacing(),
                     Margin(), alignment_, Layout());
  if (state == ButtonStatePressed) {
    textRect.Left += 1;
    textRect.Right += 1;
    textRect.Top += 1;
    textRect.Bottom += 1;
  }
  unsigned flags = AlignmentTextFlags(this, textAlignment_);
  if (WordWrap()) flags |= DT_WORDBREAK;
  DrawControlText(canvas, Caption(), Enabled(), state != ButtonStateNormal, skinData_.get(), flags, textRect);
  if (FocusFrameWanted() && showFocus_ && showCaption_) {
    const int m = FocusMargin();
    DrawDottedFrame(canvas, TRect{textRect.Left - m, textRect.Top - m, textRect.Right + m, textRect.Bottom + m});
  }
}

void TsBitBtn::RebuildCache() {
  const int state = CurrentState();
  BeginFace(state);
  TBitmap* cache = CacheBitmapOf(skinData_.get());
  if (cache && !cache->Empty()) {
    if (drawOverBorder_) {
      CutFaceCorners(state);
      if (showCaption_) DrawCaption(state);
      DrawButtonGlyph(this);
    } else {
      if (showCaption_) DrawCaption(state);
      DrawButtonGlyph(this);
      CutFaceCorners(state);
    }
    FinishDisabledFace();
    if (OnPaint) OnPaint(this, cache);
  }
  ParentBackColor = SkinTransparentColor;
  TransparentFillColor = SkinTransparentColor;
  skinData_->BackgroundStale = false;
}
