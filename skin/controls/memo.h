// The skinned memo: the platform's TMemo with its skin record (section
// "EDIT" unless a layout names another) and a bound label.
#pragma once

#include <memory>

#include "platform/forms/stdctrls.h"
#include "skin/core/common_data.h"
#include "skin/core/edit_label_win.h"

class TsMemo : public TMemo {
 public:
  explicit TsMemo(TComponent* owner);
  ~TsMemo() override;

  TsCommonData* SkinData() const { return skinData_.get(); }
  TsBoundLabel* BoundLabel() const { return boundLabel_.get(); }

 private:
  std::unique_ptr<TsCommonData> skinData_;
  std::unique_ptr<TsBoundLabel> boundLabel_;
};
