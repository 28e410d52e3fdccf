// The real BRSM.exe, driven from outside by window messages as a user would
// work it: fields filled, the script generated and read back from the result
// memo, saved through the real save dialog, the windows and switches of the
// main form. Runs without the skin the program looks for.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "generator/filled_request.h"
#include "generator/program_driver.h"
#include "generator/weapon_script.h"
#include "platform/rtl/text1251.h"
#include "support/keys_and_clipboard.h"
#include "support/screenshot.h"

using namespace brsm::test;

namespace {

std::string Join(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

bool SkinInstalled() {
  return FileThere(L"C:\\Windows\\Marl") || FileThere(L"C:\\Windows\\Marl.vlz");
}

class GeneratorProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    if (SkinInstalled()) GTEST_SKIP() << "a \"Marl\" skin is installed in C:\\Windows";
    program_ = std::make_unique<ChildProgram>(WinePath(BRSM_BIN_DIR) + L"\\BRSM.exe", folder_.Path());
    ASSERT_TRUE(program_->Started());
    main_ = program_->WaitForWindow(L"TForm1");
    ASSERT_NE(main_, nullptr);
    panel_ = ChildAt(main_, L"TsPanel", 0, 589);
    ASSERT_NE(panel_, nullptr);
  }

  HWND Field(int left, int top, const wchar_t* cls = L"TEdit") {
    HWND field = ChildAt(main_, cls, left, top);
    EXPECT_NE(field, nullptr) << "no " << brsm::FromUtf16(cls) << " at " << left << ", " << top;
    return field;
  }
  HWND PanelButton(int left, const wchar_t* cls = L"TsButton") { return ChildAt(panel_, cls, left, 5); }

  // Closes the message dialogs as they come; answers how many there were.
  // Stops when none comes within a while or the result window shows (under
  // Wine a closing modal window takes up to two seconds to go).
  int CloseMessages() {
    int count = 0;
    for (;;) {
      HWND box = nullptr;
      WaitUntil(
          [&] {
            const auto boxes = program_->Windows(L"TMessageForm");
            box = boxes.empty() ? nullptr : boxes.front();
            return box || !program_->Windows(L"TForm2").empty();
          },
          4000);
      if (!box) return count;
      ++count;
      PostClick(ChildOfClass(box, L"TButton"));
      WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); });
    }
  }

  // Runs the save dialog: the name typed into its name field, then Save.
  void SaveAs(HWND result, const std::wstring& name) {
    PostClick(ChildAt(ChildOfClass(result, L"TsPanel"), L"TsButton", 8, 4));
    HWND dialog = program_->WaitForWindow(L"#32770");
    ASSERT_NE(dialog, nullptr) << "no save dialog";
    Settle(dialog);
    SaveScreenshot("generator-save-dialog");
    HWND nameField = GetDlgItem(dialog, 0x480);  // edt1
    if (!nameField) nameField = GetDlgItem(dialog, 0x47C);  // cmb13
    ASSERT_NE(nameField, nullptr);
    SetTextOf(nameField, name);
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); })) << "the save dialog stayed";
  }

  TempFolder folder_{L"brsm-generator"};
  std::unique_ptr<ChildProgram> program_;
  HWND main_ = nullptr;
  HWND panel_ = nullptr;
};

TEST_F(GeneratorProgram, GeneratesShowsAndSavesTheScript) {
  brsm::WeaponFields fields;
  for (const FieldInput& in : EveryFieldFilled()) {
    HWND field = Field(in.left, in.top, in.cls);
    ASSERT_NE(field, nullptr);
    SetTextOf(field, in.text);
    fields.*in.field = brsm::FromUtf16(in.text);
  }
  const std::string expected = Join(brsm::GenerateWeaponScript(fields).Lines);
  Settle(main_);
  SaveScreenshot("generator-main");

  PostClick(PanelButton(8, L"TsBitBtn"));
  EXPECT_EQ(CloseMessages(), 0);
  HWND result = program_->WaitForWindow(L"TForm2");
  ASSERT_NE(result, nullptr) << "the result window did not show";
  EXPECT_FALSE(IsWindowEnabled(main_)) << "the result window is not modal";
  HWND memo = ChildOfClass(result, L"TsMemo");
  ASSERT_NE(memo, nullptr);
  EXPECT_EQ(brsm::FromUtf16(TextOf(memo)), expected);
  Settle(result);
  SaveScreenshot("generator-result");

  // A name without extension gets ".uc"; the file holds the memo's lines in
  // 1251, each ended by CR LF.
  SaveAs(result, folder_.File(L"weapon"));
  // The file appears before the program has written it: wait for its bytes.
  ASSERT_TRUE(WaitUntil([&] { return FileThere(folder_.File(L"weapon.uc")); }));
  WaitUntil([&] { return FileBytes(folder_.File(L"weapon.uc")) == expected; });
  EXPECT_EQ(FileBytes(folder_.File(L"weapon.uc")), expected);

  // What the user changed in the memo is what is saved; a name that ends in
  // ".uc" keeps it, and the file is replaced without a question.
  SetTextOf(memo, L"class Edited extends UTWeap_LinkGun;\r\n\x0416");
  SaveAs(result, folder_.File(L"weapon.uc"));
  EXPECT_TRUE(WaitUntil([&] { return FileBytes(folder_.File(L"weapon.uc")).size() == 41; }));
  EXPECT_EQ(FileBytes(folder_.File(L"weapon.uc")), "class Edited extends UTWeap_LinkGun;\r\n\xC6\r\n");
  EXPECT_FALSE(FileThere(folder_.File(L"weapon.uc.uc")));

  // A file that cannot be written ends in the error box; nothing is left
  // behind and the program goes on.
  const std::wstring blocked = folder_.File(L"blocked.uc");
  ASSERT_TRUE(CreateDirectoryW(blocked.c_str(), nullptr));
  SaveAs(result, folder_.File(L"blocked"));
  HWND errorBox = program_->WaitForWindow(L"#32770");
  ASSERT_NE(errorBox, nullptr) << "no error box";
  // The box's window is there before its controls are: wait for its text.
  std::wstring errorText;
  WaitUntil([&] {
    errorText.clear();
    for (HWND c = GetWindow(errorBox, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
      if (ClassOf(c) == L"Static") errorText += TextOf(c);
    return errorText.find(L"blocked.uc") != std::wstring::npos;
  });
  EXPECT_NE(errorText.find(L"blocked.uc"), std::wstring::npos) << brsm::FromUtf16(errorText);
  PostMessageW(errorBox, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(errorBox); }));
  RemoveDirectoryW(blocked.c_str());
  EXPECT_FALSE(FileThere(folder_.File(L"blocked.uc.tmp")));
  EXPECT_EQ(brsm::FromUtf16(TextOf(memo)), "class Edited extends UTWeap_LinkGun;\r\n\xC6");

  // "Отмена" closes the result window and gives the main form back.
  PostClick(ChildAt(ChildOfClass(result, L"TsPanel"), L"TsButton", 164, 8));
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(result); }));
  EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(main_) != 0; }));
}

