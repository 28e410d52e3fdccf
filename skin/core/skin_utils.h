// Small text, number and system helpers shared by the skin engine.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/graphics/geometry.h"

// Words are runs of characters between any of the separator characters.
// Positions are 1-based; a word number below 1 finds nothing.
int FindWordStart(int n, std::string_view text, std::string_view separators);
std::string TakeWordAt(int n, std::string_view text, std::string_view separators);
int CountWordsIn(std::string_view text, std::string_view separators);
// All words in order, in one pass (TakeWordAt per word is quadratic).
std::vector<std::string> SplitWords(std::string_view text, std::string_view separators);

std::string StripChar(std::string_view text, char ch);
// Left to right; inserted text is not searched again. An empty pattern
// changes nothing.
std::string ReplaceEvery(std::string_view text, std::string_view from, std::string_view to);

// Hexadecimal digits, case-insensitive, with one optional trailing "H";
// anything else (or nothing) gives 0.
int64_t HexStrToInt64(std::string_view text);

inline int ClampToByte(int value) { return value < 0 ? 0 : (value > 255 ? 255 : value); }
inline const std::string& ChooseStr(bool condition, const std::string& yes, const std::string& no) {
  return condition ? yes : no;
}
inline int ChooseInt(bool condition, int yes, int no) { return condition ? yes : no; }
inline bool IsBetween(int value, int low, int high) { return low <= value && value <= high; }
inline int GreaterOf(int a, int b) { return a > b ? a : b; }
inline int LesserOf(int a, int b) { return a < b ? a : b; }
// round(b + (100 - b) * a / 100): a percentage a applied to what b leaves.
int MapPercentRange(int a, int b);

inline int RectWidth(const TRect& r) { return r.Right - r.Left; }
inline int RectHeight(const TRect& r) { return r.Bottom - r.Top; }
// Both corners of `inner` lie in `outer`, its right and bottom edges included.
inline bool RectContainsRect(const TRect& inner, const TRect& outer) {
  return inner.Left >= outer.Left && inner.Left <= outer.Right && inner.Top >= outer.Top &&
         inner.Top <= outer.Bottom && inner.Right >= outer.Left && inner.Right <= outer.Right &&
         inner.Bottom >= outer.Top && inner.Bottom <= outer.Bottom;
}

// "" stays ""; a final "\" stays; a final "/" becomes "\"; one character
// (a drive letter) gets ":\"; anything else gets "\".
std::string AddTrailingSeparator(const std::string& text);

// Windows XP (5.1) or later.
bool IsWinXPOrLater();
// The executable's folder with its trailing separator.
std::string ProgramFolder();
// The caption font height of the system's non-client metrics, 0 on failure.
int GetCaptionFontHeight();

// Message boxes with one OK button.
void ShowWarningBox(const std::string& text);
void ShowErrorBox(const std::string& text);
