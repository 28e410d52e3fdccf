// File and path functions over 1251 file names.
//
// Both '\' and '/' are accepted as separators on every build; PathDelim is
// the one that names are built with ('\' on Windows, '/' natively). Natively
// a name is converted to UTF-8 and its '\' separators are read as '/', so
// code that joins paths with "\" (as the skin code does) works unchanged.
#pragma once

#include "platform/rtl/win_macro_guard.h"

#include <cstdint>
#include <memory>
#include <string>

#ifdef _WIN32
inline constexpr char PathDelim = '\\';
#else
inline constexpr char PathDelim = '/';
#endif
inline constexpr char DriveDelim = ':';

namespace brsm {
bool IsPathSeparator(char c);  // '\' or '/'

// The file name as the native file API wants it (UTF-8, '/' separators);
// natively only.
std::string NativeFileName(const std::string& fileName);

// Full name of the running program, e.g. "C:\Tools\BRSM.exe". Tests may set
// it (an empty text restores the real one).
std::string ExecutableFileName();
void SetExecutableFileName(const std::string& fileName);
}  // namespace brsm

bool FileExists(const std::string& fileName);       // an existing file, not a folder
bool DirectoryExists(const std::string& dirName);
bool CreateDir(const std::string& dirName);
bool RemoveDir(const std::string& dirName);          // empty folders only
bool ForceDirectories(const std::string& dirName);   // creates every missing level
bool DeleteFile(const std::string& fileName);
bool RenameFile(const std::string& oldName, const std::string& newName);  // fails if newName exists
// Moves tempName over targetName in one step, replacing targetName when it
// exists; on failure both files stay as they were.
bool ReplaceFile(const std::string& tempName, const std::string& targetName);
int64_t FileSizeOf(const std::string& fileName);    // -1 when it cannot be read
std::string GetCurrentDir();
// Absolute, with "." and ".." segments resolved.
std::string ExpandFileName(const std::string& fileName);

// "C:\A\b.txt": path "C:\A\", dir "C:\A", name "b.txt", ext ".txt".
// The extension starts at the last '.' after the last separator.
std::string ExtractFilePath(const std::string& fileName);
std::string ExtractFileDir(const std::string& fileName);
std::string ExtractFileName(const std::string& fileName);
std::string ExtractFileExt(const std::string& fileName);
std::string ChangeFileExt(const std::string& fileName, const std::string& extension);
std::string IncludeTrailingPathDelimiter(const std::string& path);  // adds PathDelim
std::string ExcludeTrailingPathDelimiter(const std::string& path);

// Folder listing. Attr bits:
enum : int {
  faReadOnly = 0x01,
  faHidden = 0x02,
  faSysFile = 0x04,
  faVolumeID = 0x08,
  faDirectory = 0x10,
  faArchive = 0x20,
  faAnyFile = 0x3F,
};

namespace brsm { struct FindState; }

struct TSearchRec {
  std::string Name;  // the entry's own name, no path
  int Attr = 0;
  int64_t Size = 0;
  std::shared_ptr<brsm::FindState> State;  // owned by FindFirst/FindClose
};

// FindFirst("dir\*.*", faAnyFile, rec): 0 when an entry was found, else a
// non-zero error code. The mask's wildcards '*' and '?' match without regard
// to case and "*.*" matches every name. Entries that are hidden, system or
// folders are returned only when `attr` asks for them. "." and ".." are
// listed as the system lists them. Call FindClose after a successful
// FindFirst.
int FindFirst(const std::string& path, int attr, TSearchRec& rec);
int FindNext(TSearchRec& rec);
void FindClose(TSearchRec& rec);
