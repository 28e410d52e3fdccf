// The skinned push button: the platform's TButton painted from the skin
// section "BUTTON", owner-drawn while the skin has its section; the
// twin of the skinned bit-map button without a glyph.
#pragma once

#include "skin/controls/skinned_button.h"

class TsButton : public TsSkinnedButton<TButton> {
 public:
  explicit TsButton(TComponent* owner);

  void Dispatch(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void SetButtonStyle(bool isDefault) override;
  void RebuildCache() override;
  void OnSkinRemoved() override;
  void OnSkinReapplied() override;

  // The caption text into a rectangle with DrawText flags.
  virtual void DrawCaptionText(const TRect& rect, unsigned flags);
  virtual void DrawCaption();
  // The caption's rectangle in the face: centred, moved by 1, 1 when pressed.
  virtual TRect CaptionRect();

 private:
  bool SkinDrawsFace() const;
  // BS_OWNERDRAW on or off, keeping the default style in the low bits.
  void SetOwnerDrawn(bool on);
};
