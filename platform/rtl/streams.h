// Byte streams: the abstract stream, memory, file and string streams.
#pragma once

#include <cstdint>
#include <string>

#include "platform/rtl/classes.h"

enum TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream : public TObject {
 public:
  // Transfer up to count bytes; answer how many were transferred.
  virtual int Read(void* buffer, int count) = 0;
  virtual int Write(const void* buffer, int count) = 0;
  // Answers the new position. A position before 0 is refused (EStreamError);
  // one past the end is allowed where the stream type allows it.
  virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;

  int64_t Position() { return Seek(0, soCurrent); }
  void SetPosition(int64_t position) { Seek(position, soBeginning); }
  virtual int64_t Size();
  virtual void SetSize(int64_t size);  // EStreamError unless the stream can

  // Transfer exactly count bytes or raise EReadError "Stream read error" /
  // EWriteError "Stream write error".
  void ReadBuffer(void* buffer, int count);
  void WriteBuffer(const void* buffer, int count);

  // Copies count bytes from source's current position (0 copies nothing);
  // raises EReadError when source runs out first. Answers count.
  int64_t CopyFrom(TStream* source, int64_t count);
};

// A stream over one block of memory that it does not grow.
class TCustomMemoryStream : public TStream {
 public:
  int Read(void* buffer, int count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  int64_t Size() override { return size_; }
  void* Memory() const { return memory_; }

  void SaveToStream(TStream* stream);
  void SaveToFile(const std::string& fileName);  // EFCreateError when it cannot

 protected:
  void SetPointer(void* memory, int64_t size);

  void* memory_ = nullptr;
  int64_t size_ = 0;
  int64_t position_ = 0;
};

// A growable in-memory stream. Allocation failures raise EOutOfMemory.
class TMemoryStream : public TCustomMemoryStream {
 public:
  TMemoryStream() = default;
  ~TMemoryStream() override;

  int Write(const void* buffer, int count) override;
  void SetSize(int64_t size) override;  // new bytes are zero; position kept within
  void Clear();                          // empty, position 0

  // Replace the contents by the whole stream / file, position 0.
  void LoadFromStream(TStream* stream);
  void LoadFromFile(const std::string& fileName);  // EFOpenError when it cannot

 private:
  void SetCapacity(int64_t capacity);
  int64_t capacity_ = 0;
};

// fmCreate creates or truncates; the others open an existing file. Share
// modes may be or-ed in; they are passed to the system on Windows.
enum : uint16_t {
  fmOpenRead = 0x0000,
  fmOpenWrite = 0x0001,
  fmOpenReadWrite = 0x0002,
  fmShareCompat = 0x0000,
  fmShareExclusive = 0x0010,
  fmShareDenyWrite = 0x0020,
  fmShareDenyRead = 0x0030,
  fmShareDenyNone = 0x0040,
  fmCreate = 0xFF00,
};

namespace brsm { struct FileHandle; }

class TFileStream : public TStream {
 public:
  // Raises EFCreateError "Cannot create file "<name>". <reason>" or
  // EFOpenError "Cannot open file "<name>". <reason>".
  TFileStream(const std::string& fileName, uint16_t mode);
  ~TFileStream() override;

  int Read(void* buffer, int count) override;
  int Write(const void* buffer, int count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  void SetSize(int64_t size) override;
  const std::string& FileName() const { return fileName_; }

 private:
  std::string fileName_;
  brsm::FileHandle* handle_ = nullptr;
};

// A stream over a string of bytes.
class TStringStream : public TStream {
 public:
  explicit TStringStream(std::string data = std::string()) : data_(std::move(data)) {}

  int Read(void* buffer, int count) override;
  int Write(const void* buffer, int count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  void SetSize(int64_t size) override;

  const std::string& DataString() const { return data_; }
  std::string ReadString(int count);  // up to count bytes from the position
  void WriteString(const std::string& s);

 private:
  std::string data_;
  int64_t position_ = 0;
};
