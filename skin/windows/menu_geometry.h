// The arithmetic of the skinned menus: what kind an item is, how big the
// painter measures it, how big a popup becomes, where the extra line, the
// icon column, the frame bands and a divider sit in a popup's background,
// and which rectangles its window region leaves out.
#pragma once

#include <string>
#include <vector>

#include "platform/graphics/geometry.h"

#include "skin/core/menu_support.h"

// "-" is a divider; a caption beginning and ending with "-" a caption item.
TsMenuItemType MenuItemTypeOf(const std::string& caption);

// The text a popup item is measured by: "-" + caption + "-" for a caption
// item, nothing for a divider, else the caption and the shortcut's text.
std::string MeasuredTextOf(TsMenuItemType kind, const std::string& caption, const std::string& shortCut);
// A popup whose first item is the skin list's gets no extra line.
bool ExtraLineAllowedFor(const std::string& firstItemName);

// The item's own bitmap when not empty, else the menu's image size, else
// 16 x 16 (an empty size means none).
TSize MenuGlyphSize(TSize bitmap, TSize images);

struct TsMenuSpacing {
  int Margin = 2;
  int Spacing = 6;
};

// Width of a popup item: 2 glyphs, the text, 3 margins and the spacing,
// plus the extra line's width while it stands beside the item.
int PopupItemWidth(const TsMenuSpacing& s, int glyphWidth, int textWidth, int extraLineWidth);
// Height: 2 for a divider; else 1.25 times the height of "W" (not below
// the glyph for a normal item) and two margins.
int PopupItemHeight(const TsMenuSpacing& s, TsMenuItemType kind, int letterHeight, int glyphHeight);

struct TsMeasuredItem {
  int Width = 0;
  int Height = 0;
  bool Break = false;  // starts a new column
};
// Columns side by side (widest item + 12, each new one 4 more), the
// tallest column's height; both with the border on either side.
TSize PopupTotalSize(const std::vector<TsMeasuredItem>& items, int borderWidth);

// From the MAINMENU border item: 0 without one, its width, 3 when that is
// not positive.
int SkinBorderWidthOf(bool hasItem, int itemBorderWidth);

// Where the strips lie in a popup's background; an empty rectangle is not
// painted (a popup lower than both borders, a column without width).
struct TsPopupStrips {
  TRect ExtraLine;
  TRect IconColumn;
};
TsPopupStrips PopupStripsOf(int width, int height, int skinBorderWidth, int extraLineWidth,
                            int iconColumnWidth);

// The frame bands an item copies from the background to the window, in
// window coordinates (`item` too); empty ones are not copied.
struct TsItemBands {
  TRect Top, Bottom, Left, Right;
};
TsItemBands ItemFrameBands(const TRect& item, bool first, bool last, TSize window, int borderWidth,
                           int skinBorderWidth, int extraLineOffset);

// The columns a divider image is stretched over, within the item; Left >=
// Right when nothing is to be painted.
struct TsSpan {
  int Left = 0;
  int Right = 0;
  bool Empty() const { return Right <= Left; }
};
TsSpan DividerSpan(const TRect& item, const TsMenuSpacing& s, int extraLineWidth, int iconColumnWidth);

// The rectangles a popup's region leaves out: the corners' see-through
// runs, or the top-left pixel alone when there are none.
std::vector<TRect> PopupRegionHoles(const std::vector<TRect>& corners);

// True for a non-empty rectangle.
inline bool HasArea(const TRect& r) { return r.Right > r.Left && r.Bottom > r.Top; }
