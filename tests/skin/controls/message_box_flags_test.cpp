#include "skin/controls/message_box_flags.h"

#include <gtest/gtest.h>

TEST(MessageBoxFlags, IconsByTypeAndButtonSets) {
  TMessageBoxButtons ok;
  ok.OK = true;
  EXPECT_EQ(MessageBoxFlags(0, ok), 0x30u);
  EXPECT_EQ(MessageBoxFlags(1, ok), 0x10u);
  EXPECT_EQ(MessageBoxFlags(2, ok), 0x40u);
  EXPECT_EQ(MessageBoxFlags(3, ok), 0x20u);
  EXPECT_EQ(MessageBoxFlags(4, ok), 0x0u);
  EXPECT_EQ(MessageBoxFlags(9, ok), 0x0u);

  TMessageBoxButtons okCancel = ok;
  okCancel.Cancel = true;
  okCancel.Help = true;
  EXPECT_EQ(MessageBoxFlags(2, okCancel), 0x40u | 0x1u | 0x4000u);

  // The icon stays with every set.
  TMessageBoxButtons ari;
  ari.Abort = ari.Retry = ari.Ignore = true;
  EXPECT_EQ(MessageBoxFlags(1, ari), 0x10u | 0x2u);
  TMessageBoxButtons ignoreOnly;
  ignoreOnly.Ignore = true;
  EXPECT_EQ(MessageBoxFlags(4, ignoreOnly), 0x2u);

  TMessageBoxButtons yn;
  yn.Yes = yn.No = true;
  EXPECT_EQ(MessageBoxFlags(3, yn), 0x20u | 0x4u);
  yn.Cancel = true;
  EXPECT_EQ(MessageBoxFlags(3, yn), 0x20u | 0x3u);
  TMessageBoxButtons noOnly;
  noOnly.No = true;
  EXPECT_EQ(MessageBoxFlags(0, noOnly), 0x30u | 0x4u);

  TMessageBoxButtons retry;
  retry.Retry = retry.Cancel = true;
  EXPECT_EQ(MessageBoxFlags(0, retry), 0x30u | 0x5u);
  // With OK the other buttons are not looked at.
  TMessageBoxButtons okYes = ok;
  okYes.Yes = true;
  EXPECT_EQ(MessageBoxFlags(0, okYes), 0x30u);
}

TEST(MessageBoxFlags, CaptionsByType) {
  EXPECT_EQ(MessageBoxCaption(0), "Warning");
  EXPECT_EQ(MessageBoxCaption(1), "Error");
  EXPECT_EQ(MessageBoxCaption(2), "Information");
  EXPECT_EQ(MessageBoxCaption(3), "Confirm");
  EXPECT_EQ(MessageBoxCaption(4), "");
  EXPECT_EQ(MessageBoxCaption(-1), "");
}
