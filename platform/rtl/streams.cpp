#include "platform/rtl/streams.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <vector>

#include "platform/rtl/sysutils.h"

namespace {

constexpr int kCopyBlock = 64 * 1024;

int64_t NewPosition(int64_t offset, TSeekOrigin origin, int64_t current, int64_t size) {
  int64_t base = 0;
  if (origin == soCurrent) base = current;
  else if (origin == soEnd) base = size;
  if ((offset > 0 && base > std::numeric_limits<int64_t>::max() - offset) || base + offset < 0)
    throw EStreamError("Invalid stream position");
  return base + offset;
}

}  // namespace

// ---- TStream

int64_t TStream::Size() {
  const int64_t pos = Seek(0, soCurrent);
  const int64_t end = Seek(0, soEnd);
  Seek(pos, soBeginning);
  return end;
}

void TStream::SetSize(int64_t) { throw EStreamError("Stream size cannot be changed"); }

void TStream::ReadBuffer(void* buffer, int count) {
  if (count < 0) throw EReadError("Stream read error");
  auto* p = static_cast<uint8_t*>(buffer);
  // A stream may answer a read in parts (the decompression stream does).
  while (count > 0) {
    const int n = Read(p, count);
    if (n <= 0) throw EReadError("Stream read error");
    p += n;
    count -= n;
  }
}

void TStream::WriteBuffer(const void* buffer, int count) {
  if (count < 0 || (count > 0 && Write(buffer, count) != count)) throw EWriteError("Stream write error");
}

int64_t TStream::CopyFrom(TStream* source, int64_t count) {
  if (count <= 0 || !source) return 0;
  std::vector<uint8_t> buffer(static_cast<size_t>(std::min<int64_t>(count, kCopyBlock)));
  int64_t left = count;
  while (left > 0) {
    const int n = static_cast<int>(std::min<int64_t>(left, kCopyBlock));
    source->ReadBuffer(buffer.data(), n);
    WriteBuffer(buffer.data(), n);
    left -= n;
  }
  return count;
}

// ---- TCustomMemoryStream

void TCustomMemoryStream::SetPointer(void* memory, int64_t size) {
  memory_ = memory;
  size_ = size;
}

int TCustomMemoryStream::Read(void* buffer, int count) {
  if (count <= 0 || position_ >= size_) return 0;
  const int n = static_cast<int>(std::min<int64_t>(count, size_ - position_));
  std::memcpy(buffer, static_cast<uint8_t*>(memory_) + position_, static_cast<size_t>(n));
  position_ += n;
  return n;
}

int64_t TCustomMemoryStream::Seek(int64_t offset, TSeekOrigin origin) {
  position_ = NewPosition(offset, origin, position_, size_);
  return position_;
}

void TCustomMemoryStream::SaveToStream(TStream* stream) {
  int64_t done = 0;
  while (done < size_) {
    const int n = static_cast<int>(std::min<int64_t>(size_ - done, 1 << 30));
    stream->WriteBuffer(static_cast<uint8_t*>(memory_) + done, n);
    done += n;
  }
}

void TCustomMemoryStream::SaveToFile(const std::string& fileName) {
  TFileStream file(fileName, fmCreate);
  SaveToStream(&file);
}

// ---- TMemoryStream

TMemoryStream::~TMemoryStream() { std::free(memory_); }

void TMemoryStream::SetCapacity(int64_t capacity) {
  if (capacity == capacity_) return;
  if (capacity == 0) {
    std::free(memory_);
    SetPointer(nullptr, 0);
    capacity_ = 0;
    return;
  }
  if (capacity < 0 || static_cast<uint64_t>(capacity) > std::numeric_limits<size_t>::max())
    throw EOutOfMemory("Out of memory");
  void* p = std::realloc(memory_, static_cast<size_t>(capacity));
  if (!p) throw EOutOfMemory("Out of memory");
  memory_ = p;
  capacity_ = capacity;
}

void TMemoryStream::SetSize(int64_t size) {
  if (size < 0) throw EStreamError("Invalid stream size");
  if (size > capacity_) {
    // Grow geometrically so that a run of small writes stays linear.
    int64_t want = std::max<int64_t>(size, capacity_ + capacity_ / 2);
    want = (want + 0x1FFF) & ~int64_t{0x1FFF};
    try {
      SetCapacity(want);
    } catch (const EOutOfMemory&) {
      SetCapacity(size);
    }
  }
  if (size > size_) std::memset(static_cast<uint8_t*>(memory_) + size_, 0, static_cast<size_t>(size - size_));
  size_ = size;
  if (position_ > size_) position_ = size_;
}

int TMemoryStream::Write(const void* buffer, int count) {
  if (count <= 0) return 0;
  const int64_t end = position_ + count;
  if (end > size_) {
    const int64_t pos = position_;
    SetSize(end);
    position_ = pos;
  }
  std::memcpy(static_cast<uint8_t*>(memory_) + position_, buffer, static_cast<size_t>(count));
  position_ = end;
  return count;
}

void TMemoryStream::Clear() {
  SetCapacity(0);
  size_ = 0;
  position_ = 0;
}

void TMemoryStream::LoadFromStream(TStream* stream) {
  stream->SetPosition(0);
  const int64_t n = stream->Size();
  SetSize(0);
  SetSize(n);
  position_ = 0;
  int64_t done = 0;
  while (done < n) {
    const int chunk = static_cast<int>(std::min<int64_t>(n - done, 1 << 30));
    stream->ReadBuffer(static_cast<uint8_t*>(memory_) + done, chunk);
    done += chunk;
  }
}

void TMemoryStream::LoadFromFile(const std::string& fileName) {
  TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(&file);
}

// ---- TStringStream

int TStringStream::Read(void* buffer, int count) {
  const int64_t size = static_cast<int64_t>(data_.size());
  if (count <= 0 || position_ >= size) return 0;
  const int n = static_cast<int>(std::min<int64_t>(count, size - position_));
  std::memcpy(buffer, data_.data() + position_, static_cast<size_t>(n));
  position_ += n;
  return n;
}

int TStringStream::Write(const void* buffer, int count) {
  if (count <= 0) return 0;
  const size_t pos = static_cast<size_t>(position_);
  if (pos + static_cast<size_t>(count) > data_.size()) data_.resize(pos + static_cast<size_t>(count));
  std::memcpy(&data_[pos], buffer, static_cast<size_t>(count));
  position_ += count;
  return count;
}

int64_t TStringStream::Seek(int64_t offset, TSeekOrigin origin) {
  position_ = NewPosition(offset, origin, position_, static_cast<int64_t>(data_.size()));
  return position_;
}

void TStringStream::SetSize(int64_t size) {
  if (size < 0) throw EStreamError("Invalid stream size");
  data_.resize(static_cast<size_t>(size));
  if (position_ > size) position_ = size;
}

std::string TStringStream::ReadString(int count) {
  std::string s(static_cast<size_t>(std::max(count, 0)), '\0');
  s.resize(static_cast<size_t>(Read(s.data(), count)));
  return s;
}

void TStringStream::WriteString(const std::string& s) { WriteBuffer(s.data(), static_cast<int>(s.size())); }
