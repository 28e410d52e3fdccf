// The skinned menus under Wine: real popups driven by messages, their
// frame, region and items read back against the kit's colours while the
// menu loop runs; the popup window's adapter; the system menus.
#include <cmath>
#include <functional>

#include "platform/forms/menus.h"
#include "platform/forms/stdctrls.h"
#include "skin/core/control_utils_win.h"
#include "skin/core/skin_commands.h"
#include "skin/core/skin_hook_win.h"
#include "skin/windows/main_wnd_win.h"
#include "skin/windows/skinable_menus_win.h"
#include "skin/windows/system_menu.h"
#include "tests/skin/windows/provider_test_support.h"
#include "tests/support/open_menu.h"
#include "tests/support/screenshot.h"
#include "tools/skinkit/kit_pictures.h"
#include "tools/skinkit/marl_skin.h"

namespace {

using brsm::kit::KitColor;
using brsm::kit::MarlSectionIndex;
using brsm::kit::Shade;
using providertest::ProviderWinTest;

// What the check saw of the open popup.
struct TSeen {
  HWND Window = nullptr;
  bool AnswersSkinned = false;
  LRESULT Shaped = 0;
  bool InList = false;
  bool TopLeftCut = false;
  TColor Frame = 0, ItemFace = 0, HotFace = 0, DisabledFace = 0;
  RECT Rect{};
};

using brsm::test::NearColor;
using brsm::test::WhileMenuOpen;
using brsm::test::WindowPixel;

class SkinnedMenusTest : public ProviderWinTest {
 protected:
  TMenuItem* Add(TPopupMenu* menu, const std::string& caption) {
    auto* item = new TMenuItem(form.get());
    item->SetCaption(caption);
    menu->Items()->Add(item);
    return item;
  }
  // Shows the menu over the form; `check` runs while it is open.
  void ShowWhileChecking(TPopupMenu* menu, std::function<void(HWND)> check) {
    RECT r{};
    GetWindowRect(Wnd(), &r);
    menu->SetWindowHandle(Wnd());
    WhileMenuOpen([&] { menu->Popup(r.left + 40, r.top + 60); }, std::move(check));
    Pump();
  }
};

TEST_F(SkinnedMenusTest, PopupTakesTheSkinsFrameFacesAndRegion) {
  Skinned();
  auto* menu = new TPopupMenu(form.get());
  TMenuItem* normal = Add(menu, "Normal");
  Add(menu, "Checked")->SetChecked(true);
  TMenuItem* radio = Add(menu, "Radio");
  radio->SetRadioItem(true);
  radio->SetChecked(true);
  Add(menu, "Disabled")->SetEnabled(false);
  Add(menu, "Default")->SetDefault(true);
  Add(menu, "-Caption-");
  Add(menu, "-");
  Add(menu, "Open")->SetShortCut(ShortCut('O', TShiftState{ssCtrl}));
  Add(menu, "Second")->SetBreak(mbBreak);
  // The provider hooks the form's menus when it skins.
  form->Perform(WM_NCACTIVATE, 1, 0);
  ASSERT_TRUE(HasPainterHandlers(normal));
  ASSERT_TRUE(menu->OwnerDraw());

  TSeen seen;
  ShowWhileChecking(menu, [&](HWND w) {
    seen.Window = w;
    Pump();
    UpdateWindow(w);
    seen.AnswersSkinned = WindowAnswersCmd(w, SkinCmdQuerySkinned);
    seen.Shaped = SendCmdToWindow(w, SkinCmdSetUpdating, 0);
    for (TObject* a : PopupMenuWndList()) seen.InList |= static_cast<TvxMainWnd*>(a)->WindowHandle == w;
    seen.TopLeftCut = brsm::test::RegionLacksTopLeftOnly(w);
    GetWindowRect(w, &seen.Rect);
    seen.Frame = WindowPixel(w, 1, (seen.Rect.bottom - seen.Rect.top) / 2);
    // Item faces: right of the text in the first column, a few rows in.
    RECT item{};
    GetMenuItemRect(nullptr, menu->Handle(), 0, &item);
    // Right of the text, halfway down: inside the item's frame.
    const int x = item.right - seen.Rect.left - 12;
    seen.ItemFace = WindowPixel(w, x, (item.top + item.bottom) / 2 - seen.Rect.top);
    GetMenuItemRect(nullptr, menu->Handle(), 3, &item);
    seen.DisabledFace = WindowPixel(w, x, (item.top + item.bottom) / 2 - seen.Rect.top);
    EXPECT_TRUE(brsm::test::SaveScreenshot("skinned_popup_menu"));
  });
  EXPECT_TRUE(seen.Window);
  EXPECT_TRUE(seen.AnswersSkinned);
  EXPECT_EQ(seen.Shaped, 1);
  EXPECT_TRUE(seen.InList);
  EXPECT_TRUE(seen.TopLeftCut);
  const int mainMenu = MarlSectionIndex("MAINMENU"), menuItem = MarlSectionIndex("MENUITEM");
  // The kit draws a frame's edge in the shade of its colour.
  EXPECT_TRUE(NearColor(seen.Frame, Shade(KitColor(mainMenu, 10)))) << std::hex << seen.Frame;
  EXPECT_TRUE(NearColor(seen.ItemFace, KitColor(menuItem, 0))) << std::hex << seen.ItemFace;
  // Disabled: 40 percent of the face over the popup's background.
  const TColor face = KitColor(menuItem, 0), back = KitColor(mainMenu, 0);
  TColor blended = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const double f = (face >> shift) & 0xFF, b = (back >> shift) & 0xFF;
    blended |= static_cast<TColor>(std::lround(b - 0.4 * (b - f))) << shift;
  }
  EXPECT_TRUE(NearColor(seen.DisabledFace, blended)) << std::hex << seen.DisabledFace << " " << blended;
  // The adapter went with its window and left the list.
  EXPECT_FALSE(IsWindow(seen.Window) && IsWindowVisible(seen.Window));
  EXPECT_TRUE(PopupMenuWndList().empty());
  EXPECT_FALSE(PopupMenuInUse);
}

