// The skinned extended combo box: an editable combo box (csDropDown) with
// its skin record and a bound label.
#pragma once

#include <memory>

#include "platform/forms/stdctrls.h"
#include "skin/core/common_data.h"
#include "skin/core/edit_label_win.h"

class TsComboBoxEx : public TComboBox {
 public:
  explicit TsComboBoxEx(TComponent* owner);
  ~TsComboBoxEx() override;

  TsCommonData* SkinData() const { return skinData_.get(); }
  TsBoundLabel* BoundLabel() const { return boundLabel_.get(); }

 private:
  std::unique_ptr<TsCommonData> skinData_;
  std::unique_ptr<TsBoundLabel> boundLabel_;
};
