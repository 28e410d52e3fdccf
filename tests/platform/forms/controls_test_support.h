// Helpers of the standard controls' Wine tests: finding the windows that
// menus and dialogs open, and pressing keys in them.
#pragma once

#include <windows.h>

#include <string>

#include "forms_test_support.h"

namespace brsm::test {

// A visible top-level window of this thread whose class is `className`
// ("#32768" for an open menu, "#32770" for a system dialog).
inline HWND FindThreadWindow(const std::string& className) {
  struct Search {
    std::string name;
    HWND found = nullptr;
  } search{className};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND wnd, LPARAM data) -> BOOL CALLBACK {
        auto* s = reinterpret_cast<Search*>(data);
        if (IsWindowVisible(wnd) && WindowClassOf(wnd) == s->name) {
          s->found = wnd;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// A key pressed and let go, as posted by the keyboard.
inline void PostKey(HWND wnd, WPARAM key) {
  PostMessageW(wnd, WM_KEYDOWN, key, 1);
  PostMessageW(wnd, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
}

}  // namespace brsm::test
