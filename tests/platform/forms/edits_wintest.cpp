// Edits and memos driven through their windows: typed 1251 text reads back
// byte-exact, the editing keys work, memo lines live in the window and
// survive the window being made again.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>

#include "forms_test_support.h"
#include "platform/forms/stdctrls.h"
#include "platform/rtl/text1251.h"

using brsm::test::Pump;

namespace {

// Every printable byte of code page 1251 but the one it leaves unassigned.
std::string Printable1251() {
  std::string s;
  for (int b = 0x20; b <= 0xFF; ++b)
    if (b != 0x7F && b != 0x98) s += static_cast<char>(b);
  return s;
}

void Type(HWND wnd, const std::string& text1251) {
  for (char c : text1251) SendMessageW(wnd, WM_CHAR, static_cast<WPARAM>(brsm::CharToUtf16(c)), 1);
}

std::wstring WindowTextOf(HWND wnd) {
  wchar_t buffer[512] = {};
  GetWindowTextW(wnd, buffer, 512);
  return buffer;
}

class Edits : public ::testing::Test {
 protected:
  void SetUp() override {
    form = new TForm(nullptr);
    form->SetBounds(40, 40, 420, 320);
    edit = new TEdit(form);
    edit->SetParent(form);
    edit->SetBounds(10, 10, 300, 21);
    memo = new TMemo(form);
    memo->SetParent(form);
    memo->SetBounds(10, 50, 380, 200);
    memo->SetScrollBars(ssVertical);
    form->Show();
    Pump();
  }
  void TearDown() override { delete form; }
  TForm* form = nullptr;
  TEdit* edit = nullptr;
  TMemo* memo = nullptr;
};

TEST_F(Edits, TypedCyrillicReadsBackByteExact) {
  const std::string all = Printable1251();
  Type(edit->Handle(), all);
  EXPECT_EQ(edit->Text(), all);
  // The window holds the UTF-16 of the letters, not bytes of some code page.
  edit->SetText("\xCF\xF0\xE8\xE2\xE5\xF2 \xA8\xB8");  // "Привет Ёё"
  EXPECT_EQ(WindowTextOf(edit->Handle()), L"\x041F\x0440\x0438\x0432\x0435\x0442 \x0401\x0451");
  // Text set by another writer of UTF-16 comes back as 1251.
  SetWindowTextW(edit->Handle(), L"\x0416\x0443\x043A");
  EXPECT_EQ(edit->Text(), "\xC6\xF3\xEA");
}

TEST_F(Edits, MemoTypedLinesAreTheWindowsLines) {
  // Without word wrap a window line is a typed line, however long.
  memo->SetWordWrap(false);
  memo->SetWantTabs(true);
  const std::string first = "\xCD\xE0\xE7\xE2\xE0\xED\xE8\xE5";  // "Название"
  Type(memo->Handle(), first + "\r" + Printable1251() + "\r\r" + "\t-end");
  ASSERT_EQ(memo->Lines()->Count(), 4);
  EXPECT_EQ(memo->Lines()->Strings(0), first);
  EXPECT_EQ(memo->Lines()->Strings(1), Printable1251());
  EXPECT_EQ(memo->Lines()->Strings(2), "");
  EXPECT_EQ(memo->Lines()->Strings(3), "\t-end");
  EXPECT_EQ(memo->Text(), first + "\r\n" + Printable1251() + "\r\n\r\n\t-end");
}

TEST_F(Edits, EditingKeysSelectCopyPasteAndUndo) {
  edit->SetText("\xE0\xE1\xE2 abc");  // "абв abc"
  SendMessageW(edit->Handle(), WM_CHAR, 1, 1);  // Ctrl+A
  EXPECT_EQ(edit->SelStart(), 0);
  EXPECT_EQ(edit->SelLength(), 7);
  EXPECT_EQ(edit->SelText(), "\xE0\xE1\xE2 abc");
  SendMessageW(edit->Handle(), WM_CHAR, 3, 1);  // Ctrl+C
  edit->SetSelStart(7);
  SendMessageW(edit->Handle(), WM_CHAR, 0x16, 1);  // Ctrl+V
  EXPECT_EQ(edit->Text(), "\xE0\xE1\xE2 abc\xE0\xE1\xE2 abc");
  SendMessageW(edit->Handle(), WM_CHAR, 0x1A, 1);  // Ctrl+Z
  EXPECT_EQ(edit->Text(), "\xE0\xE1\xE2 abc");
  edit->SetSelStart(0);
  edit->SetSelLength(3);
  SendMessageW(edit->Handle(), WM_CHAR, 0x18, 1);  // Ctrl+X
  EXPECT_EQ(edit->Text(), " abc");
}

TEST_F(Edits, LimitsReadOnlyAndChangeEvents) {
  int changes = 0;
  edit->OnChange = [&](TObject* sender) {
    EXPECT_EQ(sender, edit);
    ++changes;
  };
  edit->SetMaxLength(3);
  Type(edit->Handle(), "\xC0\xC1\xC2\xC3\xC4");
  EXPECT_EQ(edit->Text(), "\xC0\xC1\xC2");
  EXPECT_EQ(changes, 3);
  // Code may still write a read-only edit; the user may not.
  edit->SetReadOnly(true);
  Type(edit->Handle(), "x");
  EXPECT_EQ(edit->Text(), "\xC0\xC1\xC2");
  edit->SetMaxLength(0);
  edit->SetText("set by code");
  EXPECT_EQ(edit->Text(), "set by code");
  EXPECT_EQ(changes, 4);
}

TEST_F(Edits, MemoLinesEditInPlace) {
  TStrings* lines = memo->Lines();
  lines->Add("one");
  lines->Add("");
  lines->Add("\tthree");
  EXPECT_EQ(memo->Text(), "one\r\n\r\n\tthree\r\n");
  lines->Insert(1, "\xE4\xE2\xE0");  // "два"
  lines->SetStrings(0, "ONE");
  lines->Delete(2);
  ASSERT_EQ(lines->Count(), 3);
  EXPECT_EQ(lines->Text(), "ONE\r\n\xE4\xE2\xE0\r\n\tthree\r\n");
  EXPECT_THROW(lines->Strings(3), EListError);
  EXPECT_THROW(lines->Insert(5, "x"), EListError);
  // A last line typed without line break gets one before the next line.
  memo->SetText("a\r\nb");
  lines->Add("c");
  ASSERT_EQ(lines->Count(), 3);
  EXPECT_EQ(lines->Strings(1), "b");
  EXPECT_EQ(lines->Strings(2), "c");
  lines->Clear();
  EXPECT_EQ(lines->Count(), 0);
  // Lone line feeds become the window's line breaks.
  lines->SetText("x\ny\rz");
  EXPECT_EQ(lines->Count(), 3);
  EXPECT_EQ(lines->Strings(2), "z");
}

TEST_F(Edits, MemoLinesSurviveTheWindowBeingMadeAgain) {
  for (int i = 0; i < 43; ++i) memo->Lines()->Add(i % 7 == 0 ? "" : "\xD1\xF2\xF0\xEE\xEA " + std::to_string(i));
  const std::string before = memo->Lines()->Text();
  HWND old = memo->Handle();
  memo->SetScrollBars(ssBoth);  // a style the window only takes when it is made
  ASSERT_NE(memo->Handle(), old);
  EXPECT_TRUE(GetWindowLongW(memo->Handle(), GWL_STYLE) & WS_HSCROLL);
  EXPECT_EQ(memo->Lines()->Count(), 43);
  EXPECT_EQ(memo->Lines()->Text(), before);
  memo->RecreateWnd();
  EXPECT_EQ(memo->Lines()->Text(), before);
}

TEST(MemoWithoutWindow, KeepsLinesUntilItGetsOne) {
  auto* form = new TForm(nullptr);
  auto* memo = new TMemo(form);
  memo->Lines()->Add("first");
  memo->Lines()->Add("\xE2\xF2\xEE\xF0\xEE\xE9");
  EXPECT_FALSE(memo->HandleAllocated());
  memo->SetParent(form);
  form->Show();
  ASSERT_TRUE(memo->HandleAllocated());
  EXPECT_EQ(memo->Lines()->Count(), 2);
  EXPECT_EQ(memo->Lines()->Strings(1), "\xE2\xF2\xEE\xF0\xEE\xE9");
  delete form;
}

TEST_F(Edits, SavedMemoLinesAre1251WithCrLf) {
  char dir[MAX_PATH];
  GetTempPathA(MAX_PATH, dir);
  const std::string path = std::string(dir) + "memo_lines_test.uc";
  memo->Lines()->Add("class \xCE\xF0\xF3\xE6\xE8\xE5 extends UTWeap_LinkGun;");
  memo->Lines()->Add("");
  memo->Lines()->Add("\tWeaponColor=(R=255,G=255,B=0,A=255)");
  memo->Lines()->SaveToFile(path);
  std::ifstream in(path, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  in.close();
  std::remove(path.c_str());
  EXPECT_EQ(bytes,
            "class \xCE\xF0\xF3\xE6\xE8\xE5 extends UTWeap_LinkGun;\r\n\r\n"
            "\tWeaponColor=(R=255,G=255,B=0,A=255)\r\n");
}

}  // namespace
