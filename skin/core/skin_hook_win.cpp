#include "skin/core/skin_hook_win.h"

#include "platform/rtl/classes.h"

HHOOK CbtHookHandle = nullptr;
std::vector<TComponent*>* ProviderList = nullptr;

// Never destroyed: the hook may be removed while static objects go.
std::vector<TObject*>& PopupMenuWndList() {
  static auto* list = new std::vector<TObject*>();
  return *list;
}

LRESULT CALLBACK CbtHookProc(int code, WPARAM wParam, LPARAM lParam) {
  // What the skin does with each window comes with the automatic
  // providers; until then every notification is passed on untouched.
  return CallNextHookEx(CbtHookHandle, code, wParam, lParam);
}

bool InstallCbtHook() {
  if (!ProviderList) ProviderList = new std::vector<TComponent*>();
  if (CbtHookHandle) return true;
  CbtHookHandle = SetWindowsHookExW(WH_CBT, CbtHookProc, nullptr, GetCurrentThreadId());
  return CbtHookHandle != nullptr;
}

void ClearPopupMenuWndList() { PopupMenuWndList().clear(); }

void RemoveCbtHook() {
  ClearPopupMenuWndList();
  if (CbtHookHandle) {
    UnhookWindowsHookEx(CbtHookHandle);
    CbtHookHandle = nullptr;
  }
  if (ProviderList) {
    // Take the list first: a provider's end must not find it half freed.
    std::vector<TComponent*>* providers = ProviderList;
    ProviderList = nullptr;
    for (TComponent* provider : *providers) delete provider;
    delete providers;
  }
}
