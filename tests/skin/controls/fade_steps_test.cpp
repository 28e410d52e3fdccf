#include "skin/controls/fade_steps.h"

#include <gtest/gtest.h>

#include <vector>

#include "skin/core/anim_effects.h"

namespace {

// Runs ticks until the fade finishes; the alphas of the frames drawn.
std::vector<int> RunFade(TsFadeSteps& steps) {
  std::vector<int> alphas;
  for (int guard = 0; guard < 100; ++guard) {
    const TsFadeTick tick = NextFadeTick(steps);
    if (tick != TsFadeTick::Frame) break;
    alphas.push_back(FadeFrameAlpha(steps.StepIndex, steps.StepCount));
    ++steps.StepIndex;
  }
  return alphas;
}

TsFadeSteps Started(int iterations, bool halve) {
  TsFadeSteps s;
  PlanFadeSteps(s, iterations, halve);
  s.StepDirection = 1;
  return s;
}

}  // namespace

TEST(FadeSteps, FourIterationsBlendTowardTheNewLook) {
  TsFadeSteps s = Started(4, false);
  EXPECT_EQ(s.StepCount, 4);
  EXPECT_EQ(RunFade(s), (std::vector<int>{191, 127, 63, 0}));  // the last held at 0
  EXPECT_EQ(NextFadeTick(s), TsFadeTick::Finish);
}

TEST(FadeSteps, ALeaveHalfwayRunsOnlyTheStepsMade) {
  TsFadeSteps s = Started(4, false);
  for (int i = 0; i < 2; ++i) ++s.StepIndex;  // two frames of the entry drawn
  PlanFadeSteps(s, 4, false);                 // the leave, still in direction 1
  EXPECT_EQ(s.StepCount, 3);
  EXPECT_EQ(s.StepIndex, 1);
  EXPECT_EQ(RunFade(s).size(), 3u);

  TsFadeSteps back;
  back.StepDirection = 2;
  back.StepIndex = 3;
  PlanFadeSteps(back, 4, false);
  EXPECT_EQ(back.StepCount, 1);
  EXPECT_EQ(back.StepIndex, 1);
}

TEST(FadeSteps, HalvingAndEmptyFades) {
  EXPECT_EQ(Started(5, true).StepCount, 2);
  TsFadeSteps one = Started(1, true);
  EXPECT_EQ(one.StepCount, 0);
  EXPECT_TRUE(RunFade(one).empty());
  EXPECT_EQ(NextFadeTick(one), TsFadeTick::Finish);
  EXPECT_EQ(FadeFrameAlpha(1, 0), 0);   // no division by a count of 0
  EXPECT_EQ(FadeFrameAlpha(-3, 1), 255);  // held to a byte
  TsFadeSteps stopped;
  stopped.StepCount = 4;
  EXPECT_EQ(NextFadeTick(stopped), TsFadeTick::Idle);
}

TEST(AnimEventEnabled, OwnSetOrTheLibrarySet) {
  const TvxBtnEvents saved = GlobalBtnEvents;
  GlobalBtnEvents = TvxBtnEvents{beMouseLeave};
  EXPECT_TRUE(AnimEventEnabled(aeMouseEnter, TvxAnimatEvents{aeMouseEnter}));
  EXPECT_FALSE(AnimEventEnabled(aeMouseLeave, TvxAnimatEvents{aeMouseEnter}));
  EXPECT_TRUE(AnimEventEnabled(aeMouseLeave, TvxAnimatEvents{aeGlobalDef}));
  EXPECT_FALSE(AnimEventEnabled(aeMouseEnter, TvxAnimatEvents{aeGlobalDef}));
  EXPECT_FALSE(AnimEventEnabled(aeMouseUp, TvxAnimatEvents{}));
  GlobalBtnEvents = TvxBtnEvents{beMouseUp};
  EXPECT_TRUE(AnimEventEnabled(aeMouseUp, TvxAnimatEvents{aeGlobalDef}));
  GlobalBtnEvents = saved;
}
