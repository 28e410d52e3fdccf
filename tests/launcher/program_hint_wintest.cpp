// The real BRSM-Menu.exe: the mouse resting on a logo shows its hint in the
// menu's own look, a translucent gradient rectangle with a shadow, its
// top-left corner at the hint point.
#include <gtest/gtest.h>

#include <string>

#include "generator/program_driver.h"
#include "support/screenshot.h"

using namespace brsm::test;

namespace {

constexpr int kLogoLeft = 2, kLogoTop = 67, kLogoSize = 128;

TEST(LauncherProgramHint, LogoHintShowsInTheMenusLook) {
  TempFolder folder{L"brsm-menu-hint"};
  ChildProgram menu(WinePath(BRSM_BIN_DIR) + L"\\BRSM-Menu.exe", folder.Path());
  ASSERT_TRUE(menu.Started());
  HWND main = menu.WaitForWindow(L"TForm1");
  ASSERT_NE(main, nullptr);
  SetWindowPos(main, nullptr, 200, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  Settle(main);

  POINT logo{kLogoLeft + kLogoSize / 2, kLogoTop + kLogoSize / 2};
  const LPARAM client = MAKELPARAM(logo.x, logo.y);
  ClientToScreen(main, &logo);
  SetCursorPos(logo.x, logo.y);
  PostMessageW(main, WM_MOUSEMOVE, 0, client);
  HWND hint = menu.WaitForWindow(L"TsSimplyHintWindow", 5000);
  ASSERT_NE(hint, nullptr) << "no hint over the logo";
  Settle(main);
  EXPECT_EQ(TextOf(hint), L"Посетить мой сайт");
  // Drawn by per-pixel alpha, not by the platform's plain hint.
  EXPECT_TRUE(GetWindowLongW(hint, GWL_EXSTYLE) & WS_EX_LAYERED);
  RECT r;
  GetWindowRect(hint, &r);
  EXPECT_EQ(r.left, logo.x);
  EXPECT_GT(r.top, logo.y + 16);
  // The body is wider than the shadow it casts to the right.
  EXPECT_GT(r.right - r.left, 6 + 2 * (6 + 1));
  SaveScreenshot("launcher-hint");
}

}  // namespace