TEST_F(SkinnedMenusTest, KitVariantCutsCornersAndDrawsDividerAndExtraLine) {
  ASSERT_TRUE(brsm::kit::MakeMarlMenuSkin().WriteFolder(SkinDirectory()));
  Skinned();
  manager->SetSkinName("MarlMenus");
  Pump();
  manager->MenuSupport()->SetUseExtraLine(true);
  const TColor glyphColor = 0x3080C0;
  TObject* asked = nullptr;
  manager->OnGetMenuExtraLineData = [&](TObject* first, std::string&, std::string& caption, TBitmap*& glyph,
                                        bool& visible) {
    asked = first;
    caption = "E&xtra";
    glyph = new TBitmap();
    glyph->SetSize(10, 10);
    glyph->Canvas()->Brush()->SetColor(glyphColor);
    glyph->Canvas()->FillRect(TRect{0, 0, 10, 10});
    visible = true;
  };
  auto* menu = new TPopupMenu(form.get());
  TMenuItem* first = Add(menu, "One");
  Add(menu, "-");
  Add(menu, "Two");
  form->Perform(WM_NCACTIVATE, 1, 0);
  bool cornersCut = false, cornersKept = false;
  TColor glyph = 0, strip = 0;
  bool dividerDrawn = false;
  ShowWhileChecking(menu, [&](HWND w) {
    Pump();
    UpdateWindow(w);
    RECT r{};
    GetWindowRect(w, &r);
    const int width = r.right - r.left, height = r.bottom - r.top;
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    if (GetWindowRgn(w, region) != ERROR) {
      cornersCut = !PtInRegion(region, 0, 0) && !PtInRegion(region, 3, 0) && !PtInRegion(region, width - 1, 0) &&
                   !PtInRegion(region, 0, height - 1);
      cornersKept = PtInRegion(region, 4, 0) && PtInRegion(region, width - 5, 0) && PtInRegion(region, 0, 4);
    }
    DeleteObject(region);
    const int sbw = 1;  // the kit's list border is one pixel wide
    glyph = WindowPixel(w, sbw + 16, height - sbw - 12 - 5);
    strip = WindowPixel(w, sbw + 2, height / 3);
    RECT item{};
    GetMenuItemRect(nullptr, menu->Handle(), 1, &item);
    // The DIVIDERV picture is stretched over the middle of the row.
    for (int x = item.left; x < item.right && !dividerDrawn; ++x)
      dividerDrawn = NearColor(WindowPixel(w, x - r.left, item.top - r.top), Shade(KitColor(brsm::kit::MarlMenuGroup, 10)));
    EXPECT_TRUE(brsm::test::SaveScreenshot("skinned_popup_extra_line"));
  });
  EXPECT_EQ(asked, first);
  EXPECT_TRUE(cornersCut);
  EXPECT_TRUE(cornersKept);
  EXPECT_TRUE(NearColor(glyph, glyphColor)) << std::hex << glyph;
  EXPECT_TRUE(NearColor(strip, KitColor(brsm::kit::MarlMenuGroup + 1, 0))) << std::hex << strip;
  EXPECT_TRUE(dividerDrawn);
}

