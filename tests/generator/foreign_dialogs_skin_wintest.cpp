// The system's own dialogs of the generator, with a kit-made Marl in the
// Windows folder and without it: the real BRSM.exe's save dialog, driven
// from outside, and a message box shown in the generator's process over its
// real main form. With Marl both wear DIALOG's frame (read back from the
// screen against the kit's colours) and work through its caption buttons;
// without it they keep the system's frame. Both work the same either way.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "generator/filled_request.h"
#include "generator/program_driver.h"
#include "generator/skin_engine_start.h"
#include "generator/unit1.h"
#include "generator/weapon_script.h"
#include "platform/rtl/text1251.h"
#include "support/screen_capture.h"
#include "support/screenshot.h"
#include "support/windows_folder_skin.h"
#include "tools/skinkit/kit_pictures.h"
#include "tools/skinkit/marl_skin.h"

using namespace brsm::test;
using brsm::kit::KitColor;
using brsm::kit::MarlSectionIndex;

namespace {

// Marl's caption glyphs: glyph g's frame s is a square of KitColor(g, 10 + s)
// half the glyph's size, on magenta.
struct CaptionGlyph {
  int Index, Size;
};
constexpr CaptionGlyph kBigClose{30, 16}, kSmallClose{35, 12};

TColor Frame(const char* section, bool active) { return KitColor(MarlSectionIndex(section), active ? 11 : 10); }
constexpr TColor kMagenta = 0xFF00FF;

RECT WindowRectOf(HWND wnd) {
  RECT r{};
  GetWindowRect(wnd, &r);
  return r;
}

// The window's region as it is now.
class WindowRegion {
 public:
  explicit WindowRegion(HWND wnd) : region_(CreateRectRgn(0, 0, 0, 0)) {
    has_ = GetWindowRgn(wnd, region_) != ERROR;
  }
  ~WindowRegion() { DeleteObject(region_); }
  WindowRegion(const WindowRegion&) = delete;
  WindowRegion& operator=(const WindowRegion&) = delete;
  bool Has() const { return has_; }
  // Whether the window point is shown; every point is without a region.
  bool Shows(int x, int y) const { return !has_ || PtInRegion(region_, x, y); }

 private:
  HRGN region_;
  bool has_ = false;
};

// The skinned frame as the screen shows it: DIALOG's border (FORM's, with
// its magenta corners cut out of the region, no magenta left anywhere), the
// FORMTITLE bar with the caption in its font colour, and the close glyph at
// the right end of the bar. Answers the screen centre of the close button.
POINT ExpectSkinnedFrame(HWND dialog, CaptionGlyph close) {
  const bool active = GetForegroundWindow() == dialog;
  EXPECT_EQ(GetWindowLongW(dialog, GWL_STYLE) & WS_SYSMENU, 0) << "the system still draws its caption buttons";
  const RECT w = WindowRectOf(dialog);
  const int width = w.right - w.left, height = w.bottom - w.top;
  const ScreenCapture screen(w);
  const WindowRegion region(dialog);
  EXPECT_TRUE(region.Has());
  auto Shown = [&](int x, int y) { return region.Shows(x, y); };
  auto at = [&](int x, int y) { return screen.At(w.left + x, w.top + y); };

  // The four corners cut, the edges kept: the first kept pixel of the
  // bottom-left corner is the border's corner colour.
  for (POINT p : {POINT{0, 0}, POINT{width - 1, 0}, POINT{0, height - 1}, POINT{width - 1, height - 1}})
    EXPECT_FALSE(Shown(p.x, p.y)) << "corner " << p.x << ", " << p.y << " not cut";
  EXPECT_TRUE(Shown(width / 2, 0));
  EXPECT_FALSE(Shown(4, height - 2));
  EXPECT_TRUE(Shown(5, height - 2));
  EXPECT_EQ(at(5, height - 2), brsm::kit::Corner(Frame("FORM", active)));
  EXPECT_EQ(at(1, height / 2), brsm::kit::Shade(Frame("FORM", active)));
  EXPECT_EQ(at(width - 2, height / 2), brsm::kit::Shade(Frame("FORM", active)));
  int magenta = 0;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) magenta += Shown(x, y) && at(x, y) == kMagenta;
  EXPECT_EQ(magenta, 0) << "the skin's transparent colour shows";

