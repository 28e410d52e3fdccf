// The provider's caption buttons: which one is hot, and the hit test that
// would find them.
#include "skin/windows/skin_provider.h"

TsCaptionButton* TsSkinProvider::ButtonOf(int code) {
  switch (code) {
    case CaptionMinimize: return &ButtonMin;
    case CaptionMaximize: return &ButtonMax;
    case CaptionClose: return &ButtonClose;
    case CaptionHelp: return &ButtonHelp;
    case CaptionMDIClose: return &MDIClose;
    case CaptionMDIRestore: return &MDIMax;
    case CaptionMDIMinimize: return &MDIMin;
    default: break;
  }
  const int title = code - CaptionTitleButton;
  if (title >= 0 && title < TitleButtons()->Count()) return &TitleButtons()->Items(title)->Button;
  return nullptr;
}

// Not yet: the buttons are neither laid out nor drawn, so no point of the
// title bar is a button and the platform's answer stands.
int TsSkinProvider::HitTest(TPoint) { return HTNOWHERE; }

void TsSkinProvider::SetHotButton(int code, bool) {
  if (code == HotButton) return;
  if (TsCaptionButton* old = ButtonOf(HotButton)) old->State = 0;
  if (TsCaptionButton* hot = ButtonOf(code)) hot->State = 1;
  HotButton = code;
  ButtonDown = false;
}

// Not yet: the system menu has no commands to show.
void TsSkinProvider::ShowSystemMenu(int, int) {}
