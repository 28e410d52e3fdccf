#include "platform/rtl/strings.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/rtl/streams.h"
#include "platform/rtl/sysutils.h"
#include "platform/rtl/text1251.h"
#include "temp_folder.h"

using brsm::FromUtf8;

namespace {

std::vector<std::string> Lines(const TStrings& s) {
  std::vector<std::string> v;
  for (int i = 0; i < s.Count(); ++i) v.push_back(s.Strings(i));
  return v;
}

using V = std::vector<std::string>;

TEST(StringList, EditingKeepsLinesAndObjectsTogether) {
  TStringList list;
  TObject a, b;
  EXPECT_EQ(list.Add("one"), 0);
  EXPECT_EQ(list.AddObject("two", &a), 1);
  list.Insert(0, "zero");
  list.InsertObject(3, "three", &b);
  EXPECT_EQ(Lines(list), (V{"zero", "one", "two", "three"}));
  EXPECT_EQ(list.Objects(2), &a);
  EXPECT_EQ(list.IndexOfObject(&b), 3);
  list.Delete(1);
  EXPECT_EQ(Lines(list), (V{"zero", "two", "three"}));
  EXPECT_EQ(list.Objects(1), &a);
  list.Exchange(0, 2);
  EXPECT_EQ(Lines(list), (V{"three", "two", "zero"}));
  EXPECT_EQ(list.Objects(0), &b);
  list.Move(0, 2);
  EXPECT_EQ(Lines(list), (V{"two", "zero", "three"}));
  EXPECT_EQ(list.Objects(2), &b);
  list.SetStrings(1, "nil");
  EXPECT_EQ(list.Strings(1), "nil");
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
}

TEST(StringList, BadIndexesRaiseListErrors) {
  TStringList list;
  list.Add("a");
  EXPECT_THROW(list.Strings(1), EListError);
  EXPECT_THROW(list.Strings(-1), EListError);
  EXPECT_THROW(list.Delete(1), EListError);
  EXPECT_THROW(list.Insert(3, "x"), EListError);
  EXPECT_THROW(list.SetObjects(2, nullptr), EListError);
  try {
    list.Strings(5);
    FAIL();
  } catch (const EListError& e) {
    EXPECT_EQ(e.Message, "List index out of bounds (5)");
  }
  list.Insert(1, "b");  // at the end is allowed
  EXPECT_EQ(Lines(list), (V{"a", "b"}));
}

TEST(StringList, IndexOfIgnoresCaseUnlessCaseSensitive) {
  TStringList list;
  list.SetText("TEdit\r\nTMemo\r\n" + FromUtf8("Кнопка"));
  EXPECT_EQ(list.IndexOf("tmemo"), 1);
  EXPECT_EQ(list.IndexOf(FromUtf8("КНОПКА")), 2);
  EXPECT_EQ(list.IndexOf("TMem"), -1);
  list.SetCaseSensitive(true);
  EXPECT_EQ(list.IndexOf("tmemo"), -1);
  EXPECT_EQ(list.IndexOf("TMemo"), 1);
}

TEST(StringList, SortIsAlphabeticalAndSortedListsStayInOrder) {
  TStringList list;
  list.SetText(FromUtf8("banana\r\nЯблоко\r\nApple\r\nёлка\r\nелка\r\ncherry\r\n10\r\n"));
  list.Sort();
  EXPECT_EQ(Lines(list), (V{"10", "Apple", "banana", "cherry", FromUtf8("елка"), FromUtf8("ёлка"),
                            FromUtf8("Яблоко")}));
  list.Clear();
  list.SetSorted(true);
  for (const char* s : {"m", "C", "x", "a", "B"}) list.Add(s);
  EXPECT_EQ(Lines(list), (V{"a", "B", "C", "m", "x"}));
  int index = -1;
  EXPECT_TRUE(list.Find("c", index));
  EXPECT_EQ(index, 2);
  EXPECT_FALSE(list.Find("n", index));
  EXPECT_EQ(index, 4);  // where it would go
  EXPECT_EQ(list.IndexOf("M"), 3);
  EXPECT_THROW(list.Insert(0, "z"), EListError);
  EXPECT_THROW(list.SetStrings(0, "z"), EListError);
}

TEST(StringList, DuplicatesRuleAppliesToSortedAdds) {
  TStringList list;
  list.SetSorted(true);
  list.Add("a");
  EXPECT_EQ(list.Add("A"), 0);  // dupIgnore answers the existing line
  EXPECT_EQ(list.Count(), 1);
  list.SetDuplicates(dupError);
  EXPECT_THROW(list.Add("a"), EListError);
  list.SetDuplicates(dupAccept);
  list.Add("a");
  EXPECT_EQ(list.Count(), 2);
}

TEST(StringList, CustomSortSeesStableIndexes) {
  TStringList list;
  list.SetText("ccc\r\na\r\nbb\r\n");
  list.CustomSort([](TStringList* l, int i, int j) {
    return static_cast<int>(l->Strings(i).size()) - static_cast<int>(l->Strings(j).size());
  });
  EXPECT_EQ(Lines(list), (V{"a", "bb", "ccc"}));
}

TEST(StringList, NamesAndValues) {
  TStringList list;
  list.SetText("COLOR=$FFFFFF\r\nGRADIENTDATA=a=b\r\nnoequals\r\nEmpty=\r\n");
  EXPECT_EQ(list.Names(0), "COLOR");
  EXPECT_EQ(list.ValueFromIndex(0), "$FFFFFF");
  EXPECT_EQ(list.Values("gradientdata"), "a=b");  // the name ends at the first '='
  EXPECT_EQ(list.Names(2), "");
  EXPECT_EQ(list.ValueFromIndex(2), "");  // not the line less its first character
  EXPECT_EQ(list.IndexOfName("empty"), 3);
  EXPECT_EQ(list.Values("missing"), "");
  list.SetValues("color", "0");
  EXPECT_EQ(list.Strings(0), "color=0");
  list.SetValues("New", "1");
  EXPECT_EQ(list.Strings(4), "New=1");
  list.SetValues("COLOR", "");  // an empty value deletes the line
  EXPECT_EQ(list.IndexOfName("COLOR"), -1);
  EXPECT_EQ(list.Count(), 4);
}

TEST(StringList, TextSplitsEveryLineBreakAndJoinsWithCrLf) {
  TStringList list;
  list.SetText("a\r\nb\nc\rd");
  EXPECT_EQ(Lines(list), (V{"a", "b", "c", "d"}));
  list.SetText("a\r\n\r\nb\r\n");  // inner empty line kept, final break adds none
  EXPECT_EQ(Lines(list), (V{"a", "", "b"}));
  list.SetText("\n\r");  // LF then CR: two empty lines
  EXPECT_EQ(Lines(list), (V{"", ""}));
  list.SetText("");
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.Text(), "");
  list.SetText("x\ny");
  EXPECT_EQ(list.Text(), "x\r\ny\r\n");
  list.SetText(std::string("a\0b", 3));
  EXPECT_EQ(list.Strings(0), std::string("a\0b", 3));
}

