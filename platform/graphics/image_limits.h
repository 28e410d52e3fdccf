// Bounds on decoded image sizes. A header may claim anything; these keep a
// hostile file from exhausting a 32-bit process before a byte is decoded.
#pragma once

#include <cstdint>
#include <string>

namespace brsm {

constexpr int kMaxImageSide = 16384;
constexpr int64_t kMaxImagePixels = 64ll * 1024 * 1024;

// True when width x height may be allocated; otherwise fills *error.
inline bool ImageSizeAllowed(int64_t width, int64_t height, std::string* error) {
  if (width <= 0 || height <= 0) {
    if (error) *error = "image has no pixels";
    return false;
  }
  if (width > kMaxImageSide || height > kMaxImageSide || width * height > kMaxImagePixels) {
    if (error)
      *error = "image too large (" + std::to_string(width) + " x " + std::to_string(height) + ")";
    return false;
  }
  return true;
}

}  // namespace brsm
