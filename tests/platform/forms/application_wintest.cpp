// The application object: hooks on its window, the hint window made from
// HintWindowClass again after the class changed, and its facts.
#include <gtest/gtest.h>

#include "forms_test_support.h"
#include "platform/forms/hintwnd.h"
#include "platform/graphics/icon.h"
#include "platform/rtl/text1251.h"

namespace {

TEST(Application, MainWindowHooksSeeMessagesFirstAndCanUnhookThemselves) {
  HWND wnd = Application->Handle();
  EXPECT_EQ(brsm::test::WindowClassOf(wnd), "TApplication");
  EXPECT_FALSE(IsWindowVisible(wnd));
  std::vector<std::string> seen;
  int selfRemoving = 0;
  const int first = Application->HookMainWindow([&](TMessage& m) {
    if (m.Msg == WM_USER + 5) seen.push_back("first");
    return false;
  });
  selfRemoving = Application->HookMainWindow([&](TMessage& m) {
    if (m.Msg != WM_USER + 5) return false;
    seen.push_back("swallowing");
    Application->UnhookMainWindow(selfRemoving);
    m.Result = 42;
    return true;
  });
  const int last = Application->HookMainWindow([&](TMessage& m) {
    if (m.Msg == WM_USER + 5) seen.push_back("last");
    return false;
  });
  EXPECT_EQ(SendMessageW(wnd, WM_USER + 5, 0, 0), 42);
  EXPECT_EQ(seen, (std::vector<std::string>{"first", "swallowing"}));
  seen.clear();
  EXPECT_EQ(SendMessageW(wnd, WM_USER + 5, 0, 0), 0);
  EXPECT_EQ(seen, (std::vector<std::string>{"first", "last"}));
  Application->UnhookMainWindow(first);
  Application->UnhookMainWindow(last);
  seen.clear();
  SendMessageW(wnd, WM_USER + 5, 0, 0);
  EXPECT_TRUE(seen.empty());
}

int madeOfKindA = 0, madeOfKindB = 0;
class THintKindA : public THintWindow {
 public:
  explicit THintKindA(TComponent* owner) : THintWindow(owner) { ++madeOfKindA; }
};
class THintKindB : public THintWindow {
 public:
  explicit THintKindB(TComponent* owner) : THintWindow(owner) { ++madeOfKindB; }
};

TEST(Application, HintWindowIsMadeAgainWhenTheClassChanges) {
  const THintWindowClass saved = HintWindowClass;
  HintWindowClass = HintWindowClassOf<THintKindA>;
  THintWindow* a = Application->HintWindow();
  ASSERT_NE(a, nullptr);
  EXPECT_NE(dynamic_cast<THintKindA*>(a), nullptr);
  EXPECT_EQ(Application->HintWindow(), a);  // made once
  EXPECT_EQ(madeOfKindA, 1);
  HintWindowClass = HintWindowClassOf<THintKindB>;
  THintWindow* b = Application->HintWindow();
  EXPECT_NE(dynamic_cast<THintKindB*>(b), nullptr);
  EXPECT_EQ(madeOfKindB, 1);
  // Hints off: no window; on again: one of the current class.
  Application->SetShowHint(false);
  EXPECT_EQ(Application->HintWindow(), nullptr);
  Application->SetShowHint(true);
  EXPECT_NE(dynamic_cast<THintKindB*>(Application->HintWindow()), nullptr);
  EXPECT_EQ(madeOfKindB, 2);
  HintWindowClass = saved;
}

TEST(Application, KnowsItsProgramAndTheScreen) {
  const std::string exe = Application->ExeName();
  ASSERT_GT(exe.size(), 4u);
  EXPECT_EQ(LowerCase(exe.substr(exe.size() - 4)), ".exe");
  EXPECT_NE(exe.find("forms_application_wintest"), std::string::npos);
  EXPECT_NE(Application->Icon()->Handle(), nullptr);
  EXPECT_FALSE(Screen->HintFont()->Name().empty());
  EXPECT_FALSE(Screen->MenuFont()->Name().empty());
  EXPECT_GT(Screen->DesktopWidth(), 0);
  EXPECT_GE(Screen->MonitorCount(), 1);
  Mouse->SetCursorPos(Point(123, 45));
  EXPECT_EQ(Mouse->CursorPos(), Point(123, 45));
}

}  // namespace
