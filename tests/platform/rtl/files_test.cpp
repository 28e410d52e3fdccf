#include "platform/rtl/files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "platform/rtl/text1251.h"
#include "temp_folder.h"

namespace {

TEST(FileNames, PartsOfAName) {
  EXPECT_EQ(ExtractFilePath("C:\\Skins\\Marl\\Options.dat"), "C:\\Skins\\Marl\\");
  EXPECT_EQ(ExtractFileDir("C:\\Skins\\Marl\\Options.dat"), "C:\\Skins\\Marl");
  EXPECT_EQ(ExtractFileDir("C:\\Options.dat"), "C:\\");
  EXPECT_EQ(ExtractFileDir("C:Options.dat"), "C:");
  EXPECT_EQ(ExtractFileName("C:\\Skins\\Marl.vlz"), "Marl.vlz");
  EXPECT_EQ(ExtractFileName("/usr/share/a.b.c"), "a.b.c");
  EXPECT_EQ(ExtractFileName("plain"), "plain");
  EXPECT_EQ(ExtractFileExt("C:\\Skins\\Marl.vlz"), ".vlz");
  EXPECT_EQ(ExtractFileExt("archive.tar.GZ"), ".GZ");
  EXPECT_EQ(ExtractFileExt("C:\\dir.d\\noext"), "");  // a dot in a folder is no extension
  EXPECT_EQ(ExtractFileExt("name."), ".");
  EXPECT_EQ(ExtractFilePath("name"), "");
  EXPECT_EQ(ChangeFileExt("C:\\a\\script.txt", ".uc"), "C:\\a\\script.uc");
  EXPECT_EQ(ChangeFileExt("C:\\a.b\\script", ".uc"), "C:\\a.b\\script.uc");
  EXPECT_EQ(ChangeFileExt("x.uc", ""), "x");
  EXPECT_EQ(IncludeTrailingPathDelimiter("C:\\Skins"), std::string("C:\\Skins") + PathDelim);
  EXPECT_EQ(IncludeTrailingPathDelimiter("C:\\Skins\\"), "C:\\Skins\\");
  EXPECT_EQ(IncludeTrailingPathDelimiter("/tmp/"), "/tmp/");
  EXPECT_EQ(ExcludeTrailingPathDelimiter("C:\\Skins\\"), "C:\\Skins");
  EXPECT_EQ(ExcludeTrailingPathDelimiter("C:\\Skins"), "C:\\Skins");
}

TEST(Files, ExistenceCreationDeletion) {
  TempFolder dir;
  const std::string deep = dir / "a" + PathDelim + "b" + PathDelim + "c";
  EXPECT_FALSE(DirectoryExists(deep));
  EXPECT_TRUE(ForceDirectories(deep));
  EXPECT_TRUE(DirectoryExists(deep));
  EXPECT_TRUE(ForceDirectories(deep + PathDelim));  // already there
  EXPECT_FALSE(FileExists(deep));                   // a folder is not a file
  const std::string file = deep + PathDelim + brsm::FromUtf8("Скин.vlz");
  WriteBytes(file, "12345");
  EXPECT_TRUE(FileExists(file));
  EXPECT_FALSE(DirectoryExists(file));
  EXPECT_EQ(FileSizeOf(file), 5);
  EXPECT_EQ(FileSizeOf(deep), -1);
  EXPECT_FALSE(RemoveDir(deep));  // not empty
  EXPECT_TRUE(DeleteFile(file));
  EXPECT_FALSE(DeleteFile(file));
  EXPECT_FALSE(FileExists(file));
  EXPECT_TRUE(RemoveDir(deep));
  EXPECT_FALSE(DirectoryExists(deep));
  EXPECT_FALSE(CreateDir(dir / "x" + PathDelim + "y"));  // parent missing
}

TEST(Files, BothSeparatorsAreAccepted) {
  TempFolder dir;
  WriteBytes(dir / "f.txt", "x");
  std::string back = dir.Name();
  std::replace(back.begin(), back.end(), '/', '\\');
  std::string forward = dir.Name();
  std::replace(forward.begin(), forward.end(), '\\', '/');
  EXPECT_TRUE(FileExists(back + "f.txt"));
  EXPECT_TRUE(FileExists(forward + "f.txt"));
  EXPECT_EQ(ExtractFileName(back + "f.txt"), "f.txt");
  EXPECT_EQ(ExtractFileName(forward + "f.txt"), "f.txt");
}

TEST(Files, RenameNeverOverwritesReplaceDoes) {
  TempFolder dir;
  const std::string target = dir / "script.uc", temp = dir / "script.uc.tmp";
  WriteBytes(target, "old");
  WriteBytes(temp, "new");
  EXPECT_FALSE(RenameFile(temp, target));
  EXPECT_EQ(ReadBytes(target), "old");
  EXPECT_TRUE(ReplaceFile(temp, target));
  EXPECT_EQ(ReadBytes(target), "new");
  EXPECT_FALSE(FileExists(temp));  // no temporary left behind
  EXPECT_FALSE(ReplaceFile(temp, target));  // nothing to move: target untouched
  EXPECT_EQ(ReadBytes(target), "new");
  EXPECT_TRUE(ReplaceFile(target, dir / "fresh.uc"));  // to a name that does not exist yet
  EXPECT_EQ(ReadBytes(dir / "fresh.uc"), "new");
  EXPECT_TRUE(RenameFile(dir / "fresh.uc", dir / "other.uc"));
  EXPECT_TRUE(FileExists(dir / "other.uc"));
}

std::map<std::string, int> List(const std::string& mask, int attr) {
  std::map<std::string, int> found;
  TSearchRec rec;
  if (FindFirst(mask, attr, rec) == 0) {
    do found[rec.Name] = rec.Attr;
    while (FindNext(rec) == 0);
    FindClose(rec);
  }
  return found;
}

TEST(Files, FindFirstListsAFolder) {
  TempFolder dir;
  WriteBytes(dir / "Marl.vlz", "1234567");
  WriteBytes(dir / "other.VLZ", "");
  WriteBytes(dir / "readme.txt", "r");
  ForceDirectories(dir / "Marl");
  WriteBytes(dir / "Marl" + PathDelim + "Options.dat", "[GLOBALINFO]");

  auto all = List(dir / "*.*", faAnyFile);
  for (const char* n : {"Marl.vlz", "other.VLZ", "readme.txt", "Marl", ".", ".."}) EXPECT_EQ(all.count(n), 1u) << n;
  EXPECT_EQ(all.size(), 6u);
  EXPECT_TRUE(all["Marl"] & faDirectory);
  EXPECT_FALSE(all["Marl.vlz"] & faDirectory);

  auto files = List(dir / "*.*", 0);  // folders only when asked for
  EXPECT_EQ(files.count("Marl"), 0u);
  EXPECT_EQ(files.count("readme.txt"), 1u);

  auto packed = List(dir / "*.vlz", faAnyFile);  // case ignored
  EXPECT_EQ(packed.size(), 2u);
  EXPECT_EQ(List(dir / "M?rl.*", faAnyFile).size(), 2u);

  TSearchRec rec;
  ASSERT_EQ(FindFirst(dir / "Marl.vlz", faAnyFile, rec), 0);
  EXPECT_EQ(rec.Size, 7);
  EXPECT_NE(FindNext(rec), 0);
  FindClose(rec);
  EXPECT_NE(FindFirst(dir / "*.none", faAnyFile, rec), 0);
  EXPECT_NE(FindFirst(dir / "missing" + PathDelim + "*.*", faAnyFile, rec), 0);
  EXPECT_NE(FindNext(rec), 0);  // after a failed FindFirst
}

TEST(Files, ProgramFileNameCanBeSetForTests) {
  const std::string real = brsm::ExecutableFileName();
  EXPECT_TRUE(FileExists(real)) << real;
  EXPECT_NE(ExtractFileName(real).find("files_test"), std::string::npos) << real;
  brsm::SetExecutableFileName("C:\\A\\B\\BRSM.exe");
  EXPECT_EQ(brsm::ExecutableFileName(), "C:\\A\\B\\BRSM.exe");
  EXPECT_EQ(ExtractFilePath(brsm::ExecutableFileName()), "C:\\A\\B\\");
  brsm::SetExecutableFileName("");
  EXPECT_EQ(brsm::ExecutableFileName(), real);
}

TEST(Files, ExpandFileNameResolvesDots) {
  const std::string cwd = GetCurrentDir();
  EXPECT_FALSE(cwd.empty());
  EXPECT_EQ(ExpandFileName("x.txt"), IncludeTrailingPathDelimiter(cwd) + "x.txt");
  const std::string base = IncludeTrailingPathDelimiter(cwd);
  EXPECT_EQ(ExpandFileName(base + "a" + PathDelim + ".." + PathDelim + "b" + PathDelim + "." + PathDelim + "c"),
            base + "b" + PathDelim + "c");
}

}  // namespace