  // The title bar and its caption.
  const int band = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFRAME);
  EXPECT_EQ(at(width / 2, 1), brsm::kit::Shade(Frame("FORMTITLE", active)));
  const TColor text = KitColor(MarlSectionIndex("FORMTITLE"), active ? 3 : 2);
  EXPECT_GT(screen.Count(RECT{w.left, w.top, w.left + width / 2, w.top + band}, text), 10)
      << "no caption in FORMTITLE's font colour";

  // The close glyph in its normal frame, the last thing on the bar.
  const TColor glyph = KitColor(close.Index, 10);
  const RECT bar{w.left, w.top, w.right, w.top + band};
  EXPECT_EQ(screen.Count(bar, glyph), close.Size / 2 * close.Size / 2) << "not the caption glyph of that size";
  POINT centre{0, 0};
  int n = 0;
  for (int y = bar.top; y < bar.bottom; ++y)
    for (int x = bar.left; x < bar.right; ++x)
      if (screen.At(x, y) == glyph) centre = POINT{centre.x + x, centre.y + y}, ++n;
  if (n == 0) return centre;
  centre = POINT{centre.x / n, centre.y / n};
  EXPECT_GT(centre.x, w.right - GetSystemMetrics(SM_CXFRAME) - close.Size);
  return centre;
}

// Presses and releases the frame's close button as the mouse does.
void PostCloseClick(HWND dialog, POINT at) {
  SetCursorPos(at.x, at.y);
  EXPECT_EQ(SendMessageW(dialog, WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y)), HTCLOSE);
  PostMessageW(dialog, WM_NCLBUTTONDOWN, HTCLOSE, MAKELPARAM(at.x, at.y));
  PostMessageW(dialog, WM_NCLBUTTONUP, HTCLOSE, MAKELPARAM(at.x, at.y));
}

void ExpectSystemFrame(HWND dialog) {
  EXPECT_NE(GetWindowLongW(dialog, GWL_STYLE) & WS_SYSMENU, 0);
  EXPECT_FALSE(WindowRegion(dialog).Has());
}

// -- The save dialog of the real program ------------------------------------------------------

class ProgramSaveDialog : public ::testing::TestWithParam<bool> {
 protected:
  bool Skinned() const { return GetParam(); }
  void SetUp() override {
    ASSERT_TRUE(PutMarlInWindowsFolder(Skinned() ? MarlKind::Folder : MarlKind::None));
    program_ = std::make_unique<ChildProgram>(WinePath(BRSM_BIN_DIR) + L"\\BRSM.exe", folder_.Path());
    ASSERT_TRUE(program_->Started());
    main_ = program_->WaitForWindow(L"TForm1");
    ASSERT_NE(main_, nullptr);
  }
  void TearDown() override {
    program_.reset();
    RemoveMarlFromWindowsFolder();
  }

  // Opens the save dialog from the result window.
  HWND OpenSaveDialog() {
    PostClick(ChildAt(ChildOfClass(result_, L"TsPanel"), L"TsButton", 8, 4));
    HWND dialog = program_->WaitForWindow(L"#32770");
    if (dialog) Settle(dialog);
    return dialog;
  }
  static HWND NameField(HWND dialog) {
    HWND field = GetDlgItem(dialog, 0x480);  // edt1
    return field ? field : GetDlgItem(dialog, 0x47C);  // cmb13
  }
  bool Gone(HWND dialog) {
    return WaitUntil([&] { return !IsWindow(dialog); }) && WaitUntil([&] { return IsWindowEnabled(result_) != 0; });
  }

  TempFolder folder_{L"brsm-save-skin"};
  std::unique_ptr<ChildProgram> program_;
  HWND main_ = nullptr;
  HWND result_ = nullptr;
};