TEST_F(SkinnedMenusTest, FiftyShowingsLeaveNoGdiObjectsBehind) {
  Skinned();
  auto* menu = new TPopupMenu(form.get());
  Add(menu, "One");
  Add(menu, "Off")->SetEnabled(false);
  Add(menu, "-");
  Add(menu, "Two")->SetChecked(true);
  form->Perform(WM_NCACTIVATE, 1, 0);
  ShowWhileChecking(menu, [](HWND) {});
  const DWORD before = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  if (before == 0) GTEST_SKIP() << "no GDI object count on this system";
  for (int i = 0; i < 50; ++i) ShowWhileChecking(menu, [](HWND) {});
  EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), before);
}

TEST_F(SkinnedMenusTest, EditsOwnContextMenuKeepsTheSystemsPainting) {
  Skinned();
  auto* edit = new TEdit(form.get());
  edit->SetParent(form.get());
  edit->SetBounds(10, 10, 120, 24);
  Pump();
  TColor face = 0;
  bool seen = false;
  RECT er{};
  GetWindowRect(edit->Handle(), &er);
  WhileMenuOpen([&] { SendMessageW(edit->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(edit->Handle()),
                                   MAKELPARAM(er.left + 5, er.top + 5)); },
                [&](HWND w) {
                  seen = true;
                  Pump();
                  UpdateWindow(w);
                  RECT r{};
                  GetWindowRect(w, &r);
                  face = WindowPixel(w, (r.right - r.left) - 8, (r.bottom - r.top) / 2);
                });
  Pump();
  ASSERT_TRUE(seen);
  EXPECT_FALSE(NearColor(face, KitColor(MarlSectionIndex("MENUITEM"), 0))) << std::hex << face;
  EXPECT_FALSE(NearColor(face, KitColor(MarlSectionIndex("MAINMENU"), 0))) << std::hex << face;
  EXPECT_FALSE(PopupMenuInUse);
}

TEST_F(SkinnedMenusTest, ItemsKeepTheirOwnHandlersAndRemovalClearsOnlyThePainters) {
  Skinned();
  auto* menu = new TPopupMenu(form.get());
  TMenuItem* own = Add(menu, "Own");
  int ownDraws = 0;
  own->OnAdvancedDrawItem = [&](TObject*, TCanvas*, TRect, TOwnerDrawState) { ++ownDraws; };
  TMenuItem* plain = Add(menu, "Plain");
  form->Perform(WM_NCACTIVATE, 1, 0);
  EXPECT_FALSE(own->OnAdvancedDrawItem.target<TsPainterDrawItem>());
  EXPECT_TRUE(own->OnMeasureItem.target<TsPainterMeasureItem>());
  EXPECT_TRUE(HasPainterHandlers(plain));
  manager->SetActive(false);
  Pump();
  EXPECT_TRUE(own->OnAdvancedDrawItem);
  EXPECT_FALSE(own->OnMeasureItem);
  EXPECT_FALSE(HasPainterHandlers(plain));
  EXPECT_FALSE(menu->OwnerDraw());
}

TEST_F(SkinnedMenusTest, BarItemIsOneLessThanTheMenuLine) {
  Skinned();
  auto* bar = new TMainMenu(form.get());
  auto* file = new TMenuItem(form.get());
  file->SetCaption("&File");
  bar->Items()->Add(file);
  auto* open = new TMenuItem(form.get());
  open->SetCaption("Open");
  file->Add(open);
  form->SetMenu(bar);
  form->Perform(WM_NCACTIVATE, 1, 0);
  ASSERT_TRUE(file->OnMeasureItem.target<TsPainterMeasureItem>());
  EXPECT_TRUE(open->OnMeasureItem.target<TsPainterMeasureItem>());
  HDC dc = GetDC(nullptr);
  TCanvas canvas;
  canvas.SetHandle(dc);
  int w = 0, h = 0;
  file->MeasureItem(&canvas, w, h);
  canvas.SetHandle(nullptr);
  ReleaseDC(nullptr, dc);
  EXPECT_EQ(h, GetSystemMetrics(SM_CYMENU) - 1);
  EXPECT_GT(w, 0);
}