TEST(StringList, ChangeEventsComeOncePerUpdate) {
  TStringList list;
  int changing = 0, changed = 0;
  list.OnChanging = [&](TObject* sender) {
    EXPECT_EQ(sender, &list);
    ++changing;
  };
  list.OnChange = [&](TObject*) { ++changed; };
  list.Add("a");
  EXPECT_EQ(changing, 1);
  EXPECT_EQ(changed, 1);
  list.BeginUpdate();
  list.Add("b");
  list.Add("c");
  list.BeginUpdate();
  list.Delete(0);
  list.EndUpdate();
  EXPECT_EQ(changed, 1);
  list.EndUpdate();
  EXPECT_EQ(changing, 2);
  EXPECT_EQ(changed, 2);
  list.SetText("x\r\ny\r\nz");
  EXPECT_EQ(changed, 3);
  list.EndUpdate();  // unbalanced: ignored
  EXPECT_EQ(list.UpdateCount(), 0);
}

// A list over storage of its own with only the primitives, as window-bound
// lists are: everything else must come from the base class.
class VectorStrings : public TStrings {
 public:
  std::vector<std::string> v;
  void Insert(int index, const std::string& s) override { v.insert(v.begin() + index, s); }
  void Delete(int index) override { v.erase(v.begin() + index); }
  void Clear() override { v.clear(); }

