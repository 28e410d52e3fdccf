#include "skin/core/gradient_data.h"

#include <gtest/gtest.h>

#include "platform/rtl/sysutils.h"

TEST(GradientData, GroupsOfFiveMakeStops) {
  TGradientArray stops;
  ParseGradientData("16777215;0;100;0;9;1;2;3;4", stops);  // nine numbers: one stop
  ASSERT_EQ(stops.size(), 1u);
  EXPECT_EQ(stops[0].StartColor, 16777215);
  EXPECT_EQ(stops[0].EndColor, 0);
  EXPECT_EQ(stops[0].Share, 100);
  EXPECT_EQ(stops[0].Mode, 0);
  EXPECT_EQ(stops[0].Reserved, 0);  // the fifth number is never read

  ParseGradientData("1;2;150;1;0;3;4;-5;0;0", stops);
  ASSERT_EQ(stops.size(), 2u);
  EXPECT_EQ(stops[0].Share, 100);  // limited to 100
  EXPECT_EQ(stops[0].Mode, 1);
  EXPECT_EQ(stops[1].StartColor, 3);
  EXPECT_EQ(stops[1].Share, -5);

  ParseGradientData("", stops);
  EXPECT_TRUE(stops.empty());
  ParseGradientData("1;2;3", stops);
  EXPECT_TRUE(stops.empty());
}

TEST(GradientData, ANonNumberRaisesAndLeavesNoStops) {
  TGradientArray stops;
  ParseGradientData("1;2;3;4;5", stops);
  EXPECT_THROW(ParseGradientData("1;2;x;4;5", stops), EConvertError);
  EXPECT_TRUE(stops.empty());
  // Words past the last whole group are not read at all.
  EXPECT_NO_THROW(ParseGradientData("1;2;3;4;5;x", stops));
  EXPECT_EQ(stops.size(), 1u);
}
