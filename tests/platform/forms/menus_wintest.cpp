// Menus: a popup shown and closed by keys from a timer delivers its item's
// click, owner-drawn items are measured and painted by command id, a main
// menu reacts to commands, popups and short cuts, and item changes reach
// the system menu in place.
#include <gtest/gtest.h>

#include <map>

#include "controls_test_support.h"
#include "platform/forms/menus.h"
#include "platform/forms/stdctrls.h"
#include "platform/forms/timers.h"

using brsm::test::FindThreadWindow;
using brsm::test::PostKey;
using brsm::test::Pump;
using brsm::test::PumpUntil;

namespace {

TMenuItem* NewItem(TComponent* owner, TMenuItem* parent, const std::string& caption) {
  auto* item = new TMenuItem(owner);
  item->SetCaption(caption);
  parent->Add(item);
  return item;
}

// Presses keys in the open menu from a timer, then reports whether the
// menu was open when it fired.
class MenuDriver {
 public:
  explicit MenuDriver(std::vector<WPARAM> keys) : keys_(std::move(keys)), timer_(nullptr) {
    timer_.SetInterval(150);
    timer_.OnTimer = [this](TObject*) {
      HWND menu = FindThreadWindow("#32768");
      if (!menu) return;
      timer_.SetEnabled(false);
      sawMenu = true;
      for (WPARAM key : keys_) PostKey(menu, key);
    };
  }
  bool sawMenu = false;

