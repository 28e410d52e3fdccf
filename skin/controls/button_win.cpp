#include "skin/controls/button.h"

namespace {
constexpr int kButtonKind = 93;
}

TsButton::TsButton(TComponent* owner)
    : TButton(owner), skinData_(std::make_unique<TsCommonData>(this, true)) {
  skinData_->ControlKind = kButtonKind;
  SetWordWrap(true);
}

TsButton::~TsButton() = default;
