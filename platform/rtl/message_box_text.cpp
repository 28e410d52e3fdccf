#include "platform/rtl/message_box_text.h"

#include "platform/rtl/strings.h"

namespace brsm {

std::string MessageBoxCopyText(const std::string& caption, const std::string& message,
                               const std::vector<std::string>& buttonCaptions) {
  static const std::string kDashes = "---------------------------\r\n";
  TStringList lines;
  lines.SetText(message);
  std::string text = kDashes + caption + "\r\n" + kDashes;
  text += lines.Count() ? lines.Text() : std::string("\r\n");
  text += kDashes;
  for (const std::string& button : buttonCaptions) text += button + "   ";
  return text + "\r\n" + kDashes;
}

}  // namespace brsm
