#include "platform/graphics/bmp_codec.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "platform/graphics/image_limits.h"

namespace brsm {
namespace {

constexpr uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kAlphaBitFields = 6;

uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t U32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
         (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}
int32_t S32(const uint8_t* p) { return static_cast<int32_t>(U32(p)); }

void Put16(std::vector<uint8_t>& v, uint32_t x) {
  v.push_back(static_cast<uint8_t>(x));
  v.push_back(static_cast<uint8_t>(x >> 8));
}
void Put32(std::vector<uint8_t>& v, uint32_t x) {
  Put16(v, x & 0xFFFF);
  Put16(v, x >> 16);
}

bool Fail(std::string* error, const std::string& message) {
  if (error) *error = message;
  return false;
}

// One channel of a bit-field pixel, scaled to 8 bits.
struct BitField {
  uint32_t mask = 0;
  int shift = 0;
  int bits = 0;

  explicit BitField(uint32_t m = 0) : mask(m) {
    if (!m) return;
    while (!((m >> shift) & 1)) ++shift;
    while (shift + bits < 32 && ((m >> (shift + bits)) & 1)) ++bits;
  }

  uint8_t Extract(uint32_t v) const {
    if (!bits) return 0;
    uint32_t x = (v & mask) >> shift;
    if (bits < 32) x &= (1u << bits) - 1;
    if (bits >= 8) return static_cast<uint8_t>(x >> (bits - 8));
    return static_cast<uint8_t>(x * 255 / ((1u << bits) - 1));
  }
};

struct Layout {
  int width = 0;
  int height = 0;
  bool topDown = false;
  int bits = 0;
  uint32_t compression = kRgb;
  BitField red, green, blue, alpha;
  uint8_t palette[256][3] = {};  // blue, green, red
  int paletteCount = 0;
  size_t pixelOffset = 0;
};

bool ReadLayout(const uint8_t* data, size_t size, Layout& L, std::string* error) {
  if (size < 18) return Fail(error, "file too short for a BMP header");
  if (data[0] != 'B' || data[1] != 'M') return Fail(error, "not a BMP file");
  const uint32_t offBits = U32(data + 10);
  const uint32_t hs = U32(data + 14);
  int64_t width = 0, height = 0;
  uint32_t colorsUsed = 0;
  int entrySize = 4;
  uint64_t paletteOffset = 14 + static_cast<uint64_t>(hs);
  uint32_t masks[4] = {0, 0, 0, 0};
  bool haveMasks = false;

  if (hs == 12) {
    if (size < 26) return Fail(error, "BMP header truncated");
    width = U16(data + 18);
    height = U16(data + 20);
    L.bits = U16(data + 24);
    entrySize = 3;
  } else if (hs == 40 || hs == 52 || hs == 56 || hs == 64 || hs == 108 || hs == 124) {
    if (size < 14 + static_cast<size_t>(hs)) return Fail(error, "BMP header truncated");
    width = S32(data + 18);
    height = S32(data + 22);
    L.bits = U16(data + 28);
    L.compression = U32(data + 30);
    colorsUsed = U32(data + 46);
    if (hs == 64 && L.compression > kRle4)
      return Fail(error, "unsupported OS/2 BMP compression " + std::to_string(L.compression));
    const bool fields = L.compression == kBitFields || L.compression == kAlphaBitFields;
    if (fields && hs != 64) {
      if (hs == 40) {
        const size_t n = L.compression == kAlphaBitFields ? 4 : 3;
        if (size < 54 + 4 * n) return Fail(error, "BMP bit-field masks truncated");
        for (size_t i = 0; i < n; ++i) masks[i] = U32(data + 54 + 4 * i);
        paletteOffset += 4 * n;
      } else {
        for (int i = 0; i < (hs >= 56 ? 4 : 3); ++i) masks[i] = U32(data + 54 + 4 * i);
      }
      haveMasks = true;
    }
  } else {
    return Fail(error, "unsupported BMP header size " + std::to_string(hs));
  }

  if (height < 0) {
    L.topDown = true;
    height = -height;
  }
  if (width <= 0 || height <= 0) return Fail(error, "BMP has no pixels");
  if (!ImageSizeAllowed(width, height, error)) return false;
  L.width = static_cast<int>(width);
  L.height = static_cast<int>(height);

  switch (L.bits) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default: return Fail(error, "unsupported BMP bit depth " + std::to_string(L.bits));
  }
  switch (L.compression) {
    case kRgb: break;
    case kRle8:
      if (L.bits != 8) return Fail(error, "RLE8 needs 8 bits per pixel");
      break;
    case kRle4:
      if (L.bits != 4) return Fail(error, "RLE4 needs 4 bits per pixel");
      break;
    case kBitFields:
    case kAlphaBitFields:
      if (L.bits != 16 && L.bits != 32) return Fail(error, "bit fields need 16 or 32 bits per pixel");
      break;
    default: return Fail(error, "unsupported BMP compression " + std::to_string(L.compression));
  }
  if (L.topDown && (L.compression == kRle8 || L.compression == kRle4))
    return Fail(error, "a compressed BMP cannot be top-down");