TEST_P(ProgramSaveDialog, SavesCancelsAndClosesInTheFrameOfTheSkin) {
  brsm::WeaponFields fields;
  for (const FieldInput& in : EveryFieldFilled()) {
    HWND field = ChildAt(main_, in.cls, in.left, in.top);
    ASSERT_NE(field, nullptr);
    SetTextOf(field, in.text);
    fields.*in.field = brsm::FromUtf16(in.text);
  }
  std::string expected;
  for (const std::string& line : brsm::GenerateWeaponScript(fields).Lines) expected += line + "\r\n";
  PostClick(ChildAt(ChildAt(main_, L"TsPanel", 0, 589), L"TsBitBtn", 8, 5));
  result_ = program_->WaitForWindow(L"TForm2");
  ASSERT_NE(result_, nullptr);

  // Save: the typed name gets ".uc" and holds the script.
  HWND dialog = OpenSaveDialog();
  ASSERT_NE(dialog, nullptr) << "no save dialog";
  if (Skinned()) {
    ExpectSkinnedFrame(dialog, kBigClose);
    // The grip answers in the client's bottom-right corner, where the
    // system's frame has only client.
    const RECT w = WindowRectOf(dialog);
    const POINT grip{w.right - GetSystemMetrics(SM_CXFRAME) - 3, w.bottom - GetSystemMetrics(SM_CYFRAME) - 3};
    EXPECT_EQ(SendMessageW(dialog, WM_NCHITTEST, 0, MAKELPARAM(grip.x, grip.y)), HTBOTTOMRIGHT);
    SaveScreenshot("save_dialog_skinned");
  } else {
    ExpectSystemFrame(dialog);
  }
  ASSERT_NE(NameField(dialog), nullptr);
  SetTextOf(NameField(dialog), folder_.File(L"brass"));
  PostClick(GetDlgItem(dialog, IDOK));
  ASSERT_TRUE(Gone(dialog)) << "the save dialog stayed";
  ASSERT_TRUE(WaitUntil([&] { return FileBytes(folder_.File(L"brass.uc")) == expected; }))
      << FileBytes(folder_.File(L"brass.uc"));

  // Cancel writes nothing.
  dialog = OpenSaveDialog();
  ASSERT_NE(dialog, nullptr);
  SetTextOf(NameField(dialog), folder_.File(L"cancelled"));
  PostClick(GetDlgItem(dialog, IDCANCEL));
  ASSERT_TRUE(Gone(dialog));

  // The frame's close button cancels too.
  dialog = OpenSaveDialog();
  ASSERT_NE(dialog, nullptr);
  SetTextOf(NameField(dialog), folder_.File(L"closed"));
  if (Skinned()) {
    const POINT close = ExpectSkinnedFrame(dialog, kBigClose);
    PostCloseClick(dialog, close);
  } else {
    ExpectSystemFrame(dialog);
    PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
  }
  ASSERT_TRUE(Gone(dialog)) << "the close button did not close the dialog";
  EXPECT_FALSE(FileThere(folder_.File(L"cancelled.uc")));
  EXPECT_FALSE(FileThere(folder_.File(L"closed.uc")));
  EXPECT_EQ(FileBytes(folder_.File(L"brass.uc")), expected);
}

INSTANTIATE_TEST_SUITE_P(Marl, ProgramSaveDialog, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Skinned" : "Plain"; });

// -- A message box in the generator's process -------------------------------------------------

// What the timer saw and did while a box was up.
struct BoxRun {
  bool Skinned = false;
  bool ByCloseButton = false;
  HWND Box = nullptr;
};
BoxRun run;

void CALLBACK DriveBox(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  run.Box = FindWindowW(L"#32770", L"Brassmith");
  if (!run.Box) return;
  RedrawWindow(run.Box, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  if (!run.Skinned) {
    ExpectSystemFrame(run.Box);
    if (run.ByCloseButton)
      PostMessageW(run.Box, WM_SYSCOMMAND, SC_CLOSE, 0);
    else
      PostClick(GetDlgItem(run.Box, IDOK));
    return;
  }
  const POINT close = ExpectSkinnedFrame(run.Box, kSmallClose);
  if (run.ByCloseButton) {
    PostCloseClick(run.Box, close);
  } else {
    SaveScreenshot("message_box_skinned");
    PostClick(GetDlgItem(run.Box, IDOK));
  }
}

class GeneratorMessageBox : public ::testing::TestWithParam<bool> {
 protected:
  static void SetUpTestSuite() { brsm::StartSkinEngine(); }
  void SetUp() override {
    ASSERT_TRUE(PutMarlInWindowsFolder(GetParam() ? MarlKind::Folder : MarlKind::None));
    form_ = std::make_unique<TForm1>(Application);
    form_->AfterConstruction();
    form_->Show();
    SetForegroundWindow(form_->Handle());
    for (int i = 0; i < 10; ++i) Application->ProcessMessages();
    ASSERT_EQ(form_->sSkinManager1->Active(), GetParam());
  }
  void TearDown() override {
    form_.reset();
    RemoveMarlFromWindowsFolder();
  }
  int Show(bool byCloseButton) {
    run = BoxRun{GetParam(), byCloseButton, nullptr};
    SetTimer(nullptr, 0, 500, DriveBox);
    const int answer = Application->MessageBox("\xC1\xF0\xE0\xF1\xF1 \xE3\xEE\xF2\xEE\xE2?", "Brassmith",
                                               MB_OKCANCEL | MB_ICONEXCLAMATION);
    EXPECT_NE(run.Box, nullptr) << "no box came";
    return answer;
  }

  std::unique_ptr<TForm1> form_;
};

TEST_P(GeneratorMessageBox, OkAndTheCloseButtonAnswerAsOnTheSystemsBox) {
  EXPECT_EQ(Show(false), IDOK);
  EXPECT_EQ(Show(true), IDCANCEL);
}

INSTANTIATE_TEST_SUITE_P(Marl, GeneratorMessageBox, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Skinned" : "Plain"; });

}  // namespace
