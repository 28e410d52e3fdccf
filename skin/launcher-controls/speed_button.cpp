#include "skin/launcher-controls/speed_button.h"

namespace {
constexpr int kSpeedButtonKind = 92;
}

TsSpeedButton::TsSpeedButton(TComponent* owner)
    : TSpeedButton(owner), skinData_(std::make_unique<TsCommonData>(this, true)) {
  skinData_->ControlKind = kSpeedButtonKind;
}

TsSpeedButton::~TsSpeedButton() = default;
