// The launcher's real main form under a provider placed at run time, with
// a kit-made Marl in the Windows folder and the Russian thread locale: a
// right click on the caption opens the skinned system menu in Russian.
#include <gtest/gtest.h>

#include <memory>

#include "generator/skin_engine_start.h"
#include "launcher/unit1.h"
#include "skin/core/skin_hook_win.h"
#include "skin/windows/skin_provider.h"
#include "tests/support/open_menu.h"
#include "tests/support/screenshot.h"
#include "tests/support/windows_folder_skin.h"
#include "tools/skinkit/kit_pictures.h"
#include "tools/skinkit/marl_skin.h"

namespace {

using brsm::kit::KitColor;
using brsm::kit::MarlSectionIndex;

class LauncherSystemMenu : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { brsm::StartSkinEngine(); }
  void SetUp() override {
    saved = GetThreadLocale();
    SetThreadLocale(MAKELCID(0x0419, SORT_DEFAULT));
  }
  void TearDown() override {
    form.reset();
    brsm::test::RemoveMarlFromWindowsFolder();
    SetThreadLocale(saved);
  }
  static void Pump() {
    for (int i = 0; i < 5; ++i) Application->ProcessMessages();
  }
  TsSkinProvider* Show() {
    form = std::make_unique<TForm1>(Application);
    form->AfterConstruction();
    auto* p = new TsSkinProvider(form.get());
    form->Show();
    SetForegroundWindow(form->Handle());
    Pump();
    return p;
  }
  // Right click on the caption; `check` sees the menu window.
  void RightClickCaption(TsSkinProvider* p, std::function<void(HWND)> check) {
    RECT w{};
    GetWindowRect(form->Handle(), &w);
    const LPARAM at = MAKELPARAM(w.left + 120, w.top + p->FrameHeight() + 4);
    brsm::test::WhileMenuOpen([&] { SendMessageW(form->Handle(), WM_NCRBUTTONUP, HTCAPTION, at); },
                              std::move(check));
    Pump();
  }

  LCID saved = 0;
  std::unique_ptr<TForm1> form;
};

TEST_F(LauncherSystemMenu, RussianCommandsInTheSkinsLook) {
  ASSERT_TRUE(brsm::test::PutMarlInWindowsFolder(brsm::test::MarlKind::Folder));
  TsSkinProvider* p = Show();
  TsSystemMenu* menu = p->SystemMenu;
  ASSERT_TRUE(menu);
  HWND seenWindow = nullptr;
  bool region = false;
  TColor frame = 0, face = 0;
  int shown = 0;
  RightClickCaption(p, [&](HWND w) {
    seenWindow = w;
    shown = GetMenuItemCount(menu->Handle());
    Pump();
    UpdateWindow(w);
    region = brsm::test::RegionLacksTopLeftOnly(w);
    RECT r{};
    GetWindowRect(w, &r);
    frame = brsm::test::WindowPixel(w, 1, (r.bottom - r.top) / 2);
    RECT item{};
    GetMenuItemRect(nullptr, menu->Handle(), 1, &item);
    face = brsm::test::WindowPixel(w, item.right - r.left - 12, (item.top + item.bottom) / 2 - r.top);
    EXPECT_TRUE(brsm::test::SaveScreenshot("system_menu_launcher"));
  });
  ASSERT_TRUE(seenWindow);
  EXPECT_EQ(menu->ItemRestore->Caption(), "\xc2\xee\xf1\xf1\xf2\xe0\xed\xee\xe2\xe8\xf2\xfc");
  EXPECT_EQ(menu->ItemMove->Caption(), "\xcf\xe5\xf0\xe5\xec\xe5\xf1\xf2\xe8\xf2\xfc");
  EXPECT_EQ(menu->ItemSize->Caption(), "\xd0\xe0\xe7\xec\xe5\xf0");
  EXPECT_EQ(menu->ItemMinimize->Caption(), "\xd1\xe2\xe5\xf0\xed\xf3\xf2\xfc");
  EXPECT_EQ(menu->ItemMaximize->Caption(), "\xcd\xe0 \xe2\xf1\xe5 \xee\xea\xed\xee");
  EXPECT_EQ(menu->ItemClose->Caption(), "\xc7\xe0\xea\xf0\xfb\xf2\xfc");
  EXPECT_EQ(ShortCutToText(menu->ItemClose->ShortCut()), "Alt+F4");
  for (TMenuItem* item : {menu->ItemRestore, menu->ItemMove, menu->ItemSize, menu->ItemMinimize,
                          menu->ItemMaximize, menu->ItemClose})
    EXPECT_TRUE(item->Visible()) << item->Name();
  EXPECT_FALSE(menu->ItemRestore->Enabled());
  for (TMenuItem* item : {menu->ItemMove, menu->ItemSize, menu->ItemMinimize, menu->ItemMaximize, menu->ItemClose})
    EXPECT_TRUE(item->Enabled()) << item->Name();
  EXPECT_EQ(shown, 7);  // the six commands and the divider
  EXPECT_TRUE(region);
  EXPECT_TRUE(brsm::test::NearColor(frame, brsm::kit::Shade(KitColor(MarlSectionIndex("MAINMENU"), 10))))
      << std::hex << frame;
  EXPECT_TRUE(brsm::test::NearColor(face, KitColor(MarlSectionIndex("MENUITEM"), 0))) << std::hex << face;
  EXPECT_TRUE(PopupMenuWndList().empty());

  // "На все окно" maximises; the next showing enables "Восстановить".
  menu->ItemMaximize->Click();
  Pump();
  EXPECT_TRUE(IsZoomed(form->Handle()));
  RightClickCaption(p, [](HWND) {});
  EXPECT_TRUE(menu->ItemRestore->Enabled());
  menu->ItemRestore->Click();
  Pump();
  EXPECT_FALSE(IsZoomed(form->Handle()));
}

TEST_F(LauncherSystemMenu, MinimizeOfTheMainFormMinimisesTheApplication) {
  ASSERT_TRUE(brsm::test::PutMarlInWindowsFolder(brsm::test::MarlKind::Folder));
  ASSERT_EQ(Application->MainForm(), nullptr);
  TForm1* main = nullptr;
  Application->CreateForm(main);  // the first form made becomes the main form
  form.reset(main);
  ASSERT_EQ(Application->MainForm(), form.get());
  auto* p = new TsSkinProvider(form.get());
  form->Show();
  Pump();
  p->SystemMenu->ItemMinimize->Click();
  Pump();
  EXPECT_TRUE(IsIconic(form->Handle()));
  EXPECT_FALSE(p->SystemMenu->ItemMinimize->Enabled());
}

TEST_F(LauncherSystemMenu, WithoutMarlThePlatformsSystemMenuStays) {
  brsm::test::RemoveMarlFromWindowsFolder();
  Show();
  EXPECT_NE(GetWindowLongW(form->Handle(), GWL_STYLE) & WS_SYSMENU, 0);
}

}  // namespace
