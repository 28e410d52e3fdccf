// The skinned speed button on a real form with the kit-made Marl: its looks
// read back from the form, the frames of its hot fade, every setter's change
// shown at once, the gap styles, and the drop-down menu opened, closed and
// broken by a raising handler.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <stdexcept>
#include <vector>

#include "platform/forms/forms.h"
#include "platform/forms/menus.h"
#include "platform/graphics/image_list.h"
#include "skin/core/bitmap_create_win.h"
#include "skin/core/button_menu_state.h"
#include "skin/core/image_painting.h"
#include "skin/core/manager_platform.h"
#include "skin/core/paint_seam.h"
#include "skin/core/pixel_access.h"
#include "skin/core/section_painting.h"
#include "skin/core/skin_manager.h"
#include "skin/launcher-controls/anim_timer.h"
#include "skin/launcher-controls/speed_button.h"
#include "tests/skin/core/skin_panel_wintest_support.h"
#include "tests/support/screenshot.h"
#include "tests/support/skinned_controls_check.h"
#include "tools/skinkit/kit_pictures.h"
#include "tools/skinkit/marl_skin.h"

using namespace brsm::test;

namespace {

// What a shown menu looked like, read by a timer while it is open; the
// timer then closes it.
struct MenuSeen {
  bool Shown = false;
  RECT Rect{};
  bool HintsOn = true;
  TButtonState State = bsUp;
  bool Open = false;
  TComponent* DropDown = nullptr;
  std::function<void()> During;
};
MenuSeen* g_seen = nullptr;
TsSpeedButton* g_button = nullptr;

void CALLBACK ReadAndCloseMenu(HWND, UINT, UINT_PTR id, DWORD) {
  HWND menu = FindWindowW(L"#32768", nullptr);
  if (!menu || !IsWindowVisible(menu)) return;
  KillTimer(nullptr, id);
  g_seen->Shown = true;
  GetWindowRect(menu, &g_seen->Rect);
  g_seen->HintsOn = Application->ShowHint();
  g_seen->State = g_button->State();
  g_seen->Open = g_button->DropDownOpen();
  g_seen->DropDown = DropDownControl;
  if (g_seen->During) g_seen->During();
  EndMenu();
}

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

class SpeedButtonWinTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ParkCursor();
    UseWindowsSkinManager();
    UseWindowsPaintSeam();
    ASSERT_TRUE(brsm::kit::MakeMarlSkin().WriteFolder(folder.Path()));
    form = std::make_unique<TForm>(Application);
    form->SetBounds(40, 40, 360, 220);
    manager = new TsSkinManager(form.get());
    manager->SetSkinDirectory(folder.Path());
    manager->SetSkinName("Marl");
    ASSERT_TRUE(manager->SkinData.Loaded);
    button = Make(20, 20, "About");
    menu = new TPopupMenu(form.get());
    auto* item = new TMenuItem(menu);
    item->SetCaption("Item");
    menu->Items()->Add(item);
    form->Show();
    PumpFor(80);
    ASSERT_TRUE(button->SkinData()->IsSkinned());
    g_button = button;
    g_seen = &seen;
  }
  void TearDown() override {
    g_seen = nullptr;
    form.reset();
    PumpFor(10);
  }
  TsSpeedButton* Make(int left, int top, const char* caption) {
    auto* b = new TsSpeedButton(form.get());
    b->SetBounds(left, top, 120, 30);
    b->SetCaption(caption);
    b->SetParent(form.get());
    b->SkinData()->SetSkinSection("SPEEDBUTTON");
    return b;
  }
  // The form's pixel at a point of the button.
  TColor Shown(TControl* b, int x, int y) { return ControlPixel(form.get(), b->Left() + x, b->Top() + y); }
  TColor Face(TsSpeedButton* b) { return Shown(b, b->Width() / 2, 2); }
  // What SPEEDBUTTON paints for a state at the same point.
  TColor Look(TsSpeedButton* b, int state) {
    std::unique_ptr<TBitmap> bmp(CreateBitmap24(b->Width(), b->Height()));
    PaintControlBackground(b->SkinData(), EmptyCacheInfo, state, bmp->PixelView(), TPoint{0, 0},
                           TRect{0, 0, b->Width(), b->Height()});
    CutMaskCorners(bmp->PixelView(), nullptr, false, state,
                   manager->MaskItems[static_cast<size_t>(b->SkinData()->BorderItemIndex)]);
    return ReadPixelBytes(bmp->PixelView().Pixel(b->Width() / 2, 2));
  }
  bool Settled(TsSpeedButton* b) {
    return PumpWhile([&] { return b->AnimTimer() != nullptr; }) && (PumpFor(20), true);
  }
  void Press(TsSpeedButton* b, int x) { b->Perform(WM_LBUTTONDOWN, MK_LBUTTON, At(x, 10)); }
  void Release(TsSpeedButton* b, int x) { b->Perform(WM_LBUTTONUP, 0, At(x, 10)); }
  // Presses with a timer that reads the menu and closes it.
  void PressWithMenuTimer(TsSpeedButton* b, int x) {
    SetTimer(nullptr, 0, 50, ReadAndCloseMenu);
    g_button = b;
    Press(b, x);
  }

  TempFolder folder;
  std::unique_ptr<TForm> form;
  TsSkinManager* manager = nullptr;
  TsSpeedButton* button = nullptr;
  TPopupMenu* menu = nullptr;
  MenuSeen seen;
};

}  // namespace

