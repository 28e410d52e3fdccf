#include "skin/windows/system_menu.h"

#include "skin/windows/skin_provider.h"

TsSystemMenu::TsSystemMenu(TsSkinProvider* provider) : TPopupMenu(provider), provider_(provider) {}

TsSystemMenu::~TsSystemMenu() = default;

void TsSystemMenu::UpdateItems() {}

static_assert(static_cast<int>(fwNormal) == wsNormal && static_cast<int>(fwMinimized) == wsMinimized &&
              static_cast<int>(fwMaximized) == wsMaximized);

TsWindowCommandState WindowCommandStateOf(TCustomForm* form) {
  TsWindowCommandState s;
  const TBorderIcons icons = form->BorderIcons();
  s.Icons = {icons.Contains(biSystemMenu), icons.Contains(biMinimize), icons.Contains(biMaximize),
             icons.Contains(biHelp)};
  s.Border = FormBorderOf(form);
  s.State = static_cast<TsFormWindowState>(form->WindowState());
  s.MDIChild = form->FormStyle() == fsMDIChild;
  s.Iconic = form->HandleAllocated() && IsIconic(form->HandleIfAllocated());
  return s;
}

TsWindowCommands TsSystemMenu::Commands() const {
  if (!form_) {
    TsWindowCommands none;
    none.MoveVisible = none.MoveEnabled = none.CloseEnabled = false;
    return none;
  }
  return WindowCommandsOf(WindowCommandStateOf(form_));
}
