#include "skin/core/menu_support.h"

#include "skin/core/skin_manager.h"

void TsSkinableMenus::UpdateMenusActive() {
  const bool loaded = owner_ && owner_->SkinData.Loaded;
  if (loaded != active_) SetActive(loaded);
}
