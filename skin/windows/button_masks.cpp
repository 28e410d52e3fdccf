#include "skin/windows/button_masks.h"

#include "skin/core/skin_manager.h"

namespace {

constexpr const char* kGlobalInfo = "GLOBALINFO";

class ItemFinder {
 public:
  ItemFinder(const TsSkinManager& m, int index, const std::string& section)
      : m_(m), index_(index), section_(section) {}
  int operator()(const char* property) const {
    return m_.LookupImageItem(index_, section_, property);
  }

 private:
  const TsSkinManager& m_;
  int index_;
  const std::string& section_;
};

void TakeBig(const ItemFinder& find, TsButtonMasks& masks) {
  masks.Minimize = find("BICONMIN");
  masks.Maximize = find("BICONMAX");
  masks.Close = find("BICONCLOSE");
  masks.Help = find("BICONHELP");
}

void TakeBigMDI(const ItemFinder& find, TsButtonMasks& masks) {
  masks.MDIMinimize = find("BICONMIN");
  masks.MDIMaximize = find("BICONMAX");
  masks.MDIClose = find("BICONCLOSE");
}

}  // namespace

void LookupButtonMasks(const TsSkinManager& manager, int formSectionIndex,
                       const std::string& formSection, TsFormBorder border, bool mdiParent,
                       TsButtonMasks& masks) {
  // A skin without GLOBALINFO has no global buttons either: the form's
  // section stands in, as it does for a GLOBALINFO without BICONCLOSE.
  const int globalIndex = manager.CommonIndexCache.GlobalInfo;
  const std::string global = kGlobalInfo;
  const ItemFinder inGlobal(manager, globalIndex, global);
  const ItemFinder inForm(manager, formSectionIndex, formSection);

  masks.Close = inGlobal("BICONCLOSE");
  if (masks.Close == -1) {
    TakeBig(inForm, masks);
    if (mdiParent) TakeBigMDI(inForm, masks);
  } else {
    if (border != fbSingle && border != fbSizeable) {
      masks.Close = inGlobal("SICONCLOSE");
      masks.Minimize = inGlobal("SICONMIN");
      masks.Maximize = inGlobal("SICONMAX");
      masks.Help = inGlobal("SICONHELP");
      if (masks.Help == -1) masks.Help = inGlobal("BICONHELP");
    } else {
      TakeBig(inGlobal, masks);
    }
    if (masks.Close == -1) {
      TakeBig(inGlobal, masks);
      if (mdiParent) TakeBigMDI(inGlobal, masks);
    } else if (mdiParent) {
      masks.MDIMinimize = inGlobal("SICONMIN");
      masks.MDIMaximize = inGlobal("SICONMAX");
      masks.MDIClose = inGlobal("SICONCLOSE");
      if (masks.MDIMinimize == -1) {
        masks.MDIMinimize = masks.Minimize;
        masks.MDIMaximize = masks.Maximize;
        masks.MDIClose = masks.Close;
      }
    }
  }
  masks.TitleButton = inGlobal("TITLEBUTTON");
}

int LookupTitleButtonMask(const TsSkinManager& manager, int formSectionIndex,
                          const std::string& formSection) {
  const int globalIndex = manager.CommonIndexCache.GlobalInfo;
  const int global = manager.LookupImageItem(globalIndex, kGlobalInfo, "TITLEBUTTON");
  return global != -1 ? global : manager.LookupImageItem(formSectionIndex, formSection, "TITLEBUTTON");
}
