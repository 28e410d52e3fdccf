#include "skin/windows/adapter_kinds.h"

#include <array>

namespace {

constexpr std::array<std::string_view, AdapterKindCount> kClassNames = {
    "TvxEditWnd",     "TvxBtnWnd",      "TvxBitBtnWnd",       "TvxCheckBoxWnd", "TvxComboBoxWnd",
    "TvxGridWnd",     "TvxGroupBoxWnd", "TvxListViewWnd",     "TvxPanelWnd",    "TvxTreeViewWnd",
    "TvxWWComboBoxWnd", "TvxGridEhWnd", "TvxVirtualTreeViewWnd", "TvxIconWnd",  "TvxStaticWnd",
    "TvxTransPanelWnd", "TvxDlgPanelWnd", "TvxSizerWnd",     "TvxSpinWnd",     "TvxLinkWnd",
    "TvxToolBarWnd",  "TvxComboListWnd", "TvxMnuWnd",        "TvxDialogWnd",   "TvxMDIWnd",
};

}  // namespace

std::string_view AdapterKindClassName(TvxAdapterKind kind) {
  const int i = static_cast<int>(kind);
  return i >= 0 && i < AdapterKindCount ? kClassNames[i] : std::string_view();
}

bool AdapterKindOfThirdPartyList(int listIndex, TvxAdapterKind& kind) {
  // The first thirteen kinds stand in the order of the ThirdParty lists.
  if (listIndex < 0 || listIndex > static_cast<int>(TvxAdapterKind::VirtualTreeViewWnd)) return false;
  kind = static_cast<TvxAdapterKind>(listIndex);
  return true;
}
