// The popup menus shown in place of a window's own system menu: a skinned
// form's (the provider takes WS_SYSMENU away) and a skinned foreign
// dialog's. Each holds the six window commands, sends the matching
// WM_SYSCOMMAND and shows, hides, enables and disables them from the
// window's state; the caption buttons ask the same answers.
#pragma once

#include <string>

#include "platform/forms/forms.h"
#include "platform/forms/menus.h"
#include "skin/windows/system_menu_rules.h"

class TsSkinProvider;

// The captions' ids in the program's string table.
enum TsSystemMenuString {
  smsClose = 58976,
  smsMaximize = 58977,
  smsMinimize = 58978,
  smsSize = 58979,
  smsMove = 58980,
  smsRestore = 58981,
  smsSkinList = 58964,
};
// The caption in the thread's language, in the program's code page; the
// English text when the program carries no table.
std::string SystemMenuCaption(TsSystemMenuString id);

// The six items, in order, made on a menu: Restore, Move, Size, Minimize,
// Maximize, a divider, Close (Alt+F4).
struct TsSystemMenuItems {
  TMenuItem* Restore = nullptr;
  TMenuItem* Move = nullptr;
  TMenuItem* Size = nullptr;
  TMenuItem* Minimize = nullptr;
  TMenuItem* Maximize = nullptr;
  TMenuItem* Close = nullptr;
};

class TsSystemMenu : public TPopupMenu {
 public:
  explicit TsSystemMenu(TsSkinProvider* provider);
  ~TsSystemMenu() override;

  TsSkinProvider* Provider() const { return provider_; }
  TCustomForm* Form() const { return form_; }
  void SetForm(TCustomForm* form) { form_ = form; }

  // Shows, hides, enables and disables the commands from the form's state.
  void UpdateItems();
  // The skin list at the top of the menu (with its divider), made anew.
  void AddSkinList();
  // Takes a skin list of an earlier showing away, divider included.
  void RemoveSkinList();

  // The window commands the form's state shows and allows now; the caption
  // buttons ask the same.
  TsWindowCommands Commands() const;
  bool VisibleClose() const { return Commands().CloseVisible; }
  bool VisibleMax() const { return Commands().MaximizeVisible; }
  bool VisibleMin() const { return Commands().MinimizeVisible; }
  bool EnabledMax() const { return Commands().MaximizeEnabled; }
  bool EnabledMin() const { return Commands().MinimizeEnabled; }
  bool EnabledRestore() const { return Commands().RestoreEnabled; }

  TMenuItem* ItemRestore = nullptr;
  TMenuItem* ItemMove = nullptr;
  TMenuItem* ItemSize = nullptr;
  TMenuItem* ItemMinimize = nullptr;
  TMenuItem* ItemMaximize = nullptr;
  TMenuItem* ItemClose = nullptr;

 private:
  void SysCommand(WPARAM command);
  TsSkinProvider* provider_;
  TCustomForm* form_ = nullptr;
};

// The dialog adapter as its system menu sees it: the style captured when
// it took up the frame, its frame kind (0 to 5) and its window.
class TvxSystemMenuHost {
 public:
  virtual ~TvxSystemMenuHost() = default;
  virtual DWORD MenuStyle() const = 0;
  virtual int MenuFrameKind() const = 0;
  virtual HWND MenuWindow() const = 0;
};

class TvxSystemMenu : public TPopupMenu {
 public:
  explicit TvxSystemMenu(TvxSystemMenuHost* dialog);

  TvxSystemMenuHost* Dialog() const { return dialog_; }
  void UpdateItems();
  TsWindowCommands Commands() const;

  TMenuItem* miRestore = nullptr;
  TMenuItem* miMove = nullptr;
  TMenuItem* miSize = nullptr;
  TMenuItem* miMinimize = nullptr;
  TMenuItem* miMaximize = nullptr;
  TMenuItem* miClose = nullptr;

 private:
  void SysCommand(WPARAM command);
  TvxSystemMenuHost* dialog_;
};

// The state of a form the window commands are decided by.
TsWindowCommandState WindowCommandStateOf(TCustomForm* form);
