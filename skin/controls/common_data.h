// The per-control skin record that every skinned control publishes as
// SkinData, and the bound label that a control may carry beside it.
//
// At this stage they hold what the stored layouts set: the record names the
// control's skin section and its colour and font switches; the bound label
// keeps its placement settings. A control whose record finds no skin looks
// and behaves as the platform's control.
#pragma once

#include <string>

#include "platform/rtl/classes.h"

class TControl;

class TsCommonData : public TPersistent {
 public:
  // `host` is the object that owns the record (a control, usually);
  // `controlKind` the owner's control kind code.
  TsCommonData(TPersistent* host, int controlKind);

  // Always upper case; "UNKNOWN" when set to an empty value.
  const std::string& SkinSection() const { return skinSection_; }
  void SetSkinSection(const std::string& value);
  // The control keeps its own background / font colour under a skin.
  bool CustomColor() const { return customColor_; }
  void SetCustomColor(bool value) { customColor_ = value; }
  bool CustomFont() const { return customFont_; }
  void SetCustomFont(bool value) { customFont_ = value; }

  int ControlKind() const { return controlKind_; }
  TPersistent* HostObject() const { return hostObject_; }
  // The owner when it is a control, else nullptr.
  TControl* HostControl() const { return hostControl_; }

 private:
  std::string skinSection_;
  bool customColor_ = false;
  bool customFont_ = false;
  int controlKind_;
  TPersistent* hostObject_;
  TControl* hostControl_;
};

enum TsCaptionLayout { sclLeft, sclTopLeft, sclTopCenter, sclTopRight };

class TsBoundLabel : public TPersistent {
 public:
  explicit TsBoundLabel(TsCommonData* commonData) : commonData_(commonData) {}

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& value) { caption_ = value; }
  int Indent() const { return indent_; }
  void SetIndent(int value) { indent_ = value; }
  TsCaptionLayout Layout() const { return layout_; }
  void SetLayout(TsCaptionLayout value) { layout_ = value; }
  // 0: no limit.
  int MaxWidth() const { return maxWidth_; }
  void SetMaxWidth(int value) { maxWidth_ = value; }
  bool UseSkinColor() const { return useSkinColor_; }
  void SetUseSkinColor(bool value) { useSkinColor_ = value; }

  TsCommonData* CommonData() const { return commonData_; }

 private:
  TsCommonData* commonData_;
  std::string caption_;
  int indent_ = 0;
  TsCaptionLayout layout_ = sclLeft;
  int maxWidth_ = 0;
  bool useSkinColor_ = true;
};
