#include "platform/rtl/files.h"

#include <mutex>
#include <vector>

#include "platform/rtl/text1251.h"

#ifdef _WIN32
#include <windows.h>
#include "platform/rtl/win_macro_guard.h"
#else
#include <dirent.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#endif

namespace {

// Windows' error numbers, used by FindFirst/FindNext on both builds.
constexpr int kFileNotFound = 2;
constexpr int kPathNotFound = 3;
constexpr int kNoMoreFiles = 18;

size_t LastDelimiter(const std::string& s, bool withDot) {
  for (size_t i = s.size(); i > 0; --i) {
    const char c = s[i - 1];
    if (brsm::IsPathSeparator(c) || c == DriveDelim || (withDot && c == '.')) return i;  // 1-based
  }
  return 0;
}

std::mutex& ExeNameMutex() {
  static std::mutex m;
  return m;
}
std::string& ExeNameOverride() {
  static std::string name;
  return name;
}

bool Accepted(int entryAttr, int wanted) {
  const int excluded = ~wanted & (faHidden | faSysFile | faVolumeID | faDirectory);
  return (entryAttr & excluded) == 0;
}

#ifdef _WIN32
std::wstring W(const std::string& s) { return brsm::ToUtf16(s); }
#endif

}  // namespace

namespace brsm {

bool IsPathSeparator(char c) { return c == '\\' || c == '/'; }

std::string NativeFileName(const std::string& fileName) {
  std::string s = ToUtf8(fileName);
  for (char& c : s)
    if (c == '\\') c = '/';
  return s;
}

std::string ExecutableFileName() {
  {
    std::lock_guard<std::mutex> lock(ExeNameMutex());
    if (!ExeNameOverride().empty()) return ExeNameOverride();
  }
#ifdef _WIN32
  std::vector<wchar_t> buf(MAX_PATH);
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
    if (n == 0) return std::string();
    if (n < buf.size()) return FromUtf16(buf.data(), static_cast<int>(n));
    buf.resize(buf.size() * 2);
  }
#else
  char buf[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", buf, sizeof buf);
  if (n <= 0) return std::string();
  return FromUtf8(std::string(buf, static_cast<size_t>(n)));
#endif
}

void SetExecutableFileName(const std::string& fileName) {
  std::lock_guard<std::mutex> lock(ExeNameMutex());
  ExeNameOverride() = fileName;
}

struct FindState {
  int attr = 0;
#ifdef _WIN32
  HANDLE handle = INVALID_HANDLE_VALUE;
  ~FindState() {
    if (handle != INVALID_HANDLE_VALUE) ::FindClose(handle);
  }
#else
  DIR* dir = nullptr;
  std::string folder;  // native, with a trailing '/'
  std::string mask;
  ~FindState() {
    if (dir) closedir(dir);
  }
#endif
};

}  // namespace brsm

#ifdef _WIN32

namespace {
DWORD Attributes(const std::string& name) { return GetFileAttributesW(W(name).c_str()); }

void FillRec(const WIN32_FIND_DATAW& fd, TSearchRec& rec) {
  rec.Name = brsm::FromUtf16(fd.cFileName);
  rec.Attr = static_cast<int>(fd.dwFileAttributes) & faAnyFile;
  rec.Size = (static_cast<int64_t>(fd.nFileSizeHigh) << 32) | fd.nFileSizeLow;
}

int NextAccepted(brsm::FindState& st, WIN32_FIND_DATAW& fd, bool first) {
  for (bool have = first;; have = false) {
    if (!have && !FindNextFileW(st.handle, &fd)) {
      const DWORD e = GetLastError();
      return e == ERROR_NO_MORE_FILES ? kNoMoreFiles : static_cast<int>(e);
    }
    if (Accepted(static_cast<int>(fd.dwFileAttributes), st.attr)) return 0;
  }
}
}  // namespace

