// The items of the skinned extended combo box: a caption and image indexes
// per item, and an indent that moves the item right in the drop-down list.
// The box rebuilds its window's strings whenever the collection changes.
#pragma once

#include <functional>
#include <string>

#include "platform/rtl/collections.h"

class TsComboItem : public TCollectionItem {
 public:
  explicit TsComboItem(TCollection* collection);

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& value);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);
  int SelectedImageIndex() const { return selectedImageIndex_; }
  void SetSelectedImageIndex(int value);
  int OverlayImageIndex() const { return overlayImageIndex_; }
  void SetOverlayImageIndex(int value);
  // Steps of 16 px to the right in the list (published under this name).
  int Indend() const { return indend_; }
  void SetIndend(int value);

  void Assign(TPersistent* source) override;
  std::string DisplayName() const override;

 private:
  void Set(int& field, int value);

  std::string caption_;
  int selectedImageIndex_ = -1;
  int imageIndex_ = -1;
  int overlayImageIndex_ = -1;
  int indend_ = -1;
};

class TsComboItems : public TOwnedCollection {
 public:
  // `owner` is the box; `changed` runs after every change while not updating.
  TsComboItems(TPersistent* owner, std::function<void()> changed);

  TsComboItem* Add() { return static_cast<TsComboItem*>(TCollection::Add()); }
  // Adds an item with its caption and indexes (-1: none).
  TsComboItem* AddItem(const std::string& caption, int imageIndex = -1, int selectedImageIndex = -1,
                       int overlayImageIndex = -1, int indend = -1);
  TsComboItem* Items(int index) const { return static_cast<TsComboItem*>(TCollection::Items(index)); }
  // The item at `index`, nullptr outside the collection.
  TsComboItem* Find(int index) const;

 protected:
  void Update(TCollectionItem* item) override;

 private:
  std::function<void()> changed_;
};
