// JPEG data to a 24-bit pixel buffer through libjpeg, without the platform.
//
// Colour, greyscale and CMYK/YCCK images (Adobe-inverted or plain) all come
// out as blue, green, red. The frame size is checked against the limits of
// image_limits.h before anything is allocated for the pixels, and libjpeg's
// own working memory is capped. libjpeg's errors never unwind through its C
// frames: they come back here by longjmp and are reported as false.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/graphics/pixel_buffer.h"

namespace brsm {

// On failure returns false, leaves `out` as it was and, when `error` is
// given, says why. The image is decoded bottom-up, as a DIB holds it.
bool DecodeJpeg(const uint8_t* data, size_t size, TPixelBuffer& out, std::string* error);

}  // namespace brsm
