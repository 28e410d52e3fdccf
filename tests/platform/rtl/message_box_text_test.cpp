// The copied text of a message box, in the system's layout.
#include "platform/rtl/message_box_text.h"

#include <gtest/gtest.h>

namespace {

const std::string kDashes = "---------------------------\r\n";

TEST(MessageBoxCopyText, CaptionMessageAndButtonsBetweenDashedLines) {
  // "Не указан" in 1251; LF, CR LF and CR all become CR LF.
  EXPECT_EQ(brsm::MessageBoxCopyText("Confirm", "\xCD\xE5 \xF3\xEA\xE0\xE7\xE0\xED\nA & B\r\nC\rD",
                                     {"Yes", "No", "Cancel"}),
            kDashes + "Confirm\r\n" + kDashes + "\xCD\xE5 \xF3\xEA\xE0\xE7\xE0\xED\r\nA & B\r\nC\r\nD\r\n" +
                kDashes + "Yes   No   Cancel   \r\n" + kDashes);
}

TEST(MessageBoxCopyText, EmptyPartsKeepTheirLines) {
  EXPECT_EQ(brsm::MessageBoxCopyText("", "", {}), kDashes + "\r\n" + kDashes + "\r\n" + kDashes + "\r\n" + kDashes);
  // A final break adds no line; a blank line inside is kept.
  EXPECT_EQ(brsm::MessageBoxCopyText("T", "a\r\n\r\nb\r\n", {"OK"}),
            kDashes + "T\r\n" + kDashes + "a\r\n\r\nb\r\n" + kDashes + "OK   \r\n" + kDashes);
}

}  // namespace
