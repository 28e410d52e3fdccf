#include "skin/windows/adapter_chain_win.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

#include "platform/forms/window_procedure.h"
#include "skin/core/skin_utils_win.h"
#include "skin/windows/main_wnd_win.h"

namespace adapter_chain {
namespace {

struct WindowHooks {
  std::vector<TvxMainWnd*> adapters;  // bottom first
  WNDPROC original = nullptr;         // set while our procedure is in the window's chain
};

std::unordered_map<HWND, WindowHooks>& Table() {
  // Never destroyed: windows may still send messages while statics go.
  static auto* table = new std::unordered_map<HWND, WindowHooks>();
  return *table;
}

bool IsForeign(const TvxMainWnd* adapter) { return adapter->HookedControl() == nullptr; }

void Name(HWND window, const WindowHooks& hooks) {
  if (hooks.adapters.empty())
    RemovePropA(window, AdapterPropertyName);
  else
    SetPropA(window, AdapterPropertyName, hooks.adapters.back());
}

LRESULT Forward(HWND window, WNDPROC original, UINT msg, WPARAM wParam, LPARAM lParam) {
  return original ? CallWindowProcW(original, window, msg, wParam, lParam)
                  : DefWindowProcW(window, msg, wParam, lParam);
}

LRESULT CALLBACK ForeignWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto& table = Table();
  auto it = table.find(window);
  if (it == table.end()) return DefWindowProcW(window, msg, wParam, lParam);
  const WNDPROC original = it->second.original;
  auto* adapter = static_cast<TvxMainWnd*>(GetPropA(window, AdapterPropertyName));
  // The top adapter may be hooked at a control's WindowProc: the foreign
  // chain starts at the first foreign one below it.
  const auto& list = it->second.adapters;
  auto top = std::find(list.rbegin(), list.rend(), adapter);
  if (top == list.rend()) adapter = nullptr;
  else {
    top = std::find_if(top, list.rend(), IsForeign);
    adapter = top == list.rend() ? nullptr : *top;
  }
  LRESULT result = 0;
  if (adapter) {
    // Deferred deletions wait while an adapter's procedure runs.
    brsm::DispatchScope scope;
    TMessage m = BuildMessage(msg, wParam, lParam);
    brsm::GuardedCall(adapter, [&] { adapter->Dispatch(m); });
    result = m.Result;
  } else {
    result = Forward(window, original, msg, wParam, lParam);
  }
  if (msg == WM_NCDESTROY) {
    // The window is gone: nothing of it may stay in the table.
    auto gone = table.find(window);
    if (gone != table.end()) {
      RemovePropA(window, AdapterPropertyName);
      table.erase(gone);
    }
  }
  return result;
}

}  // namespace

bool IsOurProcedure(WNDPROC procedure) { return procedure == ForeignWindowProc; }

WNDPROC Push(HWND window, TvxMainWnd* adapter, bool foreign) {
  WindowHooks& hooks = Table()[window];
  hooks.adapters.erase(std::remove(hooks.adapters.begin(), hooks.adapters.end(), adapter),
                       hooks.adapters.end());
  hooks.adapters.push_back(adapter);
  Name(window, hooks);
  if (foreign && !hooks.original) {
    hooks.original = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ForeignWindowProc));
  }
  return hooks.original;
}

void Remove(HWND window, TvxMainWnd* adapter) {
  auto& table = Table();
  auto it = table.find(window);
  if (it == table.end()) return;
  WindowHooks& hooks = it->second;
  hooks.adapters.erase(std::remove(hooks.adapters.begin(), hooks.adapters.end(), adapter),
                       hooks.adapters.end());
  if (IsWindow(window)) Name(window, hooks);
  if (std::any_of(hooks.adapters.begin(), hooks.adapters.end(), IsForeign)) return;
  if (hooks.original) {
    const auto current = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
    if (!IsWindow(window) || current != &ForeignWindowProc) {
      // Someone subclassed the window after us and calls our procedure as
      // its previous one: it stays, passing everything on.
      if (IsWindow(window)) return;
    } else {
      SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(hooks.original));
    }
  }
  if (hooks.adapters.empty()) table.erase(it);
  else hooks.original = nullptr;
}

Below Find(HWND window, TvxMainWnd* adapter) {
  Below below;
  auto& table = Table();
  auto it = table.find(window);
  if (it == table.end()) return below;
  const auto& list = it->second.adapters;
  auto self = std::find(list.rbegin(), list.rend(), adapter);
  if (self == list.rend()) return below;
  below.Found = true;
  auto next = std::find_if(std::next(self), list.rend(), IsForeign);
  if (next != list.rend()) below.Adapter = *next;
  else below.Procedure = it->second.original;
  return below;
}

LRESULT Call(const Below& below, HWND window, UINT msg, WPARAM wParam, LPARAM& lParam) {
  if (!below.Adapter) return Forward(window, below.Procedure, msg, wParam, lParam);
  TMessage m = BuildMessage(msg, wParam, lParam);
  below.Adapter->Dispatch(m);
  lParam = m.LParam;
  return m.Result;
}

int SubclassedWindowCount() {
  int n = 0;
  for (const auto& [window, hooks] : Table()) n += hooks.original != nullptr;
  return n;
}

}  // namespace adapter_chain
