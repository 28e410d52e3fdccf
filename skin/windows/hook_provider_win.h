// The automatic skinning done through the creation hook: a TvxProvider
// serves one form of the application (it gives it a skin provider) or one
// foreign window such as a message box or a system dialog (a frame adapter
// and adapters for its child windows). Every one is kept in ProviderList.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "platform/forms/forms.h"
#include "skin/windows/main_wnd_win.h"

class TsSkinProvider;

class TvxProvider : public TComponent {
 public:
  // Owner: the form served, or nullptr for a foreign window.
  explicit TvxProvider(TComponent* owner);
  ~TvxProvider() override;

  bool RightToLeftScroll = false;
  HWND DialogWindow = nullptr;
  TsSkinProvider* SkinProvider = nullptr;
  TvxMainWnd* DialogAdapter = nullptr;
  std::vector<TvxMainWnd*> ChildAdapters;

  void CreateFormProvider(TCustomForm* form);
  // False: the window stays unskinned and the caller frees this provider.
  bool SkinDialog(HWND window);
  bool AdaptChildren(HWND window);
  bool AdaptChildWindow(HWND child);

 protected:
  void Notification(TComponent* component, TOperation operation) override;
};

std::string GetWindowClassName(HWND window);
TCustomForm* FindFormByHandle(HWND window);
TvxProvider* FindProviderByHandle(HWND window);
int CountVisibleDialogProviders();
bool HasChildOfClass(HWND window, const std::string& lowerClass);

// The hook's three branches.
bool ActivateHookedWindow(HWND window);
void FreeDeadProviders();
void AdaptPopupMenuWindow(HWND window);
// Makes, remakes or drops the frame adapter of a foreign window.
void UpdateDialogAdapter(HWND window, TvxMainWnd*& adapter);
