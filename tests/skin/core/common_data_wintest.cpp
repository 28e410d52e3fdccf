// The skin record on real controls under Wine: a panel carrying a record
// paints its section from a kit-made skin into its cache and onto the
// screen, a transparent child copies its parent's cache, and a skin change
// broadcast by the manager reaches the record.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>

#include "platform/forms/forms.h"
#include "platform/graphics/canvas.h"
#include "platform/rtl/text1251.h"
#include "skin/core/cache_bitmap_win.h"
#include "skin/core/common_data_win.h"
#include "skin/core/control_utils_win.h"
#include "skin/core/manager_platform.h"
#include "skin/core/paint_colors.h"
#include "skin/core/pixel_access.h"
#include "skin/core/section_painting.h"
#include "skin/core/skin_constants.h"
#include "skin/core/skin_manager.h"
#include "skin/core/skinned_forms.h"
#include "tests/support/screenshot.h"
#include "tests/skin/core/skin_panel_wintest_support.h"

using namespace brsm::test;

namespace {

class RecordWinTest : public ::testing::Test {
 protected:
  void SetUp() override {
    UseWindowsSkinManager();
    ASSERT_TRUE(PlateSkin("Plate", kPanel).WriteFolder(folder.Path()));
    ASSERT_TRUE(PlateSkin("Plate2", 0x801010).WriteFolder(folder.Path()));
    form = std::make_unique<TForm>(Application);
    form->SetBounds(40, 40, 260, 170);
    form->SetCaption("Skin record");
    manager = new TsSkinManager(form.get());
    manager->SetSkinDirectory(folder.Path());
    manager->SetSkinName("Plate");
    ASSERT_TRUE(manager->SkinData.Loaded);
    panel = new TSkinPanel(form.get(), "PANEL");
    panel->SetBounds(10, 10, 120, 80);
    panel->SetParent(form.get());
    form->Show();
    Pump();
    panel->Repaint();
    Pump();
  }
  void TearDown() override {
    form.reset();
    Pump(10);
    EXPECT_EQ(DefaultManager, nullptr);
  }

  TempFolder folder;
  std::unique_ptr<TForm> form;
  TsSkinManager* manager = nullptr;
  TSkinPanel* panel = nullptr;
};

}  // namespace

TEST_F(RecordWinTest, PanelPaintsItsSectionFromTheSkin) {
  ASSERT_TRUE(panel->SkinData.IsSkinned());
  ASSERT_GT(panel->Paints, 0);
  TBitmap* cache = CacheBitmapOf(&panel->SkinData);
  ASSERT_NE(cache, nullptr);
  ASSERT_EQ(cache->Width(), 120);
  ASSERT_EQ(cache->Height(), 80);
  int wrong = 0;
  for (int y = 0; y < 80; ++y)
    for (int x = 0; x < 120; ++x)
      wrong += panel->CachePixel(x, y) != (InBorder(x, y, 120, 80) ? kBorder : kPanel);
  EXPECT_EQ(wrong, 0);

  // The same look on the screen.
  HDC dc = GetDC(panel->Handle());
  EXPECT_EQ(static_cast<TColor>(GetPixel(dc, 60, 40)), kPanel);
  EXPECT_EQ(static_cast<TColor>(GetPixel(dc, 1, 1)), kBorder);
  EXPECT_EQ(static_cast<TColor>(GetPixel(dc, 119, 79)), kBorder);
  ReleaseDC(panel->Handle(), dc);
  brsm::test::SaveScreenshot("record_panel");
}

TEST_F(RecordWinTest, TransparentChildCopiesItsParentsCache) {
  auto* glass = new TSkinPanel(form.get(), "GLASS");
  glass->SetBounds(2, 2, 30, 20);  // over the panel's border and face
  glass->SetParent(panel);
  Pump();
  glass->Repaint();
  Pump();
  ASSERT_TRUE(glass->SkinData.IsSkinned());
  ASSERT_EQ(glass->SkinData.CacheBitmap->Width(), 30);
  int wrong = 0;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 30; ++x) wrong += glass->CachePixel(x, y) != panel->CachePixel(x + 2, y + 2);
  EXPECT_EQ(wrong, 0);
  EXPECT_EQ(glass->CachePixel(0, 0), kBorder);
  EXPECT_EQ(glass->CachePixel(20, 10), kPanel);

  // Its background colour for its own children is the parent's.
  ParentBackColor = SkinTransparentColor;
  QueryParentColor(glass);
  EXPECT_EQ(ParentBackColor, kPanel);
  ParentBackColor = SkinTransparentColor;
  brsm::test::SaveScreenshot("record_glass");
}

