// Push buttons, bit-map buttons, speed buttons and check boxes: the keys
// that press them, the modal results they give, groups of speed buttons and
// what the owner-drawn faces show.
#include <gtest/gtest.h>

#include "forms_test_support.h"
#include "platform/forms/buttons.h"
#include "platform/forms/timers.h"

using brsm::test::Pump;
using brsm::test::PumpUntil;
using brsm::test::ScreenPixel;

namespace {

void PressKey(HWND wnd, WPARAM key) {
  PostMessageW(wnd, WM_KEYDOWN, key, 1);
  PostMessageW(wnd, WM_KEYUP, key, 0xC0000001);
}

bool IsDefaultStyle(TButton* b) { return (GetWindowLongW(b->Handle(), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON; }

class DialogButtons : public ::testing::Test {
 protected:
  void SetUp() override {
    form = new TForm(nullptr);
    form->SetBounds(60, 60, 300, 160);
    edit = new TEdit(form);
    edit->SetParent(form);
    edit->SetBounds(10, 10, 120, 21);
    ok = new TButton(form);
    ok->SetParent(form);
    ok->SetBounds(10, 60, 75, 25);
    ok->SetCaption("OK");
    ok->SetDefault(true);
    ok->SetModalResult(mrOk);
    ok->OnClick = [this](TObject*) { log += "ok "; };
    cancel = new TButton(form);
    cancel->SetParent(form);
    cancel->SetBounds(100, 60, 75, 25);
    cancel->SetCaption("\xCE\xF2\xEC\xE5\xED\xE0");  // "Отмена"
    cancel->SetCancel(true);
    cancel->SetModalResult(mrCancel);
    cancel->OnClick = [this](TObject*) { log += "cancel "; };
    form->Show();
    edit->SetFocus();
    Pump();
  }
  void TearDown() override { delete form; }
  TForm* form = nullptr;
  TEdit* edit = nullptr;
  TButton* ok = nullptr;
  TButton* cancel = nullptr;
  std::string log;
};

TEST_F(DialogButtons, EnterPressesTheDefaultAndEscTheCancelButton) {
  PressKey(edit->Handle(), VK_RETURN);
  Pump();
  EXPECT_EQ(log, "ok ");
  EXPECT_EQ(form->ModalResult(), mrOk);
  PressKey(edit->Handle(), VK_ESCAPE);
  Pump();
  EXPECT_EQ(log, "ok cancel ");
  EXPECT_EQ(form->ModalResult(), mrCancel);
}

TEST_F(DialogButtons, EnterInAComboBoxEditPressesTheDefaultButton) {
  // The edit part is the system's window inside the combo box, not ours.
  auto* combo = new TComboBox(form);
  combo->SetParent(form);
  combo->SetBounds(150, 10, 121, 22);
  combo->Items()->Add("EWFT_Projectile");
  combo->SetFocus();
  Pump();
  HWND inner = GetFocus();
  ASSERT_NE(inner, combo->Handle());
  ASSERT_EQ(GetParent(inner), combo->Handle());
  PressKey(inner, VK_RETURN);
  Pump();
  EXPECT_EQ(log, "ok ");
  EXPECT_TRUE(IsDefaultStyle(ok));
}

TEST_F(DialogButtons, TheFocusedButtonTakesEnterAndTheDefaultLook) {
  EXPECT_TRUE(IsDefaultStyle(ok));
  EXPECT_FALSE(IsDefaultStyle(cancel));
  cancel->SetFocus();
  Pump();
  EXPECT_TRUE(IsDefaultStyle(cancel));
  EXPECT_FALSE(IsDefaultStyle(ok));
  PressKey(cancel->Handle(), VK_RETURN);
  Pump();
  EXPECT_EQ(log, "cancel ");
  edit->SetFocus();
  Pump();
  EXPECT_TRUE(IsDefaultStyle(ok));
  EXPECT_FALSE(IsDefaultStyle(cancel));
}

TEST_F(DialogButtons, ModalFormEndsWithTheButtonsResult) {
  form->Hide();
  TTimer timer(nullptr);
  timer.SetInterval(150);
  timer.OnTimer = [&](TObject*) {
    timer.SetEnabled(false);
    PressKey(GetFocus(), VK_ESCAPE);
  };
  EXPECT_EQ(form->ShowModal(), mrCancel);
  EXPECT_EQ(log, "cancel ");
}

// -- TBitBtn ----------------------------------------------------------------------

class BitButtons : public ::testing::Test {
 protected:
  void SetUp() override {
    form = new TForm(nullptr);
    form->SetBounds(60, 60, 260, 120);
  }
  void TearDown() override { delete form; }
  TBitBtn* Button(TBitBtnKind kind) {
    auto* b = new TBitBtn(form);
    b->SetParent(form);
    b->SetBounds(20, 20, 100, 30);
    b->SetKind(kind);
    return b;
  }
  TForm* form = nullptr;
};

TEST_F(BitButtons, EachKindClosesAModalFormWithItsResult) {
  const TBitBtnKind kinds[] = {bkOK, bkCancel, bkYes, bkNo, bkAbort, bkRetry, bkIgnore, bkAll};
  const TModalResult results[] = {mrOk, mrCancel, mrYes, mrNo, mrAbort, mrRetry, mrIgnore, mrAll};
  for (size_t i = 0; i < std::size(kinds); ++i) {
    TBitBtn* b = Button(kinds[i]);
    TTimer timer(nullptr);
    timer.SetInterval(100);
    timer.OnTimer = [&](TObject*) {
      timer.SetEnabled(false);
      SendMessageW(b->Handle(), BM_CLICK, 0, 0);
    };
    EXPECT_EQ(form->ShowModal(), results[i]) << "kind " << kinds[i];
    delete b;
  }
}

TEST_F(BitButtons, CloseKindClosesItsFormInsteadOfClicking) {
  TBitBtn* b = Button(bkClose);
  int clicks = 0;
  b->OnClick = [&](TObject*) { ++clicks; };
  TTimer timer(nullptr);
  timer.SetInterval(100);
  timer.OnTimer = [&](TObject*) {
    timer.SetEnabled(false);
    SendMessageW(b->Handle(), BM_CLICK, 0, 0);
  };
  EXPECT_EQ(form->ShowModal(), mrCancel);
  EXPECT_EQ(clicks, 0);
}

TEST_F(BitButtons, KindGivesCaptionDefaultAndTwoFrameGlyph) {
  TBitBtn* b = Button(bkOK);
  EXPECT_EQ(b->Caption(), "OK");
  EXPECT_TRUE(b->Default());
  EXPECT_EQ(b->NumGlyphs(), 2);
  ASSERT_EQ(b->Glyph()->Width(), 36);
  EXPECT_EQ(b->Glyph()->Height(), 18);
  // The see-through colour is read from the bottom-left pixel.
  EXPECT_EQ(ColorToRGB(b->Glyph()->TransparentColor()), RGBColor(0x80, 0x80, 0x00));
  // Taking a kind's property away makes the button a custom one.
  b->SetModalResult(mrNone);
  EXPECT_EQ(b->Kind(), bkCustom);
  TBitBtn* c = Button(bkCancel);
  EXPECT_TRUE(c->Cancel());
  EXPECT_EQ(c->Kind(), bkCancel);
  c->SetCaption("\xC2\xFB\xF5\xEE\xE4");  // a caption of its own keeps the kind
  EXPECT_EQ(c->Kind(), bkCancel);
}

TEST_F(BitButtons, AStoredCaptionSurvivesTheKindThatFollowsIt) {
  auto* b = new TBitBtn(form);
  {
    brsm::LayoutReader layout(form);
    layout.Read(b);
    b->SetParent(form);
    b->SetCaption("\xC2\xFB\xF5\xEE\xE4");  // "Выход"
    b->SetKind(bkAbort);
    layout.Finish();
  }
  EXPECT_EQ(b->Caption(), "\xC2\xFB\xF5\xEE\xE4");
  EXPECT_EQ(b->ModalResult(), mrAbort);
  // Outside a layout a kind brings its caption.
  b->SetKind(bkRetry);
  EXPECT_EQ(b->Caption(), "&Retry");
}

TEST_F(BitButtons, FaceShowsTheGlyphAndGreysItWhenDisabled) {
  TBitBtn* b = Button(bkOK);
  form->Show();
  Pump(100);
  GdiFlush();
  auto countGreen = [&] {
    int n = 0;
    for (int y = 0; y < b->Height(); ++y)
      for (int x = 0; x < b->Width(); ++x) n += ScreenPixel(b, x, y) == RGB(0x00, 0xC0, 0x00);
    return n;
  };
  EXPECT_GT(countGreen(), 10);
  b->SetEnabled(false);
  Pump(100);
  EXPECT_EQ(countGreen(), 0);
}

TEST_F(BitButtons, FocusMovingBetweenThemKeepsBothOwnerDrawnWithTheirGlyphs) {
  TBitBtn* first = Button(bkOK);
  TBitBtn* second = Button(bkAbort);
  second->SetLeft(140);
  form->Show();
  first->SetFocus();
  Pump();
  second->SetFocus();
  Pump();
  first->SetFocus();
  Pump(100);
  for (TBitBtn* b : {first, second})
    EXPECT_EQ(GetWindowLongW(b->Handle(), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW) << b->Caption();
  GdiFlush();
  int green = 0;  // the OK glyph's tick
  for (int y = 0; y < first->Height(); ++y)
    for (int x = 0; x < first->Width(); ++x) green += ScreenPixel(first, x, y) == RGB(0x00, 0xC0, 0x00);
  EXPECT_GT(green, 10);
}

// -- TSpeedButton -------------------------------------------------------------------

class SpeedButtons : public ::testing::Test {
 protected:
  void SetUp() override {
    form = new TForm(nullptr);
    form->SetBounds(60, 60, 300, 120);
    for (int i = 0; i < 3; ++i) {
      group[i] = new TSpeedButton(form);
      group[i]->SetParent(form);
      group[i]->SetBounds(10 + 30 * i, 10, 25, 25);
      group[i]->SetGroupIndex(1);
      group[i]->OnClick = [this, i](TObject*) { clicks += std::to_string(i); };
    }
    form->Show();
    Pump();
  }
  void TearDown() override { delete form; }
  void Click(TControl* c) {
    const LPARAM at = MAKELPARAM(c->Left() + 5, c->Top() + 5);
    SendMessageW(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(form->Handle(), WM_LBUTTONUP, 0, at);
  }
  TForm* form = nullptr;
  TSpeedButton* group[3] = {};
  std::string clicks;
};

TEST_F(SpeedButtons, OneOfAGroupIsDownAtATime) {
  Click(group[0]);
  EXPECT_TRUE(group[0]->Down());
  Click(group[2]);
  EXPECT_FALSE(group[0]->Down());
  EXPECT_TRUE(group[2]->Down());
  EXPECT_EQ(group[2]->State(), bsExclusive);
  // Without AllowAllUp the down button stays down when clicked again.
  Click(group[2]);
  EXPECT_TRUE(group[2]->Down());
  EXPECT_EQ(clicks, "022");
}

TEST_F(SpeedButtons, AllowAllUpIsSharedByTheGroupAndLetsTheLastComeUp) {
  group[1]->SetDown(true);
  group[0]->SetAllowAllUp(true);
  EXPECT_TRUE(group[1]->AllowAllUp());
  EXPECT_TRUE(group[2]->AllowAllUp());
  Click(group[1]);
  EXPECT_FALSE(group[1]->Down());
  EXPECT_EQ(group[1]->State(), bsUp);
}

TEST_F(SpeedButtons, AButtonWithoutGroupNeverStaysDown) {
  auto* plain = new TSpeedButton(form);
  plain->SetParent(form);
  plain->SetBounds(200, 10, 25, 25);
  int clicked = 0;
  plain->OnClick = [&](TObject*) { ++clicked; };
  plain->SetDown(true);
  EXPECT_FALSE(plain->Down());
  Click(plain);
  EXPECT_EQ(clicked, 1);
  EXPECT_EQ(plain->State(), bsUp);
  // A press that is let go outside the button is no click.
  SendMessageW(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(205, 15));
  EXPECT_EQ(plain->State(), bsDown);
  SendMessageW(form->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(280, 90));
  EXPECT_EQ(clicked, 1);
  EXPECT_EQ(plain->State(), bsUp);
}

// -- TCheckBox ----------------------------------------------------------------------

TEST(CheckBoxes, ClicksCycleTheStateAndFireOnClick) {
  auto* form = new TForm(nullptr);
  form->SetBounds(60, 60, 240, 100);
  auto* box = new TCheckBox(form);
  box->SetParent(form);
  box->SetBounds(10, 10, 145, 17);
  box->SetCaption("\xC0\xED\xE8\xEC\xE0\xF6\xE8\xFF");  // "Анимация"
  std::vector<bool> seen;
  box->OnClick = [&](TObject*) { seen.push_back(box->Checked()); };
  form->Show();
  SendMessageW(box->Handle(), BM_CLICK, 0, 0);
  EXPECT_TRUE(box->Checked());
  EXPECT_EQ(SendMessageW(box->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
  SendMessageW(box->Handle(), BM_CLICK, 0, 0);
  EXPECT_FALSE(box->Checked());
  // Code that changes the state clicks too.
  box->SetChecked(true);
  EXPECT_EQ(seen, (std::vector<bool>{true, false, true}));
  box->SetAllowGrayed(true);
  box->SetState(cbUnchecked);
  SendMessageW(box->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(box->State(), cbGrayed);
  EXPECT_EQ(SendMessageW(box->Handle(), BM_GETCHECK, 0, 0), BST_INDETERMINATE);
  SendMessageW(box->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(box->State(), cbChecked);
  // The state is kept when the window is made again.
  box->SetAlignment(lrLeftJustify);
  EXPECT_EQ(SendMessageW(box->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
  delete form;
}

// -- Layout of glyph and caption ------------------------------------------------------

TEST(GlyphLayout, MarginAndSpacingPlaceTheBlock) {
  const TRect face{0, 0, 100, 30};
  const TSize glyph{18, 18}, caption{40, 13};
  // Centred block: 18 + 4 + 40 = 62 wide, 19 pixels from the left.
  auto centred = brsm::PlaceGlyphAndCaption(face, glyph, caption, blGlyphLeft, -1, 4);
  EXPECT_EQ(centred.Glyph, Point(19, 6));
  EXPECT_EQ(centred.Caption, Rect(41, 9, 81, 22));
  auto right = brsm::PlaceGlyphAndCaption(face, glyph, caption, blGlyphRight, 5, 4);
  EXPECT_EQ(right.Glyph.X, 100 - 5 - 18);
  EXPECT_EQ(right.Caption.Right, right.Glyph.X - 4);
  // Spacing -1 centres the caption in what the glyph leaves.
  auto spread = brsm::PlaceGlyphAndCaption(face, glyph, caption, blGlyphLeft, 2, -1);
  EXPECT_EQ(spread.Caption.Left, 2 + 18 + (100 - 2 - 18 - 40) / 2);
  auto top = brsm::PlaceGlyphAndCaption(Rect(0, 0, 60, 60), glyph, caption, blGlyphTop, -1, 2);
  EXPECT_EQ(top.Glyph, Point(21, 14));
  EXPECT_EQ(top.Caption.Top, 14 + 18 + 2);
  // Without caption the glyph is centred alone.
  auto alone = brsm::PlaceGlyphAndCaption(face, glyph, TSize{}, blGlyphLeft, -1, 4);
  EXPECT_EQ(alone.Glyph.X, 41);
}

}  // namespace
