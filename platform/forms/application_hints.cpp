// The application's side of hints: the settings, the hint window made from
// HintWindowClass, and the calls into the hint machinery.
#include "platform/forms/forms.h"
#include "platform/forms/hintwnd.h"

THintWindow* TApplication::HintWindow() {
  if (hintWindow_ && hintWindowMadeBy_ != HintWindowClass) {
    // The class changed: the next hint comes from a window of the new class.
    if (hintMachinery_) hintMachinery_->CancelHint();
    THintWindow* old = hintWindow_;
    hintWindow_ = nullptr;
    hintWindowComponent_ = nullptr;
    old->Free();
  }
  if (!hintWindow_ && HintWindowClass && showHint_) {
    hintWindow_ = HintWindowClass(this);
    hintWindowComponent_ = hintWindow_;
    hintWindowMadeBy_ = HintWindowClass;
  }
  return hintWindow_;
}

void TApplication::SetShowHint(bool v) {
  if (showHint_ == v) return;
  showHint_ = v;
  if (!v && hintWindow_) {
    if (hintMachinery_) hintMachinery_->CancelHint();
    THintWindow* old = hintWindow_;
    hintWindow_ = nullptr;
    hintWindowComponent_ = nullptr;
    old->Free();
  }
}

void TApplication::SetHintMachinery(brsm::THintMachinery* machinery) { hintMachinery_ = machinery; }

void TApplication::HintMouseMessage(TControl* control, const TMessage& message) {
  if (hintMachinery_ && showHint_) hintMachinery_->MouseMessage(control, message);
}

void TApplication::CancelHint() {
  if (hintMachinery_) hintMachinery_->CancelHint();
}

void TApplication::ActivateHint(TPoint cursorPos) {
  if (hintMachinery_ && showHint_) hintMachinery_->ActivateHint(cursorPos);
}
