#include "skin/core/menu_support.h"

#include "skin/core/skin_manager.h"

namespace {
TsMenuPainterSeam menuSeam;
}  // namespace

void SetMenuPainterSeam(const TsMenuPainterSeam& seam) { menuSeam = seam; }
const TsMenuPainterSeam& MenuPainterSeam() { return menuSeam; }

TsSkinableMenus::~TsSkinableMenus() {
  // Items must not keep handlers that lead to a freed painter.
  if (menuSeam.Release) menuSeam.Release(this);
  owner_ = nullptr;
}

void TsSkinableMenus::SetActive(bool v) {
  active_ = v;
  if (menuSeam.SetActive) menuSeam.SetActive(this, v);
}

void TsSkinableMenus::UpdateMenusActive() {
  const bool loaded = owner_ && owner_->SkinData.Loaded;
  if (loaded != active_) SetActive(loaded);
}
