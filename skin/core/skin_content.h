// Everything a loaded skin consists of, and the loaders that build it from a
// skin description. The skin manager owns one; image items point back to it
// for the master bitmap.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/graphics/pixel_buffer.h"
#include "skin/core/skin_data.h"

class TMemIniFile;
class TStrings;
class TvxSkinConvertor;
class TsStoredSkin;

// What one load reads from: a description (with the archive it came from, for
// packed skins) or a stored skin's collections; CommonSections is applied
// after the skin's own keys.
struct TsSkinSource {
  const TMemIniFile* Ini = nullptr;            // null: load Stored instead
  const TvxSkinConvertor* Packed = nullptr;    // images come from its members
  const TsStoredSkin* Stored = nullptr;
  const TStrings* CommonSections = nullptr;
};

// What the images of one skin may take once decoded (each of the image and
// pattern loaders); pictures beyond it are skipped like missing files, so a
// hostile skin cannot exhaust a 32-bit process.
constexpr int64_t MaxDecodedSkinBytes = 128ll * 1024 * 1024;

class TsSkinContent {
 public:
  TsSkinContent() = default;
  virtual ~TsSkinContent() = default;
  TsSkinContent(const TsSkinContent&) = delete;
  TsSkinContent& operator=(const TsSkinContent&) = delete;

  TsSkinData SkinData;
  TsMaskArray MaskItems;
  TsPatternArray PatternItems;
  TsGeneralDataArray SectionItems;
  // 24-bit, key colour 0xFF00FF; empty (never null) once images are loaded.
  std::shared_ptr<TPixelBuffer> MasterBitmap;
  bool LoadedFromPacked = false;

  // The three loaders, in the order a load runs them. Each first frees what
  // it builds. SkinData.SkinPath must be set for folder skins.
  void LoadSkinImages(const TsSkinSource& source);
  void LoadSkinPatterns(const TsSkinSource& source);
  void LoadSkinGeneralData(const TsSkinSource& source);

  void FreeImageItems();
  void FreePatterns();
  // Drops everything of the loaded skin.
  void Clear();

  // Whole loads; false (and nothing loaded) when no description is found.
  // skinPath: the folder relative image names are taken from, with its
  // trailing separator.
  bool LoadFromArchiveFile(const std::string& archiveFile, const std::string& skinPath,
                           const TStrings* commonSections);
  bool LoadFromFolder(const std::string& skinPath, const TStrings* commonSections);
  // A stored skin: its Data archive when not empty, else its collections.
  bool LoadFromStoredSkin(const TsStoredSkin& stored, const TStrings* commonSections);
  // An unpacked archive; false when it holds no description.
  bool LoadFromReader(const TvxSkinConvertor& reader, const TStrings* commonSections);

 private:
  void LoadAll(const TsSkinSource& source);
  void LoadCommonImages(const TStrings& commonSections);
  void LoadCommonPatterns(const TStrings& commonSections);
  void LoadCommonGeneralData(const TStrings& commonSections);
  void LoadStoredImages(const TsStoredSkin& stored);
  void LoadStoredPatterns(const TsStoredSkin& stored);
  void LoadStoredGeneralData(const TsStoredSkin& stored);

  int64_t decodeBudget_ = MaxDecodedSkinBytes;
};
