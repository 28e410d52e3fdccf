// The menu's real main form with a kit-made Marl in the Windows folder: its
// three bit-map buttons take the skin's look and shape, fade when hovered,
// and "Выход" keeps its glyph when the focus moves to it.
#include <gtest/gtest.h>

#include "generator/skin_engine_start.h"
#include "launcher/unit1.h"
#include "tests/support/marl_form_fixture.h"
#include "tests/support/screenshot.h"
#include "tests/support/skinned_controls_check.h"
#include "tests/support/windows_folder_skin.h"

using namespace brsm::test;

namespace {

using MenuButtons = MarlFormTest<TForm1>;

}  // namespace

TEST_F(MenuButtons, ThreeButtonsInTheSkinsLookAndExitKeepsItsGlyphWhenFocused) {
  TsBitBtn* exit = form->sBitBtn3;
  for (TsBitBtn* b : {form->sBitBtn1, form->sBitBtn2}) {
    b->SetFocus();
    PumpFor(60);
    ExpectSkinnedFace(b, 1);  // focused: the active look
  }
  exit->SetFocus();
  PumpFor(100);
  EXPECT_EQ(GetWindowLongW(exit->Handle(), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
  ExpectSkinnedFace(exit, 1);
  EXPECT_GT(GlyphPixelsShown(exit), 10);
  SaveScreenshot("skinned_buttons_menu");

  form->sBitBtn2->SetFocus();
  PumpFor(60);
  HoverAndSettle(exit);
  EXPECT_EQ(FaceShown(exit), ButtonLook(exit, exit->SkinData(), 1));

  form->sSkinManager1->SetActive(false);
  PumpFor(100);
  for (TsBitBtn* b : {form->sBitBtn1, form->sBitBtn2, exit}) ExpectPlatformFace(b);
  EXPECT_EQ(GetWindowLongW(exit->Handle(), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
}
