// Holds one graphic of any kind and loads files by their extension.
#pragma once

#include <memory>
#include <string>

#include "platform/graphics/bitmap.h"
#include "platform/graphics/icon.h"
#include "platform/graphics/jpeg_image.h"

class TPicture : public TPersistent {
 public:
  TPicture();
  ~TPicture() override;

  TGraphic* Graphic() const { return graphic_.get(); }
  // Holds a copy of the graphic (nullptr empties the picture).
  void SetGraphic(TGraphic* graphic);
  // The graphic as a bitmap / icon: a picture of another kind is replaced
  // by an empty one of that kind first.
  TBitmap* Bitmap();
  TIcon* Icon();

  int Width() const { return graphic_ ? graphic_->Width() : 0; }
  int Height() const { return graphic_ ? graphic_->Height() : 0; }

  // ".bmp", ".jpg", ".jpeg", ".ico" (any case); other extensions raise
  // EInvalidGraphic "Unknown picture file extension (.xyz)". A file that
  // fails to load leaves the picture as it was.
  void LoadFromFile(const std::string& fileName);
  void SaveToFile(const std::string& fileName);

  // From a TPicture, a TGraphic or nullptr.
  void Assign(TPersistent* source) override;

  TNotifyEvent OnChange;

 protected:
  void AssignTo(TPersistent* dest) override;

 private:
  void Adopt(std::unique_ptr<TGraphic> graphic);
  void Changed();

  std::unique_ptr<TGraphic> graphic_;
};
