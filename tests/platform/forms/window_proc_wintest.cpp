// The message path: WindowProc replaced, called and restored; WM_CREATE
// reaching a WindowProc replaced before the window existed; messages to
// windowless controls; notifications reflected to the child; class names.
#include <gtest/gtest.h>

#include "forms_test_support.h"
#include "tests/generator/program_driver.h"
#include "platform/rtl/text1251.h"

using brsm::test::Pump;

namespace {

class TRecordingControl : public TCustomControl {
 public:
  explicit TRecordingControl(TComponent* owner) : TCustomControl(owner) {}
};

class TReflectButton : public TWinControl {
 public:
  explicit TReflectButton(TComponent* owner) : TWinControl(owner) { SetBounds(10, 10, 80, 24); }
  int Commands = 0;
  WORD LastCode = 0xFFFF;
  void Dispatch(TMessage& m) override {
    if (m.Msg == CN_COMMAND) {
      ++Commands;
      LastCode = HIWORD(m.WParam);
      return;
    }
    TWinControl::Dispatch(m);
  }

 protected:
  void CreateParams(TCreateParams& p) override {
    TWinControl::CreateParams(p);
    CreateSubClass(p, "BUTTON");
    p.Style |= BS_PUSHBUTTON;
  }
};

class WindowProcChain : public ::testing::Test {
 protected:
  void SetUp() override {
    form = new TForm(nullptr);
    form->SetBounds(50, 50, 300, 200);
    control = new TRecordingControl(form);
    control->SetParent(form);
    control->SetBounds(0, 0, 100, 100);
  }
  void TearDown() override { delete form; }
  TForm* form = nullptr;
  TRecordingControl* control = nullptr;
  std::vector<std::string> calls;
};

TEST_F(WindowProcChain, ReplacedProceduresRunNewestFirstAndRestoreInReverseOrder) {
  const TWndMethod original = control->WindowProc;
  TWndMethod savedA = control->WindowProc;
  control->WindowProc = [&](TMessage& m) {
    if (m.Msg == WM_USER + 1) calls.push_back("A");
    savedA(m);
  };
  TWndMethod savedB = control->WindowProc;
  control->WindowProc = [&](TMessage& m) {
    if (m.Msg == WM_USER + 1) {
      calls.push_back("B");
      m.Result = 7;
    }
    savedB(m);
  };
  EXPECT_EQ(control->Perform(WM_USER + 1), 7);
  EXPECT_EQ(calls, (std::vector<std::string>{"B", "A"}));

  control->WindowProc = savedB;  // B leaves first
  calls.clear();
  control->Perform(WM_USER + 1);
  EXPECT_EQ(calls, (std::vector<std::string>{"A"}));
  control->WindowProc = savedA;
  calls.clear();
  control->Perform(WM_USER + 1);
  EXPECT_TRUE(calls.empty());
  // The default procedure is back: a text set through it reads back.
  control->SetText("abc");
  EXPECT_EQ(control->Text(), "abc");
  (void)original;
}

TEST_F(WindowProcChain, HooksLeavingInEitherOrderKeepTheOthersWorking) {
  for (bool firstLeavesFirst : {true, false}) {
    SCOPED_TRACE(firstLeavesFirst ? "first hook leaves first" : "last hook leaves first");
    calls.clear();
    auto first = std::make_unique<brsm::TWindowProcHook>();
    auto second = std::make_unique<brsm::TWindowProcHook>();
    brsm::TWindowProcHook* a = first.get();
    brsm::TWindowProcHook* b = second.get();
    a->Install(control, [&, a](TMessage& m) {
      if (m.Msg == WM_USER + 2) calls.push_back("first");
      a->Previous(m);
    });
    b->Install(control, [&, b](TMessage& m) {
      if (m.Msg == WM_USER + 2) calls.push_back("second");
      b->Previous(m);
    });
    control->Perform(WM_USER + 2);
    EXPECT_EQ(calls, (std::vector<std::string>{"second", "first"}));

    // Free the hook objects (as an adapter would be freed): no message may
    // reach them afterwards.
    if (firstLeavesFirst) {
      first.reset();
      calls.clear();
      control->Perform(WM_USER + 2);
      EXPECT_EQ(calls, (std::vector<std::string>{"second"}));
      second.reset();
    } else {
      second.reset();
      calls.clear();
      control->Perform(WM_USER + 2);
      EXPECT_EQ(calls, (std::vector<std::string>{"first"}));
      first.reset();
    }
    calls.clear();
    control->Perform(WM_USER + 2);
    EXPECT_TRUE(calls.empty());
    control->SetText("still answers");
    EXPECT_EQ(control->Text(), "still answers");
  }
}

TEST_F(WindowProcChain, ProcedureReplacedBeforeTheWindowExistsSeesItsCreation) {
  std::vector<UINT> seen;
  const TWndMethod saved = control->WindowProc;
  control->WindowProc = [&](TMessage& m) {
    seen.push_back(m.Msg);
    saved(m);
  };
  ASSERT_FALSE(control->HandleAllocated());
  form->Show();
  ASSERT_TRUE(control->HandleAllocated());
  auto index = [&](UINT msg) {
    return std::find(seen.begin(), seen.end(), msg) - seen.begin();
  };
  ASSERT_LT(index(WM_NCCREATE), static_cast<long>(seen.size()));
  ASSERT_LT(index(WM_CREATE), static_cast<long>(seen.size()));
  EXPECT_LT(index(WM_NCCREATE), index(WM_CREATE));
  EXPECT_LT(index(WM_CREATE), index(CM_SHOWINGCHANGED));
  control->WindowProc = saved;
}

TEST_F(WindowProcChain, WindowlessControlsGetMessagesThroughTheirWindowProc) {
  auto* graphic = new brsm::test::TRecordingGraphic(form);
  graphic->SetParent(form);
  int commandsSeen = 0;
  const TWndMethod saved = graphic->WindowProc;
  graphic->WindowProc = [&](TMessage& m) {
    if (m.Msg == 0xA100) {
      ++commandsSeen;
      m.LParam = 1;  // a library query answers in LParam
      m.Result = 1;
      return;
    }
    saved(m);
  };
  TMessage query = MakeMessage(0xA100, MAKEWPARAM(0, 7), 0);
  graphic->Perform(query);
  EXPECT_EQ(commandsSeen, 1);
  EXPECT_EQ(query.LParam, 1);
  EXPECT_EQ(query.Result, 1);
  // Unknown messages end in the default handler without effect.
  graphic->WindowProc = saved;
  EXPECT_EQ(graphic->Perform(0xA100, MAKEWPARAM(0, 7), 0), 0);
}

TEST_F(WindowProcChain, ChildNotificationsAreReflectedToTheChildControl) {
  auto* button = new TReflectButton(form);
  button->SetParent(form);
  form->Show();
  SendMessageW(button->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(button->Commands, 1);
  EXPECT_EQ(button->LastCode, BN_CLICKED);
}

TEST_F(WindowProcChain, ColourQueriesOfAChildAreAnsweredByTheChild) {
  auto* edit = new brsm::test::TTestEdit(form);
  edit->SetParent(form);
  edit->SetColor(RGBColor(10, 20, 30));
  edit->Font()->SetColor(RGBColor(200, 100, 50));
  form->Show();
  HDC dc = GetDC(edit->Handle());
  const LRESULT brush = SendMessageW(form->Handle(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                                     reinterpret_cast<LPARAM>(edit->Handle()));
  EXPECT_EQ(brush, reinterpret_cast<LRESULT>(edit->Brush()->Handle()));
  EXPECT_EQ(GetTextColor(dc), RGB(200, 100, 50));
  EXPECT_EQ(GetBkColor(dc), RGB(10, 20, 30));
  ReleaseDC(edit->Handle(), dc);
}

TEST_F(WindowProcChain, WindowClassesAreNamedAfterTheClasses) {
  auto* edit = new brsm::test::TTestEdit(form);
  edit->SetParent(form);
  form->Show();
  EXPECT_EQ(brsm::test::WindowClassOf(form->Handle()), "TForm");
  EXPECT_EQ(brsm::test::WindowClassOf(control->Handle()), "TRecordingControl");
  EXPECT_EQ(brsm::test::WindowClassOf(edit->Handle()), "TTestEdit");
  EXPECT_EQ(brsm::test::WindowClassOf(Application->Handle()), "TApplication");
  // The subclassed edit still behaves as an edit.
  SetWindowTextW(edit->Handle(), L"typed");
  EXPECT_EQ(SendMessageW(edit->Handle(), WM_GETTEXTLENGTH, 0, 0), 5);
  EXPECT_NE(SendMessageW(edit->Handle(), WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL, 0);
  EXPECT_EQ(FindControl(edit->Handle()), edit);
}

TEST_F(WindowProcChain, RecreatedWindowKeepsTextAndChildren) {
  auto* edit = new brsm::test::TTestEdit(form);
  edit->SetParent(form);
  form->Show();
  edit->SetText(brsm::FromUtf8("Текст"));
  HWND before = edit->Handle();
  form->RecreateWnd();
  ASSERT_TRUE(edit->HandleAllocated());
  EXPECT_NE(edit->Handle(), before);
  EXPECT_EQ(edit->Text(), brsm::FromUtf8("Текст"));
  EXPECT_TRUE(edit->Showing());
  EXPECT_TRUE(IsWindowVisible(edit->Handle()));
  // Windows map to their controls as they come and go.
  EXPECT_EQ(FindControl(before), nullptr);
  EXPECT_EQ(FindControl(edit->Handle()), edit);
  EXPECT_EQ(FindControl(form->Handle()), form);
  EXPECT_EQ(FindControl(GetDesktopWindow()), nullptr);
}

// Both programs end with their forms owned by the application, freed by
// the forms unit's last finaliser: a form's window still reaches the form
// then, and a window made then still maps to its control.
TEST(WindowProcAtExit, AFormFreedAtExitStillReachesItsWindow) {
  brsm::test::TempFolder folder(L"teardown");
  const std::wstring report = folder.File(L"report.txt");
  brsm::test::ChildProgram child(brsm::test::WinePath(BRSM_TEARDOWN_CHILD), folder.Path(), L"\"" + report + L"\"");
  ASSERT_TRUE(child.Started());
  EXPECT_TRUE(child.Ended(20000));
  EXPECT_EQ(brsm::test::FileBytes(report), "reached=1 found=1");
}

}  // namespace