 private:
  std::vector<WPARAM> keys_;
  TTimer timer_;
};

class PopupMenus : public ::testing::Test {
 protected:
  void SetUp() override {
    form = new TForm(nullptr);
    form->SetBounds(60, 60, 300, 200);
    form->Show();
    menu = new TPopupMenu(form);
    for (int i = 0; i < 3; ++i) {
      items[i] = NewItem(form, menu->Items(), "\xCF\xF3\xED\xEA\xF2 " + std::to_string(i));  // "Пункт"
      items[i]->OnClick = [this, i](TObject* sender) {
        EXPECT_EQ(sender, items[i]);
        clicks += std::to_string(i);
      };
    }
    Pump();
  }
  void TearDown() override { delete form; }
  TForm* form = nullptr;
  TPopupMenu* menu = nullptr;
  TMenuItem* items[3] = {};
  std::string clicks;
};

TEST_F(PopupMenus, PopupBlocksUntilClosedAndTheChosenItemIsClicked) {
  MenuDriver driver({VK_DOWN, VK_DOWN, VK_RETURN});
  int popups = 0;
  menu->OnPopup = [&](TObject*) { ++popups; };
  menu->Popup(100, 100);
  EXPECT_TRUE(driver.sawMenu);
  EXPECT_EQ(popups, 1);
  EXPECT_TRUE(PumpUntil([&] { return !clicks.empty(); }, 1000));
  EXPECT_EQ(clicks, "1");
}

TEST_F(PopupMenus, EscapeClosesWithoutClick) {
  MenuDriver driver({VK_ESCAPE});
  menu->Popup(100, 100);
  EXPECT_TRUE(driver.sawMenu);
  Pump(200);
  EXPECT_EQ(clicks, "");
}

TEST_F(PopupMenus, OwnerDrawnItemsAreMeasuredAndPaintedByTheirOwnItem) {
  menu->SetOwnerDraw(true);
  std::map<TMenuItem*, int> measured;
  std::map<TMenuItem*, TOwnerDrawState> lastState;
  for (TMenuItem* item : items) {
    item->OnMeasureItem = [&, item](TObject* sender, TCanvas*, int& w, int& h) {
      EXPECT_EQ(sender, item);
      ++measured[item];
      w = 120;
      h = 24;
    };
    item->OnAdvancedDrawItem = [&, item](TObject* sender, TCanvas* canvas, TRect rect, TOwnerDrawState state) {
      EXPECT_EQ(sender, item);
      EXPECT_EQ(rect.Height(), 24);
      lastState[item] = state;
      canvas->FillRect(rect);
    };
  }
  MenuDriver driver({VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});
  menu->Popup(100, 100);
  EXPECT_TRUE(PumpUntil([&] { return !clicks.empty(); }, 1000));
  EXPECT_EQ(clicks, "2");
  for (TMenuItem* item : items) EXPECT_GE(measured[item], 1);
  ASSERT_TRUE(lastState.count(items[2]));
  EXPECT_TRUE(lastState[items[2]].Contains(odSelected));
  EXPECT_FALSE(lastState[items[0]].Contains(odSelected));
}

TEST_F(PopupMenus, ChangesReachTheOpenHandleInPlace) {
  HMENU handle = menu->Handle();
  items[1]->SetCaption("\xCD\xEE\xE2\xFB\xE9");  // "Новый"
  items[2]->SetEnabled(false);
  items[0]->SetVisible(false);
  EXPECT_EQ(menu->Handle(), handle);
  ASSERT_EQ(GetMenuItemCount(handle), 2);
  wchar_t text[32] = {};
  GetMenuStringW(handle, 0, text, 32, MF_BYPOSITION);
  EXPECT_STREQ(text, L"\x041D\x043E\x0432\x044B\x0439");
  EXPECT_TRUE(GetMenuState(handle, 1, MF_BYPOSITION) & MF_GRAYED);
  // A sub-menu gets its own popup and the item's entry points to it.
  TMenuItem* sub = NewItem(form, items[1], "sub");
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_SUBMENU | MIIM_ID;
  GetMenuItemInfoW(handle, 0, TRUE, &info);
  EXPECT_EQ(info.hSubMenu, items[1]->Handle());
  EXPECT_EQ(info.wID, items[1]->Command());
  EXPECT_EQ(TMenu::ItemByPopup(info.hSubMenu), items[1]);
  // A freed item leaves its popup and gives its command id up.
  const WORD command = sub->Command();
  delete sub;
  EXPECT_EQ(TMenu::ItemByCommand(command), nullptr);
  EXPECT_EQ(GetMenuItemCount(items[1]->Handle()), 0);
}

TEST_F(PopupMenus, RadioItemsOfAGroupAreCheckedOneAtATime) {
  for (TMenuItem* item : items) {
    item->SetRadioItem(true);
    item->SetGroupIndex(3);
  }
  items[0]->SetChecked(true);
  items[2]->SetChecked(true);
  EXPECT_FALSE(items[0]->Checked());
  EXPECT_TRUE(items[2]->Checked());
  EXPECT_FALSE(GetMenuState(menu->Handle(), 0, MF_BYPOSITION) & MF_CHECKED);
  EXPECT_TRUE(GetMenuState(menu->Handle(), 2, MF_BYPOSITION) & MF_CHECKED);
}

TEST(MainMenus, CommandsPopupsAndShortCutsReachTheirItems) {
  auto* form = new TForm(nullptr);
  form->SetBounds(60, 60, 300, 200);
  auto* menu = new TMainMenu(form);
  TMenuItem* file = NewItem(form, menu->Items(), "&File");
  TMenuItem* save = NewItem(form, file, "&Save");
  save->SetShortCut(ShortCut('S', TShiftState{ssCtrl}));
  std::string log;
  file->OnClick = [&](TObject*) { log += "file "; };
  save->OnClick = [&](TObject*) { log += "save "; };
  form->SetMenu(menu);
  auto* edit = new TEdit(form);
  edit->SetParent(form);
  form->Show();
  edit->SetFocus();
  Pump();
  ASSERT_EQ(GetMenu(form->Handle()), menu->Handle());
  SendMessageW(form->Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(file->Handle()), 0);
  SendMessageW(form->Handle(), WM_COMMAND, save->Command(), 0);
  EXPECT_EQ(log, "file save ");
  // Ctrl+S typed in the edit.
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  PostMessageW(edit->Handle(), WM_KEYDOWN, 'S', 1);
  Pump();
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
  EXPECT_EQ(log, "file save save ");
  // A disabled item's short cut does nothing.
  save->SetEnabled(false);
  TMessage key = MakeMessage(WM_KEYDOWN, 'S', 1);
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  EXPECT_FALSE(menu->IsShortCut(key));
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
  delete form;
}

TEST(ShortCuts, TextNamesTheKeysWithTheirModifiers) {
  EXPECT_EQ(ShortCutToText(0x8073), "Alt+F4");
  EXPECT_EQ(ShortCutToText(ShortCut('S', TShiftState{ssCtrl})), "Ctrl+S");
  EXPECT_EQ(ShortCutToText(ShortCut(VK_DELETE, TShiftState{ssShift, ssCtrl})), "Shift+Ctrl+Del");
  EXPECT_EQ(ShortCutToText(scNone), "");
  for (TShortCut sc : {TShortCut(0x8073), TShortCut(scCtrl | 'S'), TShortCut(scShift | VK_INSERT),
                       TShortCut(VK_F12), TShortCut(scCtrl | scAlt | VK_RETURN)})
    EXPECT_EQ(TextToShortCut(ShortCutToText(sc)), sc) << ShortCutToText(sc);
  EXPECT_EQ(TextToShortCut("ctrl+s"), scCtrl | 'S');
  EXPECT_EQ(TextToShortCut("Ctrl+"), scNone);
  EXPECT_EQ(TextToShortCut("Hyper+Q"), scNone);
}

}  // namespace
