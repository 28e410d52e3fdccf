// The generator's real forms with a kit-made Marl in the Windows folder:
// their buttons and panels take the skin's look and shape, fade to the hot
// look, show the pressed look and still click, and go back to the
// platform's look when the manager is made inactive.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "generator/skin_engine_start.h"
#include "generator/unit1.h"
#include "generator/unit2.h"
#include "generator/unit3.h"
#include "generator/unit4.h"
#include "skin/controls/button.h"
#include "tests/support/screenshot.h"
#include "tests/support/skinned_controls_check.h"
#include "tests/support/windows_folder_skin.h"

using namespace brsm::test;

namespace {

class GeneratorButtons : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { brsm::StartSkinEngine(); }
  void SetUp() override {
    ParkCursor();
    ASSERT_TRUE(PutMarlInWindowsFolder(MarlKind::Folder));
    form = std::make_unique<TForm1>(Application);
    form->AfterConstruction();
    result = std::make_unique<TForm2>(Application);
    result->AfterConstruction();
    about = std::make_unique<TForm3>(Application);
    about->AfterConstruction();
    howTo = std::make_unique<TForm4>(Application);
    howTo->AfterConstruction();
    form->Show();
    // Beside the main form, but all on the screen: a window off the screen
    // has no pixels to read back.
    for (TForm* f : std::initializer_list<TForm*>{result.get(), about.get(), howTo.get()}) {
      f->SetLeft(std::min(form->Left() + form->Width() + 10, GetSystemMetrics(SM_CXSCREEN) - f->Width()));
      f->Show();
    }
    PumpFor(150);
    ASSERT_TRUE(form->sSkinManager1->Active());
  }
  void TearDown() override {
    howTo.reset();
    about.reset();
    result.reset();
    form.reset();
    RemoveMarlFromWindowsFolder();
  }
  std::unique_ptr<TForm1> form;
  std::unique_ptr<TForm2> result;
  std::unique_ptr<TForm3> about;
  std::unique_ptr<TForm4> howTo;
};

}  // namespace

TEST_F(GeneratorButtons, ButtonsAndPanelsTakeTheSkinsLookAndShape) {
  TForm1* f = form.get();
  ExpectSkinnedFace(f->OnTop);
  ExpectSkinnedFace(f->sBitBtn1);
  for (TsButton* b : {f->sButton1, f->sButton2, f->sButton3}) ExpectSkinnedFace(b);
  auto front = [](TForm* f) {
    f->BringToFront();
    PumpFor(60);
  };
  // The OK buttons are their forms' default buttons: they show the active
  // look.
  front(about.get());
  ASSERT_TRUE(about->sBitBtn1->Default());
  ExpectSkinnedFace(about->sBitBtn1, 1);
  front(howTo.get());
  ASSERT_TRUE(howTo->sBitBtn1->Default());
  ExpectSkinnedFace(howTo->sBitBtn1, 1);
  std::vector<TsPanel*> panels{howTo->sPanel1};
  front(result.get());
  for (TsButton* b : {result->sButton1, result->sButton2}) ExpectSkinnedFace(b);
  panels.push_back(result->sPanel1);
  front(form.get());
  panels.push_back(f->sPanel1);
  for (TsPanel* p : panels) {
    ASSERT_TRUE(p->SkinData()->IsSkinned());
    const int x = p->Width() - 8, y = p->Height() / 2;
    if (TForm* owner = dynamic_cast<TForm*>(p->Owner())) front(owner);
    EXPECT_EQ(ControlPixel(p, x, y), PanelLook(p, x, y)) << p->Name();
  }
  form->BringToFront();
  PumpFor(60);
  SaveScreenshot("skinned_buttons_generator");
}

TEST_F(GeneratorButtons, GenerateFadesToTheHotLookAndOnTopShowsPressedAndStillClicks) {
  TsBitBtn* generate = form->sBitBtn1;
  HoverAndSettle(generate);
  EXPECT_EQ(FaceShown(generate), ButtonLook(generate, generate->SkinData(), 1));

  TsBitBtn* onTop = form->OnTop;
  const LPARAM at = PointAtMiddle(onTop);
  SendMessageW(onTop->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  PumpWhile([&] { return onTop->FadeTimer() != nullptr; });
  EXPECT_EQ(FaceShown(onTop), ButtonLook(onTop, onTop->SkinData(), 2));
  SendMessageW(onTop->Handle(), WM_LBUTTONUP, 0, at);
  PumpWhile([&] { return onTop->FadeTimer() != nullptr; });
  EXPECT_EQ(form->FormStyle(), fsStayOnTop);  // the click ran
  form->SetFormStyle(fsNormal);
}

TEST_F(GeneratorButtons, AnInactiveManagerGivesThePlatformsLookBack) {
  form->sSkinManager1->SetActive(false);
  PumpFor(100);
  for (TWinControl* c : std::initializer_list<TWinControl*>{form->OnTop, form->sBitBtn1, form->sButton1,
                                                            form->sButton3, form->sPanel1})
    ExpectPlatformFace(c);
  EXPECT_NE(GetWindowLongW(form->sButton1->Handle(), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
  form->sSkinManager1->SetActive(true);
  PumpFor(100);
  ExpectSkinnedFace(form->sButton1);
}
