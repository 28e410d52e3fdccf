// The skin record on real controls under Wine: a panel carrying a record
// paints its section from a kit-made skin into its cache and onto the
// screen, a transparent child copies its parent's cache, and a skin change
// broadcast by the manager reaches the record.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
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
#include "tools/skinkit/kit_pictures.h"
#include "tools/skinkit/kit_skin.h"

namespace fs = std::filesystem;

namespace {

constexpr TColor kForm = 0x406080;
constexpr TColor kPanel = 0x2050A0;
constexpr TColor kBorder = 0x00C000;
constexpr TColor kGlass = 0x0000FF;
constexpr int kBorderWidth = 4;

void Pump(int ms = 50) {
  const DWORD end = GetTickCount() + ms;
  do {
    Application->ProcessMessages();
    Sleep(1);
  } while (GetTickCount() < end);
}

// PANEL: a solid face (a one-colour gradient, so children copy its pixels)
// inside a 4-pixel border; GLASS: fully transparent.
brsm::kit::KitSkin PlateSkin(const std::string& name, TColor panel) {
  brsm::kit::KitSkin skin(name);
  skin.Set("GLOBALINFO", "VERSION", "5.49");
  skin.SetMasterName("Master.bmp");
  skin.Set("FORM", "COLOR", kForm);
  skin.Set("PANEL", "COLOR", panel);
  skin.Set("PANEL", "GRADIENTPERCENT", 100);
  skin.Set("PANEL", "GRADIENTDATA",
           std::to_string(panel) + ";" + std::to_string(panel) + ";100;0;0");
  const TRect r = skin.PlaceInMaster(brsm::kit::SolidPicture(12, 12, kBorder));
  skin.Set("PANEL", "BORDERSMASK", brsm::kit::BorderValue(r, 4, 4, 4, 4, 1, 0, 0, 0));
  skin.Set("GLASS", "COLOR", kGlass);
  skin.Set("GLASS", "TRANSPARENCY", 100);
  return skin;
}

// A panel of the skin library: its record sees every message first; it
// paints its section into the cache and copies the cache to the screen.
class TSkinPanel : public TCustomControl {
 public:
  explicit TSkinPanel(TComponent* owner, const std::string& section)
      : TCustomControl(owner), SkinData(this, true) {
    SkinData.ControlKind = 51;
    SkinData.SetSkinSection(section);
  }
  void WndProc(TMessage& m) override {
    if (CommonControlMessage(m, &SkinData)) return;
    if (m.Msg == CommandMessage) {
      const int code = SkinCmdOf(m.WParam);
      Commands.push_back(code);
      if (code == SkinCmdSkinReapplied || code == SkinCmdSkinRemoved) Invalidate();
    }
    TCustomControl::WndProc(m);
  }
  void Paint() override {
    ++Paints;
    if (!SkinData.IsSkinned()) {
      Canvas()->Brush()->SetColor(Color());
      Canvas()->FillRect(TRect{0, 0, Width(), Height()});
      return;
    }
    SkinData.PrepareCacheBitmap();
    TCacheInfo parent = EmptyCacheInfo;
    SkinData.GetParentCacheInfo(parent);
    if (parent.Ready) {
      parent.X += Left();
      parent.Y += Top();
    }
    TBitmap* cache = CacheBitmapOf(&SkinData);
    PaintControlSkin(&SkinData, parent, true, 1, cache->PixelView(), {}, TRect{0, 0, Width(), Height()}, 0);
    SkinData.BackgroundStale = false;
    BitBlt(Canvas()->Handle(), 0, 0, Width(), Height(), cache->Canvas()->Handle(), 0, 0, SRCCOPY);
  }
  TColor CachePixel(int x, int y) { return ReadPixelBytes(SkinData.CachePixels().Pixel(x, y)); }

  TsCommonData SkinData;
  std::vector<int> Commands;
  int Paints = 0;
};

class TempFolder {
 public:
  TempFolder() {
    wchar_t tmp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, tmp);
    path_ = fs::path(tmp) / ("brsm-record-" + std::to_string(GetCurrentProcessId()));
    fs::remove_all(path_);
    fs::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  std::string Path() const { return brsm::FromUtf16(path_.wstring()) + "\\"; }

 private:
  fs::path path_;
};

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

bool InBorder(int x, int y, int w, int h) {
  return x < kBorderWidth || y < kBorderWidth || x >= w - kBorderWidth || y >= h - kBorderWidth;
}

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

TEST_F(RecordWinTest, ControlUtilitiesOnRealControls) {
  auto* bare = new TSkinPanel(form.get(), "PANEL");
  EXPECT_FALSE(bare->HandleAllocated());
  EXPECT_EQ(SendCmdToControl(bare, SkinCmdQuerySkinned), 0);
  EXPECT_TRUE(bare->Commands.empty());
  EXPECT_TRUE(ControlAnswersCmd(panel, SkinCmdQuerySkinned));
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