// A user who wants to quote the message presses Ctrl+C on the box, as on
// the system's own message boxes.
TEST_F(GeneratorProgram, CtrlCOnAMissingFieldMessageCopiesItsText) {
  PostClick(PanelButton(8, L"TsBitBtn"));
  HWND box = program_->WaitForWindow(L"TMessageForm");
  ASSERT_NE(box, nullptr) << "no message for the empty form";
  EmptyTheClipboard();
  // The box takes the skin on its first activation: the keys go to it only
  // once it is shown and in front.
  WaitUntil([&] {
    SetForegroundWindow(box);
    return IsWindowVisible(box) && GetForegroundWindow() == box;
  }, 5000);
  ASSERT_TRUE(PressKeys({VK_CONTROL, 'C'}));
  std::wstring copied;
  WaitUntil([&] { return !(copied = ClipboardText()).empty(); }, 5000);
  EXPECT_EQ(copied,
            L"---------------------------\r\n"
            L"Brassmith\r\n"
            L"---------------------------\r\n"
            L"Не указан класс создаваемого оружия.\r\n"
            L"---------------------------\r\n"
            L"OK   \r\n"
            L"---------------------------\r\n");
  EXPECT_EQ(CloseMessages(), 2);
}

TEST_F(GeneratorProgram, StayOnTopTogglesAndCheckBoxSwitchesTheReloadField) {
  HWND onTop = Field(176, 464, L"TsBitBtn");
  HWND check = Field(16, 512, L"TCheckBox");
  HWND reload = Field(24, 536);
  ASSERT_TRUE(onTop && check && reload);
  auto topmost = [&] { return (GetWindowLongW(main_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; };
  EXPECT_FALSE(topmost());
  PostClick(onTop);
  EXPECT_TRUE(WaitUntil(topmost));
  PostClick(onTop);
  EXPECT_TRUE(WaitUntil([&] { return !topmost(); }));
  EXPECT_EQ(TextOf(onTop), L"Поверх всех окон");

  // Enabled or disabled, the field is emptied each time.
  EXPECT_FALSE(IsWindowEnabled(reload));
  SetTextOf(reload, L"Reload");
  PostClick(check);
  EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(reload) && TextOf(reload).empty(); }));
  SetTextOf(reload, L"Reload");
  PostClick(check);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowEnabled(reload) && TextOf(reload).empty(); }));
}

TEST_F(GeneratorProgram, AboutAndHowToWindowsOpenAndClose) {
  PostClick(PanelButton(96));
  HWND about = program_->WaitForWindow(L"TForm3");
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(TextOf(about), L"О программе");
  Settle(about);
  SaveScreenshot("generator-about");
  PostClick(ChildAt(about, L"TsBitBtn", 84, 87));
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(about); }));

  PostClick(PanelButton(112));
  HWND howTo = program_->WaitForWindow(L"TForm4");
  ASSERT_NE(howTo, nullptr);
  HWND memo = ChildOfClass(howTo, L"TsMemo");
  ASSERT_NE(memo, nullptr);
  Settle(howTo);
  SaveScreenshot("generator-howto");
  const std::wstring text = TextOf(memo);
  int lines = 0;
  for (size_t at = 0; (at = text.find(L"\r\n", at)) != std::wstring::npos; at += 2) ++lines;
  EXPECT_EQ(lines, 31);
  // Typing changes nothing: the memo is read-only.
  EXPECT_NE(GetWindowLongW(memo, GWL_STYLE) & ES_READONLY, 0);
  SendMessageW(memo, WM_CHAR, L'x', 0);
  EXPECT_EQ(TextOf(memo), text);
  PostClick(ChildAt(ChildOfClass(howTo, L"TsPanel"), L"TsBitBtn", 229, 8));
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(howTo); }));

  // "Выход" ends the program.
  PostClick(PanelButton(232));
  EXPECT_TRUE(program_->Ended(5000));
}

}  // namespace
