// The skinned labels: transparent platform labels that may name a skin
// section to paint behind their text, take the skin's text colour (TsLabel
// unless UseSkinColor is off), and draw disabled text blended into their
// parent. TsEditLabel is the label a bound label places beside its control.
#pragma once

#include <string>

#include "platform/forms/stdctrls.h"
#include "skin/core/edit_label_win.h"

class TsCustomLabel : public TCustomLabel {
 public:
  explicit TsCustomLabel(TComponent* owner);

  const std::string& SkinSection() const { return skinSection_; }
  void SetSkinSection(const std::string& value);

  TNotifyEvent OnMouseLeave;
  TNotifyEvent OnMouseEnter;

  void WndProc(TMessage& message) override;

 protected:
  void Paint() override;
  void DoDrawText(TRect& rect, int flags) override;
  // The font to paint with: the skin's text colour.
  virtual void PaintFont();

 private:
  std::string skinSection_;
};

class TsLabel : public TsCustomLabel {
 public:
  explicit TsLabel(TComponent* owner) : TsCustomLabel(owner) {}

  bool UseSkinColor() const { return useSkinColor_; }
  void SetUseSkinColor(bool value);

  void WndProc(TMessage& message) override;

 protected:
  void PaintFont() override;

 private:
  bool useSkinColor_ = true;
};

class TsEditLabel : public TsLabel, public TsBoundLabelTarget {
 public:
  TsEditLabel(TComponent* owner, TsBoundLabel* boundLabel);
  bool UseSkinColor() const override { return TsLabel::UseSkinColor(); }
  void SetUseSkinColor(bool value) override { TsLabel::SetUseSkinColor(value); }
};

// Bound labels place TsEditLabels from here on.
void RegisterEditLabelMaker();
