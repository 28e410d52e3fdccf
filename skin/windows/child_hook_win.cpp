#include "skin/windows/child_hook_win.h"

#include <unordered_map>

#include "platform/forms/controls.h"
#include "platform/forms/window_procedure.h"
#include "skin/core/skin_utils_win.h"

namespace {

// A window our procedure is in: its hook (nullptr when the hook left while
// a later subclass still calls us) and the procedure before ours.
struct Entry {
  TvxChildHook* Hook = nullptr;
  WNDPROC Previous = nullptr;
};

// Never destroyed: windows may still send messages while statics go.
std::unordered_map<HWND, Entry>& Hooks() {
  static auto* table = new std::unordered_map<HWND, Entry>();
  return *table;
}

}  // namespace

TvxChildHook::TvxChildHook(const char* property, TObject* sender, std::function<void(TMessage&)> handler)
    : property_(property), sender_(sender), handler_(std::move(handler)) {}

TvxChildHook::~TvxChildHook() { Uninstall(); }

bool TvxChildHook::Install(HWND window) {
  if (window == window_ && window_) return true;
  Uninstall();
  if (!window || !IsWindow(window)) return false;
  auto& hooks = Hooks();
  auto it = hooks.find(window);
  if (it != hooks.end() && it->second.Hook) return false;
  window_ = window;
  SetPropA(window, property_, this);
  if (it != hooks.end()) {
    // Our procedure is still in the window's chain, passing through.
    it->second.Hook = this;
    return true;
  }
  const auto previous = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TvxChildHook::Procedure)));
  hooks[window] = Entry{this, previous};
  return true;
}

void TvxChildHook::Uninstall() {
  if (!window_) return;
  HWND window = window_;
  window_ = nullptr;
  auto& hooks = Hooks();
  if (IsWindow(window)) {
    RemovePropA(window, property_);
    const auto current = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
    if (current == &TvxChildHook::Procedure) {
      SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Hooks()[window].Previous));
    } else {
      // Someone subclassed the window after us and calls our procedure as
      // its previous one: it stays, passing everything on.
      if (auto it = hooks.find(window); it != hooks.end()) it->second.Hook = nullptr;
      return;
    }
  }
  hooks.erase(window);
}

namespace {
LRESULT Forward(WNDPROC previous, HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  return previous ? CallWindowProcW(previous, window, msg, wParam, lParam)
                  : DefWindowProcW(window, msg, wParam, lParam);
}
}  // namespace

void TvxChildHook::CallPrevious(TMessage& m) const {
  if (!window_) {
    // Unhooked by the handler of this very message: it still goes on.
    if (dispatchWindow_) m.Result = Forward(dispatchPrevious_, dispatchWindow_, m.Msg, m.WParam, m.LParam);
    return;
  }
  auto it = Hooks().find(window_);
  m.Result = Forward(it == Hooks().end() ? nullptr : it->second.Previous, window_, m.Msg, m.WParam, m.LParam);
}

LRESULT CALLBACK TvxChildHook::Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto& hooks = Hooks();
  auto it = hooks.find(window);
  if (it == hooks.end()) return DefWindowProcW(window, msg, wParam, lParam);
  TvxChildHook* hook = it->second.Hook;
  const WNDPROC previous = it->second.Previous;
  LRESULT result = 0;
  if (hook) {
    brsm::DispatchScope scope;
    TMessage m = BuildMessage(msg, wParam, lParam);
    const HWND outerWindow = hook->dispatchWindow_;
    const WNDPROC outerPrevious = hook->dispatchPrevious_;
    hook->dispatchWindow_ = window;
    hook->dispatchPrevious_ = previous;
    brsm::GuardedCall(hook->sender_, [&] { hook->handler_(m); });
    // The hook may have gone with the handler's window; only a hook still
    // in the table is touched again.
    auto still = hooks.find(window);
    if (still != hooks.end() && still->second.Hook == hook) {
      hook->dispatchWindow_ = outerWindow;
      hook->dispatchPrevious_ = outerPrevious;
    }
    result = m.Result;
  } else {
    result = Forward(previous, window, msg, wParam, lParam);
  }
  if (msg == WM_NCDESTROY) {
    auto gone = hooks.find(window);
    if (gone != hooks.end()) {
      if (gone->second.Hook) gone->second.Hook->window_ = nullptr;
      hooks.erase(gone);
    }
  }
  return result;
}

TvxChildHook* ChildHookOf(HWND window, const char* property) {
  return window ? static_cast<TvxChildHook*>(GetPropA(window, property)) : nullptr;
}
