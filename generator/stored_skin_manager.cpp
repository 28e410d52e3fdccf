#include "generator/stored_skin_manager.h"

#include "skin/core/skin_constants.h"
#include "skin/core/skin_manager.h"

namespace brsm {

TsSkinManager* ReadStoredSkinManager(LayoutReader& layout, TComponent* owner,
                                     const std::string& skinDirectory) {
  TsSkinManager* manager = layout.Read(new TsSkinManager(owner));
  manager->SetName("sSkinManager1");
  manager->MenuSupport()->SetIcoLineSkin("ICOLINE");
  TvxMenuFont extraLineFont;
  extraLineFont.Name = "MS Sans Serif";
  extraLineFont.Height = -11;
  manager->MenuSupport()->SetExtraLineFont(extraLineFont);
  manager->SetSkinDirectory(skinDirectory);
  manager->SetSkinName("Marl");
  manager->SetSkinInfo("7.1");
  for (int i = 0; i < ThirdPartyListCount; ++i)
    manager->ThirdParty()->SetList(i, DefaultThirdPartyList(i));
  return manager;
}

}  // namespace brsm