TEST_F(RecordWinTest, SkinChangesReachTheRecord) {
  panel->Commands.clear();
  manager->SetSkinName("Plate2");
  Pump();
  EXPECT_NE(std::find(panel->Commands.begin(), panel->Commands.end(), SkinCmdNewSkin),
            panel->Commands.end());
  EXPECT_EQ(panel->Commands.back(), SkinCmdSkinReapplied);
  EXPECT_FALSE(panel->SkinData.Updating);
  panel->Repaint();
  Pump();
  EXPECT_EQ(panel->CachePixel(60, 40), 0x801010);

  manager->SetActive(false);
  Pump();
  EXPECT_EQ(panel->Commands.back(), SkinCmdSkinRemoved);
  EXPECT_EQ(panel->SkinData.SectionIndex, -1);
  EXPECT_EQ(panel->SkinData.CacheBitmap->Width(), 0);
  EXPECT_FALSE(panel->SkinData.IsSkinned());
}

TEST_F(RecordWinTest, HiddenControlEmptiesItsCacheAndShownItRepaints) {
  ASSERT_GT(panel->SkinData.CacheBitmap->Width(), 0);
  panel->Hide();
  EXPECT_EQ(panel->SkinData.CacheBitmap->Width(), 0);
  panel->Show();
  EXPECT_TRUE(panel->SkinData.BackgroundStale);
  Pump();
  panel->Repaint();
  EXPECT_EQ(panel->CachePixel(60, 40), kPanel);
}

namespace {
WNDPROC foreignPrevious = nullptr;
LRESULT CALLBACK AnswersUnknown(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == CommandMessage && SkinCmdOf(wp) == 99) return 1;
  return CallWindowProcW(foreignPrevious, w, msg, wp, lp);
}
}  // namespace

TEST_F(RecordWinTest, ControlUtilitiesOnRealControls) {
  auto* bare = new TSkinPanel(form.get(), "PANEL");
  EXPECT_FALSE(bare->HandleAllocated());
  EXPECT_EQ(SendCmdToControl(bare, SkinCmdQuerySkinned), 0);
  EXPECT_TRUE(bare->Commands.empty());
  EXPECT_TRUE(ControlAnswersCmd(panel, SkinCmdQuerySkinned));
  // A question the control leaves unanswered: its window is asked again
  // only when a foreign procedure sits in front of the control's own.
  constexpr uint16_t kUnknown = 99;
  panel->Commands.clear();
  EXPECT_FALSE(ControlAnswersCmd(panel, kUnknown));
  EXPECT_EQ(panel->Commands, std::vector<int>{kUnknown});
  foreignPrevious = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(panel->Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AnswersUnknown)));
  EXPECT_TRUE(ControlAnswersCmd(panel, kUnknown));
  SetWindowLongPtrW(panel->Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(foreignPrevious));
  EXPECT_TRUE(WindowAnswersCmd(panel->Handle(), SkinCmdQuerySkinned));
  EXPECT_FALSE(WindowAnswersCmd(form->Handle(), SkinCmdQuerySkinned));
  EXPECT_EQ(FindOwnerForm(panel), form.get());
  EXPECT_EQ(AlignmentTextFlags(panel, taCenter), static_cast<unsigned>(DT_CENTER | 0x44));
  EXPECT_EQ(SumAlignedSizes(form.get(), alClient, true), 0);
  panel->SetAlign(alTop);
  EXPECT_EQ(SumAlignedSizes(form.get(), alTop, false), panel->Height());

  // A fade from the screen to the control's new look frees everything.
  FadeControlIn(panel, 80);
  EXPECT_EQ(FadeSnapshot, nullptr);
  EXPECT_EQ(FadeCover, nullptr);
  EXPECT_EQ(FadePaintDC, nullptr);
  FadeControlIn(panel, 5000);  // longer than blending allows: held, still freed
  EXPECT_EQ(FadeSnapshot, nullptr);
  EXPECT_EQ(FadeCover, nullptr);
}
