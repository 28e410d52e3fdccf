#include "skin/windows/title_buttons.h"

#include "skin/windows/skin_provider.h"

TsTitleIcon::TsTitleIcon() : glyph_(std::make_unique<TBitmap>()) {}
TsTitleIcon::~TsTitleIcon() = default;

void TsTitleIcon::SetGlyph(TBitmap* value) { glyph_->Assign(value); }

TsTitleButton::TsTitleButton(TCollection* collection)
    : TCollectionItem(collection), glyph_(std::make_unique<TBitmap>()) {
  if (name_.empty()) name_ = "TsTitleButton";
}

TsTitleButton::~TsTitleButton() = default;

void TsTitleButton::SetName(const std::string& value) {
  if (value != name_) name_ = value;
}

void TsTitleButton::SetGlyph(TBitmap* value) { glyph_->Assign(value); }

void TsTitleButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TsTitleButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

TsTitleButtons::TsTitleButtons(TsSkinProvider* owner)
    : TCollection(TCollection::ItemClass<TsTitleButton>()), owner_(owner) {}

TsTitleButtons::~TsTitleButtons() { owner_ = nullptr; }

TPersistent* TsTitleButtons::GetOwner() { return owner_; }
