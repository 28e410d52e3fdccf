#include "platform/graphics/icon.h"

#include <cstdlib>
#include <limits>

#include "platform/rtl/sysutils.h"
#include "platform/rtl/text1251.h"

namespace {

constexpr int64_t kMaxFileBytes = 16ll * 1024 * 1024;

uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t U32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
         (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

// The icon's own size, from its bitmaps (GetIconInfo hands out copies).
void IconSize(HICON icon, int& width, int& height) {
  width = height = 0;
  ICONINFO info{};
  if (!GetIconInfo(icon, &info)) return;
  BITMAP bm{};
  if (info.hbmColor && GetObjectW(info.hbmColor, sizeof bm, &bm)) {
    width = bm.bmWidth;
    height = bm.bmHeight;
  } else if (info.hbmMask && GetObjectW(info.hbmMask, sizeof bm, &bm)) {
    width = bm.bmWidth;
    height = bm.bmHeight / 2;  // AND and XOR masks one above the other
  }
  if (info.hbmColor) DeleteObject(info.hbmColor);
  if (info.hbmMask) DeleteObject(info.hbmMask);
}

}  // namespace

TIcon::~TIcon() { Release(); }

void TIcon::Release() {
  if (handle_) DestroyIcon(handle_);
  handle_ = nullptr;
  data_.clear();
}

void TIcon::Adopt(HICON icon, std::vector<uint8_t> data) {
  if (icon == handle_) return;
  Release();
  handle_ = icon;
  data_ = std::move(data);
  if (icon) IconSize(icon, width_, height_);
  Changed();
}

void TIcon::SetWidth(int width) {
  if (handle_) throw EInvalidGraphicOperation("Cannot change the size of an icon");
  width_ = std::max(width, 0);
}

void TIcon::SetHeight(int height) {
  if (handle_) throw EInvalidGraphicOperation("Cannot change the size of an icon");
  height_ = std::max(height, 0);
}

void TIcon::SetHandle(HICON icon) { Adopt(icon, {}); }

HICON TIcon::ReleaseHandle() {
  HICON icon = handle_;
  handle_ = nullptr;
  data_.clear();
  if (icon) Changed();
  return icon;
}

void TIcon::LoadFromResource(HINSTANCE instance, const std::string& name) {
  const std::wstring w = brsm::ToUtf16(name);
  HICON icon = static_cast<HICON>(LoadImageW(instance, w.c_str(), IMAGE_ICON, width_, height_,
                                             width_ || height_ ? 0 : LR_DEFAULTSIZE));
  if (!icon) throw EInvalidGraphic("Icon resource " + name + " not found");
  Adopt(icon, {});
}

void TIcon::LoadFromResource(HINSTANCE instance, int id) {
  HICON icon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_ICON, width_,
                                             height_, width_ || height_ ? 0 : LR_DEFAULTSIZE));
  if (!icon) throw EInvalidGraphic("Icon resource " + IntToStr(id) + " not found");
  Adopt(icon, {});
}

void TIcon::LoadFromStream(TStream* stream) {
  std::vector<uint8_t> data = ReadRest(stream, kMaxFileBytes);
  const size_t size = data.size();
  if (size < 6 || U16(&data[0]) != 0 || U16(&data[2]) != 1 || U16(&data[4]) == 0)
    throw EInvalidGraphic("Icon image is not valid");
  const int count = U16(&data[4]);
  if (6 + static_cast<size_t>(count) * 16 > size) throw EInvalidGraphic("Icon image is not valid");
  const int wantW = width_ ? width_ : GetSystemMetrics(SM_CXICON);
  const int wantH = height_ ? height_ : GetSystemMetrics(SM_CYICON);
  // The entry nearest the wanted size; at equal distance the deeper one.
  int best = -1;
  int bestDistance = std::numeric_limits<int>::max(), bestBits = -1;
  for (int i = 0; i < count; ++i) {
    const uint8_t* e = &data[6 + 16 * i];
    const int w = e[0] ? e[0] : 256, h = e[1] ? e[1] : 256;
    const int bits = U16(e + 6);
    const uint32_t bytes = U32(e + 8), offset = U32(e + 12);
    if (bytes == 0 || offset > size || bytes > size - offset) continue;
    const int distance = std::abs(w - wantW) + std::abs(h - wantH);
    if (distance < bestDistance || (distance == bestDistance && bits > bestBits)) {
      best = i;
      bestDistance = distance;
      bestBits = bits;
    }
  }
  if (best < 0) throw EInvalidGraphic("Icon image is not valid");
  const uint8_t* e = &data[6 + 16 * best];
  const int w = e[0] ? e[0] : 256, h = e[1] ? e[1] : 256;
  HICON icon = CreateIconFromResourceEx(&data[U32(e + 12)], U32(e + 8), TRUE, 0x00030000, w, h,
                                        LR_DEFAULTCOLOR);
  if (!icon) throw EInvalidGraphic("Icon image is not valid");
  Adopt(icon, std::move(data));
}

void TIcon::SaveToStream(TStream* stream) {
  if (data_.empty()) throw EInvalidGraphicOperation("Cannot save an icon that was not loaded from a file");
  if (stream) stream->WriteBuffer(data_.data(), static_cast<int>(data_.size()));
}

void TIcon::Assign(TPersistent* source) {
  if (!source) {
    Adopt(nullptr, {});
    return;
  }
  if (auto* i = dynamic_cast<TIcon*>(source)) {
    if (i == this) return;
    HICON copy = i->handle_ ? CopyIcon(i->handle_) : nullptr;
    if (i->handle_ && !copy) throw EOutOfMemory("Out of system resources (icon)");
    Adopt(copy, i->data_);
    if (!copy) {
      width_ = i->width_;
      height_ = i->height_;
    }
    return;
  }
  TGraphic::Assign(source);
}

void TIcon::Draw(TCanvas* canvas, const TRect& rect) {
  if (!handle_ || !canvas) return;
  DrawIconEx(canvas->Handle(), rect.Left, rect.Top, handle_, rect.Width(), rect.Height(), 0,
             nullptr, DI_NORMAL);
}
