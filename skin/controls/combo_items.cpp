#include "skin/controls/combo_items.h"

TsComboItem::TsComboItem(TCollection* collection) : TCollectionItem(collection) {}

void TsComboItem::SetCaption(const std::string& value) {
  if (caption_ == value) return;
  caption_ = value;
  Changed(false);
}

void TsComboItem::Set(int& field, int value) {
  if (field == value) return;
  field = value;
  Changed(false);
}

void TsComboItem::SetImageIndex(int value) { Set(imageIndex_, value); }
void TsComboItem::SetSelectedImageIndex(int value) { Set(selectedImageIndex_, value); }
void TsComboItem::SetOverlayImageIndex(int value) { Set(overlayImageIndex_, value); }
void TsComboItem::SetIndend(int value) { Set(indend_, value); }

void TsComboItem::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TsComboItem*>(source);
  if (!other) {
    TCollectionItem::Assign(source);
    return;
  }
  caption_ = other->caption_;
  selectedImageIndex_ = other->selectedImageIndex_;
  imageIndex_ = other->imageIndex_;
  overlayImageIndex_ = other->overlayImageIndex_;
  indend_ = other->indend_;
  Changed(false);
}

std::string TsComboItem::DisplayName() const {
  return caption_.empty() ? TCollectionItem::DisplayName() : caption_;
}

TsComboItems::TsComboItems(TPersistent* owner, std::function<void()> changed)
    : TOwnedCollection(owner, TCollection::ItemClass<TsComboItem>()), changed_(std::move(changed)) {}

TsComboItem* TsComboItems::AddItem(const std::string& caption, int imageIndex, int selectedImageIndex,
                                   int overlayImageIndex, int indend) {
  BeginUpdate();
  TsComboItem* item = nullptr;
  try {
    item = Add();
    item->SetCaption(caption);
    item->SetImageIndex(imageIndex);
    item->SetSelectedImageIndex(selectedImageIndex);
    item->SetOverlayImageIndex(overlayImageIndex);
    item->SetIndend(indend);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
  return item;
}

TsComboItem* TsComboItems::Find(int index) const {
  return index >= 0 && index < Count() ? Items(index) : nullptr;
}

void TsComboItems::Update(TCollectionItem*) {
  if (changed_) changed_();
}
