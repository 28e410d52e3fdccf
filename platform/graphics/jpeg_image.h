// A JPEG picture: decoded once when loaded (jpeg_codec.h), drawn from a
// 24-bit bitmap, saved as the bytes it was loaded from.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/graphics/bitmap.h"

class TJPEGImage : public TGraphic {
 public:
  TJPEGImage();
  ~TJPEGImage() override;

  bool Empty() const override;
  int Width() const override;
  int Height() const override;
  // A JPEG image keeps its size: EInvalidGraphicOperation.
  void SetWidth(int width) override;
  void SetHeight(int height) override;

  void LoadFromStream(TStream* stream) override;
  // The data as loaded; EInvalidGraphicOperation for an empty image.
  void SaveToStream(TStream* stream) override;
  void Assign(TPersistent* source) override;

  // The decoded picture (pf24bit); nullptr when empty.
  TBitmap* Bitmap() const { return bitmap_.get(); }

 protected:
  void Draw(TCanvas* canvas, const TRect& rect) override;
  void AssignTo(TPersistent* dest) override;

 private:
  std::vector<uint8_t> data_;
  std::unique_ptr<TBitmap> bitmap_;
};
