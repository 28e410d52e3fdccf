#include "skin/windows/combo_geometry.h"

#include <algorithm>

namespace {
constexpr unsigned kDropDownBit = 0x2;  // CBS_DROPDOWN; CBS_DROPDOWNLIST holds it too
}

TRect ComboButtonRect(int windowWidth, int windowHeight, int buttonWidth, bool rightToLeft) {
  const int width = std::max(0, buttonWidth);
  TRect r;
  r.Left = rightToLeft ? 2 : windowWidth - width - 2;
  r.Top = 2;
  r.Right = r.Left + width;
  r.Bottom = windowHeight - 2;
  return r;
}

bool ComboStyleHasButton(unsigned style) { return (style & kDropDownBit) != 0; }

bool HasDropDownButton(std::string_view className, TvxComboStyle style) {
  if (className != "TComboBox") return true;
  return style == TvxComboStyle::DropDown || style == TvxComboStyle::DropDownList;
}

TvxGlyphFrame ComboGlyphFrame(int imageWidth, int imageHeight, int imageCount, int maskType,
                              const TRect& button, int windowHeight) {
  TvxGlyphFrame f;
  if (button.IsEmpty() || imageWidth <= 0 || imageHeight <= 0) return f;
  f.Width = imageWidth / std::max(1, imageCount);
  f.Height = imageHeight / std::max(1, maskType + 1);
  f.X = button.Left + (button.Width() - f.Width) / 2;
  f.Y = (windowHeight - f.Height) / 2;
  return f;
}

TRect ComboImageRect(int boxHeight, int imageWidth, int imageHeight, bool hasImage, bool listItem, int indent) {
  if (!hasImage || imageWidth <= 0 || imageHeight <= 0) return {};
  const int at = (boxHeight - imageHeight) / 2;
  const int shift = listItem && indent > 0 ? indent * 16 : 0;
  return TRect{at + shift, at, at + shift + imageWidth, at + imageHeight};
}

TRect ComboEditTextRect(const TRect& image, int width, int height, int buttonWidth, bool showButton) {
  const int left = (image.IsEmpty() ? 0 : image.Right) + 3;
  const int right = width - (showButton ? buttonWidth : 0) - 2 * (showButton ? 1 : 0) - 3;
  return TRect{left, 0, std::max(left, right), height};
}
