// The logo pictures are linked into the program as whole BMP files.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "generator/res/logo.h"

namespace {

struct Resource {
  const uint8_t* data = nullptr;
  DWORD size = 0;
};

Resource FindLogo(int id) {
  const LPCWSTR rcData = MAKEINTRESOURCEW(10);  // RT_RCDATA
  HRSRC info = FindResourceW(nullptr, MAKEINTRESOURCEW(id), rcData);
  if (!info) return {};
  HGLOBAL handle = LoadResource(nullptr, info);
  return {static_cast<const uint8_t*>(LockResource(handle)), SizeofResource(nullptr, info)};
}

uint32_t U32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24; }
uint16_t U16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }

// A bottom-up 24-bit picture of the given size whose corners are the flat
// background that a transparent image keys out.
void ExpectLogo(int id, int side) {
  Resource r = FindLogo(id);
  ASSERT_NE(r.data, nullptr) << "resource " << id << " missing";
  const uint32_t stride = (side * 3 + 3) & ~3u;
  ASSERT_EQ(r.size, 54 + stride * side);
  EXPECT_EQ(std::memcmp(r.data, "BM", 2), 0);
  EXPECT_EQ(U32(r.data + 2), r.size);
  const uint32_t offset = U32(r.data + 10);
  EXPECT_EQ(offset, 54u);
  EXPECT_EQ(U32(r.data + 14), 40u);
  EXPECT_EQ(int32_t(U32(r.data + 18)), side);
  EXPECT_EQ(int32_t(U32(r.data + 22)), side);
  EXPECT_EQ(U16(r.data + 28), 24);
  EXPECT_EQ(U32(r.data + 30), 0u);  // BI_RGB

  const uint8_t* pixels = r.data + offset;
  auto pixel = [&](int x, int yFromBottom) { return pixels + yFromBottom * stride + x * 3; };
  const uint8_t* key = pixel(0, 0);
  for (const uint8_t* corner : {pixel(side - 1, 0), pixel(0, side - 1), pixel(side - 1, side - 1)}) {
    EXPECT_EQ(std::memcmp(corner, key, 3), 0);
  }
  const uint8_t* middle = pixel(side / 2, side / 2);
  EXPECT_NE(std::memcmp(middle, key, 3), 0) << "the middle of the logo is background";
}

}  // namespace

TEST(LogoResource, BothSizesAreEmbedded) {
  ExpectLogo(BRSM_LOGO, 128);
  ExpectLogo(BRSM_LOGO_SMALL, 57);
}
