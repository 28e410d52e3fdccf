#include "platform/graphics/picture.h"

#include "platform/rtl/sysutils.h"
#include "platform/rtl/text1251.h"

namespace {

std::unique_ptr<TGraphic> NewOfSameKind(TGraphic* graphic) {
  if (dynamic_cast<TBitmap*>(graphic)) return std::make_unique<TBitmap>();
  if (dynamic_cast<TJPEGImage*>(graphic)) return std::make_unique<TJPEGImage>();
  if (dynamic_cast<TIcon*>(graphic)) return std::make_unique<TIcon>();
  throw EInvalidGraphic("Unsupported graphic kind " + graphic->ClassName());
}

std::string Extension(const std::string& fileName) {
  const size_t dot = fileName.find_last_of('.');
  const size_t slash = fileName.find_last_of("\\/");
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
  return LowerCase(fileName.substr(dot));
}

}  // namespace

TPicture::TPicture() = default;

TPicture::~TPicture() {
  if (graphic_) graphic_->OnChange = nullptr;
}

void TPicture::Adopt(std::unique_ptr<TGraphic> graphic) {
  if (graphic_) graphic_->OnChange = nullptr;
  graphic_ = std::move(graphic);
  if (graphic_) graphic_->OnChange = [this](TObject*) { Changed(); };
  Changed();
}

void TPicture::Changed() {
  if (OnChange) OnChange(this);
}

void TPicture::SetGraphic(TGraphic* graphic) {
  if (graphic == graphic_.get()) return;
  if (!graphic) {
    Adopt(nullptr);
    return;
  }
  std::unique_ptr<TGraphic> copy = NewOfSameKind(graphic);
  copy->Assign(graphic);
  Adopt(std::move(copy));
}

TBitmap* TPicture::Bitmap() {
  if (!dynamic_cast<TBitmap*>(graphic_.get())) Adopt(std::make_unique<TBitmap>());
  return static_cast<TBitmap*>(graphic_.get());
}

TIcon* TPicture::Icon() {
  if (!dynamic_cast<TIcon*>(graphic_.get())) Adopt(std::make_unique<TIcon>());
  return static_cast<TIcon*>(graphic_.get());
}

void TPicture::LoadFromFile(const std::string& fileName) {
  const std::string ext = Extension(fileName);
  std::unique_ptr<TGraphic> graphic;
  if (ext == ".bmp")
    graphic = std::make_unique<TBitmap>();
  else if (ext == ".jpg" || ext == ".jpeg")
    graphic = std::make_unique<TJPEGImage>();
  else if (ext == ".ico")
    graphic = std::make_unique<TIcon>();
  else
    throw EInvalidGraphic("Unknown picture file extension (" + ext + ")");
  graphic->LoadFromFile(fileName);
  Adopt(std::move(graphic));
}

void TPicture::SaveToFile(const std::string& fileName) {
  if (graphic_) graphic_->SaveToFile(fileName);
}

void TPicture::Assign(TPersistent* source) {
  if (!source) {
    SetGraphic(nullptr);
  } else if (auto* p = dynamic_cast<TPicture*>(source)) {
    if (p != this) SetGraphic(p->Graphic());
  } else if (auto* g = dynamic_cast<TGraphic*>(source)) {
    SetGraphic(g);
  } else {
    TPersistent::Assign(source);
  }
}

void TPicture::AssignTo(TPersistent* dest) {
  if (graphic_ && dynamic_cast<TGraphic*>(dest)) {
    dest->Assign(graphic_.get());
    return;
  }
  TPersistent::AssignTo(dest);
}
