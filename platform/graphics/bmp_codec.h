// BMP files to and from pixel buffers, without the platform.
//
// Decoding reads the file header with an info header of any common version
// (OS/2 core, 40-byte, V2/V3 masks, V4, V5, OS/2 2.x), 1, 4, 8, 16, 24 and
// 32 bits per pixel, uncompressed, bit fields, RLE4 and RLE8, top-down or
// bottom-up. 32-bit files decode to 4 bytes per pixel (the fourth byte kept
// or taken from the alpha mask), everything else to 3 (blue, green, red).
// Every size and offset is checked against the data; nothing is read
// outside it and images beyond the limits of image_limits.h are refused.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/graphics/pixel_buffer.h"

namespace brsm {

// On failure returns false, leaves `out` as it was and, when `error` is
// given, says why.
bool DecodeBmp(const uint8_t* data, size_t size, TPixelBuffer& out, std::string* error);

// A complete BMP file (file header, 40-byte info header, bottom-up rows):
// 24 bits per pixel for a 3-byte view, 32 for a 4-byte one, so that saving
// loses nothing. An empty view gives an empty vector.
std::vector<uint8_t> EncodeBmp(const TPixelBufferView& view);

}  // namespace brsm
