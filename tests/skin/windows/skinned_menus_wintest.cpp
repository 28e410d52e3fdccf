// The skinned menus under Wine: real popups driven by messages, their
// frame, region and items read back against the kit's colours while the
// menu loop runs; the popup window's adapter; the system menus.
#include <algorithm>
#include <cmath>
#include <functional>

#include "platform/forms/menus.h"
#include "platform/forms/stdctrls.h"
#include "skin/core/control_utils_win.h"
#include "skin/core/skin_commands.h"
#include "skin/core/skin_hook_win.h"
#include "skin/windows/main_wnd_win.h"
#include "skin/windows/mnu_wnd_win.h"
#include "skin/windows/skinable_menus_win.h"
#include "skin/windows/system_menu.h"
#include "tests/skin/windows/provider_test_support.h"
#include "tests/support/gdi_objects.h"
#include "tests/support/open_menu.h"
#include "tests/support/screenshot.h"
#include "tests/support/skin_without.h"
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

// The painter's commands 8 and 14 to popup windows and their answers, as
// a thread hook sees them return.
std::vector<std::pair<int, LRESULT>> popupCommands;
LRESULT CALLBACK RecordPopupCommands(int code, WPARAM wParam, LPARAM lParam) {
  const auto* sent = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
  wchar_t name[16] = {};
  if (code == HC_ACTION && sent->message == CommandMessage && GetClassNameW(sent->hwnd, name, 16) &&
      lstrcmpW(name, L"#32768") == 0) {
    const int cmd = SkinCmdOf(sent->wParam);
    if (cmd == SkinCmdSetUpdating || cmd == SkinCmdMenuNotify) popupCommands.emplace_back(cmd, sent->lResult);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

TvxMainWnd* PopupAdapterOf(HWND window) {
  for (TObject* a : PopupMenuWndList())
    if (static_cast<TvxMainWnd*>(a)->WindowHandle == window) return static_cast<TvxMainWnd*>(a);
  return nullptr;
}

// Per channel (a * alpha + b * (255 - alpha) + 127) / 256.
TColor Mix(TColor a, TColor b, int alpha) {
  TColor mixed = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const int ca = (a >> shift) & 0xFF, cb = (b >> shift) & 0xFF;
    mixed |= static_cast<TColor>((ca * alpha + cb * (255 - alpha) + 127) >> 8) << shift;
  }
  return mixed;
}

class SkinnedMenusTest : public ProviderWinTest {
 protected:
  TMenuItem* Add(TMenuItem* parent, const std::string& caption) {
    auto* item = new TMenuItem(form.get());
    item->SetCaption(caption);
    parent->Add(item);
    return item;
  }
  TMenuItem* Add(TMenu* menu, const std::string& caption) { return Add(menu->Items(), caption); }
  // The form's main menu, hooked by the provider.
  TMainMenu* Bar(const std::vector<std::string>& captions) {
    auto* bar = new TMainMenu(form.get());
    for (const std::string& caption : captions) Add(bar, caption);
    form->SetMenu(bar);
    form->Perform(WM_NCACTIVATE, 1, 0);
    return bar;
  }
  // The item's measure on a screen canvas; the font's charset it left.
  static TFontCharset Measure(TMenuItem* item, int& width, int& height) {
    HDC dc = GetDC(nullptr);
    TCanvas canvas;
    canvas.SetHandle(dc);
    item->MeasureItem(&canvas, width, height);
    const TFontCharset charset = canvas.Font()->Charset();
    canvas.SetHandle(nullptr);
    ReleaseDC(nullptr, dc);
    return charset;
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

// A checked item with a picture shows the whole picture and, unlike the
// same item unchecked, its checked state beside it.
TEST_F(SkinnedMenusTest, ACheckedItemWithAPictureShowsPictureAndState) {
  Skinned();
  auto* menu = new TPopupMenu(form.get());
  const TColor glyph = 0x3060C0;
  TMenuItem* items[2] = {Add(menu, "Same"), Add(menu, "Same")};
  for (TMenuItem* item : items) {
    TBitmap* b = item->Bitmap();
    b->SetSize(16, 16);
    b->Canvas()->Brush()->SetColor(glyph);
    b->Canvas()->FillRect(TRect{0, 0, 16, 16});
  }
  items[1]->SetChecked(true);
  form->Perform(WM_NCACTIVATE, 1, 0);
  int shown[2] = {-1, -1}, differing = -1;
  ShowWhileChecking(menu, [&](HWND w) {
    Pump();
    UpdateWindow(w);
    RECT r[2]{};
    if (!GetMenuItemRect(nullptr, menu->Handle(), 0, &r[0]) || !GetMenuItemRect(nullptr, menu->Handle(), 1, &r[1]))
      return;
    HDC dc = GetDC(nullptr);
    differing = 0;
    // The picture's column: up to where the caption begins.
    for (int y = 0; y < r[0].bottom - r[0].top; ++y)
      for (int x = 0; x < 24; ++x) {
        const COLORREF plain = GetPixel(dc, r[0].left + x, r[0].top + y);
        const COLORREF checked = GetPixel(dc, r[1].left + x, r[1].top + y);
        differing += plain != checked;
      }
    for (int i = 0; i < 2; ++i) {
      shown[i] = 0;
      for (int y = r[i].top; y < r[i].bottom; ++y)
        for (int x = r[i].left; x < r[i].left + 40; ++x) shown[i] += GetPixel(dc, x, y) == glyph;
    }
    ReleaseDC(nullptr, dc);
    EXPECT_TRUE(brsm::test::SaveScreenshot("checked_and_unchecked_item_with_a_picture"));
  });
  EXPECT_EQ(shown[0], 256);
  EXPECT_EQ(shown[1], 256);
  EXPECT_GE(differing, 64);
}

// Without "MAINMENU" the system draws the popup's frame and background: no
// region, no bands of a blank background; the items keep MENUITEM's look,
// and without that too they take the system's menu colours, text and all,
// and a check mark without the skin's image.
TEST_F(SkinnedMenusTest, WithoutMainMenuThePopupsFrameIsTheSystemsAndItemsStayReadable) {
  Skinned();
  auto* menu = new TPopupMenu(form.get());
  TMenuItem* first = Add(menu, "First");
  Add(menu, "Second")->SetChecked(true);
  form->Perform(WM_NCACTIVATE, 1, 0);
  ASSERT_TRUE(HasPainterHandlers(first));
  const int menuItem = MarlSectionIndex("MENUITEM");
  // The system's own edge, as the menu shows it unskinned.
  manager->SetActive(false);
  TColor systemEdge = 0;
  ShowWhileChecking(menu, [&](HWND w) {
    Pump();
    UpdateWindow(w);
    RECT r{};
    GetWindowRect(w, &r);
    systemEdge = WindowPixel(w, 0, (r.bottom - r.top) / 2);
  });
  for (const char* lacking : {"MAINMENU", "MENUITEM"}) {
    const std::string name = std::string("No") + lacking;
    // The second skin has no GLOBALINFO either, so no check image.
    std::vector<std::string> leftOut = {"MAINMENU"};
    if (lacking != std::string("MAINMENU")) leftOut.insert(leftOut.end(), {lacking, "GLOBALINFO"});
    ASSERT_TRUE(brsm::test::WriteSkinWithout(brsm::kit::MakeMarlSkin(name), SkinDirectory(), leftOut));
    manager->SetSkinName(name);
    manager->SetActive(true);
    ASSERT_TRUE(manager->Active());
    Pump();
    TColor face = 0, edge = 0;
    bool region = true;
    int text = 0, magenta = 0, mark = 0;
    ShowWhileChecking(menu, [&](HWND w) {
      Pump();
      UpdateWindow(w);
      RECT r{};
      GetWindowRect(w, &r);
      HRGN rgn = CreateRectRgn(0, 0, 0, 0);
      region = GetWindowRgn(w, rgn) != ERROR;
      DeleteObject(rgn);
      edge = WindowPixel(w, 0, (r.bottom - r.top) / 2);
      for (int y = 0; y < r.bottom - r.top; ++y)
        for (int x = 0; x < r.right - r.left; ++x) magenta += WindowPixel(w, x, y) == clFuchsia;
      RECT item{};
      GetMenuItemRect(nullptr, menu->Handle(), 0, &item);
      face = WindowPixel(w, item.right - r.left - 12, (item.top + item.bottom) / 2 - r.top);
      const TColor ink = static_cast<TColor>(GetSysColor(COLOR_MENUTEXT));
      for (int y = item.top; y < item.bottom; ++y)
        for (int x = item.left; x < item.right; ++x) text += WindowPixel(w, x - r.left, y - r.top) == ink;
      // The checked item's mark, left of its text.
      GetMenuItemRect(nullptr, menu->Handle(), 1, &item);
      for (int y = item.top; y < item.bottom; ++y)
        for (int x = item.left; x < item.left + 12; ++x) mark += WindowPixel(w, x - r.left, y - r.top) == ink;
      EXPECT_TRUE(brsm::test::SaveScreenshot("popup_menu_without_" + std::string(lacking)));
    });
    EXPECT_FALSE(region) << lacking;
    EXPECT_EQ(magenta, 0) << lacking;  // no see-through part left unfilled
    EXPECT_EQ(edge, systemEdge) << lacking;  // not a band of a blank background
    if (lacking == std::string("MAINMENU")) {
      EXPECT_TRUE(NearColor(face, KitColor(menuItem, 0))) << std::hex << face;
    } else {
      EXPECT_EQ(face, static_cast<TColor>(GetSysColor(COLOR_MENU)));
      EXPECT_GT(text, 5);
      EXPECT_GT(mark, 5);
    }
  }
}

TEST_F(SkinnedMenusTest, PopupIsShapedOnceAndReshapedByTheApplicationMessages) {
  Skinned();
  auto* menu = new TPopupMenu(form.get());
  Add(menu, "One");
  TMenuItem* two = Add(menu, "Two");
  form->Perform(WM_NCACTIVATE, 1, 0);
  popupCommands.clear();
  HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROCRET, RecordPopupCommands, nullptr, GetCurrentThreadId());
  ASSERT_TRUE(hook);
  std::vector<std::pair<int, LRESULT>> beforeCheck;
  LRESULT shapedAfter = -1, byWindowMessage = -1, byItemMessage = -1;
  bool windowReshaped = false, itemReshaped = false, unknownItemHandled = false;
  ShowWhileChecking(menu, [&](HWND w) {
    Pump();
    UpdateWindow(w);
    beforeCheck = popupCommands;
    shapedAfter = SendCmdToWindow(w, SkinCmdSetUpdating, 0);
    auto* adapter = dynamic_cast<TvxMnuWnd*>(PopupAdapterOf(w));
    if (!adapter) return;
    // 48308 names the popup window itself.
    adapter->Shaped = false;
    SetWindowRgn(w, nullptr, FALSE);
    EXPECT_TRUE(manager->MainWindowHook(SkinPopupWindowMessage, 0, reinterpret_cast<intptr_t>(w)));
    windowReshaped = brsm::test::RegionLacksTopLeftOnly(w);
    byWindowMessage = SendCmdToWindow(w, SkinCmdSetUpdating, 0);
    // 48307 carries an item's command id; the popup under it is found.
    adapter->Shaped = false;
    SetWindowRgn(w, nullptr, FALSE);
    EXPECT_TRUE(manager->MainWindowHook(SkinPopupUnderItemMessage, 0, two->Command()));
    itemReshaped = brsm::test::RegionLacksTopLeftOnly(w);
    byItemMessage = SendCmdToWindow(w, SkinCmdSetUpdating, 0);
    // An item that is gone names nothing, and the message is done with.
    unknownItemHandled = manager->MainWindowHook(SkinPopupUnderItemMessage, 0, 0xFFFF);
  });
  UnhookWindowsHookEx(hook);
  // The painter asked first (not yet shaped), then gave the region once.
  ASSERT_FALSE(beforeCheck.empty());
  EXPECT_EQ(beforeCheck.front(), std::make_pair(static_cast<int>(SkinCmdSetUpdating), LRESULT{0}));
  EXPECT_EQ(std::count(beforeCheck.begin(), beforeCheck.end(), std::make_pair(static_cast<int>(SkinCmdMenuNotify), LRESULT{0})), 1);
  EXPECT_EQ(shapedAfter, 1);
  EXPECT_TRUE(windowReshaped);
  EXPECT_EQ(byWindowMessage, 1);
  EXPECT_TRUE(itemReshaped);
  EXPECT_EQ(byItemMessage, 1);
  EXPECT_TRUE(unknownItemHandled);
  // With the popup gone there is no background: the message is not handled.
  EXPECT_FALSE(manager->MainWindowHook(SkinPopupUnderItemMessage, 0, two->Command()));
}

TEST_F(SkinnedMenusTest, ExtraLineCaptionLosesItsAmpersands) {
  ASSERT_TRUE(brsm::kit::MakeMarlMenuSkin().WriteFolder(SkinDirectory()));
  Skinned();
  manager->SetSkinName("MarlMenus");
  Pump();
  manager->MenuSupport()->SetUseExtraLine(true);
  std::string caption;
  manager->OnGetMenuExtraLineData = [&](TObject*, std::string&, std::string& c, TBitmap*&, bool&) { c = caption; };
  auto* menu = new TPopupMenu(form.get());
  TMenuItem* first = Add(menu, "One");
  // The extra line's strip of a background made for `text`.
  auto strip = [&](const std::string& text) {
    caption = text;
    ResetPopupState();
    PreparePopupBackground(manager->SkinableMenus(), first, 120, nullptr, 200);
    std::vector<COLORREF> pixels;
    if (!PopupMenuBitmap) return pixels;
    GdiFlush();
    for (int y = 0; y < 200; ++y)
      for (int x = 0; x < manager->MenuSupport()->ExtraLineWidth() + 2; ++x)
        pixels.push_back(GetPixel(PopupMenuBitmap->Canvas()->Handle(), x, y));
    return pixels;
  };
  const auto marked = strip("E&xt&ra"), plain = strip("Extra"), none = strip("");
  ResetPopupState();
  ASSERT_FALSE(marked.empty());
  EXPECT_TRUE(marked == plain);
  EXPECT_FALSE(marked == none);
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
  const brsm::test::LiveGdiObjects before;
  for (int i = 0; i < 50; ++i) ShowWhileChecking(menu, [](HWND) {});
  const brsm::test::LiveGdiObjects after;
  EXPECT_EQ(after.Total(), before.Total()) << after.ChangeSince(before);
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
  TMenuItem* file = Bar({"&File"})->Items()->Items(0);
  TMenuItem* open = Add(file, "Open");
  form->Perform(WM_NCACTIVATE, 1, 0);
  ASSERT_TRUE(file->OnMeasureItem.target<TsPainterMeasureItem>());
  EXPECT_TRUE(open->OnMeasureItem.target<TsPainterMeasureItem>());
  int w = 0, h = 0;
  Measure(file, w, h);
  EXPECT_EQ(h, GetSystemMetrics(SM_CYMENU) - 1);
  EXPECT_GT(w, 0);
}

TEST_F(SkinnedMenusTest, BarItemsBesideAHiddenOneTakeTheirOwnPlaces) {
  TsSkinProvider* p = Skinned();
  TMainMenu* bar = Bar({"Hidden", "Second", "Third"});
  bar->Items()->Items(0)->SetVisible(false);
  p->RepaintFrameNow();
  Pump();
  const TColor face = KitColor(MarlSectionIndex("MENUITEM"), 0);
  RECT w{};
  GetWindowRect(Wnd(), &w);
  HDC dc = GetWindowDC(Wnd());
  for (UINT i = 0; i < 2; ++i) {
    RECT r{};
    ASSERT_TRUE(GetMenuItemRect(Wnd(), bar->Handle(), i, &r));
    int faces = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) faces += static_cast<TColor>(GetPixel(dc, x - w.left, y - w.top)) == face;
    // The face shows inside the item's border and around its text; a place
    // left bare shows none of it.
    EXPECT_GT(faces, (r.right - r.left) * (r.bottom - r.top) / 16) << i;
  }
  ReleaseDC(Wnd(), dc);
}

TEST_F(SkinnedMenusTest, DisabledBarItemIsBlendedOverTheFormCache) {
  TsSkinProvider* p = Skinned();
  TMainMenu* bar = Bar({"On", "Off"});
  TMenuItem* on = bar->Items()->Items(0);
  TMenuItem* off = bar->Items()->Items(1);
  off->SetEnabled(false);
  ASSERT_TRUE(off->OnAdvancedDrawItem.target<TsPainterDrawItem>());
  TBitmap* cache = p->CacheBitmap();
  ASSERT_TRUE(cache && cache->Width() > 200 && cache->Height() > 80);
  // Both items drawn on a cache of a known colour, text far from the pixel read.
  const TColor under = 0x00C000;
  TCanvas* c = cache->Canvas();
  c->Brush()->SetColor(under);
  const TRect onRect{10, 40, 110, 58}, offRect{110, 40, 210, 58};
  c->FillRect(TRect{0, 40, 220, 58});
  on->OnAdvancedDrawItem(on, c, onRect, TOwnerDrawState{odNoAccel});
  off->OnAdvancedDrawItem(off, c, offRect, TOwnerDrawState{odNoAccel});
  GdiFlush();
  const TColor face = KitColor(MarlSectionIndex("MENUITEM"), 0);
  const TColor onPixel = GetPixel(c->Handle(), onRect.Left + 10, 49);
  const TColor offPixel = GetPixel(c->Handle(), offRect.Left + 10, 49);
  EXPECT_TRUE(NearColor(onPixel, face)) << std::hex << onPixel;
  EXPECT_TRUE(NearColor(offPixel, Mix(face, under, 127))) << std::hex << offPixel << " " << Mix(face, under, 127);
}

TEST_F(SkinnedMenusTest, WithoutMenuLineABarItemsCaptionIsInTheFormsColours) {
  ASSERT_TRUE(brsm::test::WriteSkinWithout(brsm::kit::MakeMarlSkin("NoMenuLine"), SkinDirectory(), {"MENULINE"}));
  TsSkinProvider* p = Skinned();
  manager->SetSkinName("NoMenuLine");
  ASSERT_TRUE(manager->Active());
  TMenuItem* item = Bar({"Item"})->Items()->Items(0);
  ASSERT_TRUE(item->OnAdvancedDrawItem.target<TsPainterDrawItem>());
  TCanvas* c = p->CacheBitmap()->Canvas();
  const TRect r{10, 40, 110, 58};
  c->Brush()->SetColor(0x00C000);
  c->FillRect(r);
  item->OnAdvancedDrawItem(item, c, r, TOwnerDrawState{odNoAccel});
  GdiFlush();
  const TColor ink = KitColor(MarlSectionIndex("FORM"), 2);
  int text = 0;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) text += static_cast<TColor>(GetPixel(c->Handle(), x, y)) == ink;
  EXPECT_GT(text, 5);
}

