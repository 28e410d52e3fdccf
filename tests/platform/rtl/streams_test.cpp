#include "platform/rtl/streams.h"

#include <gtest/gtest.h>

#include <cstring>

#include "platform/rtl/sysutils.h"
#include "temp_folder.h"

namespace {

std::string Contents(TMemoryStream& m) {
  return std::string(static_cast<const char*>(m.Memory()), static_cast<size_t>(m.Size()));
}

TEST(MemoryStream, PositionSizeAndSeek) {
  TMemoryStream m;
  EXPECT_EQ(m.Size(), 0);
  m.WriteBuffer("hello", 5);
  EXPECT_EQ(m.Position(), 5);
  EXPECT_EQ(m.Size(), 5);
  EXPECT_EQ(m.Seek(-2, soEnd), 3);
  EXPECT_EQ(m.Seek(1, soCurrent), 4);
  EXPECT_EQ(m.Seek(0, soBeginning), 0);
  EXPECT_THROW(m.Seek(-1, soBeginning), EStreamError);
  EXPECT_EQ(m.Position(), 0);
  // Past the end is allowed; writing there fills the gap with zeros.
  m.Seek(8, soBeginning);
  char buf[4];
  EXPECT_EQ(m.Read(buf, 4), 0);
  m.WriteBuffer("!", 1);
  EXPECT_EQ(Contents(m), std::string("hello\0\0\0!", 9));
  m.SetPosition(1);
  m.WriteBuffer("EL", 2);  // overwrite inside
  EXPECT_EQ(Contents(m).substr(0, 5), "hELlo");
}

TEST(MemoryStream, SetSizeAndClear) {
  TMemoryStream m;
  m.WriteBuffer("abcdef", 6);
  m.SetSize(3);
  EXPECT_EQ(m.Position(), 3);  // kept within the new size
  EXPECT_EQ(Contents(m), "abc");
  m.SetSize(5);
  EXPECT_EQ(Contents(m), std::string("abc\0\0", 5));
  m.Clear();
  EXPECT_EQ(m.Size(), 0);
  EXPECT_EQ(m.Position(), 0);
  EXPECT_EQ(m.Memory(), nullptr);
  // Many small writes grow the block without losing bytes.
  for (int i = 0; i < 100000; ++i) {
    const char c = static_cast<char>(i % 251);
    m.WriteBuffer(&c, 1);
  }
  ASSERT_EQ(m.Size(), 100000);
  const auto* p = static_cast<const unsigned char*>(m.Memory());
  for (int i = 0; i < 100000; i += 997) ASSERT_EQ(p[i], i % 251);
}

TEST(Stream, ReadBufferRaisesOnShortRead) {
  TMemoryStream m;
  m.WriteBuffer("abc", 3);
  m.SetPosition(0);
  char buf[8] = {};
  EXPECT_THROW(m.ReadBuffer(buf, 4), EReadError);
  m.SetPosition(0);
  EXPECT_NO_THROW(m.ReadBuffer(buf, 3));
  EXPECT_EQ(std::string(buf, 3), "abc");
  EXPECT_NO_THROW(m.ReadBuffer(buf, 0));
  try {
    m.ReadBuffer(buf, 1);
    FAIL();
  } catch (const EReadError& e) {
    EXPECT_EQ(e.Message, "Stream read error");
  }
}

TEST(Stream, CopyFromCopiesExactlyCountAndZeroCopiesNothing) {
  TMemoryStream src;
  std::string data(200000, '\0');
  for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<char>(i * 7);
  src.WriteBuffer(data.data(), static_cast<int>(data.size()));
  src.SetPosition(10);

  TMemoryStream dst;
  EXPECT_EQ(dst.CopyFrom(&src, 0), 0);
  EXPECT_EQ(dst.Size(), 0);
  EXPECT_EQ(src.Position(), 10);  // untouched

  EXPECT_EQ(dst.CopyFrom(&src, 150000), 150000);  // more than one block
  EXPECT_EQ(src.Position(), 150010);
  EXPECT_EQ(Contents(dst), data.substr(10, 150000));

  TMemoryStream more;
  EXPECT_THROW(more.CopyFrom(&src, 60000), EReadError);  // only 49990 left
}

TEST(StringStream, ReadsWritesAndGrows) {
  TStringStream s("abc");
  EXPECT_EQ(s.Size(), 3);
  EXPECT_EQ(s.ReadString(2), "ab");
  s.WriteString("XYZ");
  EXPECT_EQ(s.DataString(), "abXYZ");
  EXPECT_EQ(s.Position(), 5);
  s.SetPosition(1);
  EXPECT_EQ(s.ReadString(100), "bXYZ");
  s.SetSize(2);
  EXPECT_EQ(s.DataString(), "ab");
  EXPECT_EQ(s.Position(), 2);
}

TEST(FileStream, CreateWriteReopenRead) {
  TempFolder dir;
  const std::string name = dir / "data.bin";
  {
    TFileStream f(name, fmCreate);
    f.WriteBuffer("0123456789", 10);
    EXPECT_EQ(f.Size(), 10);
    f.SetSize(4);
    EXPECT_EQ(f.Size(), 4);
    EXPECT_EQ(f.Position(), 4);
  }
  EXPECT_EQ(ReadBytes(name), "0123");
  {
    TFileStream f(name, fmOpenReadWrite | fmShareDenyWrite);
    f.Seek(0, soEnd);
    f.WriteBuffer("AB", 2);
    f.SetPosition(1);
    char buf[8] = {};
    EXPECT_EQ(f.Read(buf, 8), 5);
    EXPECT_EQ(std::string(buf, 5), "123AB");
  }
  {
    TFileStream f(name, fmOpenRead);
    EXPECT_EQ(f.Size(), 6);
    EXPECT_EQ(f.Write("x", 1), 0);  // read-only: nothing written
    EXPECT_THROW(f.WriteBuffer("x", 1), EWriteError);
  }
  // fmCreate truncates an existing file.
  { TFileStream f(name, fmCreate); }
  EXPECT_EQ(FileSizeOf(name), 0);
}

TEST(FileStream, OpenAndCreateErrorsNameTheFile) {
  TempFolder dir;
  const std::string missing = dir / "missing.bin";
  try {
    TFileStream f(missing, fmOpenRead);
    FAIL();
  } catch (const EFOpenError& e) {
    EXPECT_EQ(e.Message.rfind("Cannot open file \"" + missing + "\". ", 0), 0u) << e.Message;
  }
  const std::string deep = dir / "sub" + PathDelim + "x.bin";
  try {
    TFileStream f(deep, fmCreate);
    FAIL();
  } catch (const EFCreateError& e) {
    EXPECT_EQ(e.Message.rfind("Cannot create file \"" + deep + "\". ", 0), 0u) << e.Message;
  }
  EXPECT_FALSE(FileExists(deep));
}

TEST(MemoryStream, FileRoundTrip) {
  TempFolder dir;
  const std::string name = dir / "mem.bin";
  TMemoryStream m;
  m.WriteBuffer("\x00\x01\xFF\r\n", 5);
  m.SaveToFile(name);
  EXPECT_EQ(ReadBytes(name), std::string("\x00\x01\xFF\r\n", 5));
  TMemoryStream back;
  back.WriteBuffer("old contents", 12);
  back.LoadFromFile(name);
  EXPECT_EQ(back.Position(), 0);
  EXPECT_EQ(Contents(back), std::string("\x00\x01\xFF\r\n", 5));
  EXPECT_THROW(back.LoadFromFile(dir / "none"), EFOpenError);
  EXPECT_THROW(m.SaveToFile(dir.Name()), EFCreateError);
}

}  // namespace
