// The skinned buttons and panel on real windows with the kit-made Marl:
// the looks read back from the screen, the fade's frames, the window
// region, skin removal and reload, and the faults that used to leave a
// button hidden or a paint unfinished.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <stdexcept>
#include <vector>

#include "platform/forms/forms.h"
#include "platform/graphics/image_list.h"
#include "skin/controls/bit_btn.h"
#include "skin/controls/button.h"
#include "skin/controls/fade_timer.h"
#include "skin/controls/label.h"
#include "skin/controls/panel.h"
#include "skin/core/bitmap_create_win.h"
#include "skin/core/cache_bitmap_win.h"
#include "skin/core/manager_platform.h"
#include "skin/core/paint_seam.h"
#include "skin/core/pixel_access.h"
#include "skin/core/skin_manager.h"
#include "tests/skin/core/skin_panel_wintest_support.h"
#include "tests/support/screen_capture.h"
#include "tests/support/screenshot.h"
#include "tests/support/skin_without.h"
#include "tests/support/skinned_controls_check.h"
#include "tools/skinkit/marl_skin.h"

using namespace brsm::test;

namespace {

bool PumpUntil(const std::function<bool()>& done, int ms = 2000) {
  return PumpWhile([&] { return !done(); }, ms);
}

class SkinnedButtonsWinTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ParkCursor();
    UseWindowsSkinManager();
    UseWindowsPaintSeam();
    ASSERT_TRUE(brsm::kit::MakeMarlSkin().WriteFolder(folder.Path()));
    form = std::make_unique<TForm>(Application);
    form->SetBounds(40, 40, 340, 200);
    manager = new TsSkinManager(form.get());
    manager->SetSkinDirectory(folder.Path());
    manager->SetSkinName("Marl");
    ASSERT_TRUE(manager->SkinData.Loaded);
    panel = new TsPanel(form.get());
    panel->SetBounds(0, 100, 340, 60);
    panel->SetParent(form.get());
    panel->SkinData()->SetSkinSection("PANEL");
    bitBtn = new TsBitBtn(form.get());
    bitBtn->SetBounds(8, 8, 120, 30);
    bitBtn->SetCaption("Go");
    bitBtn->SetParent(panel);
    bitBtn->SkinData()->SetSkinSection("BUTTON");
    button = new TsButton(form.get());
    button->SetBounds(140, 8, 100, 30);
    button->SetCaption("Push");
    button->SetParent(panel);
    button->SkinData()->SetSkinSection("BUTTON");
    label = new TsLabel(form.get());
    label->SetBounds(260, 16, 60, 16);
    label->SetCaption("Label");
    label->SetParent(panel);
    // Nothing focused: a focused button shows its active look.
    bitBtn->SetTabStop(false);
    button->SetTabStop(false);
    form->Show();
    Settle();
    ASSERT_TRUE(bitBtn->SkinData()->IsSkinned());
  }
  void TearDown() override {
    form.reset();
    Pump(10);
  }
  void Settle() {
    Pump(60);
    panel->Repaint();
    Pump(60);
  }
  TColor Face(TWinControl* c) { return FaceShown(c); }
  TColor Look(TWinControl* c, TsCommonData* record, int state) { return ButtonLook(c, record, state); }

  TempFolder folder;
  std::unique_ptr<TForm> form;
  TsSkinManager* manager = nullptr;
  TsPanel* panel = nullptr;
  TsBitBtn* bitBtn = nullptr;
  TsButton* button = nullptr;
  TsLabel* label = nullptr;
};

}  // namespace

