#include "generator/script_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "platform/rtl/files.h"
#include "platform/rtl/strings.h"
#include "platform/rtl/sysutils.h"
#include "platform/rtl/text1251.h"

using brsm::SaveScriptFile;
using brsm::ScriptFileName;
namespace fs = std::filesystem;

namespace {

// A fresh folder per test, removed afterwards.
class ScriptFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = fs::temp_directory_path() / ("brsm-script-file-" + std::string(info->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  // File names as the rtl takes them (ASCII here, so no conversion matters).
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }

  std::set<std::string> Entries() const {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(dir_)) names.insert(e.path().filename().string());
    return names;
  }

  static std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  static void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
  }

  fs::path dir_;
};

// Lines that fail when the save reads the third one, as a memo whose text
// cannot be produced (or a write that fails half-way) would.
class FailingLines : public TStrings {
 public:
  void Insert(int, const std::string&) override {}
  void Delete(int) override {}
  void Clear() override {}

 protected:
  std::string Get(int index) const override {
    if (index == 2) throw EWriteError("Stream write error");
    return "line";
  }
  int GetCount() const override { return 5; }
};

}  // namespace

TEST(ScriptFileName, AppendsUcUnlessTheNameAlreadyEndsInIt) {
  EXPECT_EQ(ScriptFileName("C:\\mods\\weapon"), "C:\\mods\\weapon.uc");
  EXPECT_EQ(ScriptFileName("C:\\mods\\weapon.uc"), "C:\\mods\\weapon.uc");
  EXPECT_EQ(ScriptFileName("C:\\mods\\weapon.UC"), "C:\\mods\\weapon.UC");
  EXPECT_EQ(ScriptFileName("C:\\mods\\weapon.uC"), "C:\\mods\\weapon.uC");
  EXPECT_EQ(ScriptFileName("C:\\mods\\a.uc.txt"), "C:\\mods\\a.uc.txt.uc");
  EXPECT_EQ(ScriptFileName("C:\\mods\\weapon.ucx"), "C:\\mods\\weapon.ucx.uc");
  EXPECT_EQ(ScriptFileName("C:\\mods.uc\\weapon"), "C:\\mods.uc\\weapon.uc");
  EXPECT_EQ(ScriptFileName(""), ".uc");
}

TEST_F(ScriptFileTest, WritesEveryLineWithCrLfInCodePage1251) {
  TStringList lines;
  lines.Add("class UTWeap_Plasma extends UTWeap_LinkGun;");
  lines.Add("");
  lines.Add("\tFireInterval(0)=+0.24");
  lines.Add(brsm::FromUtf8("WeaponFireAnim(0)=Выстрел"));
  lines.Add("}");
  const std::string file = Path("weapon.uc");
  SaveScriptFile(lines, file);
  EXPECT_EQ(ReadBytes(file),
            "class UTWeap_Plasma extends UTWeap_LinkGun;\r\n"
            "\r\n"
            "\tFireInterval(0)=+0.24\r\n"
            "WeaponFireAnim(0)=\xC2\xFB\xF1\xF2\xF0\xE5\xEB\r\n"
            "}\r\n");
  EXPECT_EQ(Entries(), std::set<std::string>{"weapon.uc"});
}

TEST_F(ScriptFileTest, EmptyTextGivesAnEmptyFile) {
  TStringList lines;
  const std::string file = Path("empty.uc");
  SaveScriptFile(lines, file);
  ASSERT_TRUE(fs::is_regular_file(file));
  EXPECT_EQ(fs::file_size(file), 0u);
  EXPECT_EQ(Entries(), std::set<std::string>{"empty.uc"});
}

TEST_F(ScriptFileTest, SavingAgainReplacesTheOldFile) {
  const std::string file = Path("weapon.uc");
  WriteBytes(file, std::string(4096, 'x'));
  TStringList lines;
  lines.Add("AmmoCount=175");
  SaveScriptFile(lines, file);
  EXPECT_EQ(ReadBytes(file), "AmmoCount=175\r\n");
  lines.SetStrings(0, "AmmoCount=20");
  SaveScriptFile(lines, file);
  EXPECT_EQ(ReadBytes(file), "AmmoCount=20\r\n");
  EXPECT_EQ(Entries(), std::set<std::string>{"weapon.uc"});
}

TEST_F(ScriptFileTest, AFileThatOnlyLooksLikeOurTemporaryOneIsLeftAlone) {
  const std::string file = Path("weapon.uc");
  WriteBytes(file + ".tmp", "keep me");
  TStringList lines;
  lines.Add("}");
  SaveScriptFile(lines, file);
  EXPECT_EQ(ReadBytes(file), "}\r\n");
  EXPECT_EQ(ReadBytes(file + ".tmp"), "keep me");
  EXPECT_EQ(Entries(), (std::set<std::string>{"weapon.uc", "weapon.uc.tmp"}));
}

TEST_F(ScriptFileTest, MissingFolderRaisesCreateErrorNamingTheTarget) {
  TStringList lines;
  lines.Add("}");
  const std::string file = Path("no-such-folder") + std::string(1, PathDelim) + "weapon.uc";
  try {
    SaveScriptFile(lines, file);
    FAIL() << "no error raised";
  } catch (const EFCreateError& e) {
    EXPECT_NE(e.Message.find("\"" + file + "\""), std::string::npos) << e.Message;
  }
  EXPECT_TRUE(Entries().empty());
}

TEST_F(ScriptFileTest, TargetThatIsAFolderRaisesCreateErrorAndLeavesNoTemporaryFile) {
  const std::string target = Path("weapon.uc");
  fs::create_directory(target);
  WriteBytes(Path("weapon.uc") + std::string(1, PathDelim) + "inside.txt", "data");
  TStringList lines;
  lines.Add("}");
  EXPECT_THROW(SaveScriptFile(lines, target), EFCreateError);
  EXPECT_TRUE(fs::is_directory(target));
  EXPECT_EQ(ReadBytes(Path("weapon.uc") + std::string(1, PathDelim) + "inside.txt"), "data");
  EXPECT_EQ(Entries(), std::set<std::string>{"weapon.uc"});
}

TEST_F(ScriptFileTest, FailureWhileWritingKeepsTheOldFile) {
  const std::string file = Path("weapon.uc");
  WriteBytes(file, "old text\r\n");
  FailingLines lines;
  EXPECT_THROW(SaveScriptFile(lines, file), EFCreateError);
  EXPECT_EQ(ReadBytes(file), "old text\r\n");
  EXPECT_EQ(Entries(), std::set<std::string>{"weapon.uc"});
}