  if (haveMasks) {
    L.red = BitField(masks[0]);
    L.green = BitField(masks[1]);
    L.blue = BitField(masks[2]);
    L.alpha = BitField(masks[3]);
  } else if (L.bits == 16) {
    L.red = BitField(0x7C00);
    L.green = BitField(0x03E0);
    L.blue = BitField(0x001F);
  }

  // The stored palette may be longer than the depth can address (only the
  // first 2^bits entries matter) or, for deeper images, an unused hint.
  uint64_t paletteBytes = 0;
  if (L.bits <= 8) {
    uint32_t stored = colorsUsed ? colorsUsed : (1u << L.bits);
    // A core header has no count: the palette fills the gap up to the pixels.
    if (hs == 12 && offBits > paletteOffset)
      stored = static_cast<uint32_t>(std::min<uint64_t>(stored, (offBits - paletteOffset) / entrySize));
    paletteBytes = static_cast<uint64_t>(stored) * entrySize;
    L.paletteCount = static_cast<int>(std::min<uint32_t>(stored, 1u << L.bits));
    const uint64_t readable = static_cast<uint64_t>(L.paletteCount) * entrySize;
    if (paletteOffset + readable > size) return Fail(error, "BMP palette past end of file");
    for (int i = 0; i < L.paletteCount; ++i) {
      const uint8_t* e = data + paletteOffset + static_cast<size_t>(i) * entrySize;
      L.palette[i][0] = e[0];
      L.palette[i][1] = e[1];
      L.palette[i][2] = e[2];
    }
  }

  uint64_t pixelOffset = offBits;
  if (offBits == 0) {
    pixelOffset = paletteOffset + paletteBytes;
  } else if (offBits < 14 + static_cast<uint64_t>(hs)) {
    return Fail(error, "BMP pixel data offset inside the header");
  }
  if (pixelOffset > size) return Fail(error, "BMP pixel data offset past end of file");
  L.pixelOffset = static_cast<size_t>(pixelOffset);
  return true;
}

void PutIndex(const Layout& L, uint8_t* px, unsigned index) {
  if (static_cast<int>(index) < L.paletteCount) {
    px[0] = L.palette[index][0];
    px[1] = L.palette[index][1];
    px[2] = L.palette[index][2];
  } else {
    px[0] = px[1] = px[2] = 0;
  }
}

void DecodeRow(const Layout& L, const uint8_t* src, uint8_t* dst) {
  const int w = L.width;
  switch (L.bits) {
    case 1:
      for (int x = 0; x < w; ++x) PutIndex(L, dst + 3 * x, (src[x >> 3] >> (7 - (x & 7))) & 1);
      break;
    case 4:
      for (int x = 0; x < w; ++x)
        PutIndex(L, dst + 3 * x, (x & 1) ? (src[x >> 1] & 0x0F) : (src[x >> 1] >> 4));
      break;
    case 8:
      for (int x = 0; x < w; ++x) PutIndex(L, dst + 3 * x, src[x]);
      break;
    case 16:
      for (int x = 0; x < w; ++x) {
        const uint32_t v = U16(src + 2 * x);
        dst[3 * x] = L.blue.Extract(v);
        dst[3 * x + 1] = L.green.Extract(v);
        dst[3 * x + 2] = L.red.Extract(v);
      }
      break;
    case 24:
      std::memcpy(dst, src, static_cast<size_t>(w) * 3);
      break;
    case 32:
      if (L.compression == kRgb) {
        std::memcpy(dst, src, static_cast<size_t>(w) * 4);
      } else {
        for (int x = 0; x < w; ++x) {
          const uint32_t v = U32(src + 4 * x);
          dst[4 * x] = L.blue.Extract(v);
          dst[4 * x + 1] = L.green.Extract(v);
          dst[4 * x + 2] = L.red.Extract(v);
          dst[4 * x + 3] = L.alpha.Extract(v);
        }
      }
      break;
  }
}

bool DecodePlain(const uint8_t* data, size_t size, const Layout& L, TPixelBufferView v,
                 std::string* error) {
  const uint64_t stride = ((static_cast<uint64_t>(L.width) * L.bits + 31) / 32) * 4;
  const uint64_t lastRow = (static_cast<uint64_t>(L.width) * L.bits + 7) / 8;
  // The last row's padding is often left out by writers; its pixels are not.
  const uint64_t needed = stride * (L.height - 1) + lastRow;
  if (needed > size - L.pixelOffset) return Fail(error, "BMP pixel data truncated");
  const uint8_t* src = data + L.pixelOffset;
  for (int r = 0; r < L.height; ++r) {
    const int y = L.topDown ? r : L.height - 1 - r;
    DecodeRow(L, src + stride * r, v.Row(y));
  }
  return true;
}

bool DecodeRle(const uint8_t* data, size_t size, const Layout& L, TPixelBufferView v,
               std::string* error) {
  const bool rle8 = L.compression == kRle8;
  for (int y = 0; y < L.height; ++y)
    for (int x = 0; x < L.width; ++x) PutIndex(L, v.Pixel(x, y), 0);

  const uint8_t* p = data + L.pixelOffset;
  const uint8_t* end = data + size;
  int x = 0, y = 0;  // y counts file rows from the bottom
  auto put = [&](unsigned index) {
    if (x < L.width && y < L.height) PutIndex(L, v.Pixel(x, L.height - 1 - y), index);
    if (x < L.width) ++x;
  };
  for (;;) {
    if (end - p < 2) {
      if (y >= L.height) return true;
      return Fail(error, "BMP RLE data truncated");
    }
    const unsigned n = p[0], c = p[1];
    p += 2;
    if (n > 0) {
      for (unsigned i = 0; i < n; ++i) put(rle8 ? c : ((i & 1) ? (c & 0x0F) : (c >> 4)));
      continue;
    }
    if (c == 0) {  // end of line
      x = 0;
      if (y < L.height) ++y;
    } else if (c == 1) {  // end of bitmap
      return true;
    } else if (c == 2) {  // delta
      if (end - p < 2) return Fail(error, "BMP RLE data truncated");
      x = std::min(x + p[0], L.width);
      y = std::min(y + p[1], L.height);
      p += 2;
    } else {  // absolute run of c pixels, padded to a 16-bit boundary
      const size_t bytes = rle8 ? c : (c + 1) / 2;
      const size_t padded = bytes + (bytes & 1);
      if (static_cast<size_t>(end - p) < padded) return Fail(error, "BMP RLE data truncated");
      for (unsigned i = 0; i < c; ++i) put(rle8 ? p[i] : ((i & 1) ? (p[i >> 1] & 0x0F) : (p[i >> 1] >> 4)));
      p += padded;
    }
  }
}

}  // namespace

