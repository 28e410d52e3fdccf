// The message dialog ("TMessageForm") and the system's save dialog, driven
// from timers while they run modally; opening a web address through the
// shell.
#include <gtest/gtest.h>

#include "controls_test_support.h"
#include "platform/forms/dialogs.h"
#include "platform/forms/shell.h"
#include "platform/forms/stdctrls.h"
#include "platform/forms/timers.h"
#include "platform/rtl/text1251.h"
#include "support/keys_and_clipboard.h"

using brsm::test::FindThreadWindow;
using brsm::test::PostKey;

namespace {

// Runs `step` from a timer until it answers true.
class Driver {
 public:
  explicit Driver(std::function<bool()> step) : step_(std::move(step)), timer_(nullptr) {
    timer_.SetInterval(100);
    timer_.OnTimer = [this](TObject*) {
      if (step_()) timer_.SetEnabled(false);
    };
  }

 private:
  std::function<bool()> step_;
  TTimer timer_;
};

TMessageForm* ShownMessageForm() {
  for (int i = 0; i < Screen->CustomFormCount(); ++i)
    if (auto* f = dynamic_cast<TMessageForm*>(Screen->CustomForms(i))) return f;
  return nullptr;
}

std::wstring TextOf(HWND wnd) {
  wchar_t buffer[256] = {};
  GetWindowTextW(wnd, buffer, 256);
  return buffer;
}

TEST(MessageDialog, ShowMessageMakesAFreshModalMessageFormEachTime) {
  Application->SetTitle("Brassmith \xD2\xE5\xF1\xF2");  // "Brassmith Тест"
  std::vector<HWND> windows;
  std::wstring caption;
  bool listed = false;
  Driver driver([&] {
    HWND wnd = FindThreadWindow("TMessageForm");
    if (!wnd || (!windows.empty() && windows.back() == wnd)) return false;
    windows.push_back(wnd);
    caption = TextOf(wnd);
    TMessageForm* form = ShownMessageForm();
    listed = form && form->Handle() == wnd && form->Button(mbOK) != nullptr;
    if (form) {
      EXPECT_EQ(form->MessageLabel()->Caption(), "\xCD\xE5 \xF3\xEA\xE0\xE7\xE0\xED");
      // The first is clicked away, the second answered with Enter.
      if (windows.size() == 1) PostMessageW(form->Button(mbOK)->Handle(), BM_CLICK, 0, 0);
      else PostKey(GetFocus(), VK_RETURN);
    }
    return windows.size() == 2;
  });
  ShowMessage("\xCD\xE5 \xF3\xEA\xE0\xE7\xE0\xED");  // "Не указан"
  EXPECT_EQ(ShownMessageForm(), nullptr);  // gone once it was answered
  ShowMessage("\xCD\xE5 \xF3\xEA\xE0\xE7\xE0\xED");
  EXPECT_TRUE(listed);
  EXPECT_EQ(caption, L"Brassmith \x0422\x0435\x0441\x0442");
  EXPECT_EQ(ShownMessageForm(), nullptr);
  ASSERT_EQ(windows.size(), 2u);
  EXPECT_FALSE(IsWindow(windows[0]));
  EXPECT_FALSE(IsWindow(windows[1]));
}

TEST(MessageDialog, EnterAndEscPickTheDefaultAndCancelButtons) {
  Driver enter([] {
    HWND wnd = FindThreadWindow("TMessageForm");
    if (wnd) PostKey(GetFocus(), VK_RETURN);
    return wnd != nullptr;
  });
  EXPECT_EQ(MessageDlg("?", mtConfirmation, mbYesNo, 0), mrYes);
  std::wstring caption;
  Driver escape([&] {
    HWND wnd = FindThreadWindow("TMessageForm");
    if (wnd) {
      caption = TextOf(wnd);
      PostKey(GetFocus(), VK_ESCAPE);
    }
    return wnd != nullptr;
  });
  EXPECT_EQ(MessageDlg("?", mtConfirmation, mbYesNo, 0), mrNo);
  EXPECT_EQ(caption, L"Confirm");
}

TEST(MessageDialog, LayoutFitsTheMessageAndTheButtons) {
  std::string longText;
  for (int i = 0; i < 120; ++i) longText += "\xF1\xEB\xEE\xE2\xEE ";  // "слово "
  std::unique_ptr<TMessageForm, void (*)(TMessageForm*)> form(
      CreateMessageDialog(longText, mtWarning, mbAbortRetryIgnore), [](TMessageForm* f) { f->Free(); });
  TButton* abort = form->Button(mbAbort);
  TButton* ignore = form->Button(mbIgnore);
  ASSERT_TRUE(abort && ignore && form->IconImage());
  EXPECT_EQ(form->Button(mbOK), nullptr);
  EXPECT_LT(abort->Left(), ignore->Left());
  // The long message wraps within the form; buttons stay below it.
  TLabel* text = form->MessageLabel();
  EXPECT_LE(text->Left() + text->Width(), form->ClientWidth());
  EXPECT_GT(text->Height(), 2 * form->Canvas()->TextHeight("W"));
  EXPECT_LE(text->Width(), Screen->Width() / 2);
  EXPECT_GE(abort->Top(), text->Top() + text->Height());
  EXPECT_LE(ignore->Left() + ignore->Width(), form->ClientWidth());
  EXPECT_TRUE(abort->Default());
  EXPECT_FALSE(ignore->Cancel());
}

TEST(MessageDialog, CtrlCAndCtrlInsCopyTheWholeTextInTheSystemsLayout) {
  const std::wstring expected =
      L"---------------------------\r\n"
      L"Confirm\r\n"
      L"---------------------------\r\n"
      L"\x041D\x0435 \x0443\x043A\x0430\x0437\x0430\x043D\r\n"
      L"A & B\r\n"
      L"\r\n"
      L"---------------------------\r\n"
      L"Yes   No   Cancel   \r\n"
      L"---------------------------\r\n";
  std::vector<std::wstring> copies;
  int step = 0;
  Driver driver([&] {
    HWND wnd = FindThreadWindow("TMessageForm");
    if (!wnd) return false;
    switch (step++) {
      case 0:
        SetForegroundWindow(wnd);
        brsm::test::EmptyTheClipboard();
        brsm::test::PressKeys({VK_CONTROL, 'C'});
        return false;
      case 1:
        copies.push_back(brsm::test::ClipboardText());
        brsm::test::EmptyTheClipboard();
        brsm::test::PressKeys({VK_CONTROL, VK_INSERT});
        return false;
      case 2:
        copies.push_back(brsm::test::ClipboardText());
        brsm::test::EmptyTheClipboard();
        brsm::test::PressKeys({'C'});  // without Ctrl nothing is copied
        return false;
      default:
        copies.push_back(brsm::test::ClipboardText());
        PostKey(GetFocus(), VK_ESCAPE);
        return true;
    }
  });
  // "Не указан", a literal ampersand, an empty last line.
  EXPECT_EQ(MessageDlg("\xCD\xE5 \xF3\xEA\xE0\xE7\xE0\xED\nA & B\r\n\r\n", mtConfirmation, mbYesNoCancel, 0),
            mrCancel);
  ASSERT_EQ(copies.size(), 3u);
  EXPECT_EQ(copies[0], expected);
  EXPECT_EQ(copies[1], expected);
  EXPECT_EQ(copies[2], L"");
}

// -- Save dialog ------------------------------------------------------------------

class SaveDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    folder = temp;
    form = new TForm(nullptr);
    form->SetBounds(60, 60, 300, 200);
    form->Show();
    dialog = new TSaveDialog(form);
    dialog->SetFilter("Unreal Script \xD4\xEE\xF0\xEC\xE0\xF2 (*.uc)|*.uc");
    dialog->SetOptions({ofHideReadOnly, ofShareAware, ofEnableSizing});
  }
  void TearDown() override { delete form; }
  std::wstring folder;
  TForm* form = nullptr;
  TSaveDialog* dialog = nullptr;
};

