#include "skin/windows/menu_geometry.h"

#include <algorithm>
#include <cmath>

TsMenuItemType MenuItemTypeOf(const std::string& caption) {
  if (caption == "-") return smDivider;
  if (caption.size() >= 2 && caption.front() == '-' && caption.back() == '-') return smCaption;
  return smNormal;
}

std::string MeasuredTextOf(TsMenuItemType kind, const std::string& caption, const std::string& shortCut) {
  if (kind == smCaption) return "-" + caption + "-";
  if (kind == smDivider) return std::string();
  return caption + shortCut;
}

bool ExtraLineAllowedFor(const std::string& firstItemName) { return firstItemName != "SkinSelectItem"; }

TSize MenuGlyphSize(TSize bitmap, TSize images) {
  if (bitmap.cx > 0 && bitmap.cy > 0) return bitmap;
  if (images.cx > 0 && images.cy > 0) return images;
  return TSize{16, 16};
}

int PopupItemWidth(const TsMenuSpacing& s, int glyphWidth, int textWidth, int extraLineWidth) {
  return 2 * glyphWidth + textWidth + 3 * s.Margin + s.Spacing + extraLineWidth;
}

int PopupItemHeight(const TsMenuSpacing& s, TsMenuItemType kind, int letterHeight, int glyphHeight) {
  if (kind == smDivider) return 2;
  const int text = static_cast<int>(std::lround(1.25 * letterHeight));
  if (kind == smCaption) return text + 2 * s.Margin;
  return std::max(text, glyphHeight) + 2 * s.Margin;
}

TSize PopupTotalSize(const std::vector<TsMeasuredItem>& items, int borderWidth) {
  int width = 0, height = 0;
  int columnWidth = 0, columnHeight = 0;
  bool any = false;
  for (const TsMeasuredItem& item : items) {
    if (item.Break && any) {
      width += columnWidth + 12 + 4;
      height = std::max(height, columnHeight);
      columnWidth = columnHeight = 0;
    }
    any = true;
    columnWidth = std::max(columnWidth, item.Width);
    columnHeight += item.Height;
  }
  if (any) width += columnWidth + 12;
  height = std::max(height, columnHeight);
  return TSize{width + 2 * borderWidth, height + 2 * borderWidth};
}

int SkinBorderWidthOf(bool hasItem, int itemBorderWidth) {
  if (!hasItem) return 0;
  return itemBorderWidth > 0 ? itemBorderWidth : 3;
}

TsPopupStrips PopupStripsOf(int width, int height, int skinBorderWidth, int extraLineWidth,
                            int iconColumnWidth) {
  TsPopupStrips s;
  const int stripHeight = height - 2 * skinBorderWidth;
  if (stripHeight <= 0) return s;
  const int top = skinBorderWidth;
  const int extra = std::max(extraLineWidth, 0);
  if (extra > 0 && skinBorderWidth + extra <= width)
    s.ExtraLine = TRect{skinBorderWidth, top, skinBorderWidth + extra, top + stripHeight};
  const int iconLeft = skinBorderWidth + extra;
  const int iconRight = std::min(iconLeft + std::max(iconColumnWidth, 0), width);
  if (iconRight > iconLeft) s.IconColumn = TRect{iconLeft, top, iconRight, top + stripHeight};
  return s;
}

TsItemBands ItemFrameBands(const TRect& item, bool first, bool last, TSize window, int borderWidth,
                           int skinBorderWidth, int extraLineOffset) {
  TsItemBands b;
  if (first) b.Top = TRect{0, 0, window.cx, borderWidth};
  if (last) b.Bottom = TRect{0, window.cy - borderWidth, window.cx, window.cy};
  const int leftWidth = extraLineOffset + std::max(skinBorderWidth, borderWidth);
  b.Left = TRect{0, item.Top, std::min(leftWidth, window.cx), item.Bottom};
  b.Right = TRect{std::max(window.cx - borderWidth, 0), item.Top, window.cx, item.Bottom};
  return b;
}

TsSpan DividerSpan(const TRect& item, const TsMenuSpacing& s, int extraLineWidth, int iconColumnWidth) {
  TsSpan span;
  span.Left = std::max(extraLineWidth + s.Margin + s.Spacing, extraLineWidth + iconColumnWidth + 2);
  span.Right = item.Right - (extraLineWidth + 2 * s.Margin + s.Spacing);
  span.Left = std::max(span.Left, item.Left);
  span.Right = std::min(span.Right, item.Right);
  return span;
}

std::vector<TRect> PopupRegionHoles(const std::vector<TRect>& corners) {
  if (corners.empty()) return {TRect{0, 0, 1, 1}};
  return corners;
}
