// Keyboard navigation: Tab and Shift+Tab move the focus in tab order, Enter
// and Esc go to the form's controls as dialog keys, letters that a control
// does not take go out as accelerators; focus changes come as CM_ENTER and
// CM_EXIT.
#include <gtest/gtest.h>

#include "forms_test_support.h"

using brsm::test::Pump;
using brsm::test::PumpUntil;
using brsm::test::TTestEdit;

namespace {

// Answers the dialog keys and accelerators it is given, like a default
// button and a button with a mnemonic would.
class TKeyProbe : public TCustomControl {
 public:
  explicit TKeyProbe(TComponent* owner) : TCustomControl(owner) {}
  std::vector<WPARAM> DialogKeys;
  std::vector<char> DialogChars;
  bool TakeReturn = true;
  void Dispatch(TMessage& m) override {
    if (m.Msg == CM_DIALOGKEY) {
      DialogKeys.push_back(m.WParam);
      if (m.WParam == VK_RETURN && TakeReturn) m.Result = 1;
      return;
    }
    if (m.Msg == CM_DIALOGCHAR) {
      DialogChars.push_back(static_cast<char>(m.WParam));
      if (m.WParam == 'g') m.Result = 1;
      return;
    }
    TCustomControl::Dispatch(m);
  }
};

void SetShift(bool down) {
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_SHIFT] = down ? 0x80 : 0;
  SetKeyboardState(keys);
}

class Keyboard : public ::testing::Test {
 protected:
  void SetUp() override {
    form = new TForm(nullptr);
    form->SetBounds(80, 80, 320, 220);
    // Created in one order, tabbed in another.
    for (int i = 0; i < 4; ++i) {
      edits[i] = new TTestEdit(form);
      edits[i]->SetName("Edit" + std::to_string(i));
      edits[i]->SetParent(form);
      edits[i]->SetBounds(10, 10 + 30 * i, 120, 22);
      edits[i]->OnEnter = [this, i](TObject*) { log.push_back("enter " + std::to_string(i)); };
      edits[i]->OnExit = [this, i](TObject*) { log.push_back("exit " + std::to_string(i)); };
    }
    edits[3]->SetTabOrder(0);  // tab order: 3, 0, 1, 2
    edits[2]->SetTabStop(false);  // skipped by Tab
    probe = new TKeyProbe(form);
    probe->SetParent(form);
    probe->SetBounds(200, 10, 60, 25);
    form->Show();
    ASSERT_TRUE(PumpUntil([&] { return GetFocus() != nullptr; }));
  }
  void TearDown() override {
    SetShift(false);
    delete form;
  }
  void Key(WPARAM key) {
    HWND target = GetFocus();
    PostMessageW(target, WM_KEYDOWN, key, 1);
    PostMessageW(target, WM_KEYUP, key, 0xC0000001);
    Pump(30);
  }
  TTestEdit* Focused() { return dynamic_cast<TTestEdit*>(FindControl(GetFocus())); }
  TForm* form = nullptr;
  TTestEdit* edits[4] = {};
  TKeyProbe* probe = nullptr;
  std::vector<std::string> log;
};

TEST_F(Keyboard, TabAndShiftTabFollowTheTabOrder) {
  EXPECT_EQ(Focused(), edits[3]);  // the first in tab order when the form activates
  EXPECT_EQ(form->ActiveControl(), edits[3]);
  Key(VK_TAB);
  EXPECT_EQ(Focused(), edits[0]);
  Key(VK_TAB);
  EXPECT_EQ(Focused(), edits[1]);
  Key(VK_TAB);  // edits[2] has no tab stop: round to the start
  EXPECT_EQ(Focused(), edits[3]);
  SetShift(true);
  Key(VK_TAB);
  EXPECT_EQ(Focused(), edits[1]);
  Key(VK_TAB);
  EXPECT_EQ(Focused(), edits[0]);
  SetShift(false);
  EXPECT_EQ(form->ActiveControl(), edits[0]);
  EXPECT_EQ(Screen->ActiveControl(), edits[0]);
  EXPECT_EQ(Screen->ActiveCustomForm(), form);
  const std::vector<std::string> expected = {"enter 3", "exit 3", "enter 0", "exit 0", "enter 1",
                                             "exit 1",  "enter 3", "exit 3", "enter 1",
                                             "exit 1",  "enter 0"};
  EXPECT_EQ(log, expected);
}

TEST_F(Keyboard, EnterAndEscapeAreDialogKeysForTheFormsControls) {
  Key(VK_RETURN);
  Key(VK_ESCAPE);
  EXPECT_EQ(probe->DialogKeys, (std::vector<WPARAM>{VK_RETURN, VK_ESCAPE}));
  // A used Enter never reaches the edit as a character.
  EXPECT_EQ(edits[3]->Text(), "");
}

TEST_F(Keyboard, CharactersGoToTheEditAndAcceleratorsToTheOthers) {
  HWND edit = edits[3]->Handle();
  PostMessageW(edit, WM_CHAR, L'\x0436', 1);  // ж: the edit wants characters
  Pump(30);
  EXPECT_EQ(edits[3]->Text(), "\xE6");  // ж
  EXPECT_TRUE(probe->DialogChars.empty());
  // Alt+G: a system character goes to the form as an accelerator.
  PostMessageW(edit, WM_SYSCHAR, 'g', 0x20000001);
  Pump(30);
  EXPECT_EQ(probe->DialogChars, (std::vector<char>{'g'}));
}

TEST_F(Keyboard, AFreedControlLeavesTheTabOrder) {
  EXPECT_EQ(Focused(), edits[3]);
  delete edits[3];  // the focused one
  edits[3] = nullptr;
  EXPECT_EQ(form->ActiveControl(), nullptr);
  edits[0]->SetFocus();
  Key(VK_TAB);
  EXPECT_EQ(Focused(), edits[1]);
  Key(VK_TAB);
  EXPECT_EQ(Focused(), edits[0]);
}

TEST_F(Keyboard, SetFocusAndActiveControlAgree) {
  edits[1]->SetFocus();
  EXPECT_EQ(Focused(), edits[1]);
  EXPECT_EQ(form->ActiveControl(), edits[1]);
  EXPECT_TRUE(edits[1]->Focused());
  form->SetActiveControl(edits[0]);
  EXPECT_EQ(Focused(), edits[0]);
  // A hidden control gives the focus up and cannot take it.
  edits[0]->SetVisible(false);
  EXPECT_EQ(form->ActiveControl(), nullptr);
  EXPECT_FALSE(edits[0]->CanFocus());
  EXPECT_THROW(form->SetActiveControl(edits[0]), EInvalidOperation);
}

}  // namespace
