// Each adapter family fills its own line of the table; a line with nullptr
// has no adapter class yet.
#include "skin/windows/adapter_factory_win.h"

#include <array>

#include "skin/windows/base_wnd_win.h"

namespace {

// In the order of TvxAdapterKind.
const std::array<TvxAdapterConstructor, AdapterKindCount> kConstructors = {
    /* EditWnd */ &ConstructAdapter<TvxEditWnd>,

    /* BtnWnd */ nullptr,

    /* BitBtnWnd */ nullptr,

    /* CheckBoxWnd */ nullptr,

    /* ComboBoxWnd */ nullptr,

    /* GridWnd */ nullptr,

    /* GroupBoxWnd */ nullptr,

    /* ListViewWnd */ nullptr,

    /* PanelWnd */ nullptr,

    /* TreeViewWnd */ nullptr,

    /* WWComboBoxWnd */ nullptr,

    /* GridEhWnd */ nullptr,

    /* VirtualTreeViewWnd */ nullptr,

    /* IconWnd */ nullptr,

    /* StaticWnd */ nullptr,

    /* TransPanelWnd */ nullptr,

    /* DlgPanelWnd */ nullptr,

    /* SizerWnd */ nullptr,

    /* SpinWnd */ nullptr,

    /* LinkWnd */ nullptr,

    /* ToolBarWnd */ nullptr,

    /* ComboListWnd */ &ConstructAdapter<TvxComboListWnd>,

    /* MnuWnd */ nullptr,

    /* DialogWnd */ nullptr,

    /* MDIWnd */ &ConstructAdapter<TvxMDIWnd>,
};

}  // namespace

TvxAdapterConstructor AdapterConstructor(TvxAdapterKind kind) {
  const int i = static_cast<int>(kind);
  return i >= 0 && i < AdapterKindCount ? kConstructors[i] : nullptr;
}

TvxMainWnd* CreateAdapter(TvxAdapterKind kind, const TvxAdapterArgs& args) {
  const TvxAdapterConstructor make = AdapterConstructor(kind);
  return make ? make(args) : nullptr;
}
