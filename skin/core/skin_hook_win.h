// The thread's computer-based-training hook through which the skin sees
// windows being created, activated and destroyed, with the lists of what it
// made for them. The default manager installs it while a skin is loaded.
#pragma once

#include <windows.h>

#include <vector>

class TComponent;
class TObject;

// Nil when no hook is installed.
extern HHOOK CbtHookHandle;
// The automatic providers (slots of those gone are nil); made when the hook
// is installed, freed with their providers when it is removed.
extern std::vector<TComponent*>* ProviderList;
// The popup-menu adapters made while the hook is in force; they free
// themselves with their windows.
std::vector<TObject*>& PopupMenuWndList();

// What the hook does with the windows it sees; the window skinning installs
// them at start-up. An empty handler passes the notification on untouched.
struct TsCbtHookHandlers {
  // A window is being created (the handler picks out popup menus).
  void (*WindowCreated)(HWND window) = nullptr;
  // A window is being destroyed.
  void (*WindowDestroyed)(HWND window) = nullptr;
  // A window is being activated.
  void (*WindowActivated)(HWND window) = nullptr;
};
void SetCbtHookHandlers(const TsCbtHookHandlers& handlers);

LRESULT CALLBACK CbtHookProc(int code, WPARAM wParam, LPARAM lParam);

// For the current thread only; true when installed (or already in place).
bool InstallCbtHook();
// Unhooks and frees the automatic providers and their list.
void RemoveCbtHook();
void ClearPopupMenuWndList();
