// Reader of packed skin archives: "VLzf", a member count, then members back
// to back, each a name, its size and one zlib stream. Everything is inflated
// into memory at once. Only the test kit writes such files.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/rtl/classes.h"
#include "platform/rtl/streams.h"

struct TvxImageItem {
  std::string Name;      // as stored
  bool IsBitmap = false; // extension, upper-cased, is ".BMP"
  std::unique_ptr<TMemoryStream> Data;
};
using TvxImageItems = std::vector<TvxImageItem>;

// Limits that no real skin comes near; an archive beyond them is refused.
constexpr int64_t MaxPackedFileSize = 256ll * 1024 * 1024;
constexpr int64_t MaxPackedMemberSize = 256ll * 1024 * 1024;
constexpr int64_t MaxPackedTotalSize = 256ll * 1024 * 1024;

class TvxSkinConvertor : public TPersistent {
 public:
  TvxSkinConvertor() = default;
  ~TvxSkinConvertor() override;

  // Index of the last image item (-1 when none).
  int LastItemIndex = -1;
  TvxImageItems ImageItems;
  std::unique_ptr<TMemoryStream> Options;  // the skin description, or null

  // The archive being read; not owned unless set by SetOwnedSource, so a
  // stored skin's stream survives a rejected archive.
  TCustomMemoryStream* PackedData = nullptr;
  void SetOwnedSource(std::unique_ptr<TMemoryStream> source);
  void FreeSource();

  // Reads PackedData from its start. A wrong magic or a damaged archive
  // shows "Loaded data is not packed Vellum file", leaves the reader empty
  // and answers false; nothing is raised.
  bool Unpack();
  // Frees the items, the description and an owned source.
  void Clear();

  // The first image member named `name`, compared without case (1251);
  // null when there is none. Items added by hand are found after
  // IndexNames().
  const TvxImageItem* FindImage(const std::string& name) const;
  void IndexNames();

 private:
  void ReadMembers();
  std::unique_ptr<TMemoryStream> ownedSource_;
  // Upper-cased member name to the first item of that name.
  std::unordered_map<std::string, size_t> byName_;
};

// Nothing when the file does not exist (reader untouched). Otherwise clears
// or creates the reader, reads the whole file as its source and unpacks it;
// with freeSource the source is dropped afterwards. A file beyond
// MaxPackedFileSize or one that cannot be read is treated as damaged.
void LoadPackedSkinFile(const std::string& fileName, std::unique_ptr<TvxSkinConvertor>& reader,
                        bool freeSource);
