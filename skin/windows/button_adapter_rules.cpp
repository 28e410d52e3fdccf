#include "skin/windows/button_adapter_rules.h"

#include <algorithm>

#include "skin/core/skin_data.h"

int ButtonLookState(bool pushed, bool enabled, bool focusedOrHot, bool ownerControl, uint32_t style) {
  if (pushed) return 2;
  if (!enabled) return 0;
  if (focusedOrHot) return 1;
  if (ownerControl) return (style & 0xF) == StyleDefPushButton ? 1 : 0;
  return static_cast<int>(style & 1);
}

int BitBtnGlyphCell(int numGlyphs, bool enabled, int lookState) {
  if (!enabled) return numGlyphs >= 2 ? 1 : 0;
  if (lookState > 1 && numGlyphs >= 3) return std::min(numGlyphs, 4) - 1;
  return 0;
}

std::string CheckGlyphName(uint32_t style, int checkState) {
  if (checkState == 2) return "BOXGRAYED";
  const uint32_t type = style & 0xF;
  const bool radio = type == StyleRadioButton || type == StyleAutoRadioButton;
  if (checkState == 1) return radio ? "RADIOCHECKED" : "BOXCHECKED";
  return radio ? "RADIOUNCHECKED" : "BOXUNCHECKED";
}

TSize ItemFrameSize(const TsMaskData& item) {
  const int frames = std::max<int>(item.ImageCount, 1);
  const int rows = std::max<int>(item.MaskType, 0) + 1;
  return TSize{item.SourceRect.Width() / frames, item.SourceRect.Height() / rows};
}

TRect CheckGlyphRect(TSize window, TSize glyph, bool leftText) {
  const int top = (window.cy - glyph.cy) / 2;
  if (leftText) return TRect{window.cx - glyph.cx, top, window.cx, top + glyph.cy};
  return TRect{0, top, glyph.cx, top + glyph.cy};
}

TRect CheckCaptionRect(TSize window, int boxWidth, TSize text, bool leftText, bool multiLine) {
  const int top = std::max((window.cy - text.cy) / 2, 0);
  const int bottom = window.cy - top;
  if (leftText) return TRect{2, top, text.cx + 2, bottom};
  TRect r{boxWidth + 4, top, boxWidth + 4 + text.cx, bottom};
  const int dx = multiLine ? -1 : 0;
  return TRect{r.Left + dx, r.Top - 1, r.Right + dx, r.Bottom - 1};
}
