// Packed skin archives as the kit writes them: "VLzf", a member count, then
// per member its name length, name, size and one zlib stream. The builder
// can also lie (count, sizes, magic, raw streams) so tests can feed the
// reader damaged archives.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace brsm::kit {

struct ArchiveMember {
  std::string Name;
  std::vector<uint8_t> Data;
  std::optional<int32_t> DeclaredSize;        // written instead of Data.size()
  std::optional<int32_t> DeclaredNameLength;  // written instead of Name.size()
  std::optional<std::vector<uint8_t>> Stream; // written instead of deflating Data
};

struct ArchiveLayout {
  std::string Magic = "VLzf";
  std::optional<int32_t> DeclaredCount;  // written instead of the member count
};

std::vector<uint8_t> ZlibCompress(const std::vector<uint8_t>& data, int level = 9);
std::vector<uint8_t> BuildArchive(const std::vector<ArchiveMember>& members,
                                  const ArchiveLayout& layout = ArchiveLayout());

std::vector<uint8_t> BytesOf(const std::string& text);
bool WriteBytes(const std::string& fileName, const std::vector<uint8_t>& bytes);

}  // namespace brsm::kit
