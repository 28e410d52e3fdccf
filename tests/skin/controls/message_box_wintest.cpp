// Typed message boxes under Wine, closed by a timer while they are up: the
// requested place while shown and none after, the icon and buttons of the
// type, and the core's error box shown through them.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "platform/forms/forms.h"
#include "platform/rtl/text1251.h"
#include "skin/controls/message_box.h"
#include "skin/controls/skin_controls_start_win.h"
#include "skin/core/message_box_position_win.h"
#include "skin/core/skin_platform.h"
#include "skin/core/skin_utils.h"

namespace {

struct TSeen {
  bool found = false;
  int left = 0, top = 0;
  std::wstring caption;
  bool icon = false;
  bool abort = false, retry = false, ignore = false, ok = false;
};
TSeen seen;
int closeWith = IDOK;

BOOL CALLBACK FindBox(HWND window, LPARAM result) {
  wchar_t cls[16] = {};
  GetClassNameW(window, cls, 16);
  if (std::wstring(cls) != L"#32770" || !IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(result) = window;
  return FALSE;
}

void CALLBACK CloseBox(HWND, UINT, UINT_PTR id, DWORD) {
  HWND box = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(&box));
  if (!box) return;
  KillTimer(nullptr, id);
  seen.found = true;
  seen.left = MessageBoxLeft;
  seen.top = MessageBoxTop;
  wchar_t caption[64] = {};
  GetWindowTextW(box, caption, 64);
  seen.caption = caption;
  // The box's icon is a static control holding an icon.
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (SendMessageW(child, STM_GETICON, 0, 0)) seen.icon = true;
  seen.abort = GetDlgItem(box, IDABORT) != nullptr;
  seen.retry = GetDlgItem(box, IDRETRY) != nullptr;
  seen.ignore = GetDlgItem(box, IDIGNORE) != nullptr;
  seen.ok = GetDlgItem(box, IDOK) != nullptr;
  PostMessageW(box, WM_COMMAND, closeWith, 0);
}

class TypedMessageBox : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    UseWindowsSkinPlatform();
    brsm::StartSkinControls();
  }
  void SetUp() override {
    seen = TSeen{};
    SetTimer(nullptr, 0, 50, CloseBox);
  }
};

TEST_F(TypedMessageBox, PlaceWhileShownIconAndButtonsKept) {
  closeWith = IDIGNORE;
  const int result = ShowTypedMessageBox(nullptr, "Go on?", mtError, mbAbortRetryIgnore, 120, 80, 0);
  ASSERT_TRUE(seen.found);
  EXPECT_EQ(result, IDIGNORE);
  EXPECT_EQ(seen.left, 120);
  EXPECT_EQ(seen.top, 80);
  EXPECT_EQ(seen.caption, L"Error");
  EXPECT_TRUE(seen.icon);
  EXPECT_TRUE(seen.abort && seen.retry && seen.ignore);
  EXPECT_EQ(MessageBoxLeft, -1);
  EXPECT_EQ(MessageBoxTop, -1);
}

TEST_F(TypedMessageBox, GivenCaptionAndCustomTypeWithoutIcon) {
  closeWith = IDOK;
  const std::string caption = brsm::FromUtf8("Заголовок");
  ShowTypedMessageBox(&caption, "text", mtCustom, {mbOK}, -1, -1, 0);
  ASSERT_TRUE(seen.found);
  EXPECT_EQ(seen.caption, L"Заголовок");
  EXPECT_FALSE(seen.icon);
  EXPECT_EQ(seen.left, -1);
}

TEST_F(TypedMessageBox, CoreErrorBoxShowsThroughIt) {
  closeWith = IDOK;
  ShowErrorBox("GDI error (out of resources)");
  ASSERT_TRUE(seen.found);
  EXPECT_EQ(seen.caption, L"Error");
  EXPECT_TRUE(seen.icon && seen.ok);
  EXPECT_EQ(MessageBoxLeft, -1);
}

}  // namespace
