// The skinned bit-map button: the platform's TBitBtn painted from the skin
// section "BUTTON" with its glyph (its own, or image ImageIndex of an image
// list), caption and focus frame in its own cache. Without a skin it is the
// platform's button, still able to take its glyph from an image list.
#pragma once

#include <functional>

#include "platform/forms/buttons.h"
#include "platform/graphics/image_list.h"
#include "skin/controls/skinned_button.h"

// The finished cache of a button, for drawing over it.
using TBmpPaintEvent = std::function<void(TObject* sender, TBitmap* bitmap)>;

class TsBitBtn : public TsSkinnedButton<TBitBtn> {
 public:
  explicit TsBitBtn(TComponent* owner);
  ~TsBitBtn() override;

  // Where the glyph-and-caption block sits.
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment v);
  // Percent by which the glyph is blended toward the face (0..100).
  int Blend() const { return blend_; }
  void SetBlend(int v);
  TsDisabledGlyphKind DisabledGlyphKind() const { return disabledGlyphKind_; }
  void SetDisabledGlyphKind(TsDisabledGlyphKind v);
  // Glyph drawn grey while the button is not active.
  bool Grayed() const { return grayed_; }
  void SetGrayed(bool v);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int v);
  TCustomImageList* Images() const { return images_; }
  void SetImages(TCustomImageList* v);
  bool ShowCaption() const { return showCaption_; }
  void SetShowCaption(bool v);
  bool ShowFocus() const { return showFocus_; }
  void SetShowFocus(bool v);
  // The border image goes first and caption and glyph over it.
  bool DrawOverBorder() const { return drawOverBorder_; }
  void SetDrawOverBorder(bool v);
  int TextOffset() const { return textOffset_; }
  void SetTextOffset(int v);
  TAlignment TextAlignment() const { return textAlignment_; }
  void SetTextAlignment(TAlignment v);

  TBmpPaintEvent OnPaint;

  // The glyph's size: a frame of Glyph, else the list's image size.
  TSize GlyphSize() const;
  // Where the glyph goes in the face for the current state.
  TRect GlyphRect();
  void Invalidate() override;

 protected:
  void RebuildCache() override;
  void OnNewSkin() override;
  void OnSkinRemoved() override;
  bool SpacingChanged() override;
  void SetButtonStyle(bool isDefault) override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  bool HasListImages() const;
  void RebuildListGlyph();
  TSize CaptionSize();
  void DrawCaption(int state);

  TAlignment alignment_ = taCenter;
  int blend_ = 0;
  TsDisabledGlyphKind disabledGlyphKind_{dgBlended};
  bool grayed_ = false;
  int imageIndex_ = -1;
  TCustomImageList* images_ = nullptr;
  bool showCaption_ = true;
  bool showFocus_ = true;
  bool drawOverBorder_ = true;
  int textOffset_ = 0;
  TAlignment textAlignment_ = taCenter;
  int paintedSpacing_ = 0;
  TButtonLayout paintedLayout_ = blGlyphLeft;
};

extern template class TsSkinnedButton<TBitBtn>;
