// The popup menu a skinned form shows in place of the window's own system
// menu (the provider takes WS_SYSMENU away), and the answers the caption
// buttons ask of it: which window commands are shown and allowed.
#pragma once

#include "platform/forms/forms.h"
#include "platform/forms/menus.h"
#include "skin/windows/system_menu_rules.h"

class TsSkinProvider;

class TsSystemMenu : public TPopupMenu {
 public:
  explicit TsSystemMenu(TsSkinProvider* provider);
  ~TsSystemMenu() override;

  TsSkinProvider* Provider() const { return provider_; }
  TCustomForm* Form() const { return form_; }
  void SetForm(TCustomForm* form) { form_ = form; }

  // Shows, hides, enables and disables the commands from the form's state.
  // Not yet: the menu has no commands, so there is nothing to update.
  void UpdateItems();

  // The window commands the form's state shows and allows now; the caption
  // buttons ask the same.
  TsWindowCommands Commands() const;
  bool VisibleClose() const { return Commands().CloseVisible; }
  bool VisibleMax() const { return Commands().MaximizeVisible; }
  bool VisibleMin() const { return Commands().MinimizeVisible; }
  bool EnabledMax() const { return Commands().MaximizeEnabled; }
  bool EnabledMin() const { return Commands().MinimizeEnabled; }
  bool EnabledRestore() const { return Commands().RestoreEnabled; }

 private:
  TsSkinProvider* provider_;
  TCustomForm* form_ = nullptr;
};

// What a foreign dialog's window menu reads of the dialog's frame adapter.
class TvxSystemMenuSource {
 public:
  virtual ~TvxSystemMenuSource() = default;
  virtual uint32_t MenuStyle() const = 0;  // the style captured at start-up
  virtual int MenuFrameKind() const = 0;
  virtual HWND MenuWindow() const = 0;
};

// The window menu of a foreign dialog (a message box, a system dialog),
// shown by its frame adapter in place of the window's own.
class TvxSystemMenu : public TPopupMenu {
 public:
  explicit TvxSystemMenu(TvxSystemMenuSource* dialog);

  TvxSystemMenuSource* Dialog() const { return dialog_; }
  // Shows, hides, enables and disables the commands from the dialog's state.
  void UpdateItems();
  TsWindowCommands Commands() const;

  TMenuItem* miRestore = nullptr;
  TMenuItem* miMove = nullptr;
  TMenuItem* miSize = nullptr;
  TMenuItem* miMinimize = nullptr;
  TMenuItem* miMaximize = nullptr;
  TMenuItem* miClose = nullptr;

 private:
  void SendCommand(WPARAM command);
  TvxSystemMenuSource* dialog_;
};

// The state of a form the window commands are decided by.
TsWindowCommandState WindowCommandStateOf(TCustomForm* form);