bool DecodeBmp(const uint8_t* data, size_t size, TPixelBuffer& out, std::string* error) {
  if (!data) return Fail(error, "no BMP data");
  Layout layout;
  if (!ReadLayout(data, size, layout, error)) return false;
  TPixelBuffer image;
  try {
    image.Resize(layout.width, layout.height, layout.bits == 32 ? 4 : 3,
                 TPixelBuffer::Orientation::BottomUp);
  } catch (const std::bad_alloc&) {
    return Fail(error, "not enough memory for the BMP image");
  }
  const bool ok = (layout.compression == kRle8 || layout.compression == kRle4)
                      ? DecodeRle(data, size, layout, image.View(), error)
                      : DecodePlain(data, size, layout, image.View(), error);
  if (!ok) return false;
  out = std::move(image);
  return true;
}

std::vector<uint8_t> EncodeBmp(const TPixelBufferView& view) {
  std::vector<uint8_t> file;
  if (view.Empty() || (view.BytesPerPixel != 3 && view.BytesPerPixel != 4)) return file;
  const uint64_t rowBytes = static_cast<uint64_t>(view.Width) * view.BytesPerPixel;
  const uint64_t stride = (rowBytes + 3) & ~static_cast<uint64_t>(3);
  const uint64_t imageSize = stride * static_cast<uint64_t>(view.Height);
  if (imageSize + 54 > 0xFFFFFFFFull) return file;
  file.reserve(static_cast<size_t>(imageSize + 54));
  file.push_back('B');
  file.push_back('M');
  Put32(file, static_cast<uint32_t>(imageSize + 54));
  Put32(file, 0);
  Put32(file, 54);
  Put32(file, 40);
  Put32(file, static_cast<uint32_t>(view.Width));
  Put32(file, static_cast<uint32_t>(view.Height));
  Put16(file, 1);
  Put16(file, static_cast<uint32_t>(view.BytesPerPixel * 8));
  Put32(file, kRgb);
  Put32(file, static_cast<uint32_t>(imageSize));
  Put32(file, 0);
  Put32(file, 0);
  Put32(file, 0);
  Put32(file, 0);
  for (int r = view.Height - 1; r >= 0; --r) {
    const uint8_t* row = view.Row(r);
    file.insert(file.end(), row, row + rowBytes);
    file.insert(file.end(), static_cast<size_t>(stride - rowBytes), 0);
  }
  return file;
}

}  // namespace brsm
