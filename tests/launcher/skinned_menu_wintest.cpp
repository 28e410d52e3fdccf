// The menu's real forms with a kit-made Marl in the Windows folder: the
// "О программе" speed button in SPEEDBUTTON's look, fading to hot and
// pressed, opening the about box; without Marl the platform's look.
#include <gtest/gtest.h>

#include "generator/skin_engine_start.h"
#include "launcher/unit1.h"
#include "launcher/unit2.h"
#include "skin/core/bitmap_create_win.h"
#include "skin/core/image_painting.h"
#include "skin/core/pixel_access.h"
#include "skin/core/section_painting.h"
#include "skin/launcher-controls/speed_button.h"
#include "tests/support/screenshot.h"
#include "tests/support/skinned_controls_check.h"
#include "tests/support/windows_folder_skin.h"
#include "tools/skinkit/kit_pictures.h"

using namespace brsm::test;

namespace {

bool g_aboutShown = false;

void CALLBACK ShootAndCloseAbout(HWND, UINT, UINT_PTR id, DWORD) {
  if (!Form2 || !Form2->Visible()) return;
  KillTimer(nullptr, id);
  g_aboutShown = true;
  Form2->Repaint();
  SaveScreenshot("menu_form_about_skinned");
  Form2->SetModalResult(mrCancel);
}

class SkinnedMenu : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { brsm::StartSkinEngine(); }
  void Open(MarlKind kind) {
    ParkCursor();
    ASSERT_TRUE(PutMarlInWindowsFolder(kind));
    form = std::make_unique<TForm1>(Application);
    form->AfterConstruction();
    Form2 = new TForm2(Application);
    form->Show();
    PumpFor(150);
  }
  void TearDown() override {
    delete Form2;
    Form2 = nullptr;
    form.reset();
    RemoveMarlFromWindowsFolder();
  }
  TColor Shown(TControl* c, int x, int y) { return ControlPixel(form.get(), c->Left() + x, c->Top() + y); }
  // SPEEDBUTTON's look for a state at the top band of the button.
  TColor Look(TsSpeedButton* b, int state) {
    std::unique_ptr<TBitmap> bmp(CreateBitmap24(b->Width(), b->Height()));
    PaintControlBackground(b->SkinData(), EmptyCacheInfo, state, bmp->PixelView(), TPoint{0, 0},
                           TRect{0, 0, b->Width(), b->Height()});
    TsSkinManager* m = b->SkinData()->SkinManager();
    CutMaskCorners(bmp->PixelView(), nullptr, false, state,
                   m->MaskItems[static_cast<size_t>(b->SkinData()->BorderItemIndex)]);
    return ReadPixelBytes(bmp->PixelView().Pixel(b->Width() / 2, 2));
  }
  std::unique_ptr<TForm1> form;
};

}  // namespace

TEST_F(SkinnedMenu, AboutButtonTakesTheSkinsLookFadesPressesAndOpensTheAboutBox) {
  Open(MarlKind::Folder);
  ASSERT_TRUE(form->sSkinManager1->Active());
  TsSpeedButton* about = form->sSpeedButton1;
  ASSERT_TRUE(about->SkinData()->IsSkinned());
  EXPECT_EQ(about->Top() + about->Height(), form->ClientHeight());
  const TColor normal = Look(about, 0), hot = Look(about, 1), pressed = Look(about, 2);
  ASSERT_NE(normal, hot);
  EXPECT_EQ(Shown(about, about->Width() / 2, 2), normal);
  // The border's edge band is the kit's colour for SPEEDBUTTON's first frame.
  const TColor edge = brsm::kit::Shade(brsm::kit::KitColor(brsm::kit::MarlSectionIndex("SPEEDBUTTON"), 10));
  EXPECT_EQ(Shown(about, about->Width() / 2, 1), edge);
  for (TsBitBtn* b : {form->sBitBtn1, form->sBitBtn2, form->sBitBtn3}) ExpectSkinnedFace(b, b->Focused() ? 1 : 0);
  SaveScreenshot("menu_form_skinned");

  about->Perform(CM_MOUSEENTER, 0, 0);
  ASSERT_TRUE(PumpWhile([&] { return about->AnimTimer() != nullptr; }));
  PumpFor(20);
  EXPECT_EQ(Shown(about, about->Width() / 2, 2), hot);

  about->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  ASSERT_TRUE(PumpWhile([&] { return about->AnimTimer() != nullptr; }));
  PumpFor(20);
  EXPECT_EQ(Shown(about, about->Width() / 2, 2), pressed);
  SaveScreenshot("menu_form_skinned_pressed");

  g_aboutShown = false;
  SetTimer(nullptr, 0, 100, ShootAndCloseAbout);
  about->Perform(WM_LBUTTONUP, 0, MAKELPARAM(10, 10));  // the click shows the about box modally
  EXPECT_TRUE(g_aboutShown);
}

TEST_F(SkinnedMenu, WithoutMarlTheAboutButtonKeepsThePlatformsLook) {
  Open(MarlKind::None);
  ASSERT_FALSE(form->sSkinManager1->Active());
  TsSpeedButton* about = form->sSpeedButton1;
  EXPECT_FALSE(about->SkinData()->IsSkinned());
  EXPECT_EQ(Shown(about, about->Width() / 2, 5), static_cast<TColor>(GetSysColor(COLOR_BTNFACE)));
}
