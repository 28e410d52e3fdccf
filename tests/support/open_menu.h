// Looking at a popup menu while its menu loop runs: a thread timer waits
// for the visible "#32768" window, runs the check on it and closes the
// menu. Whatever opens the menu is called in between.
#pragma once

#include <windows.h>

#include <functional>

#include "platform/graphics/colors.h"

namespace brsm::test {

namespace open_menu_detail {
inline std::function<void(HWND)>& Check() {
  static std::function<void(HWND)> check;
  return check;
}
inline void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
  HWND menu = FindWindowW(L"#32768", nullptr);
  if (!menu || !IsWindowVisible(menu)) return;
  KillTimer(nullptr, id);
  if (Check()) Check()(menu);
  EndMenu();
}
}  // namespace open_menu_detail

// `open` shows a menu and returns once it is closed; `check` sees its window.
inline void WhileMenuOpen(const std::function<void()>& open, std::function<void(HWND)> check) {
  open_menu_detail::Check() = std::move(check);
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, open_menu_detail::Tick);
  open();
  KillTimer(nullptr, timer);
  open_menu_detail::Check() = nullptr;
}

inline TColor WindowPixel(HWND window, int x, int y) {
  HDC dc = GetWindowDC(window);
  const COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return static_cast<TColor>(c);
}

// Each channel within 3.
inline bool NearColor(TColor a, TColor b) {
  for (int shift = 0; shift < 24; shift += 8) {
    const int d = static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF);
    if (d > 3 || d < -3) return false;
  }
  return true;
}

// The window's region leaves out its top-left pixel and keeps its neighbours.
inline bool RegionLacksTopLeftOnly(HWND window) {
  HRGN r = CreateRectRgn(0, 0, 0, 0);
  const bool ok = GetWindowRgn(window, r) != ERROR && !PtInRegion(r, 0, 0) && PtInRegion(r, 1, 0) &&
                  PtInRegion(r, 0, 1);
  DeleteObject(r);
  return ok;
}

}  // namespace brsm::test
