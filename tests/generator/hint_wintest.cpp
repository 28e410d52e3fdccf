// The generator's logo hint on its real main form: with Marl in the Windows
// folder a TsSimplyHintWindow painted from Marl's HINT section, its
// bottom-right corner at the hint point; without Marl the same window in
// the preset's own look.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>

#include "generator/skin_engine_start.h"
#include "generator/unit1.h"
#include "platform/forms/hintwnd.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "skin/controls/hint_manager.h"
#include "skin/controls/hint_windows.h"
#include "tests/support/screenshot.h"
#include "tests/support/windows_folder_skin.h"
#include "tools/skinkit/kit_pictures.h"
#include "tools/skinkit/marl_skin.h"

namespace {

using brsm::test::MarlKind;

TColor ScreenPixel(int x, int y) {
  HDC screen = GetDC(nullptr);
  const COLORREF c = ::GetPixel(screen, x, y);
  ReleaseDC(nullptr, screen);
  return static_cast<TColor>(c);
}

class GeneratorHint : public ::testing::TestWithParam<MarlKind> {
 protected:
  static void SetUpTestSuite() { brsm::StartSkinEngine(); }
  void TearDown() override {
    Application->CancelHint();
    LayeredWindowProc = savedLayered_;
    brsm::test::RemoveMarlFromWindowsFolder();
  }
  TUpdateLayeredWindowProc savedLayered_ = LayeredWindowProc;
};

TEST_P(GeneratorHint, LogoHintTakesTheStoredLook) {
  const bool marl = GetParam() == MarlKind::Folder;
  ASSERT_TRUE(brsm::test::PutMarlInWindowsFolder(GetParam()));
  // The plain path paints through WM_PAINT, so the picture can be read back
  // from the screen as it is.
  LayeredWindowProc = nullptr;
  auto form = std::make_unique<TForm1>(Application);
  form->AfterConstruction();
  form->SetBounds(300, 300, form->Width(), form->Height());
  form->Show();
  Application->ProcessMessages();
  ASSERT_EQ(CurrentHintManager, form->sHintManager1);
  EXPECT_EQ(form->sHintManager1->HintKind()->Style(), hsSimply);
  EXPECT_EQ(form->sHintManager1->SkinDataInUse(), marl);

  const TPoint logo = form->Image1->ClientToScreen(
      Point(form->Image1->Width() / 2, form->Image1->Height() / 2));
  SetCursorPos(logo.X, logo.Y);
  // The pointer reaches its new place through the display server: the hint
  // is placed from where it is, so wait until it is there.
  // The hint's distance below the point comes from the cursor shown there:
  // wait, too, until the form has taken the pointer's arrival and shows the
  // logo's cursor, as it has before any hint comes up. (An earlier test
  // leaves the pointer, and so the cursor, elsewhere.)
  const HCURSOR logoCursor = Screen->Cursors(form->Image1->Cursor());
  for (int i = 0; i < 200; ++i) {
    POINT at;
    if (GetCursorPos(&at) && at.x == logo.X && at.y == logo.Y && GetCursor() == logoCursor) break;
    Application->ProcessMessages();
    Sleep(10);
  }
  ASSERT_EQ(GetCursor(), logoCursor);
  const int below = brsm::CursorHeightMargin() + (marl ? 0 : 16);
  Application->ActivateHint(logo);
  Application->ProcessMessages();

  auto* hint = dynamic_cast<TsSimplyHintWindow*>(Application->HintWindow());
  ASSERT_NE(hint, nullptr);
  ASSERT_TRUE(IsWindowVisible(hint->Handle()));
  EXPECT_EQ(hint->Caption(), brsm::FromUtf8("Посетить мой сайт"));
  RECT r;
  GetWindowRect(hint->Handle(), &r);
  // Skinned: the corner lies at the hint point itself, a cursor's height
  // below the pointer; in the preset's look 16 pixels lower still.
  EXPECT_EQ(r.right, logo.X);
  EXPECT_EQ(r.bottom, logo.Y + below);
  EXPECT_EQ(hint->ShownCorner(), mpRightBottom);
  EXPECT_EQ(form->sHintManager1->HintPosition().X, -1);

  const int w = r.right - r.left, h = r.bottom - r.top;
  if (marl) {
    const int section = brsm::kit::MarlSectionIndex("HINT");
    const TColor border = brsm::kit::KitColor(section, 10);
    EXPECT_EQ(ScreenPixel(r.left + 1, r.top + h / 2), brsm::kit::Shade(border));
    // The cut corner is outside the window's region: the screen under it
    // shows through.
    {
      std::unique_ptr<TBitmap> mask(hint->MakeMask());
      ASSERT_NE(mask, nullptr);
      EXPECT_EQ(mask->Canvas()->Pixel(0, 0), clWhite);
      EXPECT_EQ(mask->Canvas()->Pixel(w / 2, h / 2), clBlack);
    }
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(hint->Handle(), region), ERROR);
    EXPECT_FALSE(PtInRegion(region, 0, 0));
    EXPECT_TRUE(PtInRegion(region, w / 2, h / 2));
    DeleteObject(region);
  } else {
    // The preset's clInfoBk face, a black bevel and the shadow's offset.
    EXPECT_EQ(ScreenPixel(r.left + 3, r.top + 3), ColorToRGB(clInfoBk));
    EXPECT_EQ(ScreenPixel(r.left, r.top + 3), 0);
    EXPECT_NE(ScreenPixel(r.right - 2, r.bottom - 2), ColorToRGB(clInfoBk));
  }
  brsm::test::SaveScreenshot(marl ? "generator_hint_marl" : "generator_hint_plain");
  form.reset();
}

INSTANTIATE_TEST_SUITE_P(Kinds, GeneratorHint, ::testing::Values(MarlKind::Folder, MarlKind::None),
                         [](const auto& info) { return brsm::test::MarlKindName(info.param); });

}  // namespace
