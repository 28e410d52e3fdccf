// The skinned speed button: the platform's windowless TSpeedButton with its
// skin record (section "SPEEDBUTTON").
#pragma once

#include <memory>

#include "platform/forms/buttons.h"
#include "skin/core/common_data.h"

class TsSpeedButton : public TSpeedButton {
 public:
  explicit TsSpeedButton(TComponent* owner);
  ~TsSpeedButton() override;

  TsCommonData* SkinData() const { return skinData_.get(); }

 private:
  std::unique_ptr<TsCommonData> skinData_;
};
