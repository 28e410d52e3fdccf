#include "skin/controls/combo_item_layout.h"

#include "skin/controls/combo_items.h"
#include "skin/windows/combo_geometry.h"

TvxComboItemLook ComboItemLook(const TsComboItems* items, int index, const std::string& windowText,
                               bool selected, bool listItem) {
  TvxComboItemLook look;
  const TsComboItem* item = items ? items->Find(index) : nullptr;
  if (!item) {
    look.Caption = windowText;
    return look;
  }
  look.Caption = item->Caption();
  look.ImageIndex = selected && listItem && item->SelectedImageIndex() >= 0 ? item->SelectedImageIndex()
                                                                             : item->ImageIndex();
  look.Indent = listItem && item->Indend() > 0 ? item->Indend() : 0;
  return look;
}

TvxComboListItemLayout ComboListItemLayout(const TRect& item, int boxHeight, int imageWidth, int imageHeight,
                                           bool hasImage, int indent, int textWidth, int textHeight) {
  TvxComboListItemLayout l;
  const TRect image = ComboImageRect(boxHeight, imageWidth, imageHeight, hasImage, true, indent);
  if (!image.IsEmpty()) {
    const int top = item.Top + (item.Height() - imageHeight) / 2;
    l.Image = TRect{item.Left + image.Left, top, item.Left + image.Right, top + imageHeight};
  }
  l.TextLeft = (l.Image.IsEmpty() ? item.Left : l.Image.Right) + 5;
  l.TextTop = item.Top + (item.Height() - textHeight) / 2;
  l.Selection = TRect{l.TextLeft - 2, item.Top, l.TextLeft - 2 + textWidth + 6, item.Bottom};
  return l;
}
