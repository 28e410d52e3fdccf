#include "skin/core/skin_hook_win.h"

#include "platform/forms/controls.h"
#include "platform/rtl/classes.h"

HHOOK CbtHookHandle = nullptr;
std::vector<TComponent*>* ProviderList = nullptr;

// Never destroyed: the hook may be removed while static objects go.
std::vector<TObject*>& PopupMenuWndList() {
  static auto* list = new std::vector<TObject*>();
  return *list;
}

namespace {
TsCbtHookHandlers hookHandlers;
}  // namespace

void SetCbtHookHandlers(const TsCbtHookHandlers& handlers) { hookHandlers = handlers; }

LRESULT CALLBACK CbtHookProc(int code, WPARAM wParam, LPARAM lParam) {
  // The next hook sees every notification first and its answer stands,
  // whatever the skin does with the window.
  const LRESULT result = CallNextHookEx(CbtHookHandle, code, wParam, lParam);
  HWND window = reinterpret_cast<HWND>(wParam);
  void (*handler)(HWND) = nullptr;
  switch (code) {
    case HCBT_CREATEWND: handler = hookHandlers.WindowCreated; break;
    case HCBT_DESTROYWND: handler = hookHandlers.WindowDestroyed; break;
    case HCBT_ACTIVATE: handler = hookHandlers.WindowActivated; break;
    default: break;
  }
  // An exception must not cross the system's frame.
  if (handler) brsm::GuardedCall(nullptr, [&] { handler(window); });
  return result;
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
