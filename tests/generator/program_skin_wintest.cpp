// The real BRSM.exe with Marl in the Windows folder as a kit-made folder, as
// a damaged archive, or not at all. Every window it shows, the main form,
// the message of a request with an empty field, the result window, the
// error box of a save that cannot be written, the about box and the how-to
// window, takes the skin from the creation hook alone: Marl's frame and
// title bar read back from the screen, window adapters on its standard
// controls and its plain labels in GLOBALINFO's font colour. Without a
// usable Marl each keeps the ordinary look.
#include <gtest/gtest.h>

#include <windows.h>

#include <cwctype>
#include <memory>
#include <string>
#include <vector>

#include "generator/filled_request.h"
#include "generator/program_driver.h"
#include "platform/rtl/text1251.h"
#include "skin/core/skin_commands.h"
#include "support/screen_capture.h"
#include "support/screenshot.h"
#include "support/windows_folder_skin.h"
#include "tools/skinkit/kit_pictures.h"
#include "tools/skinkit/marl_skin.h"

using namespace brsm::test;
using brsm::kit::KitColor;
using brsm::kit::MarlSectionIndex;
using brsm::kit::Shade;

namespace {

TColor Colour(const char* section, int index) { return KitColor(MarlSectionIndex(section), index); }
bool IsEdge(TColor c, const char* section) {
  return c == Shade(Colour(section, 10)) || c == Shade(Colour(section, 11));
}

bool AnswersSkinned(HWND wnd) {
  DWORD_PTR answer = 0;
  return SendMessageTimeoutW(wnd, CommandMessage, SkinCmdWParam(SkinCmdQuerySkinned), 0, SMTO_NORMAL, 2000,
                             &answer) &&
         answer != 0;
}

// The window's descendants of the platform's and the system's standard
// classes: the ones the hook's adapters take. A combo box's own edit is
// the skinned box's part, not a control of the form.
std::vector<HWND> StandardControls(HWND wnd) {
  std::vector<HWND> found;
  EnumChildWindows(
      wnd,
      [](HWND child, LPARAM param) -> BOOL CALLBACK {
        static const wchar_t* const kClasses[] = {L"TEdit", L"TCheckBox", L"TButton", L"Button", L"Edit", L"Static"};
        std::wstring parent = ClassOf(GetParent(child));
        for (wchar_t& ch : parent) ch = static_cast<wchar_t>(towlower(ch));
        if (parent.find(L"combo") != std::wstring::npos) return TRUE;
        const std::wstring cls = ClassOf(child);
        for (const wchar_t* c : kClasses)
          if (_wcsicmp(cls.c_str(), c) == 0) reinterpret_cast<std::vector<HWND>*>(param)->push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

class GeneratorProgramSkin : public ::testing::TestWithParam<MarlKind> {
 protected:
  void SetUp() override {
    SetCursorPos(1270, 1010);
    ASSERT_TRUE(PutMarlInWindowsFolder(GetParam()));
    program_ = std::make_unique<ChildProgram>(WinePath(BRSM_BIN_DIR) + L"\\BRSM.exe", folder_.Path());
    ASSERT_TRUE(program_->Started());
    if (GetParam() == MarlKind::Damaged) {
      // The manager says once that the skin cannot be read.
      HWND warning = program_->WaitForWindow(L"#32770");
      ASSERT_NE(warning, nullptr) << "no word of the damaged skin";
      PostMessageW(warning, WM_COMMAND, IDOK, 0);
    }
    main_ = program_->WaitForWindow(L"TForm1");
    ASSERT_NE(main_, nullptr);
    panel_ = ChildAt(main_, L"TsPanel", 0, 589);
    ASSERT_NE(panel_, nullptr);
  }
  void TearDown() override {
    program_.reset();
    RemoveMarlFromWindowsFolder();
  }
  bool Skinned() const { return GetParam() == MarlKind::Folder; }

  // The window in Marl's look or in the ordinary one, as the parameter
  // says; `labels` when it has plain labels, `standard` when it has
  // standard controls.
  void ExpectLook(HWND wnd, const std::string& name, bool labels, bool standard) {
    SCOPED_TRACE(name);
    SetForegroundWindow(wnd);
    Settle(wnd);
    SaveScreenshot("generator-" + name + "-" + brsm::test::MarlKindName(GetParam()));
    RECT w{};
    GetWindowRect(wnd, &w);
    const ScreenCapture screen(w);
    const RECT client = ClientOnScreen(wnd);
    const TColor fontColor = Colour("GLOBALINFO", 2);
    const std::vector<HWND> controls = StandardControls(wnd);
    if (standard) {
      EXPECT_FALSE(controls.empty());
    }
    if (!Skinned()) {
      EXPECT_FALSE(WindowHasRegion(wnd));
      EXPECT_NE(GetWindowLongW(wnd, GWL_STYLE) & WS_SYSMENU, 0);
      EXPECT_FALSE(AnswersSkinned(wnd)) << "a provider without a skin";
      for (HWND c : controls) EXPECT_FALSE(AnswersSkinned(c)) << brsm::FromUtf16(ClassOf(c));
      EXPECT_EQ(screen.Count(client, fontColor), 0);
      return;
    }
    EXPECT_TRUE(WindowHasRegion(wnd));
    EXPECT_EQ(GetWindowLongW(wnd, GWL_STYLE) & WS_SYSMENU, 0);
    EXPECT_TRUE(AnswersSkinned(wnd)) << "no provider";
    // FORM's border down the left, FORMTITLE's along the top, the caption
    // in FORMTITLE's font colour (normal or active).
    EXPECT_TRUE(IsEdge(screen.At(w.left + 1, (w.top + w.bottom) / 2), "FORM"));
    EXPECT_TRUE(IsEdge(screen.At((w.left + w.right) / 2, w.top + 1), "FORMTITLE"));
    const RECT title{w.left, w.top, w.right, client.top};
    EXPECT_GT(screen.Count(title, Colour("FORMTITLE", 2)) + screen.Count(title, Colour("FORMTITLE", 3)), 20)
        << "no caption text";
    for (HWND c : controls) EXPECT_TRUE(AnswersSkinned(c)) << brsm::FromUtf16(ClassOf(c)) << " not adapted";
    if (labels) {
      EXPECT_GT(screen.Count(client, fontColor), 40) << "labels not in GLOBALINFO's font colour";
    }
  }

  TempFolder folder_{L"brsm-program-skin"};
  std::unique_ptr<ChildProgram> program_;
  HWND main_ = nullptr;
  HWND panel_ = nullptr;
};

TEST_P(GeneratorProgramSkin, EveryWindowInMarlsLookOrTheOrdinaryOne) {
  ExpectLook(main_, "main", true, true);

  // A request with every field empty: its first message.
  PostClick(ChildAt(panel_, L"TsBitBtn", 8, 5));
  for (int i = 0; i < 2; ++i) {
    HWND message = program_->WaitForWindow(L"TMessageForm");
    ASSERT_NE(message, nullptr) << "message " << i;
    if (i == 0) ExpectLook(message, "message", true, true);
    PostClick(ChildOfClass(message, L"TButton"));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(message) || !IsWindowVisible(message); }));
  }

  for (const FieldInput& in : EveryFieldFilled()) {
    HWND field = ChildAt(main_, in.cls, in.left, in.top);
    ASSERT_NE(field, nullptr);
    SetTextOf(field, in.text);
  }
  PostClick(ChildAt(panel_, L"TsBitBtn", 8, 5));
  HWND result = program_->WaitForWindow(L"TForm2");
  ASSERT_NE(result, nullptr);
  ExpectLook(result, "result", false, false);

  // Saved under a name whose ".uc" file is a folder: the error box.
  const std::wstring blocked = folder_.File(L"blocked.uc");
  ASSERT_TRUE(CreateDirectoryW(blocked.c_str(), nullptr));
  PostClick(ChildAt(ChildOfClass(result, L"TsPanel"), L"TsButton", 8, 4));
  HWND save = program_->WaitForWindow(L"#32770");
  ASSERT_NE(save, nullptr) << "no save dialog";
  HWND nameField = GetDlgItem(save, 0x480);
  if (!nameField) nameField = GetDlgItem(save, 0x47C);
  ASSERT_NE(nameField, nullptr);
  SetTextOf(nameField, folder_.File(L"blocked"));
  PostMessageW(save, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(save); })) << "the save dialog stayed";
  HWND error = program_->WaitForWindow(L"#32770");
  ASSERT_NE(error, nullptr) << "no error box";
  ExpectLook(error, "error", false, true);
  if (Skinned()) {
    // Its text in the section the hook gives a message box's static.
    const ScreenCapture box(ClientOnScreen(error));
    EXPECT_GT(box.Count(ClientOnScreen(error), Colour("CHECKBOX", 2)), 10) << "the message text";
  }
  PostMessageW(error, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(error); }));
  RemoveDirectoryW(blocked.c_str());
  PostClick(ChildAt(ChildOfClass(result, L"TsPanel"), L"TsButton", 164, 8));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(result) && IsWindowEnabled(main_); }));

  PostClick(ChildAt(panel_, L"TsButton", 96, 5));
  HWND about = program_->WaitForWindow(L"TForm3");
  ASSERT_NE(about, nullptr);
  ExpectLook(about, "about", true, false);
  PostClick(ChildAt(about, L"TsBitBtn", 84, 87));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(about) && IsWindowEnabled(main_); }));

  PostClick(ChildAt(panel_, L"TsButton", 112, 5));
  HWND howTo = program_->WaitForWindow(L"TForm4");
  ASSERT_NE(howTo, nullptr);
  ExpectLook(howTo, "howto", false, false);
  PostClick(ChildAt(ChildOfClass(howTo, L"TsPanel"), L"TsBitBtn", 229, 8));
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(howTo); }));
}

INSTANTIATE_TEST_SUITE_P(Kinds, GeneratorProgramSkin,
                         ::testing::Values(MarlKind::Folder, MarlKind::Damaged, MarlKind::None),
                         [](const auto& info) { return MarlKindName(info.param); });

}  // namespace
