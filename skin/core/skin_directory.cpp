#include "skin/core/skin_directory.h"

#include "skin/core/skin_utils.h"  // ProgramFolder

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// "x" followed by a separator or nothing, as the first segment.
bool StartsWithSegment(const std::string& text, const std::string& segment) {
  if (text.compare(0, segment.size(), segment) != 0) return false;
  return text.size() == segment.size() || IsSeparator(text[segment.size()]);
}

// After the segment and its separator.
std::string RestAfter(const std::string& text, size_t segmentLength) {
  return text.size() > segmentLength ? text.substr(segmentLength + 1) : std::string();
}

std::string WithSeparator(const std::string& folder) {
  if (folder.empty() || IsSeparator(folder.back())) return folder;
  return folder + "\\";
}

// The folder one level up, with its separator. A root ("C:\", "/") has no
// parent and answers itself rather than an empty text.
std::string ParentFolder(const std::string& folder) {
  std::string text = WithSeparator(folder);
  if (text.size() < 2) return text;
  size_t cut = text.size() - 1;  // the final separator
  while (cut > 0 && !IsSeparator(text[cut - 1])) --cut;
  if (cut == 0) return text;
  return text.substr(0, cut);
}

}  // namespace

std::string ResolveSkinDirectory(const std::string& directory, const std::string& programFolder) {
  const std::string program = WithSeparator(programFolder);
  if (StartsWithSegment(directory, ".."))
    return ParentFolder(program) + RestAfter(directory, 2);
  if (StartsWithSegment(directory, ".")) return program + RestAfter(directory, 1);
  if (directory.find(':') != std::string::npos) return directory;
  if (!directory.empty() && IsSeparator(directory[0])) return directory;
  return program + directory;
}

std::string ResolveSkinDirectory(const std::string& directory) {
  return ResolveSkinDirectory(directory, ProgramFolder());
}

std::string JoinSkinPath(const std::string& folder, const std::string& name) {
  return WithSeparator(folder) + name;
}
