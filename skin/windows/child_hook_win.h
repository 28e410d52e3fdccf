// A child window of an adapted window (a list view's header, a combo box's
// edit and list) subclassed the way the root subclasses a foreign window:
// one window procedure of ours finds the hook by a window property of the
// hook's own naming, and the window gets its procedure back only while
// ours is still the one in place, so a later subclass keeps working.
#pragma once

#include <windows.h>

#include <functional>

#include "platform/forms/messages.h"

class TObject;

class TvxChildHook {
 public:
  // `handler` gets every message of the hooked window; it passes on with
  // CallPrevious. `property` names the window property that holds the hook
  // (a literal: it is kept, not copied); `sender` is handed to
  // Application.HandleException with what the handler raises.
  TvxChildHook(const char* property, TObject* sender, std::function<void(TMessage&)> handler);
  ~TvxChildHook();
  TvxChildHook(const TvxChildHook&) = delete;
  TvxChildHook& operator=(const TvxChildHook&) = delete;

  // Hooks the window, leaving the one hooked before. False (nothing hooked)
  // for no window, or one another child hook of ours already holds.
  bool Install(HWND window);
  // Nothing when no window is hooked.
  void Uninstall();
  HWND Window() const { return window_; }
  bool Installed() const { return window_ != nullptr; }
  // The window's previous procedure.
  void CallPrevious(TMessage& message) const;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

  const char* property_;
  TObject* sender_;
  std::function<void(TMessage&)> handler_;
  HWND window_ = nullptr;
  // The window and previous procedure of the message being handled: a
  // handler that unhooks still passes that message on.
  HWND dispatchWindow_ = nullptr;
  WNDPROC dispatchPrevious_ = nullptr;
};

// The hook a property names on the window, nullptr when none.
TvxChildHook* ChildHookOf(HWND window, const char* property);