// A form switched to a skin without "FORM" has the menu bar of a form
// started with it: drawn by the system, none of the painter's handlers.
TEST_F(SkinnedMenusTest, ASwitchToASkinWithoutTheFormsSectionGivesTheBarBackToTheSystem) {
  ASSERT_TRUE(brsm::test::WriteSkinWithout(brsm::kit::MakeMarlSkin("NoForm"), SkinDirectory(), {"FORM"}));
  Skinned();
  TMenuItem* item = Bar({"&File"})->Items()->Items(0);
  ASSERT_TRUE(HasPainterHandlers(item));
  manager->SetSkinName("NoForm");
  Pump();
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE;
  ASSERT_TRUE(GetMenuItemInfoW(form->Menu()->Handle(), 0, TRUE, &info));
  EXPECT_FALSE(info.fType & MFT_OWNERDRAW);
  EXPECT_FALSE(HasPainterHandlers(item));
}

TEST_F(SkinnedMenusTest, ItemsAreMeasuredInTheOwnerFormsCharset) {
  Skinned();
  form->Font()->SetCharset(GREEK_CHARSET);
  auto* menu = new TPopupMenu(form.get());
  TMenuItem* item = Add(menu, "One");
  form->Perform(WM_NCACTIVATE, 1, 0);
  ASSERT_TRUE(item->OnMeasureItem.target<TsPainterMeasureItem>());
  int w = 0, h = 0;
  const TFontCharset measured = Measure(item, w, h);
  ResetPopupState();
  EXPECT_EQ(measured, GREEK_CHARSET);
  EXPECT_GT(w, 0);
}