TEST_F(SkinnedButtonsWinTest, LooksFollowTheStateOnScreen) {
  const TColor normal = Look(bitBtn, bitBtn->SkinData(), 0);
  const TColor hot = Look(bitBtn, bitBtn->SkinData(), 1);
  const TColor pressed = Look(bitBtn, bitBtn->SkinData(), 2);
  ASSERT_NE(normal, hot);
  EXPECT_EQ(Face(bitBtn), normal);
  EXPECT_EQ(Face(button), Look(button, button->SkinData(), 0));

  CommandLog log(bitBtn);
  int enters = 0, leaves = 0;
  bitBtn->OnMouseEnter = [&](TObject*) { ++enters; };
  bitBtn->OnMouseLeave = [&](TObject*) { ++leaves; };
  bitBtn->Perform(CM_MOUSEENTER, 0, 0);
  ASSERT_TRUE(PumpUntil([&] { return bitBtn->FadeTimer() == nullptr; }));
  EXPECT_EQ(log.Count(SkinCmdFadeFrame), 4);  // Marl's BUTTON fades in 4 steps
  EXPECT_EQ(Face(bitBtn), hot);

  bitBtn->Perform(CM_MOUSELEAVE, 0, 0);
  ASSERT_TRUE(PumpUntil([&] { return bitBtn->FadeTimer() == nullptr; }));
  EXPECT_EQ(Face(bitBtn), normal);
  EXPECT_EQ(enters, 1);
  EXPECT_EQ(leaves, 1);

  bitBtn->SetDown(true);
  Pump(30);
  EXPECT_EQ(Face(bitBtn), pressed);
  bitBtn->SetDown(false);

  // Disabled: 40 percent face over 60 percent of the panel's cache.
  button->SetEnabled(false);
  Settle();
  const TPoint at = FacePoint(button);
  const TColor under =
      ReadPixelBytes(panel->SkinData()->CachePixels().Pixel(button->Left() + at.X, button->Top() + at.Y));
  const TColor face = Look(button, button->SkinData(), 0);
  const TColor seen = Face(button);
  auto mix = [](int f, int u) { return (4 * f + 6 * u + 5) / 10; };
  EXPECT_NEAR(GetRValue(seen), mix(GetRValue(face), GetRValue(under)), 1);
  EXPECT_NEAR(GetGValue(seen), mix(GetGValue(face), GetGValue(under)), 1);
  EXPECT_NEAR(GetBValue(seen), mix(GetBValue(face), GetBValue(under)), 1);
  SaveScreenshot("skinned_buttons_controls");
}

TEST_F(SkinnedButtonsWinTest, ALeaveHalfwayOffersOnlyTheFramesOfTheStepsMade) {
  CommandLog log(bitBtn);
  bitBtn->Perform(CM_MOUSEENTER, 0, 0);
  ASSERT_TRUE(PumpUntil([&] { return log.Count(SkinCmdFadeFrame) >= 2; }));
  ASSERT_NE(bitBtn->FadeTimer(), nullptr);
  const int entry = log.Count(SkinCmdFadeFrame);
  bitBtn->Perform(CM_MOUSELEAVE, 0, 0);
  ASSERT_TRUE(PumpUntil([&] { return bitBtn->FadeTimer() == nullptr; }));
  const int leave = log.Count(SkinCmdFadeFrame) - entry;
  EXPECT_GE(leave, 1);
  EXPECT_LT(leave, 4);
  EXPECT_EQ(Face(bitBtn), Look(bitBtn, bitBtn->SkinData(), 0));
}

TEST_F(SkinnedButtonsWinTest, RegionLeavesOutTheCornersAndGoesWithTheSkin) {
  for (TWinControl* c : {static_cast<TWinControl*>(bitBtn), static_cast<TWinControl*>(button)}) {
    HRGN rgn = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(c->Handle(), rgn), ERROR) << c->ClassName();
    EXPECT_FALSE(PtInRegion(rgn, 0, 0));
    EXPECT_FALSE(PtInRegion(rgn, c->Width() - 1, c->Height() - 1));
    EXPECT_TRUE(PtInRegion(rgn, c->Width() / 2, c->Height() / 2));
    DeleteObject(rgn);
  }
  manager->SetActive(false);
  Settle();
  HRGN rgn = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(bitBtn->Handle(), rgn), ERROR);
  EXPECT_EQ(GetWindowRgn(button->Handle(), rgn), ERROR);
  DeleteObject(rgn);
  EXPECT_EQ(bitBtn->PendingRegion(), nullptr);
}

