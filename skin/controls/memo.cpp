#include "skin/controls/memo.h"

namespace {
constexpr int kMemoKind = 7;
}

TsMemo::TsMemo(TComponent* owner)
    : TMemo(owner),
      skinData_(std::make_unique<TsCommonData>(this, kMemoKind)),
      boundLabel_(std::make_unique<TsBoundLabel>(skinData_.get())) {
  skinData_->SetSkinSection("EDIT");
}

TsMemo::~TsMemo() = default;
