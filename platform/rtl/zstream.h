// Read-only zlib decompression over another stream.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/rtl/streams.h"
#include "platform/rtl/sysutils.h"

class EZlibError : public EStreamError { using EStreamError::EStreamError; };
class EDecompressionError : public EZlibError { using EZlibError::EZlibError; };

// Inflates one zlib stream (header, deflate data, checksum) read from
// `source`, starting at its current position. The source is read in blocks of
// up to 64 KiB; when the zlib stream ends, the source is moved back over the
// input that was read but not consumed, so it stands exactly after the
// compressed bytes. After the end Read answers 0. A source that runs out
// early gives a short read (ReadBuffer/CopyFrom then raise EReadError);
// corrupt data raises EDecompressionError. The source is not owned.
class TDecompressionStream : public TStream {
 public:
  explicit TDecompressionStream(TStream* source);
  ~TDecompressionStream() override;

  int Read(void* buffer, int count) override;
  // EDecompressionError "Invalid stream operation".
  int Write(const void* buffer, int count) override;
  // Only the position query Seek(0, soCurrent) and forward moves (from the
  // beginning or the current position, by inflating and discarding) are
  // possible; anything else raises EDecompressionError.
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;

  bool Finished() const { return finished_; }  // the zlib stream's end was reached

 private:
  void FinishIfAtEnd();

  struct State;
  TStream* source_;
  State* state_;
  std::vector<uint8_t> input_;
  int64_t position_ = 0;
  bool finished_ = false;
};
