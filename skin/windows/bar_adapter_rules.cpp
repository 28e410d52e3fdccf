#include "skin/windows/bar_adapter_rules.h"

TvxToolItemLook ToolItemLook(uint8_t state, uint8_t style, bool underCursor) {
  TvxToolItemLook look;
  look.Skip = (state & ToolStateHidden) != 0;
  look.Separator = (style & ToolStyleSeparator) != 0;
  if (look.Skip || look.Separator || !(state & ToolStateEnabled)) return look;
  if (state & (ToolStatePressed | ToolStateChecked)) {
    look.State = 2;
    look.Shift = 1;
  } else {
    look.State = underCursor ? 1 : 0;
  }
  return look;
}

bool ToolItemHasImage(int imageIndex, int imageCount) { return imageIndex >= 0 && imageIndex < imageCount; }

int ToolImageLeft(int itemWidth, int iconWidth, int arrowWidth, int shift) {
  return (itemWidth - iconWidth - arrowWidth) / 2 + shift;
}

TvxTwoLines SplitToolText(std::string_view text, int width,
                          const std::function<int(std::string_view)>& measure) {
  TvxTwoLines lines;
  lines.First = std::string(text);
  if (measure(text) <= width) return lines;
  // Each space ends a word; the first line keeps the words that fit.
  size_t lastFit = std::string_view::npos;
  for (size_t i = text.find(' '); i != std::string_view::npos; i = text.find(' ', i + 1)) {
    if (i == 0) continue;
    if (measure(text.substr(0, i)) > width) break;
    lastFit = i;
  }
  if (lastFit == std::string_view::npos) return lines;
  lines.First = std::string(text.substr(0, lastFit));
  lines.Second = std::string(text.substr(lastFit + 1));
  return lines;
}

TRect SpinUpperHalf(TSize window, int leftOffset) {
  return TRect{leftOffset, 0, window.cx, window.cy / 2 + window.cy % 2};
}

TRect SpinLowerHalf(TSize window, int leftOffset) {
  return TRect{leftOffset, window.cy / 2 + window.cy % 2, window.cx, window.cy};
}

bool IsSizeGripStyle(uint32_t style) { return (style & 0x18) != 0; }
