// Every kind of window adapter the engine makes: the kinds the control
// adapter chooses by ThirdParty list, the kinds a foreign dialog's child
// windows get by class, and the adapters of popup menus, foreign dialog
// frames, MDI clients and combo lists. The factory table
// (adapter_factory_win.h) maps each kind to its constructor.
#pragma once

#include <cstddef>
#include <string_view>

enum class TvxAdapterKind : int {
  EditWnd,
  BtnWnd,
  BitBtnWnd,
  CheckBoxWnd,
  ComboBoxWnd,
  GridWnd,
  GroupBoxWnd,
  ListViewWnd,
  PanelWnd,
  TreeViewWnd,
  WWComboBoxWnd,
  GridEhWnd,
  VirtualTreeViewWnd,
  IconWnd,
  StaticWnd,
  TransPanelWnd,
  DlgPanelWnd,
  SizerWnd,
  SpinWnd,
  LinkWnd,
  ToolBarWnd,
  ComboListWnd,
  MnuWnd,
  DialogWnd,
  MDIWnd,
};

inline constexpr int AdapterKindCount = static_cast<int>(TvxAdapterKind::MDIWnd) + 1;

// The class name of the adapter of a kind ("TvxEditWnd").
std::string_view AdapterKindClassName(TvxAdapterKind kind);

// The adapter the control adapter makes for a control found in ThirdParty
// list `listIndex` (0 edits .. 12 virtual trees); false for another index.
bool AdapterKindOfThirdPartyList(int listIndex, TvxAdapterKind& kind);
