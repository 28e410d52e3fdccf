// Any bytes as a packed skin archive: unpacked, and when a description comes
// out, loaded into run-time records with the images of the same archive.
#include <cstddef>
#include <cstdint>

#include "platform/rtl/sysutils.h"
#include "skin/core/packed_skin.h"
#include "skin/core/skin_content.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TMemoryStream source;
  if (size > 0) source.WriteBuffer(data, static_cast<int>(size));
  TvxSkinConvertor reader;
  reader.PackedData = &source;
  const bool ok = reader.Unpack();
  reader.PackedData = nullptr;
  if (!ok) {
    if (reader.Options || !reader.ImageItems.empty()) __builtin_trap();  // rejected means empty
    return 0;
  }
  for (const TvxImageItem& item : reader.ImageItems)
    if (reader.FindImage(item.Name) == nullptr) __builtin_trap();
  TsSkinContent content;
  content.SkinData.SkinPath = "/nonexistent-skin-folder/";
  try {
    content.LoadFromReader(reader, nullptr);
  } catch (const Exception&) {
    // Malformed numbers end a load with a conversion error, as specified.
  }
  return 0;
}
