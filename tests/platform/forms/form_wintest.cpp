// Forms: styles mapped to window bits, stay-on-top on the same window,
// 1251 captions, placement, the screen's lists, deferred release and the
// stored-layout protocol.
#include <gtest/gtest.h>

#include "forms_test_support.h"
#include "platform/rtl/text1251.h"

using brsm::test::Pump;
using brsm::test::PumpUntil;

namespace {

class TDemoForm : public TForm {
 public:
  explicit TDemoForm(TComponent* owner) : TForm(owner) {}
};

DWORD StyleOf(TWinControl* c) { return (DWORD)GetWindowLongW(c->Handle(), GWL_STYLE); }
DWORD ExStyleOf(TWinControl* c) { return (DWORD)GetWindowLongW(c->Handle(), GWL_EXSTYLE); }

TEST(Form, StayOnTopTogglesTheTopmostBitOfTheSameWindow) {
  // Wine keeps a window topmost when no ordinary window is left on screen
  // to go below; with another form showing it behaves as Windows does.
  auto other = std::make_unique<TForm>(nullptr);
  other->SetBounds(300, 300, 100, 80);
  other->Show();
  auto form = std::make_unique<TDemoForm>(nullptr);
  form->SetBounds(40, 40, 200, 120);
  form->Show();
  HWND wnd = form->Handle();
  EXPECT_EQ(ExStyleOf(form.get()) & WS_EX_TOPMOST, 0);
  form->SetFormStyle(fsStayOnTop);
  EXPECT_EQ(form->Handle(), wnd);
  EXPECT_NE(ExStyleOf(form.get()) & WS_EX_TOPMOST, 0);
  form->SetFormStyle(fsNormal);
  EXPECT_EQ(form->Handle(), wnd);
  EXPECT_EQ(ExStyleOf(form.get()) & WS_EX_TOPMOST, 0);
  // A form made stay-on-top before its window exists gets the bit at once.
  auto early = std::make_unique<TDemoForm>(nullptr);
  early->SetFormStyle(fsStayOnTop);
  EXPECT_NE(ExStyleOf(early.get()) & WS_EX_TOPMOST, 0);
}

TEST(Form, RussianCaptionReadsBackByteExact) {
  const std::string caption = brsm::FromUtf8("Название класса ёЁ № – Brassmith");
  auto form = std::make_unique<TDemoForm>(nullptr);
  form->SetCaption(caption);
  EXPECT_EQ(form->Caption(), caption);  // before the window exists
  HWND wnd = form->Handle();
  EXPECT_EQ(form->Caption(), caption);
  wchar_t wide[128] = {};
  GetWindowTextW(wnd, wide, 128);
  EXPECT_EQ(std::wstring(wide), brsm::ToUtf16(caption));
  EXPECT_EQ(std::wstring(wide).substr(0, 8), L"\x041D\x0430\x0437\x0432\x0430\x043D\x0438\x0435");
  // Text set by someone else through the window comes back as 1251.
  SetWindowTextW(wnd, L"\x041E \x043F\x0440\x043E\x0433\x0440\x0430\x043C\x043C\x0435");
  EXPECT_EQ(form->Caption(), "\xCE \xEF\xF0\xEE\xE3\xF0\xE0\xEC\xEC\xE5");  // О программе
}

TEST(Form, BorderStylesAndIconsMapToWindowBits) {
  struct Case {
    TFormBorderStyle border;
    TBorderIcons icons;
    DWORD styleOn, styleOff, exOn;
  };
  const Case cases[] = {
      {bsDialog, {biSystemMenu, biMinimize, biMaximize}, WS_CAPTION | WS_SYSMENU,
       WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, WS_EX_DLGMODALFRAME},
      {bsSizeable, {biSystemMenu, biMinimize, biMaximize},
       WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 0, 0},
      {bsSingle, {biSystemMenu}, WS_CAPTION | WS_SYSMENU, WS_THICKFRAME | WS_MINIMIZEBOX, 0},
      {bsNone, {biSystemMenu}, WS_POPUP, WS_CAPTION | WS_SYSMENU, 0},
      {bsToolWindow, {biSystemMenu, biMinimize}, WS_CAPTION | WS_SYSMENU, WS_MINIMIZEBOX,
       WS_EX_TOOLWINDOW},
      {bsSizeToolWin, {}, WS_CAPTION | WS_THICKFRAME, WS_SYSMENU, WS_EX_TOOLWINDOW},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.border));
    auto form = std::make_unique<TDemoForm>(nullptr);
    form->SetBorderStyle(c.border);
    form->SetBorderIcons(c.icons);
    const DWORD style = StyleOf(form.get());
    EXPECT_EQ(style & c.styleOn, c.styleOn);
    EXPECT_EQ(style & c.styleOff, 0);
    EXPECT_EQ(ExStyleOf(form.get()) & c.exOn, c.exOn);
  }
  // Changing the style of an existing window makes it again with the new bits.
  auto form = std::make_unique<TDemoForm>(nullptr);
  form->SetCaption("kept");
  ASSERT_NE(StyleOf(form.get()) & WS_THICKFRAME, 0);
  form->SetBorderStyle(bsDialog);
  EXPECT_EQ(StyleOf(form.get()) & WS_THICKFRAME, 0);
  EXPECT_EQ(form->Caption(), "kept");
}

