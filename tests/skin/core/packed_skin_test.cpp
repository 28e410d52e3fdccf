#include "skin/core/packed_skin.h"

#include <cstring>

#include "platform/rtl/files.h"
#include "tests/skin/core/skin_files_test_support.h"
#include "tools/skinkit/kit_archive.h"

using namespace brsm::kit;
using skintest::RecordingPlatform;

namespace {

const char kRejected[] = "Loaded data is not packed Vellum file";

ArchiveMember Member(const std::string& name, const std::string& data) {
  ArchiveMember m;
  m.Name = name;
  m.Data = BytesOf(data);
  return m;
}

std::string Text(const TMemoryStream& s) {
  return std::string(static_cast<const char*>(s.Memory()), static_cast<size_t>(
                                                              const_cast<TMemoryStream&>(s).Size()));
}

// Unpacks bytes the way a stored skin's Data is unpacked: the source stays
// the caller's.
struct Unpacked {
  explicit Unpacked(const std::vector<uint8_t>& bytes) {
    if (!bytes.empty()) source.WriteBuffer(bytes.data(), static_cast<int>(bytes.size()));
    reader.PackedData = &source;
    ok = reader.Unpack();
    reader.PackedData = nullptr;
  }
  TMemoryStream source;
  TvxSkinConvertor reader;
  bool ok = false;
};

}  // namespace

TEST(PackedSkin, ReadsDescriptionAndImagesBackToBack) {
  RecordingPlatform platform;
  Unpacked u(BuildArchive({Member("Options.dat", "[GLOBALINFO]\r\nVERSION=5\r\n"),
                           Member("Frame.bmp", "BM-frame-bytes"), Member("Pattern.jpg", "jpeg")}));
  ASSERT_TRUE(u.ok);
  ASSERT_NE(u.reader.Options, nullptr);
  EXPECT_EQ(Text(*u.reader.Options), "[GLOBALINFO]\r\nVERSION=5\r\n");
  ASSERT_EQ(u.reader.ImageItems.size(), 2u);
  EXPECT_EQ(u.reader.ImageItems[0].Name, "Frame.bmp");
  EXPECT_EQ(Text(*u.reader.ImageItems[0].Data), "BM-frame-bytes");
  EXPECT_EQ(Text(*u.reader.ImageItems[1].Data), "jpeg");
  EXPECT_EQ(u.reader.LastItemIndex, 1);
  EXPECT_TRUE(platform.Boxes.empty());
}

TEST(PackedSkin, EmptyArchiveHasNothing) {
  RecordingPlatform platform;
  Unpacked u(BuildArchive({}));
  EXPECT_TRUE(u.ok);
  EXPECT_EQ(u.reader.Options, nullptr);
  EXPECT_TRUE(u.reader.ImageItems.empty());
  EXPECT_EQ(u.reader.LastItemIndex, -1);
  EXPECT_TRUE(platform.Boxes.empty());
}

TEST(PackedSkin, DescriptionNameIgnoresCaseAndBitmapNeedsExactExtension) {
  RecordingPlatform platform;
  Unpacked lower(BuildArchive({Member("options.DAT", "a"), Member("Frame.bmp", "1"),
                               Member("Frame.BMP2", "2"), Member("Pattern.jpg", "3"),
                               Member("noext", "4")}));
  ASSERT_NE(lower.reader.Options, nullptr);
  EXPECT_EQ(Text(*lower.reader.Options), "a");
  ASSERT_EQ(lower.reader.ImageItems.size(), 4u);
  EXPECT_TRUE(lower.reader.ImageItems[0].IsBitmap);
  EXPECT_FALSE(lower.reader.ImageItems[1].IsBitmap);
  EXPECT_FALSE(lower.reader.ImageItems[2].IsBitmap);
  EXPECT_FALSE(lower.reader.ImageItems[3].IsBitmap);

  Unpacked upper(BuildArchive({Member("OPTIONS.DAT", "b")}));
  ASSERT_NE(upper.reader.Options, nullptr);
  EXPECT_EQ(Text(*upper.reader.Options), "b");
}

