// The real BRSM-Menu.exe with a kit-made Marl in the Windows folder, read
// back from the screen: frame, title bar and its buttons, the three bit-map
// buttons ("Выход" with its glyph), the logos over the form's background and
// "О программе" in SPEEDBUTTON's look, fading to hot and pressed, and the
// about box it opens skinned too. Without Marl, or with a damaged one, the
// platform's look, the about box's too.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "generator/program_driver.h"
#include "platform/rtl/text1251.h"
#include "skin/core/skin_commands.h"
#include "support/screen_capture.h"
#include "support/screenshot.h"
#include "support/windows_folder_skin.h"
#include "tools/skinkit/kit_pictures.h"
#include "tools/skinkit/marl_skin.h"

using namespace brsm::test;
using brsm::kit::KitColor;
using brsm::kit::MarlSectionIndex;
using brsm::kit::Shade;

namespace {

// A section's colour (COLOR 0, HOTCOLOR 1, FONTCOLOR 2, HOTFONTCOLOR 3) and
// the edge band of its border frame for a state.
TColor Colour(const char* section, int index) { return KitColor(MarlSectionIndex(section), index); }
TColor Edge(const char* section, int state) { return Shade(Colour(section, 10 + state)); }

// The main form's controls in its client area.
constexpr RECT kExit{132, 171, 207, 196};
constexpr RECT kLogos[] = {{2, 67, 130, 195}, {208, 67, 336, 195}};
constexpr TColor kGlyphRed = RGBColor(0xF0, 0, 0);
constexpr int kSpeedHeight = 22;

HWND FocusOf(HWND wnd) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(wnd, nullptr), &info);
  return info.hwndFocus;
}