TEST(Form, ClientSizeAndCentredPlacement) {
  auto form = std::make_unique<TDemoForm>(nullptr);
  form->SetBorderStyle(bsDialog);
  form->SetClientWidth(320);
  form->SetClientHeight(222);
  EXPECT_EQ(form->ClientWidth(), 320);
  EXPECT_EQ(form->ClientHeight(), 222);
  RECT r;
  GetClientRect(form->Handle(), &r);
  EXPECT_EQ(r.right, 320);
  EXPECT_EQ(r.bottom, 222);
  // The size asked for before the window existed is the size it got.
  auto early = std::make_unique<TDemoForm>(nullptr);
  early->SetBorderStyle(bsDialog);
  early->SetClientWidth(150);
  early->SetClientHeight(90);
  ASSERT_FALSE(early->HandleAllocated());
  GetClientRect(early->Handle(), &r);
  EXPECT_EQ(r.right, 150);
  EXPECT_EQ(r.bottom, 90);
  form->SetPosition(poDesktopCenter);
  form->Show();
  EXPECT_EQ(form->Left(), Screen->DesktopLeft() + Screen->DesktopWidth() / 2 - form->Width() / 2);
  EXPECT_EQ(form->Top(), Screen->DesktopTop() + Screen->DesktopHeight() / 2 - form->Height() / 2);
  RECT w;
  GetWindowRect(form->Handle(), &w);
  EXPECT_EQ(w.left, form->Left());
  EXPECT_EQ(w.top, form->Top());
}

TEST(Form, ScreenListsFormsAndFindsTheParentForm) {
  const int before = Screen->CustomFormCount();
  auto form = std::make_unique<TDemoForm>(nullptr);
  auto* inner = new brsm::test::TTestEdit(form.get());
  auto* panel = new TCustomControl(form.get());
  panel->SetParent(form.get());
  inner->SetParent(panel);
  EXPECT_EQ(Screen->CustomFormCount(), before + 1);
  EXPECT_EQ(Screen->CustomForms(before), form.get());
  bool listed = false;
  for (int i = 0; i < Screen->FormCount(); ++i) listed |= Screen->Forms(i) == form.get();
  EXPECT_TRUE(listed);
  EXPECT_EQ(GetParentForm(inner), form.get());
  EXPECT_EQ(GetParentForm(form.get()), form.get());
  form.reset();
  EXPECT_EQ(Screen->CustomFormCount(), before);
}

TEST(Form, ReleaseFreesTheFormAfterItsOwnHandler) {
  auto* form = new TDemoForm(Application);
  auto* watcher = new TComponent(nullptr);
  bool freed = false;
  form->OnDestroy = [&](TObject*) { freed = true; };
  form->OnClick = [&](TObject* sender) {
    static_cast<TDemoForm*>(sender)->Release();
    // Still whole while the handler runs.
    EXPECT_FALSE(freed);
    static_cast<TDemoForm*>(sender)->SetCaption("after release");
  };
  form->SetBounds(30, 30, 150, 100);
  form->Show();
  HWND wnd = form->Handle();
  PostMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
  PostMessageW(wnd, WM_LBUTTONUP, 0, MAKELPARAM(20, 20));
  EXPECT_TRUE(PumpUntil([&] { return freed; }));
  EXPECT_FALSE(IsWindow(wnd));
  delete watcher;
}

TEST(Form, ShowingIsKeptByTheLibraryNotReadFromTheWindow) {
  auto form = std::make_unique<TDemoForm>(nullptr);
  auto* edit = new brsm::test::TTestEdit(form.get());
  edit->SetParent(form.get());
  std::vector<UINT> seen;
  const TWndMethod saved = edit->WindowProc;
  edit->WindowProc = [&](TMessage& m) {
    if (m.Msg == CM_VISIBLECHANGED || m.Msg == CM_SHOWINGCHANGED) seen.push_back(m.Msg);
    saved(m);
  };
  form->Show();
  EXPECT_TRUE(edit->Showing());
  EXPECT_EQ(seen, (std::vector<UINT>{CM_SHOWINGCHANGED}));
  // Redraw switched off takes WS_VISIBLE away; the library still knows better.
  SendMessageW(form->Handle(), WM_SETREDRAW, FALSE, 0);
  EXPECT_FALSE(IsWindowVisible(form->Handle()));
  EXPECT_TRUE(form->Showing());
  EXPECT_TRUE(edit->Showing());
  SendMessageW(form->Handle(), WM_SETREDRAW, TRUE, 0);
  EXPECT_TRUE(IsWindowVisible(form->Handle()));

  seen.clear();
  edit->SetVisible(false);
  EXPECT_EQ(seen, (std::vector<UINT>{CM_VISIBLECHANGED, CM_SHOWINGCHANGED}));
  EXPECT_FALSE(edit->Showing());
  EXPECT_FALSE(IsWindowVisible(edit->Handle()));
  // A handler in the chain that swallows CM_SHOWINGCHANGED keeps the window
  // as it is: the default handling is what shows it.
  edit->WindowProc = [&](TMessage& m) {
    if (m.Msg == CM_SHOWINGCHANGED) return;
    saved(m);
  };
  edit->SetVisible(true);
  EXPECT_TRUE(edit->Showing());
  EXPECT_FALSE(IsWindowVisible(edit->Handle()));
  edit->WindowProc = saved;
}

