#include "platform/rtl/zstream.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <random>

#include "platform/rtl/strings.h"

namespace {

std::string Compress(const std::string& data, int level = 6) {
  uLongf size = compressBound(static_cast<uLong>(data.size()));
  std::string out(size, '\0');
  EXPECT_EQ(compress2(reinterpret_cast<Bytef*>(out.data()), &size,
                      reinterpret_cast<const Bytef*>(data.data()), static_cast<uLong>(data.size()), level),
            Z_OK);
  out.resize(size);
  return out;
}

// Text that compresses a little but not to nothing.
std::string Sample(size_t n, unsigned seed) {
  std::mt19937 rng(seed);
  std::string s(n, '\0');
  for (char& c : s) c = static_cast<char>('a' + rng() % 8);
  return s;
}

// A source that answers at most `piece` bytes per read, so zlib's trailer
// arrives split over several reads.
class TrickleStream : public TMemoryStream {
 public:
  explicit TrickleStream(int piece) : piece_(piece) {}
  int Read(void* buffer, int count) override { return TMemoryStream::Read(buffer, std::min(count, piece_)); }

 private:
  int piece_;
};

std::string ReadAll(TStream& s, int count) {
  std::string out(static_cast<size_t>(count), '\0');
  s.ReadBuffer(out.data(), count);
  return out;
}

void Fill(TMemoryStream& m, const std::string& bytes) {
  m.WriteBuffer(bytes.data(), static_cast<int>(bytes.size()));
  m.SetPosition(0);
}

TEST(DecompressionStream, LeavesSourceExactlyAfterEachOfTwoBackToBackStreams) {
  const std::string first = Sample(300000, 1), second = Sample(1000, 2);
  const std::string z1 = Compress(first), z2 = Compress(second);
  for (int piece : {1 << 30, 7, 1}) {
    TrickleStream source(piece);
    Fill(source, z1 + z2 + "TAIL");
    {
      TDecompressionStream d(&source);
      // Exactly the inflated size, in uneven parts, as a member reader does.
      std::string got = ReadAll(d, 12345);
      got += ReadAll(d, static_cast<int>(first.size()) - 12345);
      EXPECT_TRUE(got == first) << piece;
      EXPECT_TRUE(d.Finished()) << piece;
      EXPECT_EQ(source.Position(), static_cast<int64_t>(z1.size())) << piece;
      EXPECT_EQ(d.Position(), static_cast<int64_t>(first.size()));
    }
    EXPECT_EQ(source.Position(), static_cast<int64_t>(z1.size())) << piece;
    {
      TDecompressionStream d(&source);
      EXPECT_TRUE(ReadAll(d, static_cast<int>(second.size())) == second) << piece;
      char extra;
      EXPECT_EQ(d.Read(&extra, 1), 0);  // the end is the end
    }
    EXPECT_EQ(source.Position(), static_cast<int64_t>(z1.size() + z2.size())) << piece;
    char tail[4];
    source.ReadBuffer(tail, 4);
    EXPECT_EQ(std::string(tail, 4), "TAIL");
  }
}

TEST(DecompressionStream, EmptyMemberAndCopyFrom) {
  const std::string z = Compress("") + Compress("abc");
  TMemoryStream source;
  Fill(source, z);
  {
    TDecompressionStream d(&source);
    TMemoryStream out;
    EXPECT_EQ(out.CopyFrom(&d, 0), 0);
    char c;
    EXPECT_EQ(d.Read(&c, 1), 0);
  }
  TDecompressionStream d(&source);
  TMemoryStream out;
  out.CopyFrom(&d, 3);
  EXPECT_EQ(std::string(static_cast<char*>(out.Memory()), 3), "abc");
  EXPECT_EQ(source.Position(), source.Size());
}

TEST(DecompressionStream, StringListLoadsStraightFromIt) {
  // The inflating stream knows no size; the list must read it to its end.
  TMemoryStream source;
  Fill(source, Compress("[GLOBALINFO]\r\nVERSION=5.49\r\n"));
  TDecompressionStream d(&source);
  TStringList lines;
  lines.LoadFromStream(&d);
  ASSERT_EQ(lines.Count(), 2);
  EXPECT_EQ(lines.Strings(1), "VERSION=5.49");
}

TEST(DecompressionStream, CorruptDataRaises) {
  std::string z = Compress(Sample(5000, 3));
  TMemoryStream bad;
  Fill(bad, "\x12\x34" + z.substr(2));  // broken header
  TDecompressionStream d1(&bad);
  char buf[100];
  EXPECT_THROW(d1.Read(buf, 100), EDecompressionError);

  z[z.size() / 2] ^= 0x55;  // broken body or checksum
  TMemoryStream flipped;
  Fill(flipped, z);
  TDecompressionStream d2(&flipped);
  TMemoryStream out;
  EXPECT_THROW(out.CopyFrom(&d2, 5000), EZlibError);
}

TEST(DecompressionStream, TruncatedDataGivesAShortReadNotAHang) {
  const std::string data = Sample(50000, 4);
  const std::string z = Compress(data);
  TMemoryStream cut;
  Fill(cut, z.substr(0, z.size() / 2));
  TDecompressionStream d(&cut);
  std::string out(data.size(), '\0');
  const int n = d.Read(out.data(), static_cast<int>(out.size()));
  EXPECT_LT(n, static_cast<int>(data.size()));
  EXPECT_EQ(out.substr(0, static_cast<size_t>(n)), data.substr(0, static_cast<size_t>(n)));
  EXPECT_FALSE(d.Finished());
  TMemoryStream again;
  Fill(again, z.substr(0, z.size() / 2));
  TDecompressionStream d2(&again);
  TMemoryStream sink;
  EXPECT_THROW(sink.CopyFrom(&d2, static_cast<int64_t>(data.size())), EReadError);
}

TEST(DecompressionStream, SeeksForwardOrBackToTheStartOnly) {
  const std::string data = Sample(100000, 5);
  TMemoryStream source;
  Fill(source, Compress(data));
  TDecompressionStream d(&source);
  EXPECT_EQ(d.Seek(70000, soBeginning), 70000);
  EXPECT_EQ(ReadAll(d, 10), data.substr(70000, 10));
  EXPECT_EQ(d.Seek(5, soCurrent), 70015);
  EXPECT_EQ(d.Seek(0, soCurrent), 70015);
  EXPECT_EQ(ReadAll(d, 5), data.substr(70015, 5));
  EXPECT_THROW(d.Seek(10, soBeginning), EDecompressionError);
  EXPECT_THROW(d.Seek(-1, soCurrent), EDecompressionError);
  EXPECT_THROW(d.Seek(0, soEnd), EDecompressionError);
  EXPECT_THROW(d.Size(), EDecompressionError);
  EXPECT_THROW(d.Write("x", 1), EDecompressionError);
  EXPECT_EQ(d.Seek(0, soBeginning), 0);
  EXPECT_EQ(ReadAll(d, 20), data.substr(0, 20));
  EXPECT_THROW(d.Seek(200000, soBeginning), EReadError);  // beyond the data
}

}  // namespace
