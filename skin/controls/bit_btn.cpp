#include "skin/controls/bit_btn.h"

namespace {
constexpr int kBitBtnKind = 94;
}

TsBitBtn::TsBitBtn(TComponent* owner)
    : TBitBtn(owner), skinData_(std::make_unique<TsCommonData>(this, kBitBtnKind)) {}

TsBitBtn::~TsBitBtn() = default;
