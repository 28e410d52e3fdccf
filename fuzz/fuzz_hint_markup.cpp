// Any text through the hint mark-up renderer over a sink that measures like
// a fixed-width font, starting from a few fonts.
#include <cstddef>
#include <cstdint>
#include <string>

#include "skin/controls/html_markup.h"

namespace {

class TMeasuringSink final : public TsHtmlSink {
 public:
  TsHtmlFont Font() override { return font_; }
  void SetFont(const TsHtmlFont& font) override {
    if (font.Size < kMarkupMinFontSize || font.Size > 1000) __builtin_trap();
    font_ = font;
  }
  int TextWidth(const std::string& text) override { return static_cast<int>(text.size()) * font_.Size; }
  int TextHeight(const std::string&) override { return font_.Size + 3; }
  void TextOut(int, int, const std::string& text) override {
    if (text.empty()) __builtin_trap();
  }

 private:
  TsHtmlFont font_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  TMeasuringSink sink;
  TsHtml html;
  html.Prepare(&sink, std::string(reinterpret_cast<const char*>(data) + 1, size - 1),
               TRect{data[0] & 7, data[0] >> 5, 200, 0});
  TRect r;
  html.Render(r);
  if (r.Left != 0 || r.Top != 0 || r.Right < 0 || r.Bottom < 0) __builtin_trap();
  return 0;
}