TEST_F(SpeedButtonWinTest, NormalHotAfterItsFramesAndPressedWithTheGlyphMoved) {
  const TColor normal = Look(button, 0), hot = Look(button, 1), pressed = Look(button, 2);
  ASSERT_NE(normal, hot);
  ASSERT_NE(hot, pressed);
  EXPECT_EQ(Face(button), normal);

  CommandLog log(button);
  button->Perform(CM_MOUSEENTER, 0, 0);
  ASSERT_NE(button->AnimTimer(), nullptr);
  ASSERT_TRUE(Settled(button));
  // Marl's SPEEDBUTTON fades in 4 steps: frames at the indexes 0 to 4.
  EXPECT_EQ(log.Count(SkinCmdSetUpdating), 5);
  EXPECT_EQ(log.Count(SkinCmdHaltAnimation), 1);
  EXPECT_EQ(Face(button), hot);
  EXPECT_EQ(AnimatedControl, nullptr);

  std::unique_ptr<TBitmap> glyph(CreateBitmap24(12, 12));
  glyph->Canvas()->Brush()->SetColor(clFuchsia);
  glyph->Canvas()->FillRect(TRect{0, 0, 12, 12});
  glyph->Canvas()->Brush()->SetColor(clRed);
  glyph->Canvas()->FillRect(TRect{4, 4, 8, 8});
  button->SetGlyph(glyph.get());
  PumpFor(30);
  const TRect up = button->GlyphRect();
  const TColor red = 0x0000FF;
  EXPECT_EQ(Shown(button, up.Left + 4, up.Top + 4), red);
  EXPECT_NE(Shown(button, up.Left + 3, up.Top + 3), red);  // the key colour lets the face through

  Press(button, 10);
  ASSERT_TRUE(Settled(button));
  EXPECT_EQ(button->State(), bsDown);
  EXPECT_EQ(Face(button), pressed);
  const TRect down = button->GlyphRect();
  EXPECT_EQ(down.Left, up.Left + 1);
  EXPECT_EQ(down.Top, up.Top + 1);
  EXPECT_EQ(Shown(button, down.Left + 4, down.Top + 4), red);
  EXPECT_NE(Shown(button, up.Left + 4, up.Top + 4), red);
  SaveScreenshot("speed_button_pressed");

  // A release while the press fade runs stops it; the button ends up hot.
  Release(button, 10);
  Press(button, 10);
  ASSERT_NE(button->AnimTimer(), nullptr);
  Release(button, 10);
  ASSERT_TRUE(Settled(button));
  EXPECT_EQ(button->State(), bsUp);
  EXPECT_EQ(Face(button), hot);

  button->Perform(CM_MOUSELEAVE, 0, 0);
  ASSERT_TRUE(Settled(button));
  EXPECT_EQ(Face(button), normal);
}

TEST_F(SpeedButtonWinTest, EverySetterThatChangesTheFaceShowsAtOnce) {
  // Two lines of unequal width show the caption's own alignment.
  button->SetCaption("Wide top line\nX");
  button->SetAlignment(taLeftJustify);
  PumpFor(30);
  const struct {
    const char* Name;
    std::function<void()> Apply;
  } changes[] = {
      {"TextAlignment", [&] { button->SetTextAlignment(taRightJustify); }},
      {"Alignment", [&] { button->SetAlignment(taCenter); }},
      {"Margin", [&] { button->SetMargin(12); }},  // from the middle to the left
      {"TextOffset", [&] { button->SetTextOffset(6); }},
      {"Font", [&] { button->Font()->SetSize(12); }},
  };
  for (const auto& change : changes) {
    const std::vector<TColor> before = ControlShot(button);
    change.Apply();
    PumpFor(30);
    EXPECT_TRUE(ControlShot(button) != before) << change.Name;
  }
}

