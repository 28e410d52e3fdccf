// What the extended combo box's painters draw for one item and where:
// the caption and image an index stands for, and the list item's image,
// caption and selection band. Box and item coordinates, no window needed.
#pragma once

#include <string>

#include "platform/graphics/geometry.h"

class TsComboItems;

// What one window item shows.
struct TvxComboItemLook {
  std::string Caption;
  int ImageIndex = -1;  // -1: no image
  int Indent = 0;       // Indend steps, list items only
};

// The item at the window's `index`: its caption and image from `items`
// when it is one of them, else `windowText` without image (strings added
// straight to the window are not in the collection). A selected list item
// shows its SelectedImageIndex when it has one.
TvxComboItemLook ComboItemLook(const TsComboItems* items, int index, const std::string& windowText,
                               bool selected, bool listItem);

// A drop-down list item of the skinned painter.
struct TvxComboListItemLayout {
  TRect Image;      // empty without image
  TRect Selection;  // the highlighted band of a selected item
  int TextLeft = 0;
  int TextTop = 0;
};

// `item` is the item's rectangle in the list, `boxHeight` the box's height;
// the image sits (boxHeight - image height) div 2 in, moved 16 px per
// indent step, the caption 5 px after it and vertically centred, and the
// selection covers the caption's width + 6 from 2 px before it.
TvxComboListItemLayout ComboListItemLayout(const TRect& item, int boxHeight, int imageWidth, int imageHeight,
                                           bool hasImage, int indent, int textWidth, int textHeight);
