#include "generator/script_file.h"

#include "platform/rtl/files.h"
#include "platform/rtl/streams.h"
#include "platform/rtl/strings.h"
#include "platform/rtl/sysutils.h"
#include "platform/rtl/text1251.h"

namespace brsm {
namespace {

const char kScriptExt[] = ".uc";

// A name beside fileName that nothing uses yet; fmCreate would truncate a
// file of the user's that happened to carry the name.
std::string FreeTempName(const std::string& fileName) {
  std::string name = fileName + ".tmp";
  for (int n = 1; FileExists(name) || DirectoryExists(name); ++n) {
    name = fileName + "." + IntToStr(n) + ".tmp";
  }
  return name;
}

[[noreturn]] void RaiseCreateError(const std::string& fileName, const std::string& reason) {
  std::string message = "Cannot create file \"" + fileName + "\".";
  if (!reason.empty()) message += " " + reason;
  throw EFCreateError(message);
}

// The reason part of a stream error about `tempName`, so the message can name
// the file the user chose instead of our temporary one.
std::string ReasonOf(const Exception& e, const std::string& tempName) {
  const std::string prefix = "Cannot create file \"" + tempName + "\". ";
  if (e.Message.compare(0, prefix.size(), prefix) == 0) return e.Message.substr(prefix.size());
  return e.Message;
}

}  // namespace

std::string ScriptFileName(const std::string& chosenName) {
  if (SameText(ExtractFileExt(chosenName), kScriptExt)) return chosenName;
  return chosenName + kScriptExt;
}

void SaveScriptFile(const TStrings& lines, const std::string& fileName) {
  const std::string tempName = FreeTempName(fileName);
  try {
    TFileStream stream(tempName, fmCreate);
    lines.SaveToStream(&stream);
  } catch (const Exception& e) {
    DeleteFile(tempName);
    RaiseCreateError(fileName, ReasonOf(e, tempName));
  } catch (...) {
    DeleteFile(tempName);
    throw;
  }
  if (!ReplaceFile(tempName, fileName)) {
    DeleteFile(tempName);
    RaiseCreateError(fileName, "");
  }
}

}  // namespace brsm
