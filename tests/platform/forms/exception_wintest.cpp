// Exceptions raised in handlers reach the application's exception box and
// the program goes on.
#include <gtest/gtest.h>

#include "forms_test_support.h"
#include "platform/rtl/text1251.h"
#include "platform/forms/timers.h"

using brsm::test::PumpUntil;

namespace {

std::vector<std::pair<std::string, std::string>> boxes;
void RecordBox(const std::string& message, const std::string& title) {
  boxes.emplace_back(message, title);
}

class ExceptionBox : public ::testing::Test {
 protected:
  void SetUp() override {
    boxes.clear();
    old = brsm::SetExceptionBox(RecordBox);
    Application->SetTitle("Brassmith");
  }
  void TearDown() override { brsm::SetExceptionBox(old); }
  brsm::TExceptionBox old = nullptr;
};

TEST_F(ExceptionBox, ExceptionInAClickHandlerShowsTheBoxAndTheLoopGoesOn) {
  auto form = std::make_unique<TForm>(nullptr);
  form->SetBounds(30, 30, 200, 100);
  int clicks = 0;
  form->OnClick = [&](TObject*) {
    ++clicks;
    throw EConvertError("'abc' is not a valid integer value");
  };
  form->Show();
  for (int i = 0; i < 2; ++i) {
    PostMessageW(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    PostMessageW(form->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
  }
  EXPECT_TRUE(PumpUntil([&] { return boxes.size() >= 2; }));
  EXPECT_EQ(clicks, 2);
  ASSERT_FALSE(boxes.empty());
  EXPECT_EQ(boxes[0].first, "'abc' is not a valid integer value.");
  EXPECT_EQ(boxes[0].second, "Brassmith");
  // The window still works.
  form->SetCaption(brsm::FromUtf8("Ещё работает"));
  EXPECT_EQ(form->Caption(), brsm::FromUtf8("Ещё работает"));
}

TEST_F(ExceptionBox, TimerAndStandardExceptionsAndSilentAbort) {
  TTimer timer(nullptr);
  timer.SetInterval(10);
  int ticks = 0;
  timer.OnTimer = [&](TObject*) {
    ++ticks;
    if (ticks == 1) throw std::runtime_error("out of range");
    if (ticks == 2) Abort();
    if (ticks == 3) throw Exception("Ends with a stop.");
    timer.SetEnabled(false);
  };
  EXPECT_TRUE(PumpUntil([&] { return ticks >= 4; }));
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"out of range.", "Brassmith"}, {"Ends with a stop.", "Brassmith"}};
  EXPECT_EQ(boxes, expected);
}

TEST_F(ExceptionBox, OnExceptionReplacesTheBox) {
  std::string seen;
  TObject* seenSender = nullptr;
  Application->OnException = [&](TObject* sender, const Exception& e) {
    seen = e.Message;
    seenSender = sender;
  };
  auto form = std::make_unique<TForm>(nullptr);
  form->OnResize = [](TObject*) { throw EInvalidOperation("resize failed"); };
  form->Show();
  SetWindowPos(form->Handle(), nullptr, 0, 0, 222, 111, SWP_NOMOVE | SWP_NOZORDER);
  Application->OnException = nullptr;
  EXPECT_EQ(seen, "resize failed");
  EXPECT_EQ(seenSender, form.get());
  EXPECT_TRUE(boxes.empty());
}

}  // namespace
