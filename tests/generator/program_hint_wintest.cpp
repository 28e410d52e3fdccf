// The real BRSM.exe with and without the kit-made Marl in the Windows
// folder: the mouse resting on the logo shows "Посетить мой сайт" in a
// TsSimplyHintWindow whose bottom-right corner lies at the hint point, painted
// from Marl's HINT section when Marl is there.
#include <gtest/gtest.h>

#include <string>

#include "generator/program_driver.h"
#include "platform/rtl/text1251.h"
#include "support/screenshot.h"
#include "tests/support/windows_folder_skin.h"
#include "tools/skinkit/kit_pictures.h"
#include "tools/skinkit/marl_skin.h"

using namespace brsm::test;

namespace {

// The logo's place on the main form's client area and the hint it shows.
constexpr int kLogoLeft = 176, kLogoTop = 336, kLogoSize = 128;

COLORREF ScreenPixel(int x, int y) {
  HDC screen = GetDC(nullptr);
  const COLORREF c = ::GetPixel(screen, x, y);
  ReleaseDC(nullptr, screen);
  return c;
}

class GeneratorProgramHint : public ::testing::TestWithParam<MarlKind> {
 protected:
  void TearDown() override {
    program_.reset();
    RemoveMarlFromWindowsFolder();
  }
  TempFolder folder_{L"brsm-hint"};
  std::unique_ptr<ChildProgram> program_;
};

TEST_P(GeneratorProgramHint, LogoHintRestsAtTheHintPoint) {
  const bool marl = GetParam() == MarlKind::Folder;
  ASSERT_TRUE(PutMarlInWindowsFolder(GetParam()));
  // A pointer left over the logo by an earlier test would show the hint at
  // its own place before this test moves it.
  SetCursorPos(0, 0);
  program_ = std::make_unique<ChildProgram>(WinePath(BRSM_BIN_DIR) + L"\\BRSM.exe", folder_.Path());
  ASSERT_TRUE(program_->Started());
  HWND main = program_->WaitForWindow(L"TForm1");
  ASSERT_NE(main, nullptr);
  SetWindowPos(main, nullptr, 200, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  Settle(main);

  POINT logo{kLogoLeft + kLogoSize / 2, kLogoTop + kLogoSize / 2};
  HWND hint = HoverForHint(*program_, main, logo, L"TsSimplyHintWindow");
  ASSERT_NE(hint, nullptr) << "no hint over the logo";
  EXPECT_EQ(TextOf(hint), L"Посетить мой сайт");

  RECT r;
  GetWindowRect(hint, &r);
  // The hint point lies below the cursor by the cursor's height; without
  // skin data the plain rectangle goes 16 pixels lower still.
  EXPECT_EQ(r.right, logo.x);
  EXPECT_GT(r.bottom, logo.y);
  EXPECT_LE(r.bottom, logo.y + 64 + (marl ? 0 : 16));
  const int h = r.bottom - r.top;
  if (marl) {
    const int section = brsm::kit::MarlSectionIndex("HINT");
    EXPECT_EQ(static_cast<TColor>(ScreenPixel(r.left + 1, r.top + h / 2)),
              brsm::kit::Shade(brsm::kit::KitColor(section, 10)));
  } else {
    EXPECT_EQ(static_cast<TColor>(ScreenPixel(r.left, r.top + 3)), 0);  // the preset's black bevel
  }
  SaveScreenshot(marl ? "generator-hint-marl" : "generator-hint");
}

INSTANTIATE_TEST_SUITE_P(Kinds, GeneratorProgramHint, ::testing::Values(MarlKind::Folder, MarlKind::None),
                         [](const auto& info) { return MarlKindName(info.param); });

}  // namespace
