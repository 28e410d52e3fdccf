// The real BRSM-Menu.exe, copied into a folder of its own and worked by
// window messages: what its start buttons do with a missing program, with a
// stand-in "BRSM.exe" and with the real generator beside it.
#include <gtest/gtest.h>

#include <string>

#include "generator/program_driver.h"
#include "launcher/test_child_events.h"

using namespace brsm::test;

namespace {

// A click sent, not posted: it answers only once the button's handler
// returned, or fails after the time when the handler still runs.
bool ClickReturnsWithin(HWND button, UINT timeoutMs) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_NORMAL, timeoutMs, &result) != 0;
}

// A visible top-level window of that class of a process other than ours and
// than `except`.
struct OtherWindowSearch {
  DWORD except;
  const wchar_t* cls;
  HWND found;
};
BOOL CALLBACK FindOtherWindow(HWND wnd, LPARAM param) {
  auto* s = reinterpret_cast<OtherWindowSearch*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(wnd, &pid);
  if (pid != s->except && pid != GetCurrentProcessId() && IsWindowVisible(wnd) && ClassOf(wnd) == s->cls) {
    s->found = wnd;
    return FALSE;
  }
  return TRUE;
}
HWND OtherProgramWindow(DWORD except, const wchar_t* className) {
  OtherWindowSearch search{except, className, nullptr};
  EnumWindows(FindOtherWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

class MenuProgram : public ::testing::Test {
 protected:
  void StartMenu() {
    const std::wstring bin = WinePath(BRSM_BIN_DIR);
    ASSERT_TRUE(CopyFileW((bin + L"\\BRSM-Menu.exe").c_str(), folder_.File(L"BRSM-Menu.exe").c_str(), FALSE));
    menu_ = std::make_unique<ChildProgram>(folder_.File(L"BRSM-Menu.exe"), folder_.Path());
    ASSERT_TRUE(menu_->Started());
    main_ = menu_->WaitForWindow(L"TForm1");
    ASSERT_NE(main_, nullptr);
    EXPECT_EQ(TextOf(main_), L"Brassmith Menu");
  }
  HWND Button(int top) { return ChildAt(main_, L"TsBitBtn", 12, top); }

  TempFolder folder_{L"brsm-menu"};
  std::unique_ptr<ChildProgram> menu_;
  HWND main_ = nullptr;
};

TEST_F(MenuProgram, AMissingAmmoToolReturnsAtOnceWithoutAMessage) {
  StartMenu();
  HWND ammo = Button(35);
  ASSERT_NE(ammo, nullptr);
  EXPECT_EQ(TextOf(ammo), L"Запустить Brassmith - Ammo");
  EXPECT_TRUE(ClickReturnsWithin(ammo, 3000));
  EXPECT_TRUE(Responds(main_));
  EXPECT_TRUE(menu_->Windows(L"TMessageForm").empty());
  EXPECT_TRUE(menu_->Windows(L"#32770").empty());
}

TEST_F(MenuProgram, TheMenuWaitsForAStartedProgramToEnd) {
  ASSERT_TRUE(CopyFileW(WinePath(BRSM_TEST_CHILD).c_str(), folder_.File(L"BRSM.exe").c_str(), FALSE));
  StartMenu();
  ChildEvents events;
  HWND generator = Button(3);
  ASSERT_NE(generator, nullptr);
  EXPECT_FALSE(ClickReturnsWithin(generator, 1000));
  ASSERT_TRUE(events.WaitStarted());
  EXPECT_FALSE(Responds(main_, 500)) << "the menu reacts while the program runs";
  events.Release();
  EXPECT_TRUE(WaitUntil([&] { return Responds(main_, 200); }));
  EXPECT_EQ(FileBytes(folder_.File(kChildReport)), "flags=1 show=4");

  // A start after that one waits again, and the menu comes back again.
  events.Hold();
  events.ResetStarted();
  EXPECT_FALSE(ClickReturnsWithin(generator, 1000));
  ASSERT_TRUE(events.WaitStarted());
  events.Release();
  EXPECT_TRUE(WaitUntil([&] { return Responds(main_, 200); }));

  // "Выход" ends the menu.
  HWND exitButton = ChildAt(main_, L"TsBitBtn", 132, 171);
  ASSERT_NE(exitButton, nullptr);
  PostClick(exitButton);
  EXPECT_TRUE(menu_->Ended(5000));
}

TEST_F(MenuProgram, ClosingTheGeneratorGivesTheMenuBack) {
  const std::wstring bin = WinePath(BRSM_BIN_DIR);
  ASSERT_TRUE(CopyFileW((bin + L"\\BRSM.exe").c_str(), folder_.File(L"BRSM.exe").c_str(), FALSE));
  StartMenu();
  EXPECT_FALSE(ClickReturnsWithin(Button(3), 1000));
  HWND generator = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (generator = OtherProgramWindow(menu_->Id(), L"TForm1")) != nullptr; }, 15000));
  EXPECT_EQ(TextOf(generator), L"Brassmith");
  EXPECT_FALSE(Responds(main_, 500));
  PostMessageW(generator, WM_CLOSE, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return Responds(main_, 200); }, 15000));
  EXPECT_FALSE(IsWindow(generator));
}

}  // namespace