TEST(PackedSkin, EveryImageIsCountedWhateverTheNumberOfDescriptions) {
  RecordingPlatform platform;
  Unpacked u(BuildArchive({Member("Options.dat", "first"), Member("A.bmp", "a"),
                           Member("OPTIONS.dat", "second"), Member("B.bmp", "b")}));
  ASSERT_NE(u.reader.Options, nullptr);
  EXPECT_EQ(Text(*u.reader.Options), "second");  // a later description replaces the first
  ASSERT_EQ(u.reader.ImageItems.size(), 2u);
  EXPECT_EQ(u.reader.LastItemIndex, 1);
  EXPECT_NE(u.reader.FindImage("b.BMP"), nullptr);  // names match without case

  Unpacked none(BuildArchive({Member("A.bmp", "a"), Member("B.bmp", "b")}));
  EXPECT_EQ(none.reader.LastItemIndex, 1);
  EXPECT_EQ(none.reader.Options, nullptr);

  none.reader.Clear();
  EXPECT_EQ(none.reader.LastItemIndex, -1);
  EXPECT_TRUE(none.reader.ImageItems.empty());
}

TEST(PackedSkin, MemberLongerThanItsSizeIsCutAndTheNextOneStillFound) {
  RecordingPlatform platform;
  ArchiveMember a = Member("A.bmp", "0123456789");
  a.DeclaredSize = 4;
  Unpacked u(BuildArchive({a, Member("B.bmp", "next")}));
  ASSERT_TRUE(u.ok);
  ASSERT_EQ(u.reader.ImageItems.size(), 2u);
  EXPECT_EQ(Text(*u.reader.ImageItems[0].Data), "0123");
  EXPECT_EQ(Text(*u.reader.ImageItems[1].Data), "next");
}

TEST(PackedSkin, WrongMagicIsRejectedWithTheWarning) {
  RecordingPlatform platform;
  ArchiveLayout layout;
  layout.Magic = "VLZF";
  Unpacked u(BuildArchive({Member("Options.dat", "x")}, layout));
  EXPECT_FALSE(u.ok);
  EXPECT_EQ(u.reader.Options, nullptr);
  ASSERT_EQ(platform.Boxes.size(), 1u);
  EXPECT_EQ(platform.Boxes[0].Kind, TSkinBoxKind::Warning);
  EXPECT_EQ(platform.Boxes[0].Text, kRejected);
  // The stored skin's stream is the caller's and survives the rejection.
  EXPECT_GT(u.source.Size(), 0);
}

