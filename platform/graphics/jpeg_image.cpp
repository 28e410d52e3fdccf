#include "platform/graphics/jpeg_image.h"

#include "platform/graphics/jpeg_codec.h"
#include "platform/rtl/sysutils.h"

namespace {
constexpr int64_t kMaxFileBytes = 256ll * 1024 * 1024;
}

TJPEGImage::TJPEGImage() = default;
TJPEGImage::~TJPEGImage() = default;

bool TJPEGImage::Empty() const { return !bitmap_ || bitmap_->Empty(); }
int TJPEGImage::Width() const { return bitmap_ ? bitmap_->Width() : 0; }
int TJPEGImage::Height() const { return bitmap_ ? bitmap_->Height() : 0; }

void TJPEGImage::SetWidth(int) { throw EInvalidGraphicOperation("Cannot change the size of a JPEG image"); }
void TJPEGImage::SetHeight(int) { throw EInvalidGraphicOperation("Cannot change the size of a JPEG image"); }

void TJPEGImage::LoadFromStream(TStream* stream) {
  std::vector<uint8_t> data = ReadRest(stream, kMaxFileBytes);
  TPixelBuffer pixels;
  std::string error;
  if (!brsm::DecodeJpeg(data.data(), data.size(), pixels, &error))
    throw EInvalidGraphic("JPEG image is not valid (" + error + ")");
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->AssignPixels(pixels.View());
  bitmap_ = std::move(bitmap);
  data_ = std::move(data);
  Changed();
}

void TJPEGImage::SaveToStream(TStream* stream) {
  if (data_.empty()) throw EInvalidGraphicOperation("Cannot save an empty JPEG image");
  if (stream) stream->WriteBuffer(data_.data(), static_cast<int>(data_.size()));
}

void TJPEGImage::Assign(TPersistent* source) {
  if (!source) {
    data_.clear();
    bitmap_.reset();
    Changed();
    return;
  }
  if (auto* j = dynamic_cast<TJPEGImage*>(source)) {
    if (j == this) return;
    data_ = j->data_;
    if (j->bitmap_) {
      auto bitmap = std::make_unique<TBitmap>();
      bitmap->Assign(j->bitmap_.get());
      bitmap_ = std::move(bitmap);
    } else {
      bitmap_.reset();
    }
    Changed();
    return;
  }
  TGraphic::Assign(source);
}

void TJPEGImage::AssignTo(TPersistent* dest) {
  if (auto* b = dynamic_cast<TBitmap*>(dest)) {
    b->Assign(bitmap_.get());
    return;
  }
  TGraphic::AssignTo(dest);
}

void TJPEGImage::Draw(TCanvas* canvas, const TRect& rect) {
  if (!bitmap_ || !canvas) return;
  canvas->StretchDraw(rect, bitmap_.get());
}
