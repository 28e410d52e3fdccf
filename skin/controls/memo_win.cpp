#include "skin/controls/memo.h"

namespace {
constexpr int kMemoKind = 7;
}

TsMemo::TsMemo(TComponent* owner)
    : TMemo(owner),
      skinData_(std::make_unique<TsCommonData>(this, true)),
      boundLabel_(std::make_unique<TsBoundLabel>(skinData_.get())) {
  skinData_->ControlKind = kMemoKind;
  skinData_->SetSkinSection("EDIT");
}

TsMemo::~TsMemo() = default;
