#include "platform/forms/clipboard.h"

#include <cstring>

#include "platform/rtl/text1251.h"

namespace brsm {

bool PutTextOnClipboard(HWND owner, const std::string& text) {
  const std::wstring wide = ToUtf16(text);
  const size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (!memory) return false;
  if (void* data = GlobalLock(memory)) {
    std::memcpy(data, wide.c_str(), bytes);
    GlobalUnlock(memory);
  } else {
    GlobalFree(memory);
    return false;
  }
  if (!OpenClipboard(owner)) {
    GlobalFree(memory);
    return false;
  }
  EmptyClipboard();
  // Once set, the memory belongs to the clipboard.
  const bool put = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
  CloseClipboard();
  if (!put) GlobalFree(memory);
  return put;
}

}  // namespace brsm