 protected:
  std::string Get(int index) const override {
    if (index < 0 || index >= GetCount()) IndexError(index);
    return v[static_cast<size_t>(index)];
  }
  int GetCount() const override { return static_cast<int>(v.size()); }
};

TEST(Strings, BaseAlgorithmsWorkOverPrimitivesOnly) {
  VectorStrings lines;
  lines.SetText("one\r\nTwo=2\r\nthree");
  EXPECT_EQ(lines.v, (V{"one", "Two=2", "three"}));
  EXPECT_EQ(lines.IndexOf("ONE"), 0);
  EXPECT_EQ(lines.Values("two"), "2");
  lines.SetStrings(0, "uno");  // default Put: delete + insert
  EXPECT_EQ(lines.v, (V{"uno", "Two=2", "three"}));
  lines.Exchange(0, 2);
  EXPECT_EQ(lines.v, (V{"three", "Two=2", "uno"}));

  TStringList copy;
  copy.Assign(&lines);
  EXPECT_EQ(Lines(copy), lines.v);
  EXPECT_TRUE(copy.Equals(&lines));
  lines.Assign(&copy);
  lines.Add("four");
  EXPECT_FALSE(copy.Equals(&lines));
  lines.AddStrings(&copy);
  EXPECT_EQ(lines.Count(), 7);
}

class Plain : public TPersistent {};

TEST(Strings, AssignFromAForeignClassIsRefused) {
  TStringList list;
  list.Add("kept");
  Plain plain;
  try {
    list.Assign(&plain);
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message, "Cannot assign a Plain to a TStringList");
  }
  EXPECT_THROW(list.Assign(nullptr), EConvertError);
  EXPECT_EQ(Lines(list), (V{"kept"}));
}

TEST(StringList, SaveToFileWritesEveryLineWithCrLfIn1251) {
  TempFolder dir;
  const std::string name = dir / "script.uc";
  TStringList list;
  list.Add(FromUtf8("class Пушка extends UTWeap_LinkGun;"));
  list.Add("");
  list.Add("\tdefaultproperties");
  list.SaveToFile(name);
  EXPECT_EQ(ReadBytes(name), "class \xCF\xF3\xF8\xEA\xE0 extends UTWeap_LinkGun;\r\n\r\n\tdefaultproperties\r\n");

  TStringList back;
  back.LoadFromFile(name);
  EXPECT_TRUE(back.Equals(&list));

  // Saving again replaces the file; an empty list writes an empty file.
  TStringList empty;
  empty.SaveToFile(name);
  EXPECT_EQ(FileSizeOf(name), 0);
  EXPECT_EQ(ReadBytes(name), "");
}

TEST(StringList, FileErrorsNameTheFile) {
  TempFolder dir;
  TStringList list;
  list.Add("x");
  const std::string missingFolder = dir / "no" + PathDelim + "such.uc";
  try {
    list.SaveToFile(missingFolder);
    FAIL();
  } catch (const EFCreateError& e) {
    EXPECT_NE(e.Message.find("Cannot create file \"" + missingFolder + "\""), std::string::npos) << e.Message;
  }
  EXPECT_THROW(list.SaveToFile(dir.Name()), EFCreateError);  // a folder
  EXPECT_THROW(list.LoadFromFile(dir / "absent.txt"), EFOpenError);
  EXPECT_EQ(Lines(list), (V{"x"}));
}

TEST(StringList, LoadFromStreamReadsFromThePositionToTheEnd) {
  TStringStream stream("skip\r\nkeep1\nkeep2\r\n");
  stream.SetPosition(6);
  TStringList list;
  list.LoadFromStream(&stream);
  EXPECT_EQ(Lines(list), (V{"keep1", "keep2"}));
  TStringStream out;
  list.SaveToStream(&out);
  EXPECT_EQ(out.DataString(), "keep1\r\nkeep2\r\n");
}

}  // namespace
