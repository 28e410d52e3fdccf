// Any text as a skin description ("Options.dat"), with images of the names
// the kit's Marl skin uses beside it (small ones, so that runs stay fast;
// one JPEG just over the pattern threshold); after a NUL byte, the rest is
// CommonSections text. Exercises every image-value form, PARENTCLASS chains
// and gradient strings.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/strings.h"
#include "platform/rtl/sysutils.h"
#include "skin/core/image_values.h"
#include "skin/core/packed_skin.h"
#include "skin/core/skin_content.h"
#include "tools/skinkit/kit_pictures.h"
#include "tools/skinkit/marl_skin.h"

namespace {

std::vector<uint8_t> SmallStandIn(const std::string& name, int index) {
  using namespace brsm::kit;
  if (name == "FormPattern.jpg") {
    TPixelBuffer big = PatternPicture(301, 300, index);
    return JpegBytes(big, 10);
  }
  TPixelBuffer small = FramesPicture(6, 4, {KitColor(index, 0), KitColor(index, 1)}, 1, true, 2);
  return name.find(".jpg") != std::string::npos ? JpegBytes(small, 50) : BmpBytes(small);
}

// Stand-ins for Marl's images as archive members, made once.
const TvxSkinConvertor& MarlImages() {
  static TvxSkinConvertor* reader = [] {
    auto* r = new TvxSkinConvertor();
    int index = 0;
    for (const auto& file : brsm::kit::MakeMarlSkin().Files()) {
      if (file.first == "Options.dat") continue;
      const std::vector<uint8_t> bytes = SmallStandIn(file.first, index++);
      TvxImageItem item;
      item.Name = file.first;
      item.Data = std::make_unique<TMemoryStream>();
      item.Data->WriteBuffer(bytes.data(), static_cast<int>(bytes.size()));
      r->ImageItems.push_back(std::move(item));
    }
    r->LastItemIndex = static_cast<int>(r->ImageItems.size()) - 1;
    r->IndexNames();
    return r;
  }();
  return *reader;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const size_t nul = input.find('\0');
  const std::string description = input.substr(0, nul);
  TStringList common;
  if (nul != std::string::npos) common.SetText(input.substr(nul + 1));

  ParseImageValue("SECTION", "KEY", description);

  // The Marl images stay; only the description is swapped per input.
  TvxSkinConvertor& reader = const_cast<TvxSkinConvertor&>(MarlImages());
  reader.Options = std::make_unique<TMemoryStream>();
  if (!description.empty())
    reader.Options->WriteBuffer(description.data(), static_cast<int>(description.size()));
  TsSkinContent content;
  content.SkinData.SkinPath = "/nonexistent-skin-folder/";
  try {
    content.LoadFromReader(reader, &common);
  } catch (const Exception&) {
  }
  reader.Options.reset();
  for (const TsMaskData& item : content.MaskItems)
    if (item.WL < 0 || item.WT < 0 || item.WR < 0 || item.WB < 0 || item.MaskType < 0)
      __builtin_trap();
  return 0;
}
