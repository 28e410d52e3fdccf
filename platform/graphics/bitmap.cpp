#include "platform/graphics/bitmap.h"

#include <algorithm>
#include <cstring>

#include "platform/graphics/bmp_codec.h"
#include "platform/graphics/jpeg_image.h"
#include "platform/rtl/sysutils.h"

// The bitmap's memory DC. When the bitmap gets a new DIB the DC stays and
// only the selected bitmap changes, so a DC handed out earlier (and the
// origin or clipping set on it) remains valid.
class TBitmapCanvas : public TCanvas {
 public:
  explicit TBitmapCanvas(TBitmap* bitmap) : bitmap_(bitmap) {}
  ~TBitmapCanvas() override { FreeContext(); }

  void FreeContext() {
    if (!dc_) return;
    SetHandle(nullptr);
    SelectObject(dc_, oldBitmap_);
    DeleteDC(dc_);
    dc_ = nullptr;
    oldBitmap_ = nullptr;
  }

  void SelectBitmap(HBITMAP dib) {
    if (!dc_) return;
    HGDIOBJ previous = SelectObject(dc_, dib ? static_cast<HGDIOBJ>(dib) : oldBitmap_);
    if (!oldBitmap_) oldBitmap_ = previous;
  }

 protected:
  void CreateHandle() override {
    if (dc_) return;
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dc) return;
    oldBitmap_ = bitmap_->dib_ ? SelectObject(dc, bitmap_->dib_) : nullptr;
    dc_ = dc;
    SetHandle(dc);
  }

 private:
  TBitmap* bitmap_;
  HDC dc_ = nullptr;
  HGDIOBJ oldBitmap_ = nullptr;  // the DC's own 1x1 bitmap, put back before DeleteDC
};

namespace {

constexpr int64_t kMaxFileBytes = 512ll * 1024 * 1024;

ptrdiff_t StrideOf(int width, int bits) {
  return ((static_cast<ptrdiff_t>(width) * bits + 31) / 32) * 4;
}

void FillRows(uint8_t* bits, ptrdiff_t stride, int width, int height, int bytesPerPixel,
              TColor color) {
  if (!bits || width <= 0 || height <= 0) return;
  const TColor rgb = ColorToRGB(color);
  const uint8_t px[4] = {static_cast<uint8_t>(rgb >> 16), static_cast<uint8_t>(rgb >> 8),
                         static_cast<uint8_t>(rgb), 0};
  for (int x = 0; x < width; ++x) std::memcpy(bits + x * bytesPerPixel, px, bytesPerPixel);
  for (int y = 1; y < height; ++y) std::memcpy(bits + stride * y, bits, stride);
}

// Copies the overlapping top-left part between pixel views of 3 or 4 bytes.
void CopyPixels(const TPixelBufferView& from, const TPixelBufferView& to) {
  const int w = std::min(from.Width, to.Width);
  const int h = std::min(from.Height, to.Height);
  for (int y = 0; y < h; ++y) {
    const uint8_t* s = from.Row(y);
    uint8_t* d = to.Row(y);
    if (from.BytesPerPixel == to.BytesPerPixel) {
      std::memcpy(d, s, static_cast<size_t>(w) * to.BytesPerPixel);
    } else {
      for (int x = 0; x < w; ++x) {
        const uint8_t* sp = s + x * from.BytesPerPixel;
        uint8_t* dp = d + x * to.BytesPerPixel;
        dp[0] = sp[0];
        dp[1] = sp[1];
        dp[2] = sp[2];
        if (to.BytesPerPixel == 4) dp[3] = 0;
      }
    }
  }
}

}  // namespace

TBitmap::TBitmap() : bitsPerPixel_(StorageBits(pfDevice)) {}

TBitmap::TBitmap(int width, int height, TPixelFormat format) : TBitmap() {
  format_ = format;
  bitsPerPixel_ = StorageBits(format);
  SetSize(width, height);
}

TBitmap::~TBitmap() {
  canvas_.reset();
  if (dib_) DeleteObject(dib_);
}

int TBitmap::StorageBits(TPixelFormat format) {
  switch (format) {
    case pf24bit: return 24;
    case pf32bit: return 32;
    default: return brsm::ScreenBitsPerPixel() == 24 ? 24 : 32;
  }
}

void TBitmap::Rebuild(int width, int height, TPixelFormat format, bool keepPixels) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  const int bits = StorageBits(format);
  HBITMAP dib = nullptr;
  void* memory = nullptr;
  if (width > 0 && height > 0) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = height;  // bottom-up
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = static_cast<WORD>(bits);
    bi.bmiHeader.biCompression = BI_RGB;
    dib = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &memory, nullptr, 0);
    if (!dib || !memory) {
      if (dib) DeleteObject(dib);
      throw EOutOfMemory("Out of system resources (bitmap of " + IntToStr(width) + " x " +
                         IntToStr(height) + ")");
    }
  }
  const ptrdiff_t stride = StrideOf(width, bits);
  uint8_t* newBits = static_cast<uint8_t*>(memory);
  FillRows(newBits, stride, width, height, bits / 8, canvas_ ? canvas_->Brush()->Color() : clWhite);
  if (keepPixels && dib_ && dib) {
    GdiFlush();
    TPixelBufferView to;
    to.FirstRow = newBits + stride * (height - 1);
    to.RowDistance = -stride;
    to.Width = width;
    to.Height = height;
    to.BytesPerPixel = bits / 8;
    CopyPixels(PixelView(), to);
  }
  if (canvas_) canvas_->SelectBitmap(dib);
  if (dib_) DeleteObject(dib_);
  dib_ = dib;
  bits_ = newBits;
  width_ = width;
  height_ = height;
  stride_ = dib ? stride : 0;
  bitsPerPixel_ = bits;
  format_ = format;
}

