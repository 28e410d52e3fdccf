#include "skin/controls/panel.h"

namespace {
constexpr int kPanelKind = 51;
}

TsPanel::TsPanel(TComponent* owner)
    : TPanel(owner), skinData_(std::make_unique<TsCommonData>(this, true)) {
  skinData_->ControlKind = kPanelKind;
}

TsPanel::~TsPanel() = default;
