#include "tools/skinkit/kit_archive.h"

#include <stdexcept>

#include <zlib.h>

#include "platform/rtl/streams.h"
#include "platform/rtl/sysutils.h"

namespace brsm::kit {

namespace {

void PutInt32(std::vector<uint8_t>& out, int32_t value) {
  const auto v = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

}  // namespace

std::vector<uint8_t> ZlibCompress(const std::vector<uint8_t>& data, int level) {
  uLongf size = compressBound(static_cast<uLong>(data.size()));
  std::vector<uint8_t> out(size);
  if (compress2(out.data(), &size, data.data(), static_cast<uLong>(data.size()), level) != Z_OK)
    throw std::runtime_error("zlib compress failed");
  out.resize(size);
  return out;
}

std::vector<uint8_t> BuildArchive(const std::vector<ArchiveMember>& members,
                                  const ArchiveLayout& layout) {
  std::vector<uint8_t> out(layout.Magic.begin(), layout.Magic.end());
  PutInt32(out, layout.DeclaredCount.value_or(static_cast<int32_t>(members.size())));
  for (const ArchiveMember& m : members) {
    PutInt32(out, m.DeclaredNameLength.value_or(static_cast<int32_t>(m.Name.size())));
    out.insert(out.end(), m.Name.begin(), m.Name.end());
    PutInt32(out, m.DeclaredSize.value_or(static_cast<int32_t>(m.Data.size())));
    const std::vector<uint8_t> stream = m.Stream ? *m.Stream : ZlibCompress(m.Data);
    out.insert(out.end(), stream.begin(), stream.end());
  }
  return out;
}

std::vector<uint8_t> BytesOf(const std::string& text) {
  return std::vector<uint8_t>(text.begin(), text.end());
}

bool WriteBytes(const std::string& fileName, const std::vector<uint8_t>& bytes) {
  try {
    TFileStream file(fileName, fmCreate);
    if (!bytes.empty()) file.WriteBuffer(bytes.data(), static_cast<int>(bytes.size()));
    return true;
  } catch (const Exception&) {
    return false;
  }
}

}  // namespace brsm::kit
