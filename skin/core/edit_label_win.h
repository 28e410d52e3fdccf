// A caption label placed beside a skinned control: TsBoundLabel keeps a
// TsEditLabel on the control's parent in step with its properties.
#pragma once

#include <memory>
#include <string>

#include "platform/forms/stdctrls.h"
#include "skin/core/bound_label.h"

class TsBoundLabel;
class TsCommonData;

// The label a bound label places; it takes the skin's text colour while
// UseSkinColor is set.
class TsEditLabel : public TLabel {
 public:
  TsEditLabel(TComponent* owner, TsBoundLabel* boundLabel);
  // The bound label is told it no longer has a label.
  ~TsEditLabel() override;
  bool UseSkinColor() const { return useSkinColor_; }
  void SetUseSkinColor(bool value);
  TsBoundLabel* BoundLabel = nullptr;
  void Dispatch(TMessage& message) override;

 protected:
  void Paint() override;

 private:
  bool useSkinColor_ = true;
  bool painting_ = false;
};

class TsBoundLabel : public TPersistent {
 public:
  explicit TsBoundLabel(TsCommonData* commonData);
  ~TsBoundLabel() override;

  bool Active() const { return active_; }
  // True makes the label on the control's parent, false frees it.
  void SetActive(bool value);
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& value);
  int Indent() const { return indent_; }
  void SetIndent(int value);
  // The label's font while it exists, else the one kept for it.
  TFont* Font() const;
  void SetFont(TFont* value);
  TsCaptionLayout Layout() const { return layout_; }
  void SetLayout(TsCaptionLayout value);
  int MaxWidth() const { return maxWidth_; }
  void SetMaxWidth(int value);
  bool UseSkinColor() const;
  void SetUseSkinColor(bool value);

  TsEditLabel* TheLabel() const { return label_; }
  TsCommonData* CommonData() const { return commonData_; }
  void PlaceLabel();

 private:
  friend class TsEditLabel;
  TWinControl* Control() const;

  int maxWidth_ = 0;
  std::string caption_;
  TsCaptionLayout layout_ = sclLeft;
  TsEditLabel* label_ = nullptr;
  int indent_ = 0;
  bool active_ = false;
  std::unique_ptr<TFont> font_;
  bool fontSet_ = false;
  TsCommonData* commonData_ = nullptr;
};