int countedDestructions = 0;
class TCounted : public TComponent {
 public:
  using TComponent::TComponent;
  ~TCounted() override { ++countedDestructions; }
};

TEST(Form, DeferredDeletionSkipsObjectsFreedMeanwhile) {
  countedDestructions = 0;
  auto* first = new TCounted(nullptr);
  auto* second = new TCounted(nullptr);
  Application->DeferDelete(first);
  Application->DeferDelete(second);
  Application->DeferDelete(second);  // asked twice, freed once
  delete first;                      // freed by someone else before the loop ran
  EXPECT_EQ(countedDestructions, 1);
  brsm::test::Pump(50);
  EXPECT_EQ(countedDestructions, 2);
  brsm::test::Pump(50);
  EXPECT_EQ(countedDestructions, 2);
}

// The layout of a form: components made and set while loading, then told.
std::vector<std::string> layoutLog;

class TLayoutProbe : public TComponent {
 public:
  explicit TLayoutProbe(TComponent* owner) : TComponent(owner), log_(layoutLog) {}
  void SetValue(int v) {
    log_.push_back(Name() + (ComponentState().Contains(csLoading) ? " set while loading" : " set"));
    value_ = v;
  }

 protected:
  void Loaded() override {
    TComponent::Loaded();
    log_.push_back(Name() + " loaded");
  }

 private:
  std::vector<std::string>& log_;
  int value_ = 0;
};

class TLayoutForm : public TForm {
 public:
  explicit TLayoutForm(TComponent* owner) : TForm(owner), log_(layoutLog) {
    brsm::LayoutReader layout(this);
    SetName("LayoutForm");
    SetCaption(brsm::FromUtf8("Форма"));
    SetBorderStyle(bsDialog);
    SetClientWidth(200);
    SetClientHeight(120);
    SetVisible(true);  // shown only once the form is made
    OnCreate = [this](TObject*) {
      log_.push_back(std::string("OnCreate, shown: ") + (Showing() ? "yes" : "no"));
    };
    first = layout.Read(new TLayoutProbe(this));
    first->SetName("First");
    first->SetValue(1);
    edit = layout.Read(new brsm::test::TTestEdit(this));
    edit->SetName("Edit");
    edit->SetParent(this);
    edit->SetTabOrder(1);
    second = layout.Read(new brsm::test::TTestEdit(this));
    second->SetName("Second");
    second->SetParent(this);
    second->SetTabOrder(0);
    log_.push_back(std::string("form loading: ") + (ComponentState().Contains(csLoading) ? "yes" : "no"));
    layout.Finish();
  }

 protected:
  void Loaded() override {
    TForm::Loaded();
    log_.push_back("form loaded");
  }

 public:
  TLayoutProbe* first = nullptr;
  brsm::test::TTestEdit* edit = nullptr;
  brsm::test::TTestEdit* second = nullptr;

 private:
  std::vector<std::string>& log_;
};

TEST(Form, StoredLayoutLoadsInOrderThenCreatesAndShows) {
  TLayoutForm* form = nullptr;
  Application->CreateForm(form);
  ASSERT_NE(form, nullptr);
  const std::vector<std::string> expected = {
      "First set while loading", "form loading: yes", "form loaded", "First loaded",
      "OnCreate, shown: no"};
  EXPECT_EQ(layoutLog, expected);
  EXPECT_EQ(Application->MainForm(), form);
  EXPECT_TRUE(form->Showing());
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  EXPECT_EQ(form->Caption(), brsm::FromUtf8("Форма"));
  EXPECT_EQ(form->ClientWidth(), 200);
  // Tab orders stored before their siblings existed are in place.
  EXPECT_EQ(form->second->TabOrder(), 0);
  EXPECT_EQ(form->edit->TabOrder(), 1);
  EXPECT_EQ(form->Owner(), Application);
  delete form;
  EXPECT_EQ(Application->MainForm(), nullptr);
}

}  // namespace
