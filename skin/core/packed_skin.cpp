#include "skin/core/packed_skin.h"

#include <cstring>

#include "platform/rtl/files.h"
#include "platform/rtl/sysutils.h"
#include "platform/rtl/text1251.h"
#include "platform/rtl/zstream.h"
#include "skin/core/skin_utils.h"

namespace {

const char kWrongData[] = "Loaded data is not packed Vellum file";

// Deflate cannot expand a byte into more than 1032 bytes; a size beyond
// that for what is left of the archive is a lie.
constexpr int64_t kMaxInflateRatio = 1032;
// Smallest member: name length, size, and an empty zlib stream (8 bytes).
constexpr int64_t kMinMemberBytes = 16;

class ERejectedArchive : public Exception {
 public:
  using Exception::Exception;
};

int32_t ReadInt32(TCustomMemoryStream& s) {
  uint8_t b[4];
  if (s.Read(b, 4) != 4) throw ERejectedArchive("truncated");
  return static_cast<int32_t>(static_cast<uint32_t>(b[0]) | (static_cast<uint32_t>(b[1]) << 8) |
                              (static_cast<uint32_t>(b[2]) << 16) |
                              (static_cast<uint32_t>(b[3]) << 24));
}

// Inflates one member to the end of its zlib stream; the first `size` bytes
// are kept. The source then stands right after the stream.
std::unique_ptr<TMemoryStream> InflateMember(TCustomMemoryStream& source, int32_t size) {
  auto out = std::make_unique<TMemoryStream>();
  out->SetSize(size);
  TDecompressionStream inflater(&source);
  auto* dest = static_cast<uint8_t*>(out->Memory());
  int got = 0;
  while (got < size) {
    const int n = inflater.Read(dest + got, size - got);
    if (n <= 0) break;
    got += n;
  }
  if (got < size) throw ERejectedArchive("member shorter than its size");
  // Whatever the stream holds beyond the size is read and dropped, so the
  // next member is found where this stream really ends.
  uint8_t spill[4096];
  int64_t extra = 0;
  for (;;) {
    const int n = inflater.Read(spill, sizeof spill);
    if (n <= 0) break;
    extra += n;
    if (extra > MaxPackedMemberSize) throw ERejectedArchive("member inflates too far");
  }
  if (!inflater.Finished()) throw ERejectedArchive("member stream cut short");
  out->SetPosition(size);
  return out;
}

bool IsBitmapName(const std::string& name) {
  return UpperCase(ExtractFileExt(name)) == ".BMP";
}

}  // namespace

TvxSkinConvertor::~TvxSkinConvertor() { Clear(); }

void TvxSkinConvertor::SetOwnedSource(std::unique_ptr<TMemoryStream> source) {
  ownedSource_ = std::move(source);
  PackedData = ownedSource_.get();
}

void TvxSkinConvertor::FreeSource() {
  ownedSource_.reset();
  PackedData = nullptr;
}

void TvxSkinConvertor::Clear() {
  byName_.clear();
  while (!ImageItems.empty()) ImageItems.pop_back();
  Options.reset();
  FreeSource();
  LastItemIndex = -1;
}

void TvxSkinConvertor::IndexNames() {
  byName_.clear();
  for (size_t i = 0; i < ImageItems.size(); ++i)
    byName_.emplace(AnsiUpperCase(ImageItems[i].Name), i);
}

const TvxImageItem* TvxSkinConvertor::FindImage(const std::string& name) const {
  const auto it = byName_.find(AnsiUpperCase(name));
  if (it == byName_.end() || it->second >= ImageItems.size()) return nullptr;
  return &ImageItems[it->second];
}

void TvxSkinConvertor::ReadMembers() {
  TCustomMemoryStream& src = *PackedData;
  const int64_t total = src.Size();
  src.SetPosition(0);
  char magic[4];
  if (src.Read(magic, 4) != 4 || std::memcmp(magic, "VLzf", 4) != 0)
    throw ERejectedArchive("magic");
  const int32_t count = ReadInt32(src);
  if (count < 0) throw ERejectedArchive("negative count");
  if (count > (total - src.Position()) / kMinMemberBytes) throw ERejectedArchive("count");
  int64_t inflatedTotal = 0;
  for (int32_t i = 0; i < count; ++i) {
    const int32_t nameLength = ReadInt32(src);
    if (nameLength < 0 || nameLength > total - src.Position()) throw ERejectedArchive("name");
    std::string name(static_cast<size_t>(nameLength), '\0');
    if (nameLength > 0 && src.Read(name.data(), nameLength) != nameLength)
      throw ERejectedArchive("name");
    const int32_t size = ReadInt32(src);
    const int64_t left = total - src.Position();
    if (size < 0 || size > MaxPackedMemberSize || size > left * kMaxInflateRatio)
      throw ERejectedArchive("size");
    inflatedTotal += size;
    if (inflatedTotal > MaxPackedTotalSize) throw ERejectedArchive("total size");
    std::unique_ptr<TMemoryStream> data = InflateMember(src, size);
    if (SameText(name, "Options.dat")) {
      Options = std::move(data);
    } else {
      TvxImageItem item;
      item.IsBitmap = IsBitmapName(name);
      item.Name = std::move(name);
      item.Data = std::move(data);
      ImageItems.push_back(std::move(item));
    }
  }
  LastItemIndex = static_cast<int>(ImageItems.size()) - 1;
  IndexNames();
}

bool TvxSkinConvertor::Unpack() {
  // Keep the source across the clearing of what an earlier unpack left.
  std::unique_ptr<TMemoryStream> keep = std::move(ownedSource_);
  TCustomMemoryStream* source = PackedData;
  Clear();
  ownedSource_ = std::move(keep);
  PackedData = source;
  if (!PackedData) return false;
  try {
    ReadMembers();
    return true;
  } catch (const Exception&) {
    // Damaged, truncated or lying archives are refused as a whole, like a
    // wrong magic; the source stays where its owner put it.
  } catch (const std::bad_alloc&) {
  }
  byName_.clear();
  while (!ImageItems.empty()) ImageItems.pop_back();
  Options.reset();
  LastItemIndex = -1;
  ShowWarningBox(kWrongData);
  return false;
}

void LoadPackedSkinFile(const std::string& fileName, std::unique_ptr<TvxSkinConvertor>& reader,
                        bool freeSource) {
  if (!FileExists(fileName)) return;
  if (reader) reader->Clear();
  else reader = std::make_unique<TvxSkinConvertor>();
  auto source = std::make_unique<TMemoryStream>();
  const int64_t size = FileSizeOf(fileName);
  bool readable = size >= 0 && size <= MaxPackedFileSize;
  if (readable) {
    try {
      source->LoadFromFile(fileName);
    } catch (const Exception&) {
      readable = false;
    }
  }
  if (!readable) {
    // Refused like a damaged archive: the reader stays empty.
    ShowWarningBox(kWrongData);
    return;
  }
  reader->SetOwnedSource(std::move(source));
  reader->Unpack();
  if (freeSource) reader->FreeSource();
}
