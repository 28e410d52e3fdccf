#include "platform/graphics/colors.h"

#include <gtest/gtest.h>

namespace {

TColor FixedSource(int index) { return 0x010000 * index + 0xAB; }

TEST(Colors, ColorToRGBResolvesOnlySystemColours) {
  // The classic scheme natively; on Windows whatever the system answers,
  // but always without a top byte.
  EXPECT_EQ(ColorToRGB(clRed), clRed);
  EXPECT_EQ(ColorToRGB(clNone), clNone);
  EXPECT_EQ(ColorToRGB(clDefault), clDefault);
  EXPECT_EQ(ColorToRGB(clBtnFace) & ~0xFFFFFF, 0);
#ifndef _WIN32
  EXPECT_EQ(ColorToRGB(clBtnFace), RGBColor(212, 208, 200));
  EXPECT_EQ(ColorToRGB(clWindow), clWhite);
  EXPECT_EQ(ColorToRGB(clInfoBk), RGBColor(255, 255, 225));
#endif
}

TEST(Colors, SourceCanBeReplacedAndRestored) {
  const TColor before = ColorToRGB(clHighlight);
  brsm::SystemColorSource old = brsm::SetSystemColorSource(FixedSource);
  EXPECT_EQ(ColorToRGB(clHighlight), 0x0D00AB);
  EXPECT_EQ(ColorToRGB(clGray), clGray);
  brsm::SetSystemColorSource(nullptr);
  EXPECT_EQ(ColorToRGB(clHighlight), before);
  EXPECT_EQ(old(13), before);
}

}  // namespace
