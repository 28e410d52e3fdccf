// The look without a skin: a dialog with every standard control, read back
// from the screen where the system's classic look is known (bevels, text,
// disabled text, a one-pixel shape line, a fitted picture), and saved as a
// screenshot to look at.
#include <gtest/gtest.h>

#include "controls_test_support.h"
#include "platform/forms/buttons.h"
#include "platform/forms/extctrls.h"
#include "platform/forms/menus.h"
#include "platform/forms/stdctrls.h"
#include "support/screenshot.h"

using brsm::test::Pump;
using brsm::test::ScreenPixel;

namespace {

COLORREF Sys(int index) { return GetSysColor(index); }

bool AnyPixel(TControl* c, COLORREF colour) {
  for (int y = 0; y < c->Height(); ++y)
    for (int x = 0; x < c->Width(); ++x)
      if (ScreenPixel(c, x, y) == colour) return true;
  return false;
}

template <class T>
T* Put(TForm* form, TWinControl* parent, int x, int y, int w, int h) {
  auto* c = new T(form);
  c->SetParent(parent);
  c->SetBounds(x, y, w, h);
  return c;
}

class Look : public ::testing::Test {
 protected:
  void SetUp() override {
    form = new TForm(nullptr);
    form->SetBorderStyle(bsDialog);
    form->SetCaption("Brassmith");
    form->SetColor(clBtnFace);
    form->Font()->SetName("MS Sans Serif");
    form->Font()->SetHeight(-11);
    form->SetBounds(40, 40, 480, 420);
    auto* menu = new TMainMenu(form);
    auto* file = new TMenuItem(form);
    file->SetCaption("&\xD4\xE0\xE9\xEB");  // "Файл"
    menu->Items()->Add(file);
    form->SetMenu(menu);

    label = Put<TLabel>(form, form, 16, 8, 10, 10);
    label->SetCaption("\xCD\xE0\xE7\xE2\xE0\xED\xE8\xE5 \xEA\xEB\xE0\xF1\xF1\xE0");  // "Название класса"
    auto* edit = Put<TEdit>(form, form, 16, 24, 121, 21);
    edit->SetText("UTWeap_\xCF\xF3\xF8\xEA\xE0");
    disabledLabel = Put<TLabel>(form, form, 16, 56, 10, 10);
    disabledLabel->SetCaption("\xCD\xE5\xE4\xEE\xF1\xF2\xF3\xEF\xED\xEE");  // "Недоступно"
    disabledLabel->SetEnabled(false);
    auto* disabledEdit = Put<TEdit>(form, form, 16, 72, 121, 21);
    disabledEdit->SetEnabled(false);
    auto* check = Put<TCheckBox>(form, form, 16, 104, 145, 17);
    check->SetCaption("\xC0\xED\xE8\xEC\xE0\xF6\xE8\xFF \xEF\xE5\xF0\xE5\xE7\xE0\xF0\xFF\xE4\xEA\xE8");
    check->SetChecked(true);
    auto* combo = Put<TComboBox>(form, form, 176, 24, 121, 22);
    combo->Items()->Add("EWFT_Projectile");
    combo->SetItemIndex(0);
    auto* list = Put<TComboBox>(form, form, 176, 56, 121, 22);
    list->SetStyle(csDropDownList);
    list->Items()->Add("\xCF\xE5\xF0\xE2\xFB\xE9");
    list->SetItemIndex(0);
    line = Put<TShape>(form, form, 160, -8, 1, 220);
    line->Brush()->SetStyle(bsClear);
    image = Put<TImage>(form, form, 320, 8, 128, 128);
    TBitmap* picture = image->Picture()->Bitmap();
    picture->SetSize(200, 100);
    picture->Canvas()->Brush()->SetColor(clNavy);
    picture->Canvas()->FillRect(Rect(0, 0, 200, 100));
    image->SetStretch(true);
    image->SetProportional(true);
    image->SetCenter(true);
    auto* memo = Put<TMemo>(form, form, 16, 136, 280, 80);
    memo->SetScrollBars(ssVertical);
    memo->Lines()->Add("defaultproperties");
    memo->Lines()->Add("{");
    memo->Lines()->Add("\tFireInterval(0)=+0.24");
    auto* speed = Put<TSpeedButton>(form, form, 320, 150, 128, 22);
    speed->SetCaption("\xCE \xEF\xF0\xEE\xE3\xF0\xE0\xEC\xEC\xE5");  // "О программе"
    lowered = Put<TPanel>(form, form, 320, 180, 128, 36);
    lowered->SetBevelOuter(bvLowered);
    lowered->SetCaption("Panel");
    int x = 16;
    for (TBitBtnKind kind : {bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose}) {
      auto* b = Put<TBitBtn>(form, form, x, 228, 72, 25);
      b->SetKind(kind);
      if (kind == bkOK) okButton = b;
      if (kind == bkCancel) cancelButton = b;
      x += 76;
    }
    x = 16;
    for (TBitBtnKind kind : {bkAbort, bkRetry, bkIgnore, bkAll}) {
      auto* b = Put<TBitBtn>(form, form, x, 260, 72, 25);
      b->SetKind(kind);
      x += 76;
    }
    auto* off = Put<TBitBtn>(form, form, x, 260, 72, 25);
    off->SetKind(bkOK);
    off->SetEnabled(false);
    panel = Put<TPanel>(form, form, 0, 0, 10, 33);
    panel->SetAlign(alBottom);
    const char* captions[] = {"\xD1\xE3\xE5\xED\xE5\xF0\xE8\xF0\xEE\xE2\xE0\xF2\xFC", "?",
                              "\xCA\xE0\xEA \xEF\xEE\xEB\xFC\xE7\xEE\xE2\xE0\xF2\xFC\xF1\xFF",
                              "\xC2\xFB\xF5\xEE\xE4"};
    const int lefts[] = {8, 96, 112, 232}, widths[] = {89, 17, 121, 73};
    for (int i = 0; i < 4; ++i) {
      auto* b = Put<TButton>(form, panel, lefts[i], 5, widths[i], 25);
      b->SetCaption(captions[i]);
      if (i == 0) b->SetDefault(true);
    }
    form->Show();
    Pump(300);
    GdiFlush();
  }
  void TearDown() override { delete form; }

