// Sending commands to controls, the paintable test, alignment flags and
// the bound on fade times.
#include "skin/core/control_utils.h"

#include <gtest/gtest.h>

#include "control_model_test_support.h"
#include "skin/core/blending.h"
#include "skin/core/paint_colors.h"
#include "skin/core/skin_constants.h"

using namespace recordtest;

TEST(ControlUtilsTest, CommandsReachOnlyControlsThatCanTakeThem) {
  ModelScope scope;
  Control form(nullptr);
  Control* edit = form.Add(new Control(&form));
  edit->HandleMade = false;
  EXPECT_EQ(SendCmdToControl(scope.model, edit, SkinCmdQuerySkinned), 0);
  EXPECT_TRUE(edit->Received.empty());  // no window: nothing sent
  edit->HandleMade = true;
  edit->SetState(csDestroying, true);
  EXPECT_EQ(SendCmdToControl(scope.model, edit, SkinCmdQuerySkinned), 0);
  EXPECT_TRUE(edit->Received.empty());

  Control* label = form.Add(new Control(&form));
  label->Windowed = false;  // windowless: through its window procedure
  label->Handler = [](TsCmdMessage& m) { m.Result = 7; return true; };
  EXPECT_EQ(SendCmdToControl(scope.model, label, SkinCmdRepaint, 5), 7);
  EXPECT_EQ(label->Received.at(0).LParam, 5);
  EXPECT_EQ(scope.model.Sent, 0);
}

TEST(ControlUtilsTest, AnswersComeInLParamOrFromTheWindow) {
  ModelScope scope;
  Control c(nullptr);
  EXPECT_FALSE(ControlAnswersCmd(scope.model, &c, SkinCmdQuerySkinned));
  EXPECT_EQ(c.Received.size(), 2u);  // asked through WindowProc, then its window
  c.Received.clear();
  c.Handler = [&](TsCmdMessage& m) {
    if (c.Received.size() == 2) m.Result = 1;  // only the window answers
    return true;
  };
  EXPECT_TRUE(ControlAnswersCmd(scope.model, &c, SkinCmdQuerySkinned));
  c.HandleMade = false;
  c.Received.clear();
  EXPECT_FALSE(ControlAnswersCmd(scope.model, &c, SkinCmdQuerySkinned));
  EXPECT_EQ(c.Received.size(), 1u);
}

TEST(ControlUtilsTest, PaintableControls) {
  ModelScope scope;
  Control form(nullptr);
  Control* c = form.Add(new Control(&form));
  EXPECT_TRUE(IsControlPaintable(scope.model, c));
  EXPECT_FALSE(IsControlPaintable(scope.model, nullptr));
  EXPECT_FALSE(IsControlPaintable(scope.model, &form));  // no parent
  c->Creating = true;
  EXPECT_FALSE(IsControlPaintable(scope.model, c));
  c->Creating = false;
  c->SetState(csLoading, true);
  EXPECT_FALSE(IsControlPaintable(scope.model, c));
  c->SetState(csLoading, false);
  c->HandleMade = false;
  EXPECT_FALSE(IsControlPaintable(scope.model, c));
  c->Windowed = false;
  EXPECT_TRUE(IsControlPaintable(scope.model, c));
}

TEST(ControlUtilsTest, ParentColourIsItsAnswerElseItsColourAsRGB) {
  ModelScope scope;
  Control c(nullptr);
  c.BackColor = clBtnFace;
  QueryParentColor(scope.model, &c);
  EXPECT_EQ(ParentBackColor, ColorToRGB(clBtnFace));
  c.Handler = [](TsCmdMessage&) {
    ParentBackColor = 0x123456;
    return true;
  };
  QueryParentColor(scope.model, &c);
  EXPECT_EQ(ParentBackColor, 0x123456);
  ParentBackColor = SkinTransparentColor;
}

TEST(ControlUtilsTest, AlignmentFlags) {
  EXPECT_EQ(AlignmentTextFlagsOf(staCenter), 0x01u | 0x44u);
  EXPECT_EQ(AlignmentTextFlagsOf(staLeftJustify), 0x44u);
  EXPECT_EQ(AlignmentTextFlagsOf(staRightJustify), 0x02u | 0x44u);
}

TEST(ControlUtilsTest, FadesBlendAtEveryLength) {
  EXPECT_TRUE(FadeFrameWeights(BoundedFadeTime(7)).empty());  // the new image at once
  const std::vector<int> w80 = FadeFrameWeights(BoundedFadeTime(80));
  ASSERT_EQ(w80.size(), 11u);
  EXPECT_EQ(w80[1], 255 - 25);
  // From 2048 ms the step would be 0 and every frame the old image.
  for (int time : {2047, 2048, 5000, 1 << 30}) {
    const std::vector<int> w = FadeFrameWeights(BoundedFadeTime(time));
    ASSERT_GE(w.size(), 2u) << time;
    EXPECT_LT(w.back(), 255) << time;
    EXPECT_LE(w.size(), 256u) << time;
  }
  EXPECT_EQ(BoundedFadeTime(-5), 0);
}
