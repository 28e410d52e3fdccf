// The skinned labels: transparent platform labels that may name a skin
// section to paint behind their text, and (TsLabel) follow the skin's text
// colour unless UseSkinColor is off.
#pragma once

#include <string>

#include "platform/forms/stdctrls.h"

class TsCustomLabel : public TCustomLabel {
 public:
  explicit TsCustomLabel(TComponent* owner);

  const std::string& SkinSection() const { return skinSection_; }
  void SetSkinSection(const std::string& value);

 private:
  std::string skinSection_;
};

class TsLabel : public TsCustomLabel {
 public:
  explicit TsLabel(TComponent* owner) : TsCustomLabel(owner) {}

  bool UseSkinColor() const { return useSkinColor_; }
  void SetUseSkinColor(bool value) { useSkinColor_ = value; }

 private:
  bool useSkinColor_ = true;
};
