#include "platform/rtl/zstream.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>

namespace {
constexpr int kInputBlock = 64 * 1024;
}

struct TDecompressionStream::State {
  z_stream z{};
  int64_t sourceStart = 0;
};

TDecompressionStream::TDecompressionStream(TStream* source)
    : source_(source), state_(new State), input_(kInputBlock) {
  if (!source_) {
    delete state_;
    throw EDecompressionError("No source stream");
  }
  state_->sourceStart = source_->Position();
  if (inflateInit(&state_->z) != Z_OK) {
    delete state_;
    throw EDecompressionError("Decompression could not start");
  }
}

TDecompressionStream::~TDecompressionStream() {
  // Give back input that was read ahead but not used, so the source stands
  // right after the compressed bytes even when reading stopped early.
  if (state_->z.avail_in > 0) {
    try {
      source_->Seek(-static_cast<int64_t>(state_->z.avail_in), soCurrent);
    } catch (...) {
    }
  }
  inflateEnd(&state_->z);
  delete state_;
}

int TDecompressionStream::Read(void* buffer, int count) {
  if (count <= 0 || finished_) return 0;
  z_stream& z = state_->z;
  z.next_out = static_cast<Bytef*>(buffer);
  z.avail_out = static_cast<uInt>(count);
  while (z.avail_out > 0) {
    if (z.avail_in == 0) {
      const int n = source_->Read(input_.data(), kInputBlock);
      if (n <= 0) break;  // the source ended inside the zlib stream
      z.next_in = input_.data();
      z.avail_in = static_cast<uInt>(n);
    }
    const int ret = inflate(&z, Z_NO_FLUSH);
    if (ret == Z_STREAM_END) {
      finished_ = true;
      if (z.avail_in > 0) {
        source_->Seek(-static_cast<int64_t>(z.avail_in), soCurrent);
        z.avail_in = 0;
      }
      break;
    }
    if (ret == Z_OK) continue;
    if (ret == Z_BUF_ERROR && z.avail_in == 0) continue;
    std::string why = z.msg ? z.msg : (ret == Z_NEED_DICT ? "dictionary needed" : "error " + IntToStr(ret));
    throw EDecompressionError("Invalid compressed data (" + why + ")");
  }
  const int produced = count - static_cast<int>(z.avail_out);
  position_ += produced;
  if (z.avail_out == 0 && !finished_) FinishIfAtEnd();
  return produced;
}

// The caller took as many bytes as the stream holds, but the end-of-block
// code and the checksum may still be unread (they need no output space, and
// the input block may have ended inside them). Consume them now, so the source
// stands after the compressed bytes once the last byte has been read.
void TDecompressionStream::FinishIfAtEnd() {
  z_stream& z = state_->z;
  Bytef spare = 0;
  for (;;) {
    if (z.avail_in == 0) {
      const int n = source_->Read(input_.data(), kInputBlock);
      if (n <= 0) return;
      z.next_in = input_.data();
      z.avail_in = static_cast<uInt>(n);
    }
    z.next_out = &spare;
    z.avail_out = 0;
    const int ret = inflate(&z, Z_NO_FLUSH);
    if (ret == Z_STREAM_END) {
      finished_ = true;
      if (z.avail_in > 0) {
        source_->Seek(-static_cast<int64_t>(z.avail_in), soCurrent);
        z.avail_in = 0;
      }
      return;
    }
    if (ret == Z_BUF_ERROR || ret == Z_OK) {
      // Stopped with input left: more output is needed, the stream goes on.
      if (z.avail_in > 0) return;
      continue;
    }
    std::string why = z.msg ? z.msg : "error " + IntToStr(ret);
    throw EDecompressionError("Invalid compressed data (" + why + ")");
  }
}

int TDecompressionStream::Write(const void*, int) {
  throw EDecompressionError("Invalid stream operation");
}

int64_t TDecompressionStream::Seek(int64_t offset, TSeekOrigin origin) {
  int64_t target;
  if (origin == soCurrent && offset >= 0) {
    target = position_ + offset;
  } else if (origin == soBeginning && offset >= position_) {
    target = offset;
  } else if (origin == soBeginning && offset == 0) {
    // Back to the start: inflate again from where the source stood at first.
    z_stream& z = state_->z;
    inflateReset(&z);
    z.avail_in = 0;
    source_->Seek(state_->sourceStart, soBeginning);
    position_ = 0;
    finished_ = false;
    return 0;
  } else {
    throw EDecompressionError("Invalid stream operation");
  }
  std::vector<uint8_t> discard(static_cast<size_t>(std::min<int64_t>(target - position_, kInputBlock)));
  while (position_ < target) {
    const int n = static_cast<int>(std::min<int64_t>(target - position_, kInputBlock));
    ReadBuffer(discard.data(), n);
  }
  return position_;
}
