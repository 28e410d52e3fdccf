#include "skin/windows/system_menu.h"

#include <algorithm>
#include <functional>

#include "platform/rtl/text1251.h"
#include "skin/core/skin_manager.h"
#include "skin/windows/skin_provider.h"

namespace {

const char* EnglishCaption(TsSystemMenuString id) {
  switch (id) {
    case smsClose: return "Close";
    case smsMaximize: return "Maximize";
    case smsMinimize: return "Minimize";
    case smsSize: return "Size";
    case smsMove: return "Move";
    case smsRestore: return "Restore";
    case smsSkinList: return "Available skins";
  }
  return "";
}

TMenuItem* AddCommand(TPopupMenu* menu, TsSystemMenuString id, const char* name, std::function<void()> action) {
  auto* item = new TMenuItem(menu);
  item->SetName(name);
  item->SetCaption(SystemMenuCaption(id));
  item->OnClick = [action](TObject*) { action(); };
  menu->Items()->Add(item);
  return item;
}

void AddDivider(TPopupMenu* menu) {
  auto* divider = new TMenuItem(menu);
  divider->SetCaption("-");
  menu->Items()->Add(divider);
}

// Restore, Move, Size, Minimize, Maximize, a divider, Close (Alt+F4): the
// names and actions in that order.
TsSystemMenuItems AddWindowCommands(TPopupMenu* menu, const char* const (&names)[6],
                                    const std::function<void()> (&actions)[6]) {
  TsSystemMenuItems items;
  items.Restore = AddCommand(menu, smsRestore, names[0], actions[0]);
  items.Move = AddCommand(menu, smsMove, names[1], actions[1]);
  items.Size = AddCommand(menu, smsSize, names[2], actions[2]);
  items.Minimize = AddCommand(menu, smsMinimize, names[3], actions[3]);
  items.Maximize = AddCommand(menu, smsMaximize, names[4], actions[4]);
  AddDivider(menu);
  items.Close = AddCommand(menu, smsClose, names[5], actions[5]);
  items.Close->SetShortCut(0x8073);
  return items;
}

// Visibility first, then the enabled state, in the items' order.
void ApplyCommands(const TsWindowCommands& c, TMenuItem* restore, TMenuItem* move, TMenuItem* size,
                   TMenuItem* minimize, TMenuItem* maximize, TMenuItem* close) {
  restore->SetVisible(c.RestoreVisible);
  move->SetVisible(c.MoveVisible);
  size->SetVisible(c.SizeVisible);
  minimize->SetVisible(c.MinimizeVisible);
  maximize->SetVisible(c.MaximizeVisible);
  close->SetVisible(c.CloseVisible);
  restore->SetEnabled(c.RestoreEnabled);
  move->SetEnabled(c.MoveEnabled);
  size->SetEnabled(c.SizeEnabled);
  minimize->SetEnabled(c.MinimizeEnabled);
  maximize->SetEnabled(c.MaximizeEnabled);
  close->SetEnabled(c.CloseEnabled);
}

constexpr const char* kSkinListName = "SkinSelectItem";

}  // namespace

std::string SystemMenuCaption(TsSystemMenuString id) {
  const wchar_t* text = nullptr;
  const int length = LoadStringW(GetModuleHandleW(nullptr), static_cast<UINT>(id), reinterpret_cast<LPWSTR>(&text), 0);
  if (length <= 0 || !text) return EnglishCaption(id);
  return brsm::FromUtf16(text, length);
}

// -- TsSystemMenu ------------------------------------------------------------------------------

TsSystemMenu::TsSystemMenu(TsSkinProvider* provider) : TPopupMenu(provider), provider_(provider) {
  static const char* const names[6] = {"ItemRestore", "ItemMove", "ItemSize", "ItemMinimize", "ItemMaximize",
                                       "ItemClose"};
  const std::function<void()> actions[6] = {
      [this] {
        SysCommand(SC_RESTORE);
        UpdateItems();
      },
      [this] { SysCommand(SC_MOVE); },
      [this] { SysCommand(SC_SIZE); },
      [this] {
        if (form_ && Application && form_ == Application->MainForm()) {
          Application->Minimize();
          UpdateItems();
        } else {
          SysCommand(SC_MINIMIZE);
        }
      },
      [this] {
        if (!form_) return;
        if (form_->FormStyle() == fsMDIChild) MaximisingChildProvider = provider_;
        else form_->SetWindowState(wsMaximized);
        SysCommand(SC_MAXIMIZE);
        UpdateItems();
      },
      [this] { SysCommand(SC_CLOSE); }};
  const TsSystemMenuItems items = AddWindowCommands(this, names, actions);
  ItemRestore = items.Restore;
  ItemMove = items.Move;
  ItemSize = items.Size;
  ItemMinimize = items.Minimize;
  ItemMaximize = items.Maximize;
  ItemClose = items.Close;
}

TsSystemMenu::~TsSystemMenu() = default;

void TsSystemMenu::SysCommand(WPARAM command) {
  if (form_ && form_->HandleAllocated()) SendMessageW(form_->HandleIfAllocated(), WM_SYSCOMMAND, command, 0);
}