TEST_F(SkinnedMenusTest, ApplicationMessageShapesOnlyPopupWindows) {
  Skinned();
  // A plain window is left alone, its procedure untouched.
  const LONG_PTR before = GetWindowLongPtrW(Wnd(), GWLP_WNDPROC);
  EXPECT_TRUE(manager->MainWindowHook(SkinPopupWindowMessage, 0, reinterpret_cast<intptr_t>(Wnd())));
  EXPECT_EQ(GetWindowLongPtrW(Wnd(), GWLP_WNDPROC), before);
  // An item freed before the message arrives names nothing.
  EXPECT_FALSE(manager->MainWindowHook(SkinPopupUnderItemMessage, 0, 0xFFFF) && !PopupMenuBitmap);
}

TEST_F(SkinnedMenusTest, SystemMenuFollowsTheBorderStyle) {
  TsSkinProvider* p = Skinned(bsSizeable);
  ASSERT_TRUE(p->SystemMenu);
  TsSystemMenu* menu = p->SystemMenu;
  ASSERT_EQ(menu->Items()->Count(), 7);
  EXPECT_EQ(menu->ItemClose->ShortCut(), 0x8073);
  EXPECT_EQ(menu->ItemRestore->Caption(), "Restore");
  menu->UpdateItems();
  EXPECT_TRUE(menu->ItemRestore->Visible());
  EXPECT_FALSE(menu->ItemRestore->Enabled());
  EXPECT_TRUE(menu->ItemSize->Visible() && menu->ItemSize->Enabled());
  EXPECT_TRUE(menu->ItemMaximize->Visible() && menu->ItemMaximize->Enabled());
  // Maximize sends its command and the next update enables Restore.
  menu->ItemMaximize->Click();
  Pump();
  EXPECT_TRUE(IsZoomed(Wnd()));
  EXPECT_TRUE(menu->ItemRestore->Enabled());
  EXPECT_FALSE(menu->ItemMove->Enabled());
  menu->ItemRestore->Click();
  Pump();
  EXPECT_FALSE(IsZoomed(Wnd()));
  form.reset();

  p = Skinned(bsDialog);
  form->SetBorderIcons(TBorderIcons{biSystemMenu});
  menu = p->SystemMenu;
  menu->UpdateItems();
  EXPECT_FALSE(menu->ItemRestore->Visible());
  EXPECT_TRUE(menu->ItemMove->Visible());
  EXPECT_FALSE(menu->ItemSize->Visible());
  EXPECT_FALSE(menu->ItemMinimize->Visible());
  EXPECT_FALSE(menu->ItemMaximize->Visible());
  EXPECT_TRUE(menu->ItemClose->Visible());
}

TEST_F(SkinnedMenusTest, SystemMenuOpensOnTheCaptionInTheSkinsLook) {
  TsSkinProvider* p = Skinned(bsSizeable);
  RECT r{};
  GetWindowRect(Wnd(), &r);
  TSeen seen;
  const LPARAM at = MAKELPARAM(r.left + 100, r.top + p->FrameHeight() + 5);
  WhileMenuOpen([&] { SendMessageW(Wnd(), WM_NCRBUTTONUP, HTCAPTION, at); },
                [&](HWND w) {
                  seen.Window = w;
                  Pump();
                  UpdateWindow(w);
                  GetWindowRect(w, &seen.Rect);
                  seen.Frame = WindowPixel(w, 1, (seen.Rect.bottom - seen.Rect.top) / 2);
                  EXPECT_TRUE(brsm::test::SaveScreenshot("system_menu_sizeable"));
                });
  Pump();
  ASSERT_TRUE(seen.Window);
  EXPECT_TRUE(NearColor(seen.Frame, Shade(KitColor(MarlSectionIndex("MAINMENU"), 10)))) << std::hex << seen.Frame;
  EXPECT_TRUE(PopupMenuWndList().empty());
}

TEST(SystemMenuCaptions, EnglishByDefaultRussianWithTheRussianLocale) {
  const LCID saved = GetThreadLocale();
  SetThreadLocale(MAKELCID(0x0409, SORT_DEFAULT));
  EXPECT_EQ(SystemMenuCaption(smsMaximize), "Maximize");
  EXPECT_EQ(SystemMenuCaption(smsSkinList), "Available skins");
  SetThreadLocale(MAKELCID(0x0419, SORT_DEFAULT));
  EXPECT_EQ(SystemMenuCaption(smsRestore), "\xc2\xee\xf1\xf1\xf2\xe0\xed\xee\xe2\xe8\xf2\xfc");  // Восстановить
  EXPECT_EQ(SystemMenuCaption(smsMaximize), "\xcd\xe0 \xe2\xf1\xe5 \xee\xea\xed\xee");        // На все окно
  SetThreadLocale(saved);
}

}  // namespace
