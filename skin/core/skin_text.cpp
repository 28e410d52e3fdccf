#include "skin/core/skin_text.h"

#include "skin/core/color_helpers.h"
#include "skin/core/skin_data.h"

std::vector<TsTextPass> SectionTextPasses(const TsGeneralData& s, bool hot) {
  const TColor* c = hot ? s.HotFontColor : s.FontColor;
  static const int moves[4][2] = {{-1, 0}, {0, -1}, {1, 0}, {0, 1}};
  std::vector<TsTextPass> passes;
  for (int i = 0; i < 4; ++i)
    if (c[i + 1] != -1) passes.push_back({c[i + 1], moves[i][0], moves[i][1]});
  passes.push_back({c[0], 0, 0});
  return passes;
}

TColor DisabledTextColor(const TsGeneralData& s) {
  return InterpolateColor(ColorToRGB(s.FontColor[0]), ColorToRGB(s.Color), 0.4);
}

std::string CutTextToWidth(const std::string& text, int width,
                           const std::function<int(const std::string&)>& textWidth) {
  if (width < 1) return std::string();
  if (textWidth(text) <= width) return text;
  std::string cut = text;
  while (!cut.empty()) {
    cut.pop_back();
    if (textWidth(cut + "...") <= width) break;
  }
  return cut.empty() ? std::string() : cut + "...";
}

void ForEachDottedFramePixel(const TRect& r, const std::function<void(int, int, TColor)>& put) {
  if (r.IsEmpty()) return;
  auto dot = [&](int x, int y) {
    put(x, y, clBlack);
    put(x - 1, y - 1, clWhite);
  };
  for (int x = r.Left; x < r.Right; x += 3) {
    dot(x, r.Top);
    dot(x, r.Bottom - 1);
  }
  for (int y = r.Top; y < r.Bottom; y += 3) {
    dot(r.Left, y);
    dot(r.Right - 1, y);
  }
}