// The file name box of the dialog: a combo box with an edit (0x47C) in the
// newer dialog, a plain edit (0x480) in the older one.
HWND FileNameBox(HWND dialog) {
  if (HWND combo = GetDlgItem(dialog, 0x47C)) return combo;
  return GetDlgItem(dialog, 0x480);
}

TEST_F(SaveDialog, ReturnsTheNameTypedIntoIt) {
  const std::wstring typed = folder + L"\x041E\x0440\x0443\x0436\x0438\x0435";  // "Оружие"
  std::wstring filterShown;
  Driver driver([&] {
    HWND dlg = FindThreadWindow("#32770");
    if (!dlg) return false;
    wchar_t type[128] = {};
    SendDlgItemMessageW(dlg, 0x470, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(type));
    filterShown = type;
    SetWindowTextW(FileNameBox(dlg), typed.c_str());
    PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dlg, IDOK)));
    return true;
  });
  ASSERT_TRUE(dialog->Execute());
  EXPECT_EQ(dialog->FileName(), brsm::FromUtf16(typed));
  EXPECT_EQ(dialog->FileName().substr(dialog->FileName().size() - 6), "\xCE\xF0\xF3\xE6\xE8\xE5");
  EXPECT_EQ(dialog->Files()->Count(), 1);
  EXPECT_EQ(filterShown, L"Unreal Script \x0424\x043E\x0440\x043C\x0430\x0442 (*.uc)");
}

TEST_F(SaveDialog, CancelKeepsTheOldName) {
  dialog->SetFileName("old");
  Driver driver([&] {
    HWND dlg = FindThreadWindow("#32770");
    if (dlg) PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    return dlg != nullptr;
  });
  EXPECT_FALSE(dialog->Execute());
  EXPECT_EQ(dialog->FileName(), "old");
}

TEST(FileDialogFilter, PairsBecomeNulSeparatedStrings) {
  const std::wstring f = brsm::FilterToSystem("A (*.a)|*.a|\xC2\xF1\xE5|*.*");
  EXPECT_EQ(f, std::wstring(L"A (*.a)\0*.a\0\x0412\x0441\x0435\0*.*\0\0", 21));
  EXPECT_TRUE(brsm::FilterToSystem("").empty());
}

// -- Shell ------------------------------------------------------------------------

TEST(Shell, OpenAsksForTheOpenVerbWithNothingElse) {
  std::vector<brsm::TShellRequest> seen;
  brsm::TShellRunner old = brsm::SetShellRunner([&](const brsm::TShellRequest& r) -> intptr_t {
    seen.push_back(r);
    return 42;
  });
  HWND parent = reinterpret_cast<HWND>(0x1234);
  EXPECT_EQ(brsm::ShellOpen(parent, "http://example.org/\xF1\xE0\xE9\xF2"), 42);
  brsm::SetShellRunner(old);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].Parent, parent);
  EXPECT_EQ(seen[0].Verb, "open");
  EXPECT_EQ(seen[0].File, "http://example.org/\xF1\xE0\xE9\xF2");
  EXPECT_EQ(seen[0].Parameters, "");
  EXPECT_EQ(seen[0].Directory, "");
  EXPECT_EQ(seen[0].ShowCommand, SW_SHOWNORMAL);
}

}  // namespace
