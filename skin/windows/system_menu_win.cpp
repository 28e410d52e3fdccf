#include "skin/windows/system_menu.h"

#include "skin/windows/skin_provider.h"

TsSystemMenu::TsSystemMenu(TsSkinProvider* provider) : TPopupMenu(provider), provider_(provider) {}

TsSystemMenu::~TsSystemMenu() = default;

void TsSystemMenu::UpdateItems() {}
