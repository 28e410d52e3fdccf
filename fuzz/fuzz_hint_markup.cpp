// Any text through the hint mark-up renderer over a sink that measures like
// a fixed-width font, starting from a few fonts. The first byte gives the
// layout's Left (bits 0-2) and Top (bits 5-7), and how many pixels one point
// of font size measures (bits 3-4: 1, 32, 1024 or 32768), so that inputs of
// a few thousand runs reach the ends of the pen's range. Seeds: corpus/.
#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <string>

#include "skin/controls/html_markup.h"

namespace {

class TMeasuringSink final : public TsHtmlSink {
 public:
  explicit TMeasuringSink(int scale) : scale_(scale) {}
  TsHtmlFont Font() override { return font_; }
  void SetFont(const TsHtmlFont& font) override {
    if (font.Size < kMarkupMinFontSize || font.Size > 1000) __builtin_trap();
    font_ = font;
  }
  int TextWidth(const std::string& text) override {
    return static_cast<int>(std::min<int64_t>(int64_t{font_.Size} * scale_ * static_cast<int64_t>(text.size()), INT_MAX));
  }
  int TextHeight(const std::string&) override { return font_.Size + 3; }
  void TextOut(int, int, const std::string& text) override {
    if (text.empty()) __builtin_trap();
  }

 private:
  TsHtmlFont font_;
  int scale_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  TMeasuringSink sink(1 << (5 * ((data[0] >> 3) & 3)));
  TsHtml html;
  html.Prepare(&sink, std::string(reinterpret_cast<const char*>(data) + 1, size - 1),
               TRect{data[0] & 7, data[0] >> 5, 200, 0});
  TRect r;
  html.Render(r);
  if (r.Left != 0 || r.Top != 0 || r.Right < 0 || r.Bottom < 0) __builtin_trap();
  if (r.Right > kMarkupMaxPosition || r.Bottom > kMarkupMaxPosition) __builtin_trap();
  return 0;
}
