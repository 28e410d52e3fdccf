// The generator's two extended combo boxes with a kit-made Marl in the
// Windows folder: frame, button and arrow from the skin, the edit part on
// COMBOBOX's HOTCOLOR, hot under the mouse and pressed while open; typed
// text still taken and counted as filled. Without Marl, the platform's look.
#include <gtest/gtest.h>

#include "generator/skin_engine_start.h"
#include "generator/unit1.h"
#include "skin/controls/combo_box_ex.h"
#include "tests/support/combo_look_check.h"
#include "tests/support/screenshot.h"
#include "tests/support/skinned_controls_check.h"
#include "tests/support/windows_folder_skin.h"

using namespace brsm::test;
using brsm::kit::Shade;

namespace {

TColor Kit(const char* section, int index) { return MarlColor(section, index); }
bool Near(TColor a, TColor b) { return NearColor(a, b); }

class GeneratorComboBoxes : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { brsm::StartSkinEngine(); }
  void Start(MarlKind kind) {
    ParkCursor();
    ASSERT_TRUE(PutMarlInWindowsFolder(kind));
    form = std::make_unique<TForm1>(Application);
    form->AfterConstruction();
    form->Show();
    form->WeapName->SetFocus();
    PumpFor(150);
  }
  void TearDown() override {
    form.reset();
    RemoveMarlFromWindowsFolder();
  }
  // The button's left band and arrow in a state's look.
  void ExpectButton(TsComboBoxEx* box, int state) {
    SCOPED_TRACE(box->Name());
    ExpectComboButton(box->ButtonRect(), state, [&](int x, int y) { return WindowPixel(box->Handle(), x, y); });
  }
  std::unique_ptr<TForm1> form;
};

}  // namespace

TEST_F(GeneratorComboBoxes, BothBoxesShowMarlsLookHotAndPressedAndStillTakeText) {
  Start(MarlKind::Folder);
  ASSERT_TRUE(form->sSkinManager1->Active());
  for (TsComboBoxEx* box : {form->combobox1, form->DamageType}) {
    ASSERT_EQ(box->Style(), csDropDown);
    // The one item waits in the list; the edit part starts empty.
    ASSERT_EQ(box->Items()->Count(), 1);
    EXPECT_EQ(box->Items()->Strings(0), "EWFT_Projectile");
    EXPECT_EQ(box->Text(), "");
    EXPECT_NE(box->EditHandle(), nullptr);
    HWND w = box->Handle();
    EXPECT_TRUE(Near(WindowPixel(w, 1, box->Height() / 2), Shade(Kit("EDIT", 10))))
        << box->Name() << std::hex << " " << WindowPixel(w, 1, box->Height() / 2);
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetComboBoxInfo(w, &info));
    EXPECT_TRUE(Near(WindowPixel(w, info.rcItem.right - 2, box->Height() / 2), Kit("COMBOBOX", 1)))
        << box->Name() << std::hex << " " << WindowPixel(w, info.rcItem.right - 2, box->Height() / 2);
    ExpectButton(box, 0);
  }
  SaveScreenshot("generator_combo_boxes");
  TsComboBoxEx* box = form->combobox1;
  const TRect b = box->ButtonRect();
  const TPoint screen = box->ClientToScreen(TPoint{b.Left + 3, b.Top + 3});
  SetCursorPos(screen.X, screen.Y);
  SendMessageW(box->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(b.Left + 3, b.Top + 3));
  PumpFor(50);
  ExpectButton(box, 1);
  box->SetDroppedDown(true);
  PumpFor(80);
  ExpectButton(box, 2);
  SaveScreenshot("generator_combo_box_open");
  box->SetDroppedDown(false);
  ParkCursor();
  PumpFor(50);
  // Typed text lands in the edit part and counts as filled.
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetComboBoxInfo(box->Handle(), &info));
  SendMessageW(info.hwndItem, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
  for (wchar_t c : std::wstring(L"EWFT_X")) SendMessageW(info.hwndItem, WM_CHAR, c, 1);
  PumpFor(20);
  EXPECT_EQ(box->Text(), "EWFT_X");
  // A first letter of the item completes it, the rest selected.
  SendMessageW(info.hwndItem, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
  SendMessageW(info.hwndItem, WM_CHAR, L'E', 1);
  EXPECT_EQ(box->Text(), "EWFT_Projectile");
  EXPECT_EQ(box->SelLength(), 14);
}

TEST_F(GeneratorComboBoxes, WithoutMarlTheBoxesKeepThePlatformsLook) {
  Start(MarlKind::None);
  ASSERT_FALSE(form->sSkinManager1->Active());
  for (TsComboBoxEx* box : {form->combobox1, form->DamageType}) {
    EXPECT_EQ(box->Color(), static_cast<TColor>(0x1A1A1A));
    const TRect b = box->ButtonRect();
    EXPECT_FALSE(Near(WindowPixel(box->Handle(), b.Left + 1, (b.Top + b.Bottom) / 2), Shade(Kit("COMBOBTN", 10))));
    EXPECT_EQ(box->ListAdapter(), nullptr);
  }
}
