// A caption label placed beside a skinned control: TsBoundLabel keeps a
// TsEditLabel on the control's parent in step with its properties.
#pragma once

#include <memory>
#include <string>

#include "platform/forms/stdctrls.h"
#include "skin/core/bound_label.h"

class TsBoundLabel;
class TsCommonData;

// What a bound label knows of the label it placed: the label tells it when
// it goes, and may follow the skin's text colour. The skinned controls
// register the function that makes their TsEditLabel; without it a bound
// label places a plain label.
class TsBoundLabelTarget {
 public:
  explicit TsBoundLabelTarget(TsBoundLabel* boundLabel) : BoundLabel(boundLabel) {}
  // The bound label is told it no longer has a label.
  virtual ~TsBoundLabelTarget();
  virtual bool UseSkinColor() const { return false; }
  virtual void SetUseSkinColor(bool) {}
  TsBoundLabel* BoundLabel = nullptr;
};

// Makes the label of a bound label, owned by `owner`; it must derive from
// TsBoundLabelTarget.
using TsEditLabelMaker = TCustomLabel* (*)(TComponent* owner, TsBoundLabel* boundLabel);
// Not owned; nullptr: plain labels.
void SetEditLabelMaker(TsEditLabelMaker maker);

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

  TCustomLabel* TheLabel() const { return label_; }
  TsCommonData* CommonData() const { return commonData_; }
  void PlaceLabel();
  // After the control handled a message: the label keeps beside it and
  // shows and enables with it.
  void FollowControl(UINT msg);

 private:
  friend class TsBoundLabelTarget;
  TsBoundLabelTarget* Target() const;
  TWinControl* Control() const;

  int maxWidth_ = 0;
  std::string caption_;
  TsCaptionLayout layout_ = sclLeft;
  TCustomLabel* label_ = nullptr;
  int indent_ = 0;
  bool active_ = false;
  std::unique_ptr<TFont> font_;
  bool fontSet_ = false;
  TsCommonData* commonData_ = nullptr;
};
