// The skinned labels' colour decisions.
#include <gtest/gtest.h>

#include "skin/controls/label_colors.h"

TEST(LabelColors, SectionLookOnlyForANamedSectionAboveTheFirst) {
  EXPECT_TRUE(LabelShowsSection("PANEL", true, 3));
  EXPECT_FALSE(LabelShowsSection("GLOBALINFO", true, 0));
  EXPECT_FALSE(LabelShowsSection("MISSING", true, -1));
  EXPECT_FALSE(LabelShowsSection("", true, 3));
  EXPECT_FALSE(LabelShowsSection("PANEL", false, 3));
}

TEST(LabelColors, DisabledTextMixesFortyPercentOverTheBackgroundAfterResolvingSystemColours) {
  EXPECT_EQ(DisabledLabelColor(0x0000FF, 0x00FF00), 0x009966);  // 0.4 * 255 = 102, 0.6 * 255 = 153
  // A system colour is mixed as the colour it stands for, never bytewise.
  const TColor text = ColorToRGB(clWindowText);
  EXPECT_EQ(DisabledLabelColor(clWindowText, 0xFFFFFF), DisabledLabelColor(text, 0xFFFFFF));
  EXPECT_EQ(DisabledLabelColor(clWindowText, 0xFFFFFF) >> 24, 0u);
}