TEST_F(SkinnedMenusTest, ApplicationMessageShapesOnlyPopupWindows) {
  Skinned();
  // A plain window is left alone, its procedure untouched.
  const LONG_PTR before = GetWindowLongPtrW(Wnd(), GWLP_WNDPROC);
  EXPECT_TRUE(manager->MainWindowHook(SkinPopupWindowMessage, 0, reinterpret_cast<intptr_t>(Wnd())));
  EXPECT_EQ(GetWindowLongPtrW(Wnd(), GWLP_WNDPROC), before);
  // No popup open: nothing to skin, so the message is not handled.
  ASSERT_FALSE(PopupMenuBitmap);
  EXPECT_FALSE(manager->MainWindowHook(SkinPopupUnderItemMessage, 0, 0xFFFF));
}

// The popup procedure's frame painting: before version 6 the system's is
// skipped outright; from 6 on it runs while no background of the window's
// size stands.
int ncPaints = 0;
LRESULT CALLBACK CountNcPaint(HWND w, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCPAINT) ++ncPaints;
  return DefWindowProcW(w, msg, wParam, lParam);
}

TEST_F(SkinnedMenusTest, PopupProcedureSkipsTheSystemsFrameBeforeVersionSix) {
  Skinned();
  WNDCLASSW wc{};
  wc.lpfnWndProc = CountNcPaint;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"BrsmNcPaintCounter";
  RegisterClassW(&wc);
  HWND w = CreateWindowExW(WS_EX_TOOLWINDOW, wc.lpszClassName, L"", WS_POPUP | WS_BORDER, 0, 0, 80, 60, nullptr,
                           nullptr, wc.hInstance, nullptr);
  ASSERT_TRUE(w);
  SkinPopupMenuWindow(manager->SkinableMenus(), w, nullptr);
  ASSERT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(w, GWLP_WNDPROC)), PopupMenuWndProc);
  ASSERT_FALSE(PopupMenuBitmap);
  ncPaints = 0;
  {
    providertest::TVersionPlatform older(5);
    EXPECT_EQ(SendMessageW(w, WM_NCPAINT, 1, 0), 1);
    EXPECT_EQ(ncPaints, 0);
  }
  {
    providertest::TVersionPlatform newer(6);
    EXPECT_EQ(SendMessageW(w, WM_NCPAINT, 1, 0), 1);
    EXPECT_EQ(ncPaints, 1);
  }
  DestroyWindow(w);
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
