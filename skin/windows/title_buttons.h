// What a skinned title bar shows besides the standard caption buttons: the
// caption icon picture and the application's own title buttons.
#pragma once

#include <memory>
#include <string>

#include "platform/forms/controls.h"
#include "platform/graphics/bitmap.h"
#include "platform/rtl/collections.h"
#include "skin/windows/caption_buttons.h"

class TsSkinProvider;

class TsTitleIcon : public TPersistent {
 public:
  TsTitleIcon();
  ~TsTitleIcon() override;
  TBitmap* Glyph() const { return glyph_.get(); }
  void SetGlyph(TBitmap* value);  // copies
  // 0: the size follows the caption height.
  int Height() const { return height_; }
  void SetHeight(int value) { height_ = value; }
  int Width() const { return width_; }
  void SetWidth(int value) { width_ = value; }

 private:
  std::unique_ptr<TBitmap> glyph_;
  int height_ = 0;
  int width_ = 0;
};

class TsTitleButton : public TCollectionItem {
 public:
  explicit TsTitleButton(TCollection* collection);
  ~TsTitleButton() override;

  // Painted with the skin's title-button image.
  bool UseSkinData() const { return useSkinData_; }
  void SetUseSkinData(bool value) { useSkinData_ = value; }
  const std::string& Name() const { return name_; }
  void SetName(const std::string& value);
  std::string DisplayName() const override { return name_; }
  TBitmap* Glyph() const { return glyph_.get(); }
  void SetGlyph(TBitmap* value);  // copies
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value) { enabled_ = value; }
  TMouseEvent OnMouseUp;
  TMouseEvent OnMouseDown;

  void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y);

  // The provider's place and state of the button.
  TsCaptionButton Button;

 private:
  bool useSkinData_ = true;
  std::string name_;
  std::unique_ptr<TBitmap> glyph_;
  bool enabled_ = true;
};

class TsTitleButtons : public TCollection {
 public:
  explicit TsTitleButtons(TsSkinProvider* owner);
  ~TsTitleButtons() override;
  TsTitleButton* Items(int index) const {
    return static_cast<TsTitleButton*>(TCollection::Items(index));
  }
  TsSkinProvider* Provider() const { return owner_; }

 protected:
  TPersistent* GetOwner() override;

 private:
  TsSkinProvider* owner_;
};