// Every lie an archive can tell ends like a wrong magic: warning, empty
// reader, no exception.
TEST(PackedSkin, DamagedArchivesAreRejectedCleanly) {
  const std::vector<uint8_t> good =
      BuildArchive({Member("Options.dat", "[A]\r\nB=C\r\n"), Member("Frame.bmp", "pixels")});
  std::vector<std::pair<std::string, std::vector<uint8_t>>> cases;
  for (size_t cut : {size_t{0}, size_t{3}, size_t{6}, size_t{10}, good.size() / 2, good.size() - 1})
    cases.emplace_back("truncated at " + std::to_string(cut),
                       std::vector<uint8_t>(good.begin(), good.begin() + static_cast<long>(cut)));
  ArchiveLayout negative;
  negative.DeclaredCount = -1;
  cases.emplace_back("negative count", BuildArchive({Member("Options.dat", "x")}, negative));
  ArchiveLayout many;
  many.DeclaredCount = 1000000;
  cases.emplace_back("count beyond the data", BuildArchive({Member("Options.dat", "x")}, many));
  ArchiveMember longName = Member("Options.dat", "x");
  longName.DeclaredNameLength = 1 << 30;
  cases.emplace_back("name longer than the file", BuildArchive({longName}));
  ArchiveMember negName = Member("Options.dat", "x");
  negName.DeclaredNameLength = -5;
  cases.emplace_back("negative name length", BuildArchive({negName}));
  ArchiveMember negSize = Member("Options.dat", "x");
  negSize.DeclaredSize = -1;
  cases.emplace_back("negative size", BuildArchive({negSize}));
  ArchiveMember huge = Member("Options.dat", "x");
  huge.DeclaredSize = 0x7FFFFFFF;
  cases.emplace_back("size beyond any inflation", BuildArchive({huge}));
  ArchiveMember shortMember = Member("Options.dat", "abc");
  shortMember.DeclaredSize = 10;
  cases.emplace_back("member shorter than its size", BuildArchive({shortMember}));
  ArchiveMember notZlib = Member("Options.dat", "abc");
  notZlib.Stream = BytesOf("this is not a zlib stream at all");
  cases.emplace_back("not a zlib stream", BuildArchive({notZlib}));
  for (size_t bit = 8 * 8; bit < good.size() * 8; bit += 7) {
    std::vector<uint8_t> flipped = good;
    flipped[bit / 8] ^= static_cast<uint8_t>(1u << (bit % 8));
    cases.emplace_back("bit " + std::to_string(bit) + " flipped", flipped);
  }

  for (const auto& [name, bytes] : cases) {
    SCOPED_TRACE(name);
    RecordingPlatform platform;
    Unpacked u(bytes);
    if (u.ok) {
      // A flip inside a name or a stored byte can leave a well-formed
      // archive; it must then still be whole.
      EXPECT_TRUE(platform.Boxes.empty());
      EXPECT_LE(u.reader.ImageItems.size(), 2u);
      continue;
    }
    EXPECT_EQ(u.reader.Options, nullptr);
    EXPECT_TRUE(u.reader.ImageItems.empty());
    EXPECT_EQ(u.reader.LastItemIndex, -1);
    ASSERT_EQ(platform.Boxes.size(), 1u);
    EXPECT_EQ(platform.Boxes[0].Text, kRejected);
  }
}

TEST(PackedSkin, LoadingAFile) {
  RecordingPlatform platform;
  skintest::ScratchFolder dir("packed");
  std::unique_ptr<TvxSkinConvertor> reader;
  LoadPackedSkinFile(dir.Path() + "Missing.vlz", reader, true);
  EXPECT_EQ(reader, nullptr);  // nothing happens for a missing file

  ASSERT_TRUE(WriteBytes(dir.Path() + "Marl.vlz",
                         BuildArchive({Member("Options.dat", "desc"), Member("A.bmp", "a")})));
  LoadPackedSkinFile(dir.Path() + "Marl.vlz", reader, false);
  ASSERT_NE(reader, nullptr);
  ASSERT_NE(reader->Options, nullptr);
  EXPECT_EQ(Text(*reader->Options), "desc");
  EXPECT_NE(reader->PackedData, nullptr);  // kept when not asked to free it

  // An existing reader is cleared and refilled; freeSource drops the bytes.
  ASSERT_TRUE(WriteBytes(dir.Path() + "Other.vlz", BuildArchive({Member("B.bmp", "b")})));
  LoadPackedSkinFile(dir.Path() + "Other.vlz", reader, true);
  EXPECT_EQ(reader->Options, nullptr);
  ASSERT_EQ(reader->ImageItems.size(), 1u);
  EXPECT_EQ(reader->ImageItems[0].Name, "B.bmp");
  EXPECT_EQ(reader->PackedData, nullptr);
  EXPECT_TRUE(platform.Boxes.empty());
}

TEST(PackedSkin, FileBeyondTheSizeBoundIsRefusedUnread) {
  RecordingPlatform platform;
  skintest::ScratchFolder dir("oversized");
  const std::string name = dir.Path() + "Big.vlz";
  ASSERT_TRUE(WriteBytes(name, BuildArchive({Member("Options.dat", "x")})));
  std::filesystem::resize_file(name, static_cast<uintmax_t>(MaxPackedFileSize) + 1);  // sparse
  std::unique_ptr<TvxSkinConvertor> reader;
  LoadPackedSkinFile(name, reader, true);
  ASSERT_NE(reader, nullptr);
  EXPECT_EQ(reader->Options, nullptr);
  ASSERT_EQ(platform.Boxes.size(), 1u);
  EXPECT_EQ(platform.Boxes[0].Text, kRejected);
}
