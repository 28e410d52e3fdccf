#include "skin/core/skin_utils.h"

#include <cmath>

#include "platform/rtl/files.h"
#include "skin/core/skin_platform.h"

namespace {

bool IsSeparator(char c, std::string_view separators) {
  return separators.find(c) != std::string_view::npos;
}

}  // namespace

int FindWordStart(int n, std::string_view text, std::string_view separators) {
  if (n < 1) return 0;
  int count = 0;
  size_t i = 0;
  const size_t len = text.size();
  while (i < len) {
    while (i < len && IsSeparator(text[i], separators)) ++i;
    if (i >= len) break;
    if (++count == n) return static_cast<int>(i) + 1;
    while (i < len && !IsSeparator(text[i], separators)) ++i;
  }
  return 0;
}

std::string TakeWordAt(int n, std::string_view text, std::string_view separators) {
  const int start = FindWordStart(n, text, separators);
  if (start == 0) return std::string();
  size_t end = static_cast<size_t>(start) - 1;
  while (end < text.size() && !IsSeparator(text[end], separators)) ++end;
  return std::string(text.substr(static_cast<size_t>(start) - 1, end - (start - 1)));
}

int CountWordsIn(std::string_view text, std::string_view separators) {
  int count = 0;
  size_t i = 0;
  const size_t len = text.size();
  while (i < len) {
    while (i < len && IsSeparator(text[i], separators)) ++i;
    if (i >= len) break;
    ++count;
    while (i < len && !IsSeparator(text[i], separators)) ++i;
  }
  return count;
}

std::vector<std::string> SplitWords(std::string_view text, std::string_view separators) {
  std::vector<std::string> words;
  size_t i = 0;
  const size_t len = text.size();
  while (i < len) {
    while (i < len && IsSeparator(text[i], separators)) ++i;
    if (i >= len) break;
    const size_t start = i;
    while (i < len && !IsSeparator(text[i], separators)) ++i;
    words.emplace_back(text.substr(start, i - start));
  }
  return words;
}

std::string StripChar(std::string_view text, char ch) {
  std::string out;
  out.reserve(text.size());
  for (char c : text)
    if (c != ch) out += c;
  return out;
}

std::string ReplaceEvery(std::string_view text, std::string_view from, std::string_view to) {
  if (from.empty()) return std::string(text);
  std::string out;
  size_t pos = 0;
  for (;;) {
    const size_t hit = text.find(from, pos);
    if (hit == std::string_view::npos) break;
    out.append(text.substr(pos, hit - pos));
    out.append(to);
    pos = hit + from.size();
  }
  out.append(text.substr(pos));
  return out;
}

int64_t HexStrToInt64(std::string_view text) {
  if (!text.empty() && (text.back() == 'H' || text.back() == 'h')) text.remove_suffix(1);
  if (text.empty()) return 0;
  uint64_t value = 0;
  for (char c : text) {
    int digit;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    else return 0;
    value = (value << 4) | static_cast<uint64_t>(digit);
  }
  return static_cast<int64_t>(value);
}

int MapPercentRange(int a, int b) {
  const double v = b + (100.0 - b) * a / 100.0;
  return static_cast<int>(std::nearbyint(v));
}

std::string AddTrailingSeparator(const std::string& text) {
  if (text.empty()) return text;
  const char last = text.back();
  if (last == '\\') return text;
  if (last == '/') return text.substr(0, text.size() - 1) + "\\";
  // A lone drive letter names a drive root; any other single character
  // (".", say) is a folder.
  const bool letter = (last >= 'A' && last <= 'Z') || (last >= 'a' && last <= 'z');
  if (text.size() == 1 && letter) return text + ":\\";
  return text + "\\";
}

bool IsWinXPOrLater() {
  int major = 0, minor = 0;
  SkinPlatform().OsVersion(major, minor);
  return major > 5 || (major == 5 && minor >= 1);
}

std::string ProgramFolder() { return ExtractFilePath(brsm::ExecutableFileName()); }

int GetCaptionFontHeight() { return SkinPlatform().CaptionFontHeight(); }

void ShowWarningBox(const std::string& text) {
  SkinPlatform().ShowMessageBox(TSkinBoxKind::Warning, text);
}

void ShowErrorBox(const std::string& text) {
  SkinPlatform().ShowMessageBox(TSkinBoxKind::Error, text);
}
