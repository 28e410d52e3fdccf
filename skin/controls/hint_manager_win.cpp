#include "skin/controls/hint_manager.h"

#include "platform/forms/forms.h"
#include "platform/forms/hintwnd.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/font.h"
#include "platform/graphics/picture.h"
#include "skin/controls/hint_presets.h"
#include "skin/controls/hint_windows.h"
#include "skin/core/bitmap_create_win.h"
#include "skin/core/skin_manager.h"

TsHintManager* CurrentHintManager = nullptr;
TControl* HintFrame = nullptr;
TUpdateLayeredWindowProc LayeredWindowProc = nullptr;

namespace {

const char kDefaultHintSection[] = "HINT";

// The manager whose handler the application's OnShowHint holds, so a
// manager going away unbinds only its own.
TsHintManager* showHintOwner = nullptr;

}  // namespace

TsHintKind::TsHintKind(TsHintManager* owner)
    : manager_(owner), font_(std::make_unique<TFont>()), texture_(std::make_unique<TPicture>()) {}

TsHintKind::~TsHintKind() = default;

void TsHintKind::SetStyle(TsHintStyle value) {
  style_ = value;
  if (manager_) manager_->ChooseHintWindowClass();
}

bool TsHintKind::ShadowEnabled() const {
  if (manager_ && manager_->SkinDataInUse()) return false;
  return shadowEnabled_;
}

void TsHintKind::SetFont(TFont* value) { font_->Assign(value); }

void TsHintKind::SetTexture(TPicture* value) { texture_->Assign(value); }

TsHintManager::TsHintManager(TComponent* owner)
    : TComponent(owner),
      hintKind_(std::make_unique<TsHintKind>(this)),
      workBitmap_(CreateBitmap24(0, 0)) {
  Application->SetHintPause(500);
  Application->SetHintShortPause(200);
  Application->OnShowHint = [this](std::string& s, bool& canShow, THintInfo& info) {
    ShowHintHandler(s, canShow, info);
  };
  showHintOwner = this;
  if (skinSection_.empty()) skinSection_ = kDefaultHintSection;
  ChooseHintWindowClass();
}

TsHintManager::~TsHintManager() {
  if (CurrentHintManager == this) {
    CurrentHintManager = nullptr;
    HintWindowClass = HintWindowClassOf<THintWindow>;
  }
  if (showHintOwner == this) {
    showHintOwner = nullptr;
    if (Application) Application->OnShowHint = nullptr;
  }
}

void TsHintManager::SetPauseHide(int value) {
  if (value == pauseHide_) return;
  pauseHide_ = value;
  Application->SetHintHidePause(value);
}

void TsHintManager::SetUseSkinData(bool value) {
  useSkinData_ = value;
  if (!value) {
    ChooseHintWindowClass();
    ApplyPredefinitions();
  }
}

void TsHintManager::Loaded() {
  TComponent::Loaded();
  Application->SetHintHidePause(pauseHide_);
  if (skinSection_.empty()) skinSection_ = kDefaultHintSection;
  ChooseHintWindowClass();
  ApplyPredefinitions();
}

bool TsHintManager::SkinDataInUse() const {
  // An inactive default manager keeps the indexes of its last skin; hints
  // painted by them would show a skin that is gone.
  return CurrentHintManager && DefaultManager && DefaultManager->Active() && useSkinData_ &&
         !CurrentHintManager->skinSection_.empty() &&
         DefaultManager->LookupSection(CurrentHintManager->skinSection_) >= 0;
}

void TsHintManager::ChooseHintWindowClass() {
  struct TChoice {
    THintWindowClass WindowClass;
    bool Current;
  };
  // By style; hsNone keeps a skinned class whose windows show nothing
  // without a current manager.
  static const TChoice kChoices[] = {
      {HintWindowClassOf<TsSimplyHintWindow>, true},  {HintWindowClassOf<TsComicsHintWindow>, true},
      {HintWindowClassOf<TsEllipseHintWindow>, true}, {HintWindowClassOf<TsBalloonHintWindow>, true},
      {HintWindowClassOf<THintWindow>, false},        {HintWindowClassOf<TsSimplyHintWindow>, false},
  };
  const TChoice& choice = kChoices[hintKind_->Style()];
  HintWindowClass = choice.WindowClass;
  CurrentHintManager = choice.Current ? this : nullptr;
}

void TsHintManager::ApplyPredefinitions() {
  TsHintKind* k = hintKind_.get();
  switch (predefinitions_) {
    case shStandard:
      k->SetStyle(hsStandard);
      return;
    case shNone:
      k->SetStyle(hsNone);
      return;
    case shCustom:
      return;
    default:
      break;
  }
  const THintPreset* p = HintPreset(predefinitions_);
  if (!p) return;
  k->SetBevelWidth(p->BevelWidth);
  if (p->ExOffset >= 0) k->SetExOffset(p->ExOffset);
  k->SetMarginH(p->MarginH);
  k->SetMarginV(p->MarginV);
  k->SetMaxWidth(p->MaxWidth);
  if (p->Radius >= 0) k->SetRadius(p->Radius);
  k->SetColor(p->Color);
  k->SetTransparency(p->Transparency);
  k->SetColorBorderTop(p->ColorBorderTop);
  k->SetColorBorderBottom(p->ColorBorderBottom);
  k->SetBevel(p->Bevel);
  k->SetGradientPercent(p->GradientPercent);
  k->SetGradientData(p->GradientData);
  k->SetShadowBlur(p->ShadowBlur);
  k->SetShadowOffset(p->ShadowOffset);
  k->SetShadowTransparency(p->ShadowTransparency);
  k->SetShadowEnabled(true);
  k->SetFont(Screen->HintFont());
  k->Font()->SetStyle({});
  k->Font()->SetColor(0);
  // Last: the style re-chooses the window class.
  k->SetStyle(p->Style);
}

void TsHintManager::ShowHintHandler(std::string& hintStr, bool& canShow, THintInfo& hintInfo) {
  const TPoint before = hintInfo.HintPos;
  hintPos_ = before;
  if (OnShowHint) OnShowHint(hintStr, canShow, hintInfo, HintFrame);
  // A handler that moved only one coordinate leaves the first position.
  if (hintInfo.HintPos.X != before.X && hintInfo.HintPos.Y != before.Y) hintPos_ = hintInfo.HintPos;
}