TEST_F(SpeedButtonWinTest, GapStylesShowTheParentAndTheDividerStripAndDropDownWidens) {
  const TColor back = ColorToRGB(form->Color());
  button->SetButtonStyle(tbsDropDown);
  EXPECT_EQ(button->Width(), 136);
  button->SetButtonStyle(tbsSeparator);
  EXPECT_EQ(button->Width(), 120);
  PumpFor(30);
  EXPECT_EQ(Shown(button, 60, 15), back);
  EXPECT_EQ(Shown(button, 1, 1), back);

  button->SetButtonStyle(tbsDivider);
  PumpFor(30);
  // The 6-pixel frame down the middle: its 2-pixel band at 57..58.
  const int divider = brsm::kit::MarlSectionIndex("DIVIDER");
  const TColor band = brsm::kit::Shade(brsm::kit::KitColor(divider, 10));
  EXPECT_EQ(Shown(button, 57, 15), band);
  EXPECT_EQ(Shown(button, 62, 15), band);
  EXPECT_EQ(Shown(button, 40, 15), back);
}

TEST_F(SpeedButtonWinTest, DropDownOpensBelowTheButtonAndUndoesEverythingAfterwards) {
  int clicks = 0;
  button->OnClick = [&](TObject*) { ++clicks; };
  button->SetButtonStyle(tbsDropDown);
  button->SetDropdownMenu(menu);
  Application->SetShowHint(true);
  PumpFor(30);

  // Left of the strip: a click, no menu.
  Press(button, 20);
  Release(button, 20);
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(seen.Shown);

  PressWithMenuTimer(button, button->Width() - 5);
  ASSERT_TRUE(seen.Shown);
  const TPoint corner = button->ClientToScreen(TPoint{0, button->Height() + 1});
  EXPECT_EQ(seen.Rect.left, corner.X);
  EXPECT_EQ(seen.Rect.top, corner.Y);
  EXPECT_FALSE(seen.HintsOn);
  EXPECT_TRUE(seen.Open);
  EXPECT_EQ(seen.DropDown, button);
  EXPECT_EQ(seen.State, bsUp);  // with OnClick the button does not stay pressed
  EXPECT_TRUE(Application->ShowHint());
  EXPECT_EQ(DropDownControl, nullptr);
  EXPECT_EQ(clicks, 1);

  // Without OnClick: anywhere, pressed while open; a second button opens
  // nothing meanwhile; the cursor outside clears the hot flag.
  button->OnClick = nullptr;
  TsSpeedButton* other = Make(20, 80, "Other");
  other->SetButtonStyle(tbsDropDown);
  auto* otherMenu = new TPopupMenu(form.get());
  int otherPopups = 0;
  otherMenu->OnPopup = [&](TObject*) { ++otherPopups; };
  otherMenu->Items()->Add(new TMenuItem(otherMenu));
  other->SetDropdownMenu(otherMenu);
  button->Perform(CM_MOUSEENTER, 0, 0);
  ASSERT_TRUE(Settled(button));
  ASSERT_TRUE(button->SkinData()->Hot);
  seen = MenuSeen{};
  seen.During = [&] { other->Perform(WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5)); };
  PressWithMenuTimer(button, 5);
  ASSERT_TRUE(seen.Shown);
  EXPECT_EQ(seen.State, bsDown);
  EXPECT_EQ(otherPopups, 0);
  EXPECT_EQ(button->State(), bsUp);
  EXPECT_FALSE(button->SkinData()->Hot);
  EXPECT_TRUE(Application->ShowHint());
  Release(other, 5);
  EXPECT_EQ(DropDownControl, nullptr);

  // A raising OnPopup: every flag back, and the next press opens again.
  menu->OnPopup = [](TObject*) { throw std::runtime_error("popup"); };
  EXPECT_THROW(Press(button, 5), std::runtime_error);
  EXPECT_TRUE(Application->ShowHint());
  EXPECT_FALSE(button->DropDownOpen());
  EXPECT_EQ(button->State(), bsUp);
  EXPECT_EQ(DropDownControl, nullptr);
  menu->OnPopup = nullptr;
  seen = MenuSeen{};
  PressWithMenuTimer(button, 5);
  EXPECT_TRUE(seen.Shown);
}

TEST_F(SpeedButtonWinTest, CaptionComesBackAndFreedListsAndMenusLeaveNil) {
  button->SetShowCaption(false);
  EXPECT_EQ(button->Caption(), "");
  button->SetShowCaption(true);
  EXPECT_EQ(button->Caption(), "About");

  auto other = std::make_unique<TForm>(Application);
  auto* images = new TImageList(other.get());
  auto* otherMenu = new TPopupMenu(other.get());
  button->SetImages(images);
  button->SetDropdownMenu(otherMenu);
  other.reset();
  EXPECT_EQ(button->Images(), nullptr);
  EXPECT_EQ(button->DropdownMenu(), nullptr);

  // A freed button that was the drop-down control leaves none behind.
  DropDownControl = button;
  delete button;
  EXPECT_EQ(DropDownControl, nullptr);
}