TEST_F(SkinnedButtonsWinTest, RemovalAndReloadSwitchOwnerDrawAndTheListGlyph) {
  button->SetDefault(true);
  auto* images = new TImageList(form.get());
  std::unique_ptr<TBitmap> picture(CreateBitmap24(16, 16));
  picture->Canvas()->Brush()->SetColor(clRed);
  picture->Canvas()->FillRect(TRect{0, 0, 16, 16});
  ASSERT_EQ(images->AddMasked(picture.get(), clFuchsia), 0);
  bitBtn->SetImages(images);
  bitBtn->SetImageIndex(0);
  manager->SetActive(false);
  manager->SetActive(true);
  Settle();
  auto style = [](TWinControl* c) { return GetWindowLongW(c->Handle(), GWL_STYLE) & BS_TYPEMASK; };
  EXPECT_EQ(style(button), BS_OWNERDRAW);
  EXPECT_TRUE(bitBtn->Glyph()->Empty());  // the skin paints the list's image itself
  EXPECT_EQ(ControlPixel(bitBtn, bitBtn->GlyphRect().Left + 8, bitBtn->GlyphRect().Top + 8), clRed);

  manager->SetActive(false);
  Settle();
  EXPECT_EQ(style(button), BS_DEFPUSHBUTTON);
  EXPECT_EQ(bitBtn->Glyph()->Width(), 32);
  EXPECT_EQ(bitBtn->NumGlyphs(), 2);
  const TColor frame = BitmapPixel(bitBtn->Glyph(), 4, 4);
  bitBtn->SetImageIndex(1);  // the list's count: the glyph stays
  EXPECT_EQ(bitBtn->Glyph()->Width(), 32);
  EXPECT_EQ(BitmapPixel(bitBtn->Glyph(), 4, 4), frame);
  bitBtn->SetImageIndex(0);
  manager->SetActive(true);
  Settle();
  EXPECT_EQ(style(button), BS_OWNERDRAW);

  // A list freed elsewhere is forgotten.
  delete images;
  EXPECT_EQ(bitBtn->Images(), nullptr);
}

