// The text a message box puts on the clipboard when the user copies it.
#pragma once

#include <string>
#include <vector>

namespace brsm {

// The layout the system's own message boxes copy: a line of dashes, the
// caption, dashes, the message, dashes, the button captions each followed
// by three spaces, dashes. Every line ends in CR LF, whatever breaks the
// message used; captions come as shown (no accelerator marks).
std::string MessageBoxCopyText(const std::string& caption, const std::string& message,
                               const std::vector<std::string>& buttonCaptions);

}  // namespace brsm
