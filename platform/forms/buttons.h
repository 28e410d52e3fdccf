// Buttons with a glyph: the owner-drawn bit-map button with its kinds, and
// the windowless speed button with its groups. Both paint the glyph and the
// caption through TButtonGlyph in the system's classic look.
#pragma once

#include <memory>
#include <string>

#include "platform/forms/button_layout.h"
#include "platform/forms/glyph_pixels.h"
#include "platform/forms/stdctrls.h"
#include "platform/graphics/bitmap.h"

// Glyph frames by state: a glyph bitmap holds NumGlyphs frames side by
// side, in this order.
enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };
enum TButtonStyle { bsAutoDetect, bsWin31, bsNew };
using TNumGlyphs = int;  // 1 to 4

namespace brsm {

// The glyph of a button and the painting of glyph and caption.
class TButtonGlyph {
 public:
  TButtonGlyph();
  ~TButtonGlyph();
  TButtonGlyph(const TButtonGlyph&) = delete;
  TButtonGlyph& operator=(const TButtonGlyph&) = delete;

  TBitmap* Glyph() const { return glyph_.get(); }
  // Copies; a bitmap whose width is 2 to 4 times its height sets NumGlyphs.
  void SetGlyph(TBitmap* glyph);
  TNumGlyphs NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(TNumGlyphs v);
  // One frame's size; 0 x 0 without glyph.
  TSize GlyphSize() const;

  // The caption's size as DrawText lays it out on the canvas's font within
  // `maxWidth` (word wrap when `wordWrap`).
  static TSize CaptionSize(TCanvas* canvas, const std::string& caption, int maxWidth, bool wordWrap);

  // Paints glyph and caption in `client` (moved by `offset`, as a pressed
  // face does) and answers the caption's rectangle. The glyph frame is the
  // one of `state`; without one, the disabled frame is made embossed.
  TRect Draw(TCanvas* canvas, const TRect& client, TPoint offset, const std::string& caption,
             TButtonLayout layout, int margin, int spacing, TButtonState state, bool wordWrap);
  // One glyph frame with its top-left corner at (x, y), see-through where
  // the glyph has its transparent colour.
  void DrawGlyph(TCanvas* canvas, int x, int y, TButtonState state);
  void DrawCaption(TCanvas* canvas, const TRect& rect, const std::string& caption,
                   TButtonState state, bool wordWrap);

  // Fired when the glyph's pixels or NumGlyphs change.
  TNotifyEvent OnChange;

 private:
  int FrameIndex(TButtonState state) const;

  std::unique_ptr<TBitmap> glyph_;
  std::unique_ptr<TBitmap> disabled_;  // made from frame 0 on demand
  TNumGlyphs numGlyphs_ = 1;
};

}  // namespace brsm

class TBitBtn : public TButton {
 public:
  explicit TBitBtn(TComponent* owner);
  ~TBitBtn() override;

  // A kind other than bkCustom gives the button its caption (unless a
  // stored layout already set one), glyph, modal result and Default or
  // Cancel. Changing any of those makes the kind read bkCustom again.
  TBitBtnKind Kind() const;
  void SetKind(TBitBtnKind v);
  TBitmap* Glyph() const { return glyph_.Glyph(); }
  void SetGlyph(TBitmap* v);  // copies
  TNumGlyphs NumGlyphs() const { return glyph_.NumGlyphs(); }
  void SetNumGlyphs(TNumGlyphs v) { glyph_.SetNumGlyphs(v); }
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout v);
  // -1: the glyph and caption are centred as one block.
  int Margin() const { return margin_; }
  void SetMargin(int v);
  int Spacing() const { return spacing_; }
  void SetSpacing(int v);
  TButtonStyle Style() const { return style_; }
  void SetStyle(TButtonStyle v);

  // A bkClose button closes its form instead of clicking.
  void Click() override;
  void Dispatch(TMessage& message) override;

  // The caption, glyph and modal result that a kind gives.
  static std::string KindCaption(TBitBtnKind kind);
  static TModalResult KindModalResult(TBitBtnKind kind);
  // A new 36 x 18 bitmap: the kind's glyph and its disabled frame.
  static std::unique_ptr<TBitmap> KindGlyph(TBitBtnKind kind);

 protected:
  void CreateParams(TCreateParams& params) override;
  // The window stays owner-drawn: the default look is remembered and
  // painted, never given to the window as BS_DEFPUSHBUTTON.
  void SetButtonStyle(bool isDefault) override;
  // Paints the face into an owner-draw DC (CN_DRAWITEM).
  virtual void DrawItem(const DRAWITEMSTRUCT& item);
  brsm::TButtonGlyph& GlyphPainter() { return glyph_; }

 private:
  brsm::TButtonGlyph glyph_;
  std::unique_ptr<TCanvas> canvas_;
  mutable TBitBtnKind kind_ = bkCustom;
  bool modifiedGlyph_ = false;
  bool settingKind_ = false;
  TButtonLayout layout_ = blGlyphLeft;
  int margin_ = -1;
  int spacing_ = 4;
  TButtonStyle style_ = bsAutoDetect;
};

class TSpeedButton : public TGraphicControl {
 public:
  explicit TSpeedButton(TComponent* owner);
  ~TSpeedButton() override;

  // Buttons of one parent with the same GroupIndex (not 0) are pressed one
  // at a time; AllowAllUp lets the last one come up again.
  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool v);
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int v);
  // Only a button with a GroupIndex stays down.
  bool Down() const { return down_; }
  void SetDown(bool v);
  // The face is drawn only while the mouse is over it (or it is down).
  bool Flat() const { return flat_; }
  void SetFlat(bool v);
  TBitmap* Glyph() const { return glyph_.Glyph(); }
  void SetGlyph(TBitmap* v);  // copies
  TNumGlyphs NumGlyphs() const { return glyph_.NumGlyphs(); }
  void SetNumGlyphs(TNumGlyphs v) { glyph_.SetNumGlyphs(v); }
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout v);
  int Margin() const { return margin_; }
  void SetMargin(int v);
  int Spacing() const { return spacing_; }
  void SetSpacing(int v);
  // A flat button without face lets its parent show through.
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool v);

  // The face's state: bsDown while pressed by the mouse, bsExclusive while
  // Down, bsDisabled while disabled.
  TButtonState State() const { return state_; }
  void SetState(TButtonState v);
  bool MouseInControl() const { return mouseInControl_; }

  void Click() override;
  void Dispatch(TMessage& message) override;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void Loaded() override;
  brsm::TButtonGlyph& GlyphPainter() { return glyph_; }

 private:
  // Tells the other buttons of the group that this one went down.
  void UpdateExclusive();
  bool PointInside(int x, int y) const;

  brsm::TButtonGlyph glyph_;
  bool allowAllUp_ = false;
  int groupIndex_ = 0;
  bool down_ = false;
  bool dragging_ = false;
  bool flat_ = false;
  bool transparent_ = true;
  bool mouseInControl_ = false;
  TButtonLayout layout_ = blGlyphLeft;
  int margin_ = -1;
  int spacing_ = 4;
  TButtonState state_ = bsUp;
};
