// The process-wide objects of the forms layer. They are made the first time
// a file that includes forms.h initialises, so static initialisers of other
// files may use them.
#include "platform/forms/forms.h"

TApplication* Application = nullptr;
TScreen* Screen = nullptr;
TMouse* Mouse = nullptr;

brsm::TMenuHooks brsm::MenuHooks;

namespace {
// Zero before any dynamic initialisation runs.
int unitUsers = 0;
}  // namespace

brsm::FormsUnitInit::FormsUnitInit() {
  if (unitUsers++ != 0) return;
  Mouse = new TMouse;
  Screen = new TScreen(nullptr);
  Application = new TApplication(nullptr);
}

brsm::FormsUnitInit::~FormsUnitInit() {
  if (--unitUsers != 0) return;
  TApplication* application = Application;
  // The hint machinery is a static object of its own unit and may be gone.
  application->SetHintMachinery(nullptr);
  delete application;
  Application = nullptr;
  delete Screen;
  Screen = nullptr;
  delete Mouse;
  Mouse = nullptr;
}
