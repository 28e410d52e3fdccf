// Each adapter family fills its own line of the table; a line with nullptr
// has no adapter class yet.
#include "skin/windows/adapter_factory_win.h"

#include <array>

#include "skin/windows/base_wnd_win.h"
#include "skin/windows/bar_wnd_win.h"
#include "skin/windows/btn_wnd_win.h"
#include "skin/windows/check_box_wnd_win.h"
#include "skin/windows/combo_box_wnd_win.h"
#include "skin/windows/dialog_wnd_win.h"
#include "skin/windows/grid_wnd_win.h"
#include "skin/windows/list_view_wnd_win.h"
#include "skin/windows/mnu_wnd_win.h"
#include "skin/windows/panel_wnd_win.h"
#include "skin/windows/static_wnd_win.h"
#include "skin/windows/tree_view_wnd_win.h"

namespace {

// Made on the control the record belongs to, when there is one.
TvxMainWnd* ConstructWWComboBox(const TvxAdapterArgs& args) {
  auto* control = args.SkinData ? dynamic_cast<TWinControl*>(args.SkinData->HostControl) : nullptr;
  return TvxWWComboBoxWnd::CreateOn(control, args);
}

// In the order of TvxAdapterKind. Written only by TEmptyAdapterEntry.
std::array<TvxAdapterConstructor, AdapterKindCount> kConstructors = {
    /* EditWnd */ &ConstructAdapter<TvxEditWnd>,

    /* BtnWnd */ &ConstructAdapter<TvxBtnWnd>,

    /* BitBtnWnd */ &ConstructAdapter<TvxBitBtnWnd>,

    /* CheckBoxWnd */ &ConstructAdapter<TvxCheckBoxWnd>,

    /* ComboBoxWnd */ &ConstructAdapter<TvxComboBoxWnd>,

    /* GridWnd */ &ConstructAdapter<TvxGridWnd>,

    /* GroupBoxWnd */ &ConstructAdapter<TvxGroupBoxWnd>,

    /* ListViewWnd */ &ConstructAdapter<TvxListViewWnd>,

    /* PanelWnd */ &ConstructAdapter<TvxPanelWnd>,

    /* TreeViewWnd */ &ConstructAdapter<TvxTreeViewWnd>,

    /* WWComboBoxWnd */ &ConstructWWComboBox,

    /* GridEhWnd */ &ConstructAdapter<TvxGridEhWnd>,

    /* VirtualTreeViewWnd */ &ConstructAdapter<TvxVirtualTreeViewWnd>,

    /* IconWnd */ &ConstructAdapter<TvxIconWnd>,

    /* StaticWnd */ &ConstructAdapter<TvxStaticWnd>,

    /* TransPanelWnd */ &ConstructAdapter<TvxTransPanelWnd>,

    /* DlgPanelWnd */ &ConstructAdapter<TvxDlgPanelWnd>,

    /* SizerWnd */ &ConstructAdapter<TvxSizerWnd>,

    /* SpinWnd */ &ConstructAdapter<TvxSpinWnd>,

    /* LinkWnd */ &ConstructAdapter<TvxLinkWnd>,

    /* ToolBarWnd */ &ConstructAdapter<TvxToolBarWnd>,

    /* ComboListWnd */ &ConstructAdapter<TvxComboListWnd>,

    /* MnuWnd */ &ConstructAdapter<TvxMnuWnd>,

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

TEmptyAdapterEntry::TEmptyAdapterEntry(TvxAdapterKind kind)
    : kind_(kind), saved_(AdapterConstructor(kind)) {
  const int i = static_cast<int>(kind);
  if (i >= 0 && i < AdapterKindCount) kConstructors[i] = nullptr;
}

TEmptyAdapterEntry::~TEmptyAdapterEntry() {
  const int i = static_cast<int>(kind_);
  if (i >= 0 && i < AdapterKindCount) kConstructors[i] = saved_;
}
