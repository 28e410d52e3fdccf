// Each adapter family fills its own line of the table; a line with nullptr
// has no adapter class yet.
#include "skin/windows/adapter_factory_win.h"

#include <array>

#include "skin/windows/base_wnd_win.h"
#include "skin/windows/bar_wnd_win.h"
#include "skin/windows/btn_wnd_win.h"
#include "skin/windows/check_box_wnd_win.h"
#include "skin/windows/dialog_wnd_win.h"
#include "skin/windows/panel_wnd_win.h"
#include "skin/windows/static_wnd_win.h"

namespace {

// In the order of TvxAdapterKind.
const std::array<TvxAdapterConstructor, AdapterKindCount> kConstructors = {
    /* EditWnd */ &ConstructAdapter<TvxEditWnd>,

    /* BtnWnd */ &ConstructAdapter<TvxBtnWnd>,

    /* BitBtnWnd */ &ConstructAdapter<TvxBitBtnWnd>,

    /* CheckBoxWnd */ &ConstructAdapter<TvxCheckBoxWnd>,

    /* ComboBoxWnd */ nullptr,

    /* GridWnd */ nullptr,

    /* GroupBoxWnd */ &ConstructAdapter<TvxGroupBoxWnd>,

    /* ListViewWnd */ nullptr,

    /* PanelWnd */ &ConstructAdapter<TvxPanelWnd>,

    /* TreeViewWnd */ nullptr,

    /* WWComboBoxWnd */ nullptr,

    /* GridEhWnd */ nullptr,

    /* VirtualTreeViewWnd */ nullptr,

    /* IconWnd */ &ConstructAdapter<TvxIconWnd>,

    /* StaticWnd */ &ConstructAdapter<TvxStaticWnd>,

    /* TransPanelWnd */ &ConstructAdapter<TvxTransPanelWnd>,

    /* DlgPanelWnd */ &ConstructAdapter<TvxDlgPanelWnd>,

    /* SizerWnd */ &ConstructAdapter<TvxSizerWnd>,

    /* SpinWnd */ &ConstructAdapter<TvxSpinWnd>,

    /* LinkWnd */ &ConstructAdapter<TvxLinkWnd>,

    /* ToolBarWnd */ &ConstructAdapter<TvxToolBarWnd>,

    /* ComboListWnd */ &ConstructAdapter<TvxComboListWnd>,

    /* MnuWnd */ nullptr,

    /* DialogWnd */ &ConstructAdapter<TvxDialogWnd>,

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