void TsSystemMenu::UpdateItems() {
  if (!form_) return;
  try {
    ApplyCommands(Commands(), ItemRestore, ItemMove, ItemSize, ItemMinimize, ItemMaximize, ItemClose);
  } catch (...) {
    // The menu is shown as it was.
  }
}

void TsSystemMenu::RemoveSkinList() {
  TMenuItem* items = Items();
  if (items->Count() == 0 || items->Items(0)->Name() != kSkinListName) return;
  items->Delete(0);
  if (items->Count() > 0 && items->Items(0)->IsLine()) items->Delete(0);
}

void TsSystemMenu::AddSkinList() {
  TsSkinManager* manager = provider_ && provider_->SkinData() ? provider_->SkinData()->SkinManager() : nullptr;
  if (!manager) return;
  RemoveSkinList();
  TStringList names;
  std::string first;
  manager->ListAvailableSkins(&names, 2, first);
  std::vector<std::string> list;
  for (int i = 0; i < names.Count(); ++i) list.push_back(names.Strings(i));
  if (list.empty()) return;
  auto* root = new TMenuItem(this);
  root->SetName(kSkinListName);
  root->SetCaption(SystemMenuCaption(smsSkinList));
  const std::vector<TsSkinListEntry> entries = SkinListEntriesOf(list, manager->SkinName());
  for (size_t i = 0; i < entries.size(); ++i) {
    auto* item = new TMenuItem(this);
    item->SetName(kSkinListName + std::to_string(i));
    item->SetCaption(entries[i].Caption);
    item->SetRadioItem(true);
    item->SetChecked(entries[i].Checked);
    if (entries[i].Break) item->SetBreak(mbBreak);
    const std::string name = entries[i].Name;
    item->OnClick = [manager, name](TObject*) { manager->SetSkinName(name); };
    root->Add(item);
  }
  Items()->Insert(0, root);
  auto* divider = new TMenuItem(this);
  divider->SetCaption("-");
  Items()->Insert(1, divider);
}

static_assert(static_cast<int>(fwNormal) == wsNormal && static_cast<int>(fwMinimized) == wsMinimized &&
              static_cast<int>(fwMaximized) == wsMaximized);

TsWindowCommandState WindowCommandStateOf(TCustomForm* form) {
  TsWindowCommandState s;
  const TBorderIcons icons = form->BorderIcons();
  s.Icons = {icons.Contains(biSystemMenu), icons.Contains(biMinimize), icons.Contains(biMaximize),
             icons.Contains(biHelp)};
  s.Border = FormBorderOf(form);
  s.State = static_cast<TsFormWindowState>(form->WindowState());
  s.MDIChild = form->FormStyle() == fsMDIChild;
  s.Iconic = form->HandleAllocated() && IsIconic(form->HandleIfAllocated());
  return s;
}

TsWindowCommands TsSystemMenu::Commands() const {
  if (!form_) {
    TsWindowCommands none;
    none.MoveVisible = none.MoveEnabled = none.CloseEnabled = false;
    return none;
  }
  return WindowCommandsOf(WindowCommandStateOf(form_));
}

// -- TvxSystemMenu -----------------------------------------------------------------------------

TvxSystemMenu::TvxSystemMenu(TvxSystemMenuHost* dialog) : TPopupMenu(nullptr), dialog_(dialog) {
  static const char* const names[6] = {"miRestore", "miMove", "miSize", "miMinimize", "miMaximize", "miClose"};
  const std::function<void()> actions[6] = {[this] {
                                              SysCommand(SC_RESTORE);
                                              UpdateItems();
                                            },
                                            [this] { SysCommand(SC_MOVE); },
                                            [this] { SysCommand(SC_SIZE); },
                                            [this] { SysCommand(SC_MINIMIZE); },
                                            [this] {
                                              SysCommand(SC_MAXIMIZE);
                                              UpdateItems();
                                            },
                                            [this] { SysCommand(SC_CLOSE); }};
  const TsSystemMenuItems items = AddWindowCommands(this, names, actions);
  miRestore = items.Restore;
  miMove = items.Move;
  miSize = items.Size;
  miMinimize = items.Minimize;
  miMaximize = items.Maximize;
  miClose = items.Close;
}

void TvxSystemMenu::SysCommand(WPARAM command) {
  if (dialog_ && dialog_->MenuWindow()) SendMessageW(dialog_->MenuWindow(), WM_SYSCOMMAND, command, 0);
}

TsWindowCommands TvxSystemMenu::Commands() const {
  TsDialogCommandState s;
  if (dialog_) {
    const DWORD style = dialog_->MenuStyle();
    HWND window = dialog_->MenuWindow();
    s.SysMenu = (style & WS_SYSMENU) != 0;
    s.MinimizeBox = (style & WS_MINIMIZEBOX) != 0;
    s.MaximizeBox = (style & WS_MAXIMIZEBOX) != 0;
    s.FrameKind = dialog_->MenuFrameKind();
    s.Iconic = window && IsIconic(window);
    s.Zoomed = window && IsZoomed(window);
  }
  return DialogWindowCommandsOf(s);
}

void TvxSystemMenu::UpdateItems() {
  if (!dialog_) return;
  try {
    ApplyCommands(Commands(), miRestore, miMove, miSize, miMinimize, miMaximize, miClose);
  } catch (...) {
    // The menu is shown as it was.
  }
}
