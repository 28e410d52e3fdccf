// The skinned bit-map button: the platform's TBitBtn with its skin record
// (section "BUTTON" in the programs' layouts); captions wrap at word breaks.
#pragma once

#include <memory>

#include "platform/forms/buttons.h"
#include "skin/core/common_data.h"

class TsBitBtn : public TBitBtn {
 public:
  explicit TsBitBtn(TComponent* owner);
  ~TsBitBtn() override;

  TsCommonData* SkinData() const { return skinData_.get(); }

 private:
  std::unique_ptr<TsCommonData> skinData_;
};
