// The generator's real bsDialog main form under a provider placed at run
// time, with a kit-made Marl in the Windows folder and the Russian thread
// locale: its system menu holds Move and Close only.
#include <gtest/gtest.h>

#include <memory>

#include "generator/skin_engine_start.h"
#include "generator/unit1.h"
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

TEST(GeneratorSystemMenu, MoveAndCloseInRussianInTheSkinsLook) {
  brsm::StartSkinEngine();
  const LCID saved = GetThreadLocale();
  SetThreadLocale(MAKELCID(0x0419, SORT_DEFAULT));
  ASSERT_TRUE(brsm::test::PutMarlInWindowsFolder(brsm::test::MarlKind::Folder));
  auto form = std::make_unique<TForm1>(Application);
  form->AfterConstruction();
  ASSERT_EQ(form->BorderStyle(), bsDialog);
  auto* p = new TsSkinProvider(form.get());
  form->Show();
  SetForegroundWindow(form->Handle());
  for (int i = 0; i < 5; ++i) Application->ProcessMessages();
  TsSystemMenu* menu = p->SystemMenu;
  ASSERT_TRUE(menu);

  RECT w{};
  GetWindowRect(form->Handle(), &w);
  const LPARAM at = MAKELPARAM(w.left + 120, w.top + p->FrameHeight() + 4);
  bool opened = false, region = false;
  TColor frame = 0, face = 0;
  int shown = 0;
  brsm::test::WhileMenuOpen([&] { SendMessageW(form->Handle(), WM_NCRBUTTONUP, HTCAPTION, at); },
                            [&](HWND m) {
                              opened = true;
                              shown = GetMenuItemCount(menu->Handle());
                              for (int i = 0; i < 3; ++i) Application->ProcessMessages();
                              UpdateWindow(m);
                              region = brsm::test::RegionLacksTopLeftOnly(m);
                              RECT r{};
                              GetWindowRect(m, &r);
                              frame = brsm::test::WindowPixel(m, 1, (r.bottom - r.top) / 2);
                              // Move is the first item the menu handle holds.
                              RECT item{};
                              GetMenuItemRect(nullptr, menu->Handle(), 0, &item);
                              face = brsm::test::WindowPixel(m, item.right - r.left - 12,
                                                             (item.top + item.bottom) / 2 - r.top);
                              EXPECT_TRUE(brsm::test::SaveScreenshot("system_menu_generator"));
                            });
  for (int i = 0; i < 5; ++i) Application->ProcessMessages();
  ASSERT_TRUE(opened);
  EXPECT_FALSE(menu->ItemRestore->Visible());
  EXPECT_TRUE(menu->ItemMove->Visible());
  EXPECT_FALSE(menu->ItemSize->Visible());
  EXPECT_FALSE(menu->ItemMinimize->Visible());
  EXPECT_FALSE(menu->ItemMaximize->Visible());
  EXPECT_TRUE(menu->ItemClose->Visible());
  EXPECT_TRUE(menu->ItemMove->Enabled() && menu->ItemClose->Enabled());
  EXPECT_EQ(shown, 3);  // Move, the divider and Close
  EXPECT_EQ(menu->ItemMove->Caption(), "\xcf\xe5\xf0\xe5\xec\xe5\xf1\xf2\xe8\xf2\xfc");
  EXPECT_EQ(menu->ItemClose->Caption(), "\xc7\xe0\xea\xf0\xfb\xf2\xfc");
  EXPECT_TRUE(region);
  EXPECT_TRUE(brsm::test::NearColor(frame, brsm::kit::Shade(KitColor(MarlSectionIndex("MAINMENU"), 10))))
      << std::hex << frame;
  EXPECT_TRUE(brsm::test::NearColor(face, KitColor(MarlSectionIndex("MENUITEM"), 0))) << std::hex << face;
  EXPECT_TRUE(PopupMenuWndList().empty());

  form.reset();
  brsm::test::RemoveMarlFromWindowsFolder();
  SetThreadLocale(saved);
}

TEST(GeneratorSystemMenu, WithoutMarlThePlatformsSystemMenuStays) {
  brsm::StartSkinEngine();
  brsm::test::RemoveMarlFromWindowsFolder();
  auto form = std::make_unique<TForm1>(Application);
  form->AfterConstruction();
  new TsSkinProvider(form.get());
  form->Show();
  for (int i = 0; i < 5; ++i) Application->ProcessMessages();
  EXPECT_NE(GetWindowLongW(form->Handle(), GWL_STYLE) & WS_SYSMENU, 0);
  EXPECT_NE(GetSystemMenu(form->Handle(), FALSE), nullptr);
}

}  // namespace
