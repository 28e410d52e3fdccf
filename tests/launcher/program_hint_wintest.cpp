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
  HWND hint = HoverForHint(menu, main, logo, L"TsSimplyHintWindow");
  ASSERT_NE(hint, nullptr) << "no hint over the logo";
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
