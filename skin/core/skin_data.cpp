#include "skin/core/skin_data.h"

#include "platform/graphics/jpeg_codec.h"

bool TsJpegPicture::Decode(TPixelBuffer& out) const {
  if (Data.empty()) return false;
  return brsm::DecodeJpeg(Data.data(), Data.size(), out, nullptr);
}
