// The popup menu a skinned form shows in place of the window's own system
// menu (the provider takes WS_SYSMENU away), and the answers the caption
// buttons ask of it: which window commands are shown and allowed.
#pragma once

#include "platform/forms/forms.h"
#include "platform/forms/menus.h"

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

  // Not yet: until the commands exist no window command is shown or
  // allowed, so no caption button is drawn or pressed for one.
  bool VisibleClose() const { return false; }
  bool VisibleMax() const { return false; }
  bool VisibleMin() const { return false; }
  bool EnabledMax() const { return false; }
  bool EnabledMin() const { return false; }
  bool EnabledRestore() const { return false; }

 private:
  TsSkinProvider* provider_;
  TCustomForm* form_ = nullptr;
};
