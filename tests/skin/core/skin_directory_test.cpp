// Resolving the skin directory against the program's folder.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/rtl/files.h"
#include "skin/core/skin_directory.h"
#include "tests/skin/core/skin_files_test_support.h"

namespace {

TEST(SkinDirectory, RelativeNamesAreTakenAgainstTheProgramFolder) {
  const std::string program = "C:\\A\\B\\";
  EXPECT_EQ(ResolveSkinDirectory("..\\Skins", program), "C:\\A\\Skins");
  EXPECT_EQ(ResolveSkinDirectory("../Skins", program), "C:\\A\\Skins");
  EXPECT_EQ(ResolveSkinDirectory(".\\Skins", program), "C:\\A\\B\\Skins");
  EXPECT_EQ(ResolveSkinDirectory("./Skins", program), "C:\\A\\B\\Skins");
  EXPECT_EQ(ResolveSkinDirectory("Skins", program), "C:\\A\\B\\Skins");
  EXPECT_EQ(ResolveSkinDirectory("Skins\\Dark", program), "C:\\A\\B\\Skins\\Dark");
  // The program folder may come without its separator.
  EXPECT_EQ(ResolveSkinDirectory("Skins", "C:\\A\\B"), "C:\\A\\B\\Skins");
}

TEST(SkinDirectory, DotsAloneAndDotPrefixedNamesKeepEveryLetter) {
  const std::string program = "C:\\A\\B\\";
  EXPECT_EQ(ResolveSkinDirectory(".", program), "C:\\A\\B\\");
  EXPECT_EQ(ResolveSkinDirectory("..", program), "C:\\A\\");
  EXPECT_EQ(ResolveSkinDirectory("..Skins", program), "C:\\A\\B\\..Skins");
  EXPECT_EQ(ResolveSkinDirectory(".Skins", program), "C:\\A\\B\\.Skins");
  EXPECT_EQ(ResolveSkinDirectory("", program), "C:\\A\\B\\");
}

TEST(SkinDirectory, AbsoluteNamesStayAsTheyAre) {
  const std::string program = "C:\\A\\B\\";
  EXPECT_EQ(ResolveSkinDirectory("D:\\Skins", program), "D:\\Skins");
  EXPECT_EQ(ResolveSkinDirectory("c:\\Windows\\", program), "c:\\Windows\\");
  EXPECT_EQ(ResolveSkinDirectory("\\\\server\\share", program), "\\\\server\\share");
  EXPECT_EQ(ResolveSkinDirectory("\\Skins", program), "\\Skins");
  EXPECT_EQ(ResolveSkinDirectory("/opt/skins", program), "/opt/skins");
}

TEST(SkinDirectory, ProgramAtADriveRootStillResolves) {
  EXPECT_EQ(ResolveSkinDirectory("..\\Skins", "C:\\"), "C:\\Skins");
  EXPECT_EQ(ResolveSkinDirectory("..", "C:\\"), "C:\\");
  EXPECT_EQ(ResolveSkinDirectory(".\\Skins", "C:\\"), "C:\\Skins");
  EXPECT_EQ(ResolveSkinDirectory("Skins", "C:\\"), "C:\\Skins");
  EXPECT_EQ(ResolveSkinDirectory("..\\Skins", "/"), "/Skins");
}

TEST(SkinDirectory, JoinPutsExactlyOneSeparator) {
  EXPECT_EQ(JoinSkinPath("C:\\Skins", "Marl.vlz"), "C:\\Skins\\Marl.vlz");
  EXPECT_EQ(JoinSkinPath("c:\\Windows\\", "Marl.vlz"), "c:\\Windows\\Marl.vlz");
  EXPECT_EQ(JoinSkinPath("C:\\", "Marl"), "C:\\Marl");
  EXPECT_EQ(JoinSkinPath("", "Marl"), "Marl");
}

// The resolved names lead to real folders of a program installed in a
// temporary tree.
TEST(SkinDirectory, ResolvedNamesFindFoldersOfATree) {
  skintest::ScratchFolder root("skindir");
  namespace fs = std::filesystem;
  const fs::path base = root.Path();
  fs::create_directories(base / "A" / "B" / "Skins" / "Inner");
  fs::create_directories(base / "A" / "Skins" / "Outer");
  fs::create_directories(base / "A" / "B" / "..Skins" / "Dots");
  const std::string program = (base / "A" / "B").string() + "/";

  EXPECT_TRUE(DirectoryExists(ResolveSkinDirectory("..\\Skins", program) + "\\Outer"));
  EXPECT_TRUE(DirectoryExists(ResolveSkinDirectory(".\\Skins", program) + "\\Inner"));
  EXPECT_TRUE(DirectoryExists(ResolveSkinDirectory("Skins", program) + "\\Inner"));
  EXPECT_TRUE(DirectoryExists(ResolveSkinDirectory("..Skins", program) + "\\Dots"));
  EXPECT_TRUE(DirectoryExists(JoinSkinPath(ResolveSkinDirectory(".", program), "Skins\\Inner")));
  const std::string absolute = (base / "A" / "Skins").string();
  EXPECT_EQ(ResolveSkinDirectory(absolute, program), absolute);
}

}  // namespace
