// Putting text on the system clipboard for other programs to paste.
#pragma once

#include <windows.h>

#include <string>

namespace brsm {

// Replaces the clipboard's contents with `text` (1251) as Unicode text, so
// it pastes right whatever the reader's code page. `owner` becomes the
// clipboard's owner. False when the clipboard is busy or memory runs out.
bool PutTextOnClipboard(HWND owner, const std::string& text);

}  // namespace brsm