  TForm* form = nullptr;
  TLabel* label = nullptr;
  TLabel* disabledLabel = nullptr;
  TShape* line = nullptr;
  TImage* image = nullptr;
  TPanel* panel = nullptr;
  TPanel* lowered = nullptr;
  TBitBtn* okButton = nullptr;
  TBitBtn* cancelButton = nullptr;
};

TEST_F(Look, LooksLikeAnOrdinaryDialog) {
  EXPECT_TRUE(brsm::test::SaveScreenshot("standard_controls"));
  // Raised panel: light top-left, dark bottom-right; lowered the other way.
  EXPECT_EQ(ScreenPixel(panel, 0, 0), Sys(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(ScreenPixel(panel, panel->Width() - 1, panel->Height() - 1), Sys(COLOR_BTNSHADOW));
  EXPECT_EQ(ScreenPixel(lowered, 0, 0), Sys(COLOR_BTNSHADOW));
  EXPECT_EQ(ScreenPixel(lowered, lowered->Width() - 1, lowered->Height() - 1), Sys(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(ScreenPixel(panel, 2, 2), Sys(COLOR_BTNFACE));
  // Label text in the window text colour on the form's face.
  EXPECT_TRUE(AnyPixel(label, Sys(COLOR_WINDOWTEXT)));
  EXPECT_EQ(ScreenPixel(label, 0, label->Height() - 1), Sys(COLOR_BTNFACE));
  // Disabled text: shadow-coloured letters with a highlight copy.
  EXPECT_TRUE(AnyPixel(disabledLabel, Sys(COLOR_BTNSHADOW)));
  EXPECT_TRUE(AnyPixel(disabledLabel, Sys(COLOR_BTNHIGHLIGHT)));
  EXPECT_FALSE(AnyPixel(disabledLabel, Sys(COLOR_WINDOWTEXT)));
  // The button Enter presses has the default button's dark ring.
  EXPECT_EQ(ScreenPixel(okButton, 0, 0), Sys(COLOR_WINDOWFRAME));
  EXPECT_EQ(ScreenPixel(okButton, 1, 1), Sys(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(ScreenPixel(cancelButton, 0, 0), Sys(COLOR_BTNHIGHLIGHT));
  // The shape is a one-pixel black line with nothing beside it.
  EXPECT_EQ(ScreenPixel(line, 0, 100), RGB(0, 0, 0));
  EXPECT_EQ(ScreenPixel(form, line->Left() + 1, 100), Sys(COLOR_BTNFACE));
}

TEST_F(Look, AutoSizedLabelsFitTheirTextAndKeepTheirAnchorEdge) {
  TCanvas* canvas = form->Canvas();
  canvas->SetFont(label->Font());
  EXPECT_EQ(label->Width(), canvas->TextWidth(label->Caption()));
  EXPECT_EQ(label->Height(), canvas->TextHeight(label->Caption()));
  label->SetAlignment(taRightJustify);
  const int right = label->Left() + label->Width();
  label->SetCaption("x");
  EXPECT_EQ(label->Left() + label->Width(), right);
  // An empty caption still has a line's height.
  label->SetCaption("");
  EXPECT_GT(label->Height(), 0);
}

TEST_F(Look, PictureIsFittedInTheMiddle) {
  // 200 x 100 fitted into 128 x 128 keeps its proportions.
  EXPECT_EQ(image->DestRect(), Rect(0, 32, 128, 96));
  EXPECT_EQ(ScreenPixel(image, 64, 64), RGB(0, 0, 0x80));
  EXPECT_EQ(ScreenPixel(image, 64, 10), Sys(COLOR_BTNFACE));
  // Without Stretch a smaller picture keeps its size; Proportional alone
  // only shrinks.
  image->Picture()->Bitmap()->SetSize(40, 20);
  image->SetStretch(false);
  EXPECT_EQ(image->DestRect(), Rect(44, 54, 84, 74));
  image->Picture()->Bitmap()->SetSize(256, 64);
  EXPECT_EQ(image->DestRect(), Rect(0, 48, 128, 80));
}

TEST_F(Look, TransparentPictureShowsTheFormAndTakesClicks) {
  // Bottom-left pixel names the see-through colour: a red square on fuchsia.
  TBitmap* picture = image->Picture()->Bitmap();
  picture->SetSize(128, 128);
  picture->Canvas()->Brush()->SetColor(clFuchsia);
  picture->Canvas()->FillRect(Rect(0, 0, 128, 128));
  picture->Canvas()->Brush()->SetColor(clRed);
  picture->Canvas()->FillRect(Rect(32, 32, 96, 96));
  image->SetTransparent(true);
  image->SetCursor(crHandPoint);
  int clicks = 0;
  image->OnClick = [&](TObject*) { ++clicks; };
  Pump(100);
  GdiFlush();
  EXPECT_EQ(ScreenPixel(image, 64, 64), RGB(255, 0, 0));
  EXPECT_EQ(ScreenPixel(image, 5, 5), Sys(COLOR_BTNFACE));
  const LPARAM at = MAKELPARAM(image->Left() + 64, image->Top() + 64);
  SendMessageW(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(form->Handle(), WM_LBUTTONUP, 0, at);
  EXPECT_EQ(clicks, 1);
}

}  // namespace
