// The Win32 fill of the skin core's platform seam, under Wine.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "skin/core/skin_constants.h"
#include "skin/core/skin_platform.h"
#include "skin/core/skin_utils.h"
#include "tests/support/screenshot.h"

namespace {

struct BoxSeen {
  std::wstring Caption;
  std::wstring Text;
};

// Waits for the thread's message box, reads it, saves a screenshot and
// presses OK.
BoxSeen CloseNextBox(const wchar_t* caption, const char* shot) {
  BoxSeen seen;
  for (int i = 0; i < 200; ++i) {
    HWND box = FindWindowW(L"#32770", caption);
    if (box) {
      wchar_t buf[256] = {};
      GetWindowTextW(box, buf, 256);
      seen.Caption = buf;
      HWND label = GetDlgItem(box, 0xFFFF);
      if (label) {
        GetWindowTextW(label, buf, 256);
        seen.Text = buf;
      }
      Sleep(200);  // let it paint
      brsm::test::SaveScreenshot(shot);
      PostMessageW(box, WM_COMMAND, IDOK, 0);
      return seen;
    }
    Sleep(25);
  }
  return seen;
}

}  // namespace

TEST(WindowsSkinPlatform, AnswersFromTheSystem) {
  UseWindowsSkinPlatform();
  EXPECT_TRUE(IsWinXPOrLater());
  EXPECT_EQ(SkinPlatform().HScrollArrowWidth(), GetSystemMetrics(SM_CXHSCROLL));
  EXPECT_GT(SkinPlatform().HScrollArrowWidth(), 0);
  EXPECT_EQ(CachedHScrollArrowWidth(), GetSystemMetrics(SM_CXHSCROLL));
  EXPECT_NE(GetCaptionFontHeight(), 0);
  const std::string folder = ProgramFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), '\\');
  SetSkinPlatform(nullptr);
}

TEST(WindowsSkinPlatform, WarningAndErrorBoxesShowTheText) {
  UseWindowsSkinPlatform();
  BoxSeen warning, error;
  std::thread closer([&] { warning = CloseNextBox(L"Warning", "skin_warning_box"); });
  ShowWarningBox("Loaded data is not packed Vellum file");
  closer.join();
  EXPECT_EQ(warning.Caption, L"Warning");
  EXPECT_EQ(warning.Text, L"Loaded data is not packed Vellum file");

  std::thread closer2([&] { error = CloseNextBox(L"Error", "skin_error_box"); });
  ShowErrorBox("\xCE\xF8\xE8\xE1\xEA\xE0");  // 1251 text reaches the box as Unicode
  closer2.join();
  EXPECT_EQ(error.Caption, L"Error");
  EXPECT_EQ(error.Text, L"\u041E\u0448\u0438\u0431\u043A\u0430");
  SetSkinPlatform(nullptr);
}