void TBitmap::SetSize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == width_ && height == height_) return;
  Rebuild(width, height, format_, true);
  Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
  if (format == format_) return;
  if (StorageBits(format) == bitsPerPixel_ || !dib_) {
    format_ = format;
    bitsPerPixel_ = StorageBits(format);
  } else {
    Rebuild(width_, height_, format, true);
  }
  Changed();
}

void TBitmap::SetHandleType(TBitmapHandleType type) {
  if (type == bmDDB)
    SetPixelFormat(pfDevice);
  else if (format_ == pfDevice)
    SetPixelFormat(bitsPerPixel_ == 24 ? pf24bit : pf32bit);
}

void* TBitmap::ScanLine(int row) {
  if (!dib_ || row < 0 || row >= height_)
    throw EInvalidGraphicOperation("Scan line index out of range");
  GdiFlush();
  return bits_ + stride_ * (height_ - 1 - row);
}

TPixelBufferView TBitmap::PixelView() {
  TPixelBufferView v;
  if (!dib_) return v;
  GdiFlush();
  v.FirstRow = bits_ + stride_ * (height_ - 1);
  v.RowDistance = -stride_;
  v.Width = width_;
  v.Height = height_;
  v.BytesPerPixel = bitsPerPixel_ / 8;
  return v;
}

TCanvas* TBitmap::Canvas() {
  if (!canvas_) {
    canvas_ = std::make_unique<TBitmapCanvas>(this);
    canvas_->OnChange = [this](TObject*) { Changed(); };
  }
  return canvas_.get();
}

void TBitmap::FreeContext() {
  if (canvas_ && canvas_->LockCount() == 0) canvas_->FreeContext();
}

HBITMAP TBitmap::Handle() {
  FreeContext();
  return dib_;
}

HBITMAP TBitmap::ReleaseHandle() {
  if (canvas_) canvas_->FreeContext();
  HBITMAP dib = dib_;
  dib_ = nullptr;
  bits_ = nullptr;
  width_ = height_ = 0;
  stride_ = 0;
  if (dib) Changed();
  return dib;
}

TColor TBitmap::TransparentColor() {
  if (transparentColor_ != clDefault) return ColorToRGB(transparentColor_);
  if (!dib_) return clDefault;
  const uint8_t* p = static_cast<uint8_t*>(ScanLine(height_ - 1));
  return RGBColor(p[2], p[1], p[0]);
}

void TBitmap::SetTransparentColor(TColor color) {
  if (color == transparentColor_) return;
  transparentColor_ = color;
  transparentMode_ = color == clDefault ? tmAuto : tmFixed;
  Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode mode) {
  if (mode == transparentMode_) return;
  if (mode == tmAuto)
    SetTransparentColor(clDefault);
  else
    SetTransparentColor(TransparentColor());
}

void TBitmap::LoadFromStream(TStream* stream) {
  const std::vector<uint8_t> data = ReadRest(stream, kMaxFileBytes);
  TPixelBuffer pixels;
  std::string error;
  if (!brsm::DecodeBmp(data.data(), data.size(), pixels, &error))
    throw EInvalidGraphic("Bitmap image is not valid (" + error + ")");
  AssignPixels(pixels.View());
}

void TBitmap::SaveToStream(TStream* stream) {
  if (!stream) return;
  const std::vector<uint8_t> file = brsm::EncodeBmp(PixelView());
  if (!file.empty()) stream->WriteBuffer(file.data(), static_cast<int>(file.size()));
}

void TBitmap::AssignPixels(const TPixelBufferView& pixels) {
  if (pixels.Empty()) {
    Rebuild(0, 0, format_, false);
  } else {
    Rebuild(pixels.Width, pixels.Height, pixels.BytesPerPixel == 4 ? pf32bit : pf24bit, false);
    CopyPixels(pixels, PixelView());
  }
  Changed();
}

void TBitmap::Assign(TPersistent* source) {
  if (!source) {
    Rebuild(0, 0, format_, false);
    Changed();
    return;
  }
  if (auto* b = dynamic_cast<TBitmap*>(source)) {
    if (b == this) return;
    Rebuild(b->width_, b->height_, b->format_, false);
    if (dib_) CopyPixels(b->PixelView(), PixelView());
    transparentColor_ = b->transparentColor_;
    transparentMode_ = b->transparentMode_;
    if (b->Transparent() != Transparent()) {
      SetTransparent(b->Transparent());
      return;  // SetTransparent announced the change
    }
    Changed();
    return;
  }
  if (auto* jpeg = dynamic_cast<TJPEGImage*>(source)) {
    Assign(jpeg->Bitmap());
    return;
  }
  if (auto* g = dynamic_cast<TGraphic*>(source)) {
    Rebuild(g->Width(), g->Height(), format_, false);
    if (dib_) Canvas()->Draw(0, 0, g);
    Changed();
    return;
  }
  TGraphic::Assign(source);
}

void TBitmap::Draw(TCanvas* canvas, const TRect& r) {
  if (!dib_ || !canvas) return;
  HDC dst = canvas->Handle();
  HDC src = Canvas()->Handle();
  if (Transparent()) {
    const COLORREF key = static_cast<COLORREF>(TransparentColor() & 0xFFFFFF);
    TransparentBlt(dst, r.Left, r.Top, r.Width(), r.Height(), src, 0, 0, width_, height_, key);
  } else if (r.Width() == width_ && r.Height() == height_) {
    BitBlt(dst, r.Left, r.Top, width_, height_, src, 0, 0, canvas->CopyMode());
  } else {
    StretchBlt(dst, r.Left, r.Top, r.Width(), r.Height(), src, 0, 0, width_, height_,
               canvas->CopyMode());
  }
}
