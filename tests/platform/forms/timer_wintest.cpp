// Timers: they fire while enabled, stop when disabled, and may be freed
// inside their own event.
#include <gtest/gtest.h>

#include "forms_test_support.h"
#include "platform/forms/timers.h"

using brsm::test::Pump;
using brsm::test::PumpUntil;

namespace {

TEST(Timer, FiresWhileEnabledAndStopsWhenDisabled) {
  TTimer timer(nullptr);
  int ticks = 0;
  timer.SetInterval(20);
  timer.OnTimer = [&](TObject* sender) {
    EXPECT_EQ(sender, &timer);
    if (++ticks == 3) timer.SetEnabled(false);
  };
  EXPECT_TRUE(PumpUntil([&] { return ticks >= 3; }));
  Pump(120);
  EXPECT_EQ(ticks, 3);
  timer.SetEnabled(true);
  EXPECT_TRUE(PumpUntil([&] { return ticks >= 4; }));
  timer.SetInterval(0);  // interval 0 stops it too
  const int now = ticks;
  Pump(100);
  EXPECT_EQ(ticks, now);
}

TEST(Timer, MayBeFreedInItsOwnEvent) {
  auto* owner = new TComponent(nullptr);
  auto* timer = new TTimer(owner);
  timer->SetInterval(10);
  int ticks = 0;
  std::string captured = "captured state";
  timer->OnTimer = [&ticks, timer, captured](TObject*) {
    ++ticks;
    delete timer;
    // The handler's own captures are still usable after the delete.
    EXPECT_EQ(captured, "captured state");
  };
  EXPECT_TRUE(PumpUntil([&] { return ticks >= 1; }));
  Pump(100);
  EXPECT_EQ(ticks, 1);
  EXPECT_EQ(owner->ComponentCount(), 0);
  delete owner;
}

TEST(Timer, TimersOwnedByAComponentGoWithIt) {
  auto* owner = new TComponent(nullptr);
  auto* timer = new TTimer(owner);
  int ticks = 0;
  timer->SetInterval(10);
  timer->OnTimer = [&](TObject*) { ++ticks; };
  delete owner;
  Pump(100);
  EXPECT_EQ(ticks, 0);
}

}  // namespace
