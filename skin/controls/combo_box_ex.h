// The skinned extended combo box: items with captions, images from an
// image list and list indents, painted in the skin's look or the plain one.
#pragma once

#include <memory>

#include "platform/graphics/image_list.h"
#include "skin/controls/combo_items.h"
#include "skin/controls/common_combo_box.h"

class TsCustomComboBoxEx : public TsCommonComboBox {
 public:
  explicit TsCustomComboBoxEx(TComponent* owner);
  ~TsCustomComboBoxEx() override;

  TCustomImageList* Images() const { return images_; }
  // Registers for the list's changes and its removal; nullptr takes the
  // images away and makes the window again.
  void SetImages(TCustomImageList* images);
  // Every change rebuilds the window's strings: each item's caption, with
  // the item's index as its object.
  TsComboItems* ItemsEx() const { return itemsEx_.get(); }
  void SetItemsEx(TsComboItems* items) { itemsEx_->Assign(items); }

 protected:
  void Notification(TComponent* component, TOperation operation) override;
  void DrawItem(int index, const TRect& rect, TOwnerDrawState state) override;
  void DrawSkinItem(TCanvas* canvas, int index, const TRect& rect, TOwnerDrawState state) override;
  void UpdateMargins() override;

 private:
  void RebuildItems();
  void ImagesChanged();
  // The box has the focus look: the record's flag, the window focus or
  // the item's odFocused, and the list is not out.
  bool FocusLook(TOwnerDrawState state) const;
  void DrawImage(TCanvas* canvas, const TRect& at, int index) const;

  std::unique_ptr<TChangeLink> imageLink_;
  TCustomImageList* images_ = nullptr;
  std::unique_ptr<TsComboItems> itemsEx_;
};

class TsComboBoxEx : public TsCustomComboBoxEx {
 public:
  explicit TsComboBoxEx(TComponent* owner) : TsCustomComboBoxEx(owner) {}
};
