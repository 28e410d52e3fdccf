#include "platform/graphics/graphic.h"

#include "platform/rtl/sysutils.h"

void TGraphic::SetTransparent(bool transparent) {
  if (transparent == transparent_) return;
  transparent_ = transparent;
  Changed();
}

void TGraphic::Changed() {
  modified_ = true;
  if (OnChange) OnChange(this);
}

void TGraphic::LoadFromFile(const std::string& fileName) {
  TFileStream stream(fileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(&stream);
}

void TGraphic::SaveToFile(const std::string& fileName) {
  // Into memory first, so that a graphic that cannot be saved leaves an
  // existing file alone.
  TMemoryStream memory;
  SaveToStream(&memory);
  TFileStream stream(fileName, fmCreate);
  memory.SaveToStream(&stream);
}

std::vector<uint8_t> TGraphic::ReadRest(TStream* stream, int64_t limit) {
  if (!stream) throw EInvalidGraphic("No stream to read the picture from");
  const int64_t rest = stream->Size() - stream->Position();
  if (rest > limit) throw EInvalidGraphic("Picture data too large");
  std::vector<uint8_t> data(rest > 0 ? static_cast<size_t>(rest) : 0);
  if (!data.empty()) stream->ReadBuffer(data.data(), static_cast<int>(data.size()));
  return data;
}