class MenuProgramSkin : public ::testing::Test {
 protected:
  void Start(MarlKind kind) {
    ParkCursorAway();
    ASSERT_TRUE(PutMarlInWindowsFolder(kind));
    menu_ = std::make_unique<ChildProgram>(WinePath(BRSM_BIN_DIR) + L"\\BRSM-Menu.exe", folder_.Path());
    ASSERT_TRUE(menu_->Started());
    if (kind == MarlKind::Damaged) {
      // The manager says once that the skin cannot be read.
      HWND warning = menu_->WaitForWindow(L"#32770");
      ASSERT_NE(warning, nullptr) << "no word of the damaged skin";
      PostMessageW(warning, WM_COMMAND, IDOK, 0);
    }
    main_ = menu_->WaitForWindow(L"TForm1");
    ASSERT_NE(main_, nullptr);
    SetWindowPos(main_, nullptr, 200, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SetForegroundWindow(main_);
    Settle(main_);
    RECT c{};
    GetClientRect(main_, &c);
    speed_ = RECT{0, c.bottom - kSpeedHeight, c.right, c.bottom};
  }
  void TearDown() override {
    menu_.reset();
    RemoveMarlFromWindowsFolder();
  }
  static void ParkCursorAway() { SetCursorPos(1270, 1010); }
  std::vector<HWND> BitButtons() const {
    std::vector<HWND> found;
    for (HWND b = ChildOfClass(main_, L"TsBitBtn"); b; b = FindWindowExW(main_, b, L"TsBitBtn", nullptr))
      found.push_back(b);
    return found;
  }

  // The speed button's edge band (the border frame of its state) and its
  // face left of the caption (COLOR, HOTCOLOR when hot or pressed).
  POINT SpeedEdge() const { return ScreenPoint({(speed_.left + speed_.right) / 2, speed_.top + 1}); }
  POINT SpeedCentre() const { return ScreenPoint({speed_.left + 8, speed_.top + kSpeedHeight / 2}); }
  POINT ScreenPoint(POINT client) const {
    ClientToScreen(main_, &client);
    return client;
  }
  bool SpeedShows(int state) const {
    const POINT e = SpeedEdge(), c = SpeedCentre();
    const ScreenCapture s(ClientOnScreen(main_));
    return s.At(e.x, e.y) == Edge("SPEEDBUTTON", state) &&
           s.At(c.x, c.y) == Colour("SPEEDBUTTON", state == 0 ? 0 : 1);
  }

  TempFolder folder_{L"brsm-menu-skin"};
  std::unique_ptr<ChildProgram> menu_;
  HWND main_ = nullptr;
  RECT speed_{};
};

TEST_F(MenuProgramSkin, EveryControlInMarlsLookAndTheAboutBoxToo) {
  Start(MarlKind::Folder);
  RECT w{};
  GetWindowRect(main_, &w);
  ScreenCapture screen(w);

  // Frame and title bar: FORM's border (its second frame when active), the
  // caption in FORMTITLE's font colour, and close, maximise and minimise
  // from the BICON glyphs.
  EXPECT_TRUE(WindowHasRegion(main_));
  const bool active = GetForegroundWindow() == main_;
  EXPECT_EQ(screen.At(w.left + 1, (w.top + w.bottom) / 2), Edge("FORM", active ? 1 : 0));
  const RECT client = ClientOnScreen(main_);
  const RECT title{w.left, w.top, w.right, client.top};
  EXPECT_GT(screen.Count(title, Colour("FORMTITLE", active ? 3 : 2)), 20) << "no caption text";
  for (int icon : {30, 31, 33})
    EXPECT_GT(screen.Count(title, KitColor(icon, 10)), 10) << "title button " << icon;

  // The bit-map buttons: shaped, the BUTTON frame for their state (the
  // focused one active), "Выход" with its stop sign.
  const HWND focused = FocusOf(main_);
  const std::vector<HWND> buttons = BitButtons();
  EXPECT_EQ(buttons.size(), 3u);
  for (HWND b : buttons) {
    EXPECT_TRUE(WindowHasRegion(b)) << brsm::FromUtf16(TextOf(b));
    RECT r{};
    GetWindowRect(b, &r);
    EXPECT_EQ(screen.At((r.left + r.right) / 2, r.top + 2), Edge("BUTTON", b == focused ? 1 : 0))
        << brsm::FromUtf16(TextOf(b));
  }
  EXPECT_GT(screen.Count(OnScreen(main_, kExit), kGlyphRed), 30) << "\"Выход\" without its glyph";

  // The logos stand on the form's background, which shows at their
  // see-through corners; their middles are the picture.
  const POINT between = ScreenPoint({168, 120});
  const TColor back = screen.At(between.x, between.y);
  EXPECT_EQ(back, Colour("FORM", 0));
  for (const RECT& logo : kLogos) {
    const POINT corner = ScreenPoint({logo.left + 1, logo.top + 1});
    const POINT middle = ScreenPoint({(logo.left + logo.right) / 2, (logo.top + logo.bottom) / 2});
    EXPECT_EQ(screen.At(corner.x, corner.y), back);
    EXPECT_NE(screen.At(middle.x, middle.y), back);
  }

  // "О программе" across the bottom in SPEEDBUTTON's normal frame and font colour.
  EXPECT_TRUE(SpeedShows(0));
  EXPECT_GT(screen.Count(OnScreen(main_, speed_), Colour("SPEEDBUTTON", 2)), 20) << "no caption";
  SaveScreenshot("menu_skinned");

  // Hovering fades it to the hot frame, pressing shows the pressed one.
  const POINT at{speed_.left + 8, speed_.top + kSpeedHeight / 2};
  const POINT atScreen = ScreenPoint(at);
  SetCursorPos(atScreen.x, atScreen.y);
  PostMessageW(main_, WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
  EXPECT_TRUE(WaitUntil([&] { return SpeedShows(1); }, 3000)) << "no hot look";
  PostMessageW(main_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
  EXPECT_TRUE(WaitUntil([&] { return SpeedShows(2); }, 3000)) << "no pressed look";

  // The click opens the about box: skinned frame and background, labels in
  // GLOBALINFO's font colour, the link label in its own blue.
  PostMessageW(main_, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
  HWND about = menu_->WaitForWindow(L"TForm2", 5000);
  ASSERT_NE(about, nullptr);
  ParkCursorAway();
  Settle(about);
  EXPECT_EQ(TextOf(about), L"О программе");
  EXPECT_TRUE(WindowHasRegion(about));
  RECT aw{};
  GetWindowRect(about, &aw);
  const ScreenCapture box(aw);
  const int aboutFrame = GetForegroundWindow() == about ? 1 : 0;
  EXPECT_EQ(box.At(aw.left + 1, (aw.top + aw.bottom) / 2), Edge("FORM", aboutFrame));
  const RECT aboutBody = OnScreen(about, {100, 100, 101, 101});
  EXPECT_EQ(box.At(aboutBody.left, aboutBody.top), Colour("FORM", 0));
  const TColor fontColor = Colour("GLOBALINFO", 2);
  EXPECT_GT(box.Count(OnScreen(about, {8, 16, 200, 62}), fontColor), 60)
      << "labels not in the skin's font colour";
  const RECT link = OnScreen(about, {8, 64, 200, 80});
  EXPECT_GT(box.Count(link, clBlue), 40) << "the link label lost its blue";
  EXPECT_EQ(box.Count(link, fontColor), 0);
  SaveScreenshot("menu_about_skinned");
  PostMessageW(about, WM_CLOSE, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(about); }));
}

class MenuProgramWithoutSkin : public MenuProgramSkin, public ::testing::WithParamInterface<MarlKind> {};

// No Marl, or a damaged one: the platform's look, the about box's too.
TEST_P(MenuProgramWithoutSkin, ThePlatformsLook) {
  Start(GetParam());
  const TColor face = static_cast<TColor>(GetSysColor(COLOR_BTNFACE));
  const TColor fontColor = Colour("GLOBALINFO", 2);
  auto expectPlain = [&](HWND wnd) {
    EXPECT_FALSE(WindowHasRegion(wnd));
    EXPECT_NE(GetWindowLongW(wnd, GWL_STYLE) & WS_SYSMENU, 0);
    EXPECT_EQ(SendMessageW(wnd, CommandMessage, SkinCmdWParam(SkinCmdQuerySkinned), 0), 0) << "a provider";
    const RECT client = ClientOnScreen(wnd);
    const ScreenCapture screen(client);
    EXPECT_EQ(screen.Count(client, fontColor), 0);
  };
  expectPlain(main_);
  const ScreenCapture screen(ClientOnScreen(main_));
  for (HWND b : BitButtons()) {
    EXPECT_FALSE(WindowHasRegion(b));
    RECT r{};
    GetWindowRect(b, &r);
    EXPECT_EQ(screen.At(r.left + 5, r.top + 5), face);
  }
  const POINT c = SpeedCentre();
  EXPECT_EQ(screen.At(c.x, c.y), face);
  const POINT between = ScreenPoint({168, 120});
  EXPECT_EQ(screen.At(between.x, between.y), face);
  SaveScreenshot(std::string("menu_plain_") + MarlKindName(GetParam()));

  const POINT at{speed_.left + 8, speed_.top + kSpeedHeight / 2};
  PostMessageW(main_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
  PostMessageW(main_, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
  HWND about = menu_->WaitForWindow(L"TForm2", 5000);
  ASSERT_NE(about, nullptr);
  Settle(about);
  expectPlain(about);
  const RECT aboutBody = OnScreen(about, {100, 100, 101, 101});
  EXPECT_EQ(ScreenCapture(aboutBody).At(aboutBody.left, aboutBody.top), face);
  SaveScreenshot(std::string("menu_about_plain_") + MarlKindName(GetParam()));
  PostMessageW(about, WM_CLOSE, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(about); }));
}

INSTANTIATE_TEST_SUITE_P(Kinds, MenuProgramWithoutSkin, ::testing::Values(MarlKind::None, MarlKind::Damaged),
                         [](const auto& info) { return MarlKindName(info.param); });

}  // namespace
