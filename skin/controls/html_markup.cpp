#include "skin/controls/html_markup.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "platform/rtl/sysutils.h"
#include "platform/rtl/text1251.h"
#include "skin/core/color_helpers.h"
#include "skin/core/skin_utils.h"

namespace {

constexpr std::string_view kAttributeSeparators = "\r\n \"<=>";

struct TNamedColor {
  const char* Name;
  TColor Color;
};

constexpr TNamedColor kColorNames[] = {
    {"AQUA", 0xFFFF00},   {"BLACK", 0x000000}, {"BLUE", 0xFF0000},   {"FUCHSIA", 0xFF00FF},
    {"GRAY", 0x808080},   {"GREEN", 0x008000}, {"LIME", 0x00FF00},   {"MAROON", 0x000080},
    {"NAVY", 0x800000},   {"OLIVE", 0x008080}, {"PURPLE", 0x800080}, {"RED", 0x0000FF},
    {"SILVER", 0xC0C0C0}, {"TEAL", 0x808000},  {"WHITE", 0xFFFFFF},  {"YELLOW", 0x00FFFF},
};

// A pen position moved by a measure, held within what a canvas can draw
// at: a long enough line of large runs would pass the int range.
int Advanced(int position, int by) {
  return static_cast<int>(std::clamp<int64_t>(int64_t{position} + by, -kMarkupMaxPosition, kMarkupMaxPosition));
}

bool StartsWith(const std::string& text, std::string_view prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

struct TWord {
  std::string Text;
  size_t End;  // position behind the word in the tag
};

std::vector<TWord> TagWords(const std::string& tag) {
  std::vector<TWord> words;
  size_t i = 0;
  while (i < tag.size()) {
    while (i < tag.size() && kAttributeSeparators.find(tag[i]) != std::string_view::npos) ++i;
    const size_t start = i;
    while (i < tag.size() && kAttributeSeparators.find(tag[i]) == std::string_view::npos) ++i;
    if (i > start) words.push_back({tag.substr(start, i - start), i});
  }
  return words;
}

TColor HexColor(std::string_view digits) {
  return SwapRedBlue(static_cast<TColor>(static_cast<uint32_t>(HexStrToInt64(digits))));
}

}  // namespace

TColor MarkupColor(const std::string& word) {
  if (!word.empty() && word[0] == '#') return HexColor(std::string_view(word).substr(1));
  for (const TNamedColor& named : kColorNames)
    if (word == named.Name) return named.Color;
  return HexColor(word);
}

int MarkupFontSize(const std::string& word, int size) {
  int n = 0;
  const bool relative = !word.empty() && (word[0] == '+' || word[0] == '-');
  // Digits only behind the sign: the platform's conversion would also take
  // hexadecimal and blanks, which a size never is.
  const std::string digits = relative ? word.substr(1) : word;
  if (digits.empty() || !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }) ||
      !TryStrToInt(digits, n))
    return size;
  int64_t result = n;
  if (relative) result = word[0] == '+' ? int64_t{size} + n : int64_t{size} - n;
  return static_cast<int>(std::clamp<int64_t>(result, kMarkupMinFontSize, kMarkupMaxFontSize));
}

void TsHtml::Prepare(TsHtmlSink* sink, const std::string& text, const TRect& rect) {
  sink_ = sink;
  text_ = text;
  // Byte by byte, so a position means the same character in both copies.
  upper_ = text;
  for (char& c : upper_) c = AnsiUpCase(c);
  layout_ = rect;
  x_ = rect.Left;
  y_ = rect.Top;
  widest_ = totalHeight_ = lineWidth_ = lineHeight_ = 0;
}

void TsHtml::Render(TRect& rect) {
  rect = TRect{0, 0, 100, 0};
  font_ = sink_->Font();
  size_t runStart = 0;
  size_t i = 0;
  bool ended = true;
  while (i < upper_.size()) {
    if (upper_[i] != '<') {
      ++i;
      continue;
    }
    if (i + 1 < upper_.size() && upper_[i + 1] == '<') {
      Flush(runStart, i);
      runStart = i + 1;
      i += 2;
      continue;
    }
    Flush(runStart, i);
    const size_t close = upper_.find('>', i + 1);
    if (close == std::string::npos) {
      ended = false;
      break;
    }
    ApplyTag(upper_.substr(i, close - i + 1));
    runStart = i = close + 1;
  }
  if (ended) Flush(runStart, upper_.size());
  widest_ = std::max(widest_, lineWidth_);
  lineWidth_ = 0;
  totalHeight_ = Advanced(y_, lineHeight_);
  rect = TRect{0, 0, widest_, totalHeight_};
}

void TsHtml::Flush(size_t from, size_t to) {
  if (to <= from) return;
  std::string run;
  run.reserve(to - from);
  for (size_t i = from; i < to; ++i)
    if (text_[i] != '\r' && text_[i] != '\n') run += text_[i];
  if (run.empty()) return;
  sink_->TextOut(x_, y_, run);
  x_ = Advanced(x_, sink_->TextWidth(run));
  lineWidth_ = x_;
  lineHeight_ = std::max(lineHeight_, sink_->TextHeight("X"));
}

void TsHtml::NewLine() {
  x_ = layout_.Left;
  y_ = Advanced(y_, Advanced(lineHeight_, 2));
  widest_ = std::max(widest_, lineWidth_);
  lineWidth_ = 0;
  lineHeight_ = 0;
}

void TsHtml::SetBold(bool on) {
  font_.Bold = on;
  sink_->SetFont(font_);
}

void TsHtml::SetItalic(bool on) {
  font_.Italic = on;
  sink_->SetFont(font_);
}

void TsHtml::ApplyTag(const std::string& tag) {
  // By prefix and in this order: <BR> before <B>, so a line break is never
  // bold, while any other tag that begins with B is.
  if (StartsWith(tag, "</B")) {
    SetBold(false);
  } else if (StartsWith(tag, "</I")) {
    SetItalic(false);
  } else if (StartsWith(tag, "</FONT")) {
    if (fontStack_.empty()) return;
    font_ = fontStack_.back();
    fontStack_.pop_back();
    sink_->SetFont(font_);
  } else if (StartsWith(tag, "<BR") || StartsWith(tag, "<P")) {
    NewLine();
  } else if (StartsWith(tag, "<B")) {
    SetBold(true);
  } else if (StartsWith(tag, "<I")) {
    SetItalic(true);
  } else if (StartsWith(tag, "<FONT")) {
    fontStack_.push_back(font_);
    ApplyFontAttributes(tag);
    sink_->SetFont(font_);
  }
}

void TsHtml::ApplyFontAttributes(const std::string& tag) {
  const std::vector<TWord> words = TagWords(tag);
  // The last word has no value to take.
  for (size_t w = 0; w + 1 < words.size(); ++w) {
    const std::string& name = words[w].Text;
    const std::string& value = words[w + 1].Text;
    if (name == "SIZE") {
      font_.Size = MarkupFontSize(value, font_.Size);
    } else if (name == "COLOR") {
      font_.Color = MarkupColor(value);
    } else if (name == "FACE") {
      // Only inside this tag: the text behind its '>' is not its value.
      const size_t open = tag.find('"', words[w].End);
      if (open == std::string::npos) continue;
      const size_t close = tag.find('"', open + 1);
      if (close == std::string::npos) continue;
      font_.Name = tag.substr(open + 1, close - open - 1);
    }
  }
}