bool FileExists(const std::string& fileName) {
  const DWORD a = Attributes(fileName);
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}
bool DirectoryExists(const std::string& dirName) {
  const DWORD a = Attributes(dirName);
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}
bool CreateDir(const std::string& dirName) { return CreateDirectoryW(W(dirName).c_str(), nullptr) != 0; }
bool RemoveDir(const std::string& dirName) { return RemoveDirectoryW(W(dirName).c_str()) != 0; }
bool DeleteFile(const std::string& fileName) { return DeleteFileW(W(fileName).c_str()) != 0; }
bool RenameFile(const std::string& oldName, const std::string& newName) {
  return MoveFileW(W(oldName).c_str(), W(newName).c_str()) != 0;
}
bool ReplaceFile(const std::string& tempName, const std::string& targetName) {
  return MoveFileExW(W(tempName).c_str(), W(targetName).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
int64_t FileSizeOf(const std::string& fileName) {
  WIN32_FILE_ATTRIBUTE_DATA d;
  if (!GetFileAttributesExW(W(fileName).c_str(), GetFileExInfoStandard, &d)) return -1;
  if (d.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return -1;
  return (static_cast<int64_t>(d.nFileSizeHigh) << 32) | d.nFileSizeLow;
}
std::string GetCurrentDir() {
  const DWORD n = GetCurrentDirectoryW(0, nullptr);
  if (n == 0) return std::string();
  std::vector<wchar_t> buf(n);
  const DWORD got = GetCurrentDirectoryW(n, buf.data());
  return brsm::FromUtf16(buf.data(), static_cast<int>(got));
}
std::string ExpandFileName(const std::string& fileName) {
  const std::wstring w = W(fileName);
  const DWORD n = GetFullPathNameW(w.c_str(), 0, nullptr, nullptr);
  if (n == 0) return fileName;
  std::vector<wchar_t> buf(n);
  const DWORD got = GetFullPathNameW(w.c_str(), n, buf.data(), nullptr);
  return brsm::FromUtf16(buf.data(), static_cast<int>(got));
}

int FindFirst(const std::string& path, int attr, TSearchRec& rec) {
  rec.State.reset();
  auto st = std::make_shared<brsm::FindState>();
  st->attr = attr;
  WIN32_FIND_DATAW fd;
  st->handle = FindFirstFileW(W(path).c_str(), &fd);
  if (st->handle == INVALID_HANDLE_VALUE) {
    const DWORD e = GetLastError();
    return e == 0 ? kFileNotFound : static_cast<int>(e);
  }
  const int r = NextAccepted(*st, fd, true);
  if (r == 0) {
    FillRec(fd, rec);
    rec.State = st;
  }
  return r;
}

int FindNext(TSearchRec& rec) {
  if (!rec.State) return kNoMoreFiles;
  WIN32_FIND_DATAW fd;
  const int r = NextAccepted(*rec.State, fd, false);
  if (r == 0) FillRec(fd, rec);
  return r;
}

#else  // native

namespace {
// Masks as the system's folder search reads them: '*' any run, '?' one
// character, case ignored; "*.*" matches names without a dot too.
bool MatchMask(const std::string& name, const std::string& mask) {
  if (mask == "*.*" || mask == "*") return true;
  const std::string n = AnsiUpperCase(name), m = AnsiUpperCase(mask);
  size_t ni = 0, mi = 0, starM = std::string::npos, starN = 0;
  while (ni < n.size()) {
    if (mi < m.size() && (m[mi] == '?' || m[mi] == n[ni])) {
      ++ni;
      ++mi;
    } else if (mi < m.size() && m[mi] == '*') {
      starM = mi++;
      starN = ni;
    } else if (starM != std::string::npos) {
      mi = starM + 1;
      ni = ++starN;
    } else {
      return false;
    }
  }
  while (mi < m.size() && m[mi] == '*') ++mi;
  // A trailing ".*" also matches a name without extension.
  if (mi + 2 == m.size() && m[mi] == '.' && m[mi + 1] == '*') return true;
  return mi == m.size();
}

bool Stat(const std::string& name, struct stat& st) {
  return ::stat(brsm::NativeFileName(name).c_str(), &st) == 0;
}

// Reads entries until one passes the mask and the attribute filter.
int NextAccepted(brsm::FindState& st, TSearchRec& rec) {
  while (dirent* e = readdir(st.dir)) {
    const std::string name = brsm::FromUtf8(e->d_name);
    if (!MatchMask(name, st.mask)) continue;
    struct stat s;
    if (::stat((st.folder + e->d_name).c_str(), &s) != 0) continue;
    int a = 0;
    if (S_ISDIR(s.st_mode)) a |= faDirectory;
    if (access((st.folder + e->d_name).c_str(), W_OK) != 0) a |= faReadOnly;
    if (!Accepted(a, st.attr)) continue;
    rec.Name = name;
    rec.Attr = a;
    rec.Size = S_ISDIR(s.st_mode) ? 0 : static_cast<int64_t>(s.st_size);
    return 0;
  }
  return kNoMoreFiles;
}
}  // namespace

bool FileExists(const std::string& fileName) {
  struct stat st;
  return Stat(fileName, st) && !S_ISDIR(st.st_mode);
}
bool DirectoryExists(const std::string& dirName) {
  struct stat st;
  return Stat(dirName, st) && S_ISDIR(st.st_mode);
}
bool CreateDir(const std::string& dirName) {
  return ::mkdir(brsm::NativeFileName(dirName).c_str(), 0777) == 0;
}
bool RemoveDir(const std::string& dirName) {
  return ::rmdir(brsm::NativeFileName(dirName).c_str()) == 0;
}
bool DeleteFile(const std::string& fileName) {
  if (!FileExists(fileName)) return false;
  return ::unlink(brsm::NativeFileName(fileName).c_str()) == 0;
}
bool RenameFile(const std::string& oldName, const std::string& newName) {
  struct stat st;
  if (Stat(newName, st)) return false;  // as on Windows, never over an existing name
  return ::rename(brsm::NativeFileName(oldName).c_str(), brsm::NativeFileName(newName).c_str()) == 0;
}
bool ReplaceFile(const std::string& tempName, const std::string& targetName) {
  if (!FileExists(tempName) || DirectoryExists(targetName)) return false;
  return ::rename(brsm::NativeFileName(tempName).c_str(), brsm::NativeFileName(targetName).c_str()) == 0;
}
int64_t FileSizeOf(const std::string& fileName) {
  struct stat st;
  if (!Stat(fileName, st) || S_ISDIR(st.st_mode)) return -1;
  return static_cast<int64_t>(st.st_size);
}
std::string GetCurrentDir() {
  char buf[PATH_MAX];
  if (!getcwd(buf, sizeof buf)) return std::string();
  return brsm::FromUtf8(buf);
}
std::string ExpandFileName(const std::string& fileName) {
  std::string s = fileName;
  for (char& c : s)
    if (c == '\\') c = '/';
  if (s.empty() || s[0] != '/') s = GetCurrentDir() + "/" + s;
  std::vector<std::string> parts;
  size_t i = 0;
  while (i <= s.size()) {
    size_t j = s.find('/', i);
    if (j == std::string::npos) j = s.size();
    const std::string part = s.substr(i, j - i);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    i = j + 1;
  }
  std::string out;
  for (const auto& p : parts) out += "/" + p;
  if (out.empty()) out = "/";
  if (s.size() > 1 && s.back() == '/' && out != "/") out += '/';
  return out;
}

int FindFirst(const std::string& path, int attr, TSearchRec& rec) {
  rec.State.reset();
  auto st = std::make_shared<brsm::FindState>();
  st->attr = attr;
  std::string folder = ExtractFilePath(path);
  st->mask = ExtractFileName(path);
  st->folder = folder.empty() ? std::string("./") : brsm::NativeFileName(folder);
  if (st->folder.back() != '/') st->folder += '/';
  st->dir = opendir(st->folder.c_str());
  if (!st->dir) return errno == ENOENT || errno == ENOTDIR ? kPathNotFound : kFileNotFound;
  if (st->mask.empty()) return kFileNotFound;
  const int r = NextAccepted(*st, rec);
  if (r != 0) return kFileNotFound;
  rec.State = st;
  return 0;
}

int FindNext(TSearchRec& rec) {
  if (!rec.State) return kNoMoreFiles;
  return NextAccepted(*rec.State, rec);
}

#endif

void FindClose(TSearchRec& rec) { rec.State.reset(); }

bool ForceDirectories(const std::string& dirName) {
  const std::string dir = ExcludeTrailingPathDelimiter(dirName);
  if (dir.empty()) return false;
  if (DirectoryExists(dir)) return true;
  const std::string parent = ExtractFileDir(dir);
  // Stop at a root or drive ("C:", "/") that cannot be created.
  if (!parent.empty() && parent != dir && !DirectoryExists(parent) && !ForceDirectories(parent))
    return false;
  return CreateDir(dir) || DirectoryExists(dir);
}

std::string ExtractFilePath(const std::string& fileName) {
  return fileName.substr(0, LastDelimiter(fileName, false));
}

std::string ExtractFileDir(const std::string& fileName) {
  size_t i = LastDelimiter(fileName, false);
  // Keep the separator of a root ("C:\", "\") but drop any other.
  if (i > 1 && brsm::IsPathSeparator(fileName[i - 1]) &&
      !(brsm::IsPathSeparator(fileName[i - 2]) || fileName[i - 2] == DriveDelim))
    --i;
  return fileName.substr(0, i);
}

std::string ExtractFileName(const std::string& fileName) {
  return fileName.substr(LastDelimiter(fileName, false));
}

std::string ExtractFileExt(const std::string& fileName) {
  const size_t i = LastDelimiter(fileName, true);
  if (i > 0 && fileName[i - 1] == '.') return fileName.substr(i - 1);
  return std::string();
}

std::string ChangeFileExt(const std::string& fileName, const std::string& extension) {
  const size_t i = LastDelimiter(fileName, true);
  if (i > 0 && fileName[i - 1] == '.') return fileName.substr(0, i - 1) + extension;
  return fileName + extension;
}

std::string IncludeTrailingPathDelimiter(const std::string& path) {
  if (!path.empty() && brsm::IsPathSeparator(path.back())) return path;
  return path + PathDelim;
}

std::string ExcludeTrailingPathDelimiter(const std::string& path) {
  if (!path.empty() && brsm::IsPathSeparator(path.back())) return path.substr(0, path.size() - 1);
  return path;
}
