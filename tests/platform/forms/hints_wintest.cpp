// Hints: resting the mouse on a control with ShowHint shows its Hint after
// HintPause (OnShowHint asked first), HintHidePause or leaving takes it
// away, a click cancels it.
#include <gtest/gtest.h>

#include "controls_test_support.h"
#include "platform/forms/extctrls.h"
#include "platform/forms/hintwnd.h"
#include "platform/forms/stdctrls.h"

using brsm::test::FindThreadWindow;
using brsm::test::Pump;
using brsm::test::PumpUntil;

namespace {

std::wstring TextOf(HWND wnd) {
  wchar_t buffer[256] = {};
  GetWindowTextW(wnd, buffer, 256);
  return buffer;
}

class Hints : public ::testing::Test {
 protected:
  void SetUp() override {
    Application->SetHintPause(300);
    Application->SetHintHidePause(5000);
    form = new TForm(nullptr);
    form->SetBounds(100, 100, 320, 200);
    button = new TButton(form);
    button->SetParent(form);
    button->SetBounds(20, 20, 100, 30);
    button->SetHint("\xCF\xEE\xF1\xE5\xF2\xE8\xF2\xFC \xEC\xEE\xE9 \xF1\xE0\xE9\xF2|long part");
    button->SetShowHint(true);
    image = new TImage(form);
    image->SetParent(form);
    image->SetBounds(160, 20, 128, 128);
    image->SetHint("image");
    image->SetShowHint(true);
    plain = new TButton(form);
    plain->SetParent(form);
    plain->SetBounds(20, 100, 100, 30);
    form->Show();
    Pump();
  }
  void TearDown() override {
    Application->OnShowHint = nullptr;
    Application->CancelHint();
    delete form;
  }
  // Puts the mouse over a point of the control, as the user's move does.
  void RestOn(TControl* control, int x = 10, int y = 10) {
    const TPoint screen = control->ClientToScreen(Point(x, y));
    SetCursorPos(screen.X, screen.Y);
    auto* windowed = dynamic_cast<TWinControl*>(control);
    HWND target = windowed ? windowed->Handle() : control->Parent()->Handle();
    const TPoint local = windowed ? Point(x, y) : Point(control->Left() + x, control->Top() + y);
    SendMessageW(target, WM_MOUSEMOVE, 0, MAKELPARAM(local.X, local.Y));
  }
  HWND ShownHint() { return FindThreadWindow("THintWindow"); }

  TForm* form = nullptr;
  TButton* button = nullptr;
  TImage* image = nullptr;
  TButton* plain = nullptr;
};

TEST_F(Hints, ShortHintShowsAfterThePauseBelowTheCursor) {
  RestOn(button);
  Pump(30);
  EXPECT_EQ(ShownHint(), nullptr);  // the pause has not passed yet
  ASSERT_TRUE(PumpUntil([&] { return ShownHint() != nullptr; }, 2000));
  HWND hint = ShownHint();
  EXPECT_EQ(TextOf(hint), L"\x041F\x043E\x0441\x0435\x0442\x0438\x0442\x044C \x043C\x043E\x0439 \x0441\x0430\x0439\x0442");
  RECT r;
  GetWindowRect(hint, &r);
  POINT cursor;
  GetCursorPos(&cursor);
  EXPECT_GT(r.top, cursor.y);
  EXPECT_NEAR(r.left, cursor.x, 2);
  // A click takes it away.
  SendMessageW(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  SendMessageW(button->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
  Pump(30);
  EXPECT_EQ(ShownHint(), nullptr);
}

TEST_F(Hints, OnShowHintSeesTheInfoAndMayChangeOrRefuse) {
  std::vector<THintInfo> seen;
  bool refuse = false;
  Application->OnShowHint = [&](std::string& text, bool& canShow, THintInfo& info) {
    seen.push_back(info);
    text = "[" + text + "]";
    if (refuse) canShow = false;
  };
  RestOn(image);  // windowless: the hint of the picture under the mouse
  ASSERT_TRUE(PumpUntil([&] { return ShownHint() != nullptr; }, 2000));
  EXPECT_EQ(TextOf(ShownHint()), L"[image]");
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].HintControl, image);
  EXPECT_EQ(seen[0].HintStr, "image");
  EXPECT_EQ(seen[0].HideTimeout, 5000);
  EXPECT_GT(seen[0].HintMaxWidth, 0);
  EXPECT_EQ(seen[0].CursorPos, Point(10, 10));
  // Moving to another control with a hint: refused there.
  refuse = true;
  RestOn(button);
  Pump(30);
  EXPECT_EQ(ShownHint(), nullptr);
  Pump(600);
  EXPECT_EQ(seen.size(), 2u);
  EXPECT_EQ(ShownHint(), nullptr);
}

TEST_F(Hints, HidePauseAndLeavingEndTheHint) {
  Application->SetHintHidePause(300);
  RestOn(button);
  ASSERT_TRUE(PumpUntil([&] { return ShownHint() != nullptr; }, 2000));
  EXPECT_TRUE(PumpUntil([&] { return ShownHint() == nullptr; }, 2000));
  // Resting on the same control does not bring it back.
  RestOn(button, 12, 12);
  Pump(500);
  EXPECT_EQ(ShownHint(), nullptr);
  // A control without ShowHint shows nothing; leaving for it ends the wait.
  Application->SetHintHidePause(5000);
  RestOn(plain);
  RestOn(button);
  ASSERT_TRUE(PumpUntil([&] { return ShownHint() != nullptr; }, 2000));
  const TPoint away = form->ClientToScreen(Point(200, 180));
  SetCursorPos(away.X, away.Y);  // no message: the machinery notices by itself
  EXPECT_TRUE(PumpUntil([&] { return ShownHint() == nullptr; }, 1000));
}

TEST(HintWindow, CalcHintRectWrapsWithinTheWidth) {
  auto* window = new THintWindow(nullptr);
  const TRect one = window->CalcHintRect(200, "short", nullptr);
  const TRect wrapped = window->CalcHintRect(
      120, "a rather long hint text that cannot stay on one line of this width", nullptr);
  EXPECT_EQ(one.Left, 0);
  EXPECT_LE(wrapped.Width(), 120 + 6);
  EXPECT_GT(wrapped.Height(), 2 * one.Height() - 4);
  delete window;
}

}  // namespace
