// The skinned push button: the platform's TButton with its skin record;
// captions wrap at word breaks.
#pragma once

#include <memory>

#include "platform/forms/stdctrls.h"
#include "skin/core/common_data.h"

class TsButton : public TButton {
 public:
  explicit TsButton(TComponent* owner);
  ~TsButton() override;

  TsCommonData* SkinData() const { return skinData_.get(); }

 private:
  std::unique_ptr<TsCommonData> skinData_;
};
