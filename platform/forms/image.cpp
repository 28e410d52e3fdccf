// TImage: a picture on its parent, as it is, stretched or fitted.
#include "platform/forms/extctrls.h"

#include <algorithm>

#include "platform/forms/forms.h"

TImage::TImage(TComponent* owner) : TGraphicControl(owner), picture_(std::make_unique<TPicture>()) {
  SetControlStyle(ControlStyle() + TControlStyle{csReplicatable});
  SetBounds(Left(), Top(), 105, 105);
  picture_->OnChange = [this](TObject*) { PictureChanged(); };
}

TImage::~TImage() { picture_->OnChange = nullptr; }

void TImage::SetPicture(TPicture* v) { picture_->Assign(v); }

void TImage::SetAutoSize(bool v) {
  if (autoSize_ == v) return;
  autoSize_ = v;
  PictureChanged();
}

void TImage::SetCenter(bool v) {
  if (center_ == v) return;
  center_ = v;
  Invalidate();
}

void TImage::SetProportional(bool v) {
  if (proportional_ == v) return;
  proportional_ = v;
  Invalidate();
}

void TImage::SetStretch(bool v) {
  if (stretch_ == v) return;
  stretch_ = v;
  Invalidate();
}

void TImage::SetTransparent(bool v) {
  if (transparent_ == v) return;
  transparent_ = v;
  PictureChanged();
}

void TImage::PictureChanged() {
  if (TGraphic* graphic = picture_->Graphic()) {
    // The picture carries the see-through flag; a bitmap takes it from here.
    if (graphic->Transparent() != transparent_) {
      picture_->OnChange = nullptr;
      graphic->SetTransparent(transparent_);
      picture_->OnChange = [this](TObject*) { PictureChanged(); };
    }
    if (autoSize_ && graphic->Width() > 0 && graphic->Height() > 0)
      SetBounds(Left(), Top(), graphic->Width(), graphic->Height());
  }
  Invalidate();
}

TRect TImage::DestRect() const {
  int w = picture_->Width(), h = picture_->Height();
  const int cw = ClientWidth(), ch = ClientHeight();
  if (w > 0 && h > 0 && (stretch_ || (proportional_ && (w > cw || h > ch)))) {
    if (proportional_) {
      const double scale = std::min(static_cast<double>(cw) / w, static_cast<double>(ch) / h);
      w = std::max(1, static_cast<int>(w * scale));
      h = std::max(1, static_cast<int>(h * scale));
    } else {
      w = cw;
      h = ch;
    }
  }
  int x = 0, y = 0;
  if (center_) {
    x = (cw - w) / 2;
    y = (ch - h) / 2;
  }
  return Bounds(x, y, w, h);
}

void TImage::Paint() {
  TGraphic* graphic = picture_->Graphic();
  if (!graphic || graphic->Empty()) return;
  Canvas()->StretchDraw(DestRect(), graphic);
}