// A push button whose section the skin lacks is the platform's, caption and
// all: made so, or after a skin change to a skin without "BUTTON"; a skin
// with it makes the button the skin's again.
TEST_F(SkinnedButtonsWinTest, WithoutItsSectionAPushButtonIsThePlatformsCaptionAndAll) {
  auto ownerDrawn = [](TWinControl* c) {
    return (GetWindowLongW(c->Handle(), GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW;
  };
  auto captionPixels = [](TWinControl* c) {
    const RECT r = OnScreen(c->Handle(), RECT{0, 0, c->Width(), c->Height()});
    return ScreenCapture(r).Count(r, static_cast<TColor>(GetSysColor(COLOR_BTNTEXT)));
  };
  auto* plain = new TsButton(form.get());
  plain->SetBounds(8, 50, 100, 30);
  plain->SetCaption("Plain");
  plain->SkinData()->SetSkinSection("NOSUCH");
  plain->SetParent(form.get());
  Settle();
  EXPECT_FALSE(ownerDrawn(plain));
  ExpectPlatformFace(plain);
  EXPECT_GT(captionPixels(plain), 10);

  ASSERT_TRUE(WriteSkinWithout(brsm::kit::MakeMarlSkin("NoButton"), folder.Path(), {"BUTTON"}));
  manager->SetSkinName("NoButton");
  ASSERT_TRUE(manager->Active());
  Settle();
  EXPECT_FALSE(ownerDrawn(button));
  ExpectPlatformFace(button);
  EXPECT_GT(captionPixels(button), 10);
  SaveScreenshot("skinned_buttons_without_section");

  manager->SetSkinName("Marl");
  Settle();
  EXPECT_TRUE(ownerDrawn(button));
  ExpectSkinnedFace(button);
}

TEST_F(SkinnedButtonsWinTest, DisabledMidFadeShowsTheDisabledLook) {
  CommandLog log(bitBtn);
  bitBtn->Perform(CM_MOUSEENTER, 0, 0);
  ASSERT_TRUE(PumpUntil([&] { return log.Count(SkinCmdFadeFrame) >= 1; }));
  bitBtn->SetEnabled(false);
  ASSERT_TRUE(PumpUntil([&] { return bitBtn->FadeTimer() == nullptr; }));
  Settle();
  EXPECT_NE(Face(bitBtn), Look(bitBtn, bitBtn->SkinData(), 0));
  EXPECT_NE(Face(bitBtn), Look(bitBtn, bitBtn->SkinData(), 1));
}

TEST_F(SkinnedButtonsWinTest, RaisingHandlersLeaveTheButtonShownAndThePaintFinished) {
  int errors = 0;
  Application->OnException = [&](TObject*, const Exception&) { ++errors; };
  bitBtn->OnEnter = [](TObject*) { throw Exception("enter"); };
  bitBtn->SetFocus();
  Pump(30);
  ASSERT_TRUE(bitBtn->Focused());
  EXPECT_EQ(errors, 1);
  EXPECT_TRUE(IsWindowVisible(bitBtn->Handle()));
  bitBtn->OnEnter = nullptr;

  button->OnMouseDown = [](TObject*, TMouseButton, TShiftState, int, int) { throw Exception("down"); };
  const LPARAM at = MAKELPARAM(10, 10);
  SendMessageW(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(button->Handle(), WM_LBUTTONUP, 0, at);
  EXPECT_EQ(errors, 2);
  EXPECT_TRUE(Application->ShowHint());
  EXPECT_TRUE(IsWindowVisible(button->Handle()));

  const int before = errors;
  bitBtn->OnPaint = [](TObject*, TBitmap*) { throw Exception("paint"); };
  panel->OnPaint = [](TObject*, TCanvas*) { throw Exception("paint"); };
  bitBtn->SkinData()->InvalidateSkin();
  panel->SkinData()->InvalidateSkin();
  Pump(60);
  EXPECT_GT(errors, before);
  RECT r{};
  EXPECT_FALSE(GetUpdateRect(bitBtn->Handle(), &r, FALSE));  // EndPaint ran
  EXPECT_FALSE(GetUpdateRect(panel->Handle(), &r, FALSE));
  EXPECT_FALSE(panel->ControlState().Contains(csCustomPaint));
  bitBtn->OnPaint = nullptr;
  panel->OnPaint = nullptr;
  Application->OnException = nullptr;
}

TEST_F(SkinnedButtonsWinTest, PanelSwallowsErasingAndPassesSkinChangesOn) {
  EXPECT_EQ(SendMessageW(panel->Handle(), WM_ERASEBKGND, 0, 0), 1);
  CommandLog log(button);
  manager->SetActive(false);
  manager->SetActive(true);
  Settle();
  EXPECT_EQ(log.Count(SkinCmdSkinRemoved), 1);
  EXPECT_EQ(log.Count(SkinCmdNewSkin), 1);
  EXPECT_GE(log.Count(SkinCmdSkinReapplied), 1);
}

TEST_F(SkinnedButtonsWinTest, AClippedPanelPaintSetsTheRedrawFlag) {
  panel->SkinData()->ForceFullRedraw = true;  // the look depends on what lies under it
  std::unique_ptr<TBitmap> target(CreateBitmap24(panel->Width(), panel->Height()));
  HDC dc = target->Canvas()->Handle();
  IntersectClipRect(dc, 0, 0, 20, 20);
  panel->PaintToDC(dc, false);
  EXPECT_TRUE(panel->SkinData()->RedrawFlag);
  SelectClipRgn(dc, nullptr);
  panel->PaintToDC(dc, false);
  EXPECT_FALSE(panel->SkinData()->RedrawFlag);
  EXPECT_EQ(BitmapPixel(target.get(), 30, 30), panel->SkinData()->CachePixels().Empty()
                                                   ? clNone
                                                   : ReadPixelBytes(panel->SkinData()->CachePixels().Pixel(30, 30)));
}
