#include "skin/controls/combo_box_ex.h"

namespace {
constexpr int kListControlKind = 1;
}

TsComboBoxEx::TsComboBoxEx(TComponent* owner)
    : TComboBox(owner),
      skinData_(std::make_unique<TsCommonData>(this, true)),
      boundLabel_(std::make_unique<TsBoundLabel>(skinData_.get())) {
  skinData_->ControlKind = kListControlKind;
  SetStyle(csDropDown);
}

TsComboBoxEx::~TsComboBoxEx() = default;
