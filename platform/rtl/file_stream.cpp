#include <cstring>
#include <limits>

#include "platform/rtl/files.h"
#include "platform/rtl/streams.h"
#include "platform/rtl/sysutils.h"
#include "platform/rtl/text1251.h"

#ifdef _WIN32
#include <windows.h>
#include "platform/rtl/win_macro_guard.h"
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace brsm {

#ifdef _WIN32

struct FileHandle {
  HANDLE h = INVALID_HANDLE_VALUE;
};

namespace {

std::string SystemMessage(DWORD code) {
  wchar_t* text = nullptr;
  const DWORD n = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::string s = n ? FromUtf16(text, static_cast<int>(n)) : "System error " + IntToStr(code);
  if (text) LocalFree(text);
  return TrimRight(s);
}

DWORD ShareFlags(uint16_t mode) {
  switch (mode & 0xF0) {
    case fmShareExclusive: return 0;
    case fmShareDenyWrite: return FILE_SHARE_READ;
    case fmShareDenyRead: return FILE_SHARE_WRITE;
    case fmShareDenyNone: return FILE_SHARE_READ | FILE_SHARE_WRITE;
    default: return FILE_SHARE_READ | FILE_SHARE_WRITE;  // compatibility mode
  }
}

}  // namespace

static FileHandle* OpenFileHandle(const std::string& name, uint16_t mode, std::string& error) {
  const bool create = (mode & fmCreate) == fmCreate;
  DWORD access = GENERIC_READ;
  DWORD share = ShareFlags(mode);
  DWORD disposition = OPEN_EXISTING;
  if (create) {
    access = GENERIC_READ | GENERIC_WRITE;
    // fmCreate carries no share bits of its own: writers exclude other writers.
    share = FILE_SHARE_READ;
    disposition = CREATE_ALWAYS;
  } else if ((mode & 3) == fmOpenWrite) {
    access = GENERIC_WRITE;
  } else if ((mode & 3) == fmOpenReadWrite) {
    access = GENERIC_READ | GENERIC_WRITE;
  }
  HANDLE h = CreateFileW(ToUtf16(name).c_str(), access, share, nullptr, disposition,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    error = SystemMessage(GetLastError());
    return nullptr;
  }
  return new FileHandle{h};
}

static void CloseFileHandle(FileHandle* f) {
  if (f) {
    CloseHandle(f->h);
    delete f;
  }
}

static int ReadHandle(FileHandle* f, void* buffer, int count) {
  DWORD got = 0;
  if (!ReadFile(f->h, buffer, static_cast<DWORD>(count), &got, nullptr)) return 0;
  return static_cast<int>(got);
}

static int WriteHandle(FileHandle* f, const void* buffer, int count) {
  DWORD put = 0;
  if (!WriteFile(f->h, buffer, static_cast<DWORD>(count), &put, nullptr)) return 0;
  return static_cast<int>(put);
}

static int64_t SeekHandle(FileHandle* f, int64_t offset, TSeekOrigin origin) {
  LARGE_INTEGER dist, result;
  dist.QuadPart = offset;
  const DWORD how = origin == soBeginning ? FILE_BEGIN : origin == soCurrent ? FILE_CURRENT : FILE_END;
  if (!SetFilePointerEx(f->h, dist, &result, how)) return -1;
  return result.QuadPart;
}

static bool TruncateHandle(FileHandle* f) { return SetEndOfFile(f->h) != 0; }

#else  // native

struct FileHandle {
  int fd = -1;
};

static FileHandle* OpenFileHandle(const std::string& name, uint16_t mode, std::string& error) {
  int flags;
  if ((mode & fmCreate) == fmCreate) flags = O_RDWR | O_CREAT | O_TRUNC;
  else if ((mode & 3) == fmOpenWrite) flags = O_WRONLY;
  else if ((mode & 3) == fmOpenReadWrite) flags = O_RDWR;
  else flags = O_RDONLY;
  const std::string native = NativeFileName(name);
  struct stat st;
  if (::stat(native.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
    error = "Is a directory";
    return nullptr;
  }
  const int fd = ::open(native.c_str(), flags | O_CLOEXEC, 0666);
  if (fd < 0) {
    error = std::strerror(errno);
    return nullptr;
  }
  return new FileHandle{fd};
}

static void CloseFileHandle(FileHandle* f) {
  if (f) {
    ::close(f->fd);
    delete f;
  }
}

static int ReadHandle(FileHandle* f, void* buffer, int count) {
  const ssize_t n = ::read(f->fd, buffer, static_cast<size_t>(count));
  return n < 0 ? 0 : static_cast<int>(n);
}

static int WriteHandle(FileHandle* f, const void* buffer, int count) {
  const ssize_t n = ::write(f->fd, buffer, static_cast<size_t>(count));
  return n < 0 ? 0 : static_cast<int>(n);
}

static int64_t SeekHandle(FileHandle* f, int64_t offset, TSeekOrigin origin) {
  const int how = origin == soBeginning ? SEEK_SET : origin == soCurrent ? SEEK_CUR : SEEK_END;
  return static_cast<int64_t>(::lseek(f->fd, static_cast<off_t>(offset), how));
}

static bool TruncateHandle(FileHandle* f) {
  const off_t pos = ::lseek(f->fd, 0, SEEK_CUR);
  return pos >= 0 && ::ftruncate(f->fd, pos) == 0;
}

#endif

}  // namespace brsm

TFileStream::TFileStream(const std::string& fileName, uint16_t mode) : fileName_(fileName) {
  std::string error;
  handle_ = brsm::OpenFileHandle(fileName, mode, error);
  if (!handle_) {
    if ((mode & fmCreate) == fmCreate)
      throw EFCreateError("Cannot create file \"" + fileName + "\". " + error);
    throw EFOpenError("Cannot open file \"" + fileName + "\". " + error);
  }
}

TFileStream::~TFileStream() { brsm::CloseFileHandle(handle_); }

int TFileStream::Read(void* buffer, int count) {
  if (count <= 0) return 0;
  // The system may answer in parts; keep reading until count or the end.
  int done = 0;
  while (done < count) {
    const int n = brsm::ReadHandle(handle_, static_cast<char*>(buffer) + done, count - done);
    if (n <= 0) break;
    done += n;
  }
  return done;
}

int TFileStream::Write(const void* buffer, int count) {
  if (count <= 0) return 0;
  int done = 0;
  while (done < count) {
    const int n = brsm::WriteHandle(handle_, static_cast<const char*>(buffer) + done, count - done);
    if (n <= 0) break;
    done += n;
  }
  return done;
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin) {
  const int64_t r = brsm::SeekHandle(handle_, offset, origin);
  if (r < 0) throw EStreamError("Invalid stream position in \"" + fileName_ + "\"");
  return r;
}

void TFileStream::SetSize(int64_t size) {
  const int64_t pos = Position();
  Seek(size, soBeginning);
  if (!brsm::TruncateHandle(handle_)) throw EStreamError("Cannot set the size of \"" + fileName_ + "\"");
  if (pos < size) Seek(pos, soBeginning);
}
