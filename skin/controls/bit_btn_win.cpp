#include "skin/controls/bit_btn.h"

namespace {
constexpr int kBitBtnKind = 94;
}

TsBitBtn::TsBitBtn(TComponent* owner)
    : TBitBtn(owner), skinData_(std::make_unique<TsCommonData>(this, true)) {
  skinData_->ControlKind = kBitBtnKind;
  SetWordWrap(true);
}

TsBitBtn::~TsBitBtn() = default;
