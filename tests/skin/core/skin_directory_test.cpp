// Resolving the skin directory against the program's folder.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/rtl/files.h"
#include "skin/core/skin_directory.h"
#include "tests/skin/core/skin_files_test_support.h"

namespace {

TEST(SkinDirectory, ResolvesAgainstTheProgramFolder) {
  struct Case {
    const char* directory;
    const char* program;
    const char* resolved;
  };
  const Case cases[] = {
      {"..\\Skins", "C:\\A\\B\\", "C:\\A\\Skins"},
      {"../Skins", "C:\\A\\B\\", "C:\\A\\Skins"},
      {".\\Skins", "C:\\A\\B\\", "C:\\A\\B\\Skins"},
      {"Skins", "C:\\A\\B", "C:\\A\\B\\Skins"},
      {"Skins\\Dark", "C:\\A\\B\\", "C:\\A\\B\\Skins\\Dark"},
      // Dots alone and names that merely begin with dots keep every letter.
      {".", "C:\\A\\B\\", "C:\\A\\B\\"},
      {"..", "C:\\A\\B\\", "C:\\A\\"},
      {"..Skins", "C:\\A\\B\\", "C:\\A\\B\\..Skins"},
      {"", "C:\\A\\B\\", "C:\\A\\B\\"},
      // Absolute names stay.
      {"D:\\Skins", "C:\\A\\B\\", "D:\\Skins"},
      {"c:\\Windows\\", "C:\\A\\B\\", "c:\\Windows\\"},
      {"\\\\server\\share", "C:\\A\\B\\", "\\\\server\\share"},
      {"\\Skins", "C:\\A\\B\\", "\\Skins"},
      // A program at a drive root: the root is its own parent.
      {"..\\Skins", "C:\\", "C:\\Skins"},
      {".\\Skins", "C:\\", "C:\\Skins"},
      {"..\\Skins", "/", "/Skins"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ResolveSkinDirectory(c.directory, c.program), c.resolved) << c.directory << " in " << c.program;
  EXPECT_EQ(JoinSkinPath("c:\\Windows\\", "Marl.vlz"), "c:\\Windows\\Marl.vlz");
  EXPECT_EQ(JoinSkinPath("C:\\Windows", "Marl.vlz"), "C:\\Windows\\Marl.vlz");
}

// The resolved names lead to the folders of a program installed in a
// temporary tree.
TEST(SkinDirectory, ResolvedNamesFindFoldersOfATree) {
  skintest::ScratchFolder root("skindir");
  namespace fs = std::filesystem;
  const fs::path base = root.Path();
  fs::create_directories(base / "A" / "B" / "Skins" / "Inner");
  fs::create_directories(base / "A" / "Skins" / "Outer");
  fs::create_directories(base / "A" / "B" / "..Skins" / "Dots");
  const std::string program = (base / "A" / "B").string() + "/";

  EXPECT_TRUE(DirectoryExists(JoinSkinPath(ResolveSkinDirectory("..\\Skins", program), "Outer")));
  EXPECT_TRUE(DirectoryExists(JoinSkinPath(ResolveSkinDirectory(".\\Skins", program), "Inner")));
  EXPECT_TRUE(DirectoryExists(JoinSkinPath(ResolveSkinDirectory("Skins", program), "Inner")));
  EXPECT_TRUE(DirectoryExists(JoinSkinPath(ResolveSkinDirectory("..Skins", program), "Dots")));
  EXPECT_TRUE(DirectoryExists(JoinSkinPath(ResolveSkinDirectory(".", program), "Skins\\Inner")));
  const std::string absolute = (base / "A" / "Skins").string();
  EXPECT_EQ(ResolveSkinDirectory(absolute, program), absolute);
}

}  // namespace
