// A demo form of the control model for the eyes: a self-painted panel
// aligned to the bottom, windowless children painted by their parent, an
// edit with Russian text, and OnPaint on the form's canvas. The pixels the
// model promises are checked; the screenshot is for a person to look at.
#include <gtest/gtest.h>

#include "forms_test_support.h"
#include "platform/rtl/text1251.h"
#include "support/screenshot.h"

using brsm::test::Pump;
using brsm::test::ScreenPixel;

namespace {

class TDemoPanel : public TCustomControl {
 public:
  explicit TDemoPanel(TComponent* owner) : TCustomControl(owner) {
    SetControlStyle(ControlStyle() + TControlStyle{csAcceptsControls, csOpaque});
  }

 protected:
  void Paint() override {
    TCanvas* c = Canvas();
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(RGBColor(40, 60, 110));
    c->FillRect(Rect(0, 0, Width(), Height()));
    c->Pen()->SetColor(clWhite);
    c->MoveTo(0, 0);
    c->LineTo(Width(), 0);
    c->Font()->Assign(Font());
    c->Font()->SetColor(clWhite);
    c->Brush()->SetStyle(bsClear);
    c->TextOut(8, 8, brsm::FromUtf8("Панель: TCustomControl, alBottom"));
  }
};

class TDemoSwatch : public TGraphicControl {
 public:
  TDemoSwatch(TComponent* owner, TColor color) : TGraphicControl(owner), color_(color) {}

 protected:
  void Paint() override {
    Canvas()->Brush()->SetColor(color_);
    Canvas()->Pen()->SetColor(clBlack);
    Canvas()->Rectangle(0, 0, Width(), Height());
  }

 private:
  TColor color_;
};

class TDemoForm : public TForm {
 public:
  explicit TDemoForm(TComponent* owner) : TForm(owner) {}
};

TEST(DemoForm, PaintsItsControlsWhereTheModelPutsThem) {
  auto form = std::make_unique<TDemoForm>(nullptr);
  form->SetCaption(brsm::FromUtf8("Демонстрация — Brassmith"));
  form->SetBorderStyle(bsDialog);
  form->SetClientWidth(360);
  form->SetClientHeight(220);
  form->SetPosition(poScreenCenter);
  form->Font()->SetName("MS Sans Serif");
  form->Font()->SetHeight(-11);
  form->OnPaint = [&](TObject*) {
    TCanvas* c = form->Canvas();
    c->Font()->Assign(form->Font());
    c->Brush()->SetStyle(bsClear);
    c->TextOut(12, 12, brsm::FromUtf8("Название класса:"));
  };

  auto* panel = new TDemoPanel(form.get());
  panel->SetParent(form.get());
  panel->SetHeight(40);
  panel->SetAlign(alBottom);

  auto* edit = new brsm::test::TTestEdit(form.get());
  edit->SetParent(form.get());
  edit->SetBounds(12, 32, 200, 21);
  edit->SetText(brsm::FromUtf8("UTWeap_МояПушка"));

  const TColor colors[] = {clRed, clLime, clBlue, clYellow};
  TDemoSwatch* swatches[4];
  for (int i = 0; i < 4; ++i) {
    swatches[i] = new TDemoSwatch(form.get(), colors[i]);
    swatches[i]->SetParent(form.get());
    swatches[i]->SetBounds(12 + i * 48, 70, 40, 40);
  }
  auto* onPanel = new TDemoSwatch(panel, clFuchsia);
  onPanel->SetParent(panel);
  onPanel->SetBounds(320, 8, 24, 24);

  form->Show();
  form->Repaint();
  Pump(300);

  EXPECT_EQ(panel->BoundsRect(), Rect(0, 180, 360, 220));
  EXPECT_EQ(ScreenPixel(form.get(), 300, 200), RGB(40, 60, 110));  // the panel's own paint
  EXPECT_EQ(ScreenPixel(form.get(), 12 + 20, 90), RGB(255, 0, 0));
  EXPECT_EQ(ScreenPixel(form.get(), 12 + 48 * 3 + 20, 90), RGB(255, 255, 0));
  EXPECT_EQ(ScreenPixel(form.get(), 12, 70), RGB(0, 0, 0));  // the swatch's frame
  EXPECT_EQ(ScreenPixel(panel, 332, 20), RGB(255, 0, 255));  // windowless child of the panel
  EXPECT_EQ(ScreenPixel(form.get(), 300, 100), static_cast<COLORREF>(ColorToRGB(clBtnFace)));
  EXPECT_TRUE(brsm::test::SaveScreenshot("forms_demo"));

  // PaintTo draws the same into any DC, children included, without the screen.
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 400, 260);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(memory, bitmap);
  RECT all{0, 0, 400, 260};
  FillRect(memory, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  form->PaintTo(memory, 5, 7);
  EXPECT_EQ(GetPixel(memory, 5 + 300, 7 + 200), RGB(40, 60, 110));
  EXPECT_EQ(GetPixel(memory, 5 + 12 + 48 * 2 + 20, 7 + 90), RGB(0, 0, 255));
  EXPECT_EQ(GetPixel(memory, 5 + 332, 7 + 200), RGB(255, 0, 255));
  EXPECT_EQ(GetPixel(memory, 2, 2), RGB(255, 255, 255));  // outside: untouched
  EXPECT_FALSE(form->ControlState().Contains(csPaintCopy));
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
}

}  // namespace
