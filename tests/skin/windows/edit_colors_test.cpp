// What an edit adapter colours: the section's colour or the parent's
// background for a see-through section, the hot font colour, each unless the
// record keeps its own; a foreign window's background.
#include <gtest/gtest.h>

#include "skin/windows/edit_colors.h"

TEST(EditColors, ControlTakesTheSectionsColoursUnlessItKeepsItsOwn) {
  TvxEditColorInput in;
  in.HasControl = in.SectionValid = true;
  in.SectionColor = 0x102030;
  in.HotFontColor = 0x0000F0;
  in.ControlColor = clWindow;
  in.ControlFontColor = clWindowText;
  TvxEditColors out = DecideEditColors(in);
  EXPECT_TRUE(out.SetColor);
  EXPECT_EQ(out.Color, 0x102030);
  EXPECT_TRUE(out.SetFontColor);
  EXPECT_EQ(out.FontColor, 0x0000F0);
  // Already so: nothing to set.
  in.ControlColor = 0x102030;
  in.ControlFontColor = 0x0000F0;
  out = DecideEditColors(in);
  EXPECT_FALSE(out.SetColor);
  EXPECT_FALSE(out.SetFontColor);
  in.ControlColor = 0;
  in.CustomColor = in.CustomFont = true;
  out = DecideEditColors(in);
  EXPECT_FALSE(out.SetColor);
  EXPECT_FALSE(out.SetFontColor);
}

TEST(EditColors, SeeThroughSectionTakesTheParentsAnswerElseItsColour) {
  TvxEditColorInput in;
  in.HasControl = in.SectionValid = true;
  in.Transparency = 50;
  in.SectionColor = 0x102030;
  in.ParentAnswer = 0x445566;
  in.ParentColor = clBtnFace;
  EXPECT_EQ(DecideEditColors(in).Color, 0x445566);
  in.ParentAnswer = 0xFF00FF;  // no answer
  EXPECT_EQ(DecideEditColors(in).Color, ColorToRGB(clBtnFace));
}

TEST(EditColors, WindowWithoutControlPaintsTheSectionOrTheWindowColourInDialogMode) {
  TvxEditColorInput in;
  in.SectionValid = true;
  in.SectionColor = 0x102030;
  TvxEditColors out = DecideEditColors(in);
  EXPECT_EQ(out.Background, 0x102030);
  EXPECT_FALSE(out.SetColor);
  in.DialogMode = true;
  EXPECT_EQ(DecideEditColors(in).Background, clWindow);
  in.DialogMode = false;
  in.SectionValid = false;
  EXPECT_EQ(DecideEditColors(in).Background, clWindow);
}
