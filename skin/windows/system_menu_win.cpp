#include "skin/windows/system_menu.h"

#include "platform/rtl/text1251.h"
#include "skin/windows/skin_provider.h"

namespace {

// A window command's caption from the program's string table, in the
// user's language; the English text when the table lacks it.
std::string CommandCaption(UINT id, const char* english) {
  const wchar_t* text = nullptr;
  const int n = LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
  if (n <= 0 || !text) return english;
  return brsm::FromUtf16(text, n);
}

}  // namespace

TsSystemMenu::TsSystemMenu(TsSkinProvider* provider) : TPopupMenu(provider), provider_(provider) {}

TsSystemMenu::~TsSystemMenu() = default;

void TsSystemMenu::UpdateItems() {}

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

TvxSystemMenu::TvxSystemMenu(TvxSystemMenuSource* dialog) : TPopupMenu(nullptr), dialog_(dialog) {
  auto add = [this](UINT id, const char* english, const char* name, WPARAM command) {
    auto* item = new TMenuItem(this);
    item->SetCaption(CommandCaption(id, english));
    item->SetName(name);
    if (command) item->OnClick = [this, command](TObject*) { SendCommand(command); };
    Items()->Add(item);
    return item;
  };
  miRestore = add(58981, "Restore", "miRestore", SC_RESTORE);
  miMove = add(58980, "Move", "miMove", SC_MOVE);
  miSize = add(58979, "Size", "miSize", SC_SIZE);
  miMinimize = add(58978, "Minimize", "miMinimize", SC_MINIMIZE);
  miMaximize = add(58977, "Maximize", "miMaximize", SC_MAXIMIZE);
  auto* line = new TMenuItem(this);
  line->SetCaption("-");
  Items()->Add(line);
  miClose = add(58976, "Close", "miClose", SC_CLOSE);
  miClose->SetShortCut(0x8073);
}

void TvxSystemMenu::SendCommand(WPARAM command) {
  HWND window = dialog_ ? dialog_->MenuWindow() : nullptr;
  if (!window) return;
  SendMessageW(window, WM_SYSCOMMAND, command, 0);
  if (command == SC_RESTORE || command == SC_MAXIMIZE) UpdateItems();
}

TsWindowCommands TvxSystemMenu::Commands() const {
  HWND window = dialog_ ? dialog_->MenuWindow() : nullptr;
  if (!dialog_) return {};
  return DialogWindowCommandsOf(dialog_->MenuStyle(), dialog_->MenuFrameKind(), window && IsIconic(window),
                                window && IsZoomed(window));
}

void TvxSystemMenu::UpdateItems() {
  try {
    const TsWindowCommands c = Commands();
    miRestore->SetVisible(c.RestoreVisible);
    miMove->SetVisible(c.MoveVisible);
    miSize->SetVisible(c.SizeVisible);
    miMinimize->SetVisible(c.MinimizeVisible);
    miMaximize->SetVisible(c.MaximizeVisible);
    miClose->SetVisible(c.CloseVisible);
    miRestore->SetEnabled(c.RestoreEnabled);
    miMove->SetEnabled(c.MoveEnabled);
    miSize->SetEnabled(c.SizeEnabled);
    miMinimize->SetEnabled(c.MinimizeEnabled);
    miMaximize->SetEnabled(c.MaximizeEnabled);
    miClose->SetEnabled(c.CloseEnabled);
  } catch (...) {
    // The menu is then shown as it was.
  }
}
