// The real BRSM-Menu.exe, with and without the kit-made Marl in the Windows
// folder: the mouse resting on a logo shows its hint in the hint manager's
// own look (it takes nothing from the skin), a translucent gradient
// rectangle with a shadow, its top-left corner at the hint point.
#include <gtest/gtest.h>

#include <string>

#include "generator/program_driver.h"
#include "support/screen_capture.h"
#include "support/screenshot.h"
#include "support/windows_folder_skin.h"
#include "tools/skinkit/kit_pictures.h"
#include "tools/skinkit/marl_skin.h"

using namespace brsm::test;

namespace {

constexpr int kLogoLeft = 2, kLogoTop = 67, kLogoSize = 128;

class LauncherProgramHint : public ::testing::TestWithParam<MarlKind> {
 protected:
  void TearDown() override { RemoveMarlFromWindowsFolder(); }
};

TEST_P(LauncherProgramHint, LogoHintShowsInTheMenusLook) {
  ASSERT_TRUE(PutMarlInWindowsFolder(GetParam()));
  // A pointer left over the logo by an earlier test would show the hint at
  // its own place before this test moves it.
  SetCursorPos(0, 0);
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
  // Nothing of Marl's HINT section in it: neither its colour nor its frame.
  const int section = brsm::kit::MarlSectionIndex("HINT");
  const ScreenCapture shown(r);
  for (TColor c : {brsm::kit::KitColor(section, 0), brsm::kit::KitColor(section, 10),
                   brsm::kit::Shade(brsm::kit::KitColor(section, 10))})
    EXPECT_EQ(shown.Count(r, c), 0);
  SaveScreenshot(GetParam() == MarlKind::Folder ? "launcher-hint-marl" : "launcher-hint");
}

INSTANTIATE_TEST_SUITE_P(Kinds, LauncherProgramHint, ::testing::Values(MarlKind::Folder, MarlKind::None),
                         [](const auto& info) { return MarlKindName(info.param); });

}  // namespace
