#include "skin/controls/hint_manager.h"

#include "platform/forms/forms.h"
#include "platform/graphics/font.h"

namespace {
const char kDefaultHintSection[] = "HINT";
}

TsHintKind::TsHintKind(TsHintManager* owner) : manager_(owner), font_(std::make_unique<TFont>()) {}

TsHintKind::~TsHintKind() = default;

void TsHintKind::SetFont(TFont* value) { font_->Assign(value); }

TsHintManager::TsHintManager(TComponent* owner)
    : TComponent(owner), hintKind_(std::make_unique<TsHintKind>(this)) {
  Application->SetHintPause(500);
  Application->SetHintShortPause(200);
  skinSection_ = kDefaultHintSection;
}

TsHintManager::~TsHintManager() = default;

void TsHintManager::SetPauseHide(int value) {
  if (value == pauseHide_) return;
  pauseHide_ = value;
  Application->SetHintHidePause(value);
}

void TsHintManager::Loaded() {
  TComponent::Loaded();
  Application->SetHintHidePause(pauseHide_);
  if (skinSection_.empty()) skinSection_ = kDefaultHintSection;
}
