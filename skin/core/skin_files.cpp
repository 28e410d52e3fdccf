#include "skin/core/skin_files.h"

#include "platform/rtl/files.h"
#include "platform/rtl/streams.h"
#include "platform/rtl/sysutils.h"
#include "platform/rtl/text1251.h"

std::string SkinFileName(const std::string& skinPath, const std::string& name) {
  if (name.find(':') != std::string::npos) return name;
  return skinPath + name;
}

std::string FindSkinFile(const std::string& fileName) {
  if (fileName.empty()) return std::string();
  if (FileExists(fileName)) return fileName;
#ifdef _WIN32
  return std::string();
#else
  const std::string folder = ExtractFilePath(fileName);
  const std::string wanted = ExtractFileName(fileName);
  if (wanted.empty() || !DirectoryExists(folder.empty() ? "." : folder)) return std::string();
  std::string found;
  TSearchRec rec;
  if (FindFirst(folder + "*", faAnyFile & ~faDirectory, rec) == 0) {
    do {
      if ((rec.Attr & faDirectory) == 0 && AnsiSameText(rec.Name, wanted)) {
        found = folder + rec.Name;
        break;
      }
    } while (FindNext(rec) == 0);
    FindClose(rec);
  }
  return found;
#endif
}

bool ReadSkinFile(const std::string& fileName, std::vector<uint8_t>& bytes) {
  const int64_t size = FileSizeOf(fileName);
  if (size < 0 || size > MaxSkinFileSize) return false;
  try {
    TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
    std::vector<uint8_t> data(static_cast<size_t>(size));
    if (size > 0 && file.Read(data.data(), static_cast<int>(size)) != size) return false;
    bytes = std::move(data);
    return true;
  } catch (const Exception&) {
    return false;
  }
}
