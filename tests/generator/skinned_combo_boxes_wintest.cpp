// The generator's two extended combo boxes with a kit-made Marl in the
// Windows folder: frame, button and arrow from the skin, the edit part on
// COMBOBOX's HOTCOLOR, hot under the mouse and pressed while open; typed
// text still taken and counted as filled; with a see-through COMBOBOX, the
// patterned form behind each box. Without Marl, the platform's look.
#include <gtest/gtest.h>

#include "generator/skin_engine_start.h"
#include "generator/unit1.h"
#include "platform/rtl/text1251.h"
#include "skin/controls/combo_box_ex.h"
#include "skin/core/common_data.h"
#include "skin/core/control_utils_win.h"
#include "skin/core/pixel_access.h"
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
    Show();
  }
  void Show() {
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

TEST_F(GeneratorComboBoxes, ASeeThroughBoxShowsTheFormBehindIt) {
  // The form's client a checker of 3-pixel cells; COMBOBOX see-through,
  // its frame with magenta corners.
  brsm::kit::KitSkin marl = brsm::kit::MakeMarlSkin();
  TPixelBuffer checker = brsm::kit::SolidPicture(320, 300, 0x20C0F0);
  for (int y = 0; y < 300; y += 3)
    for (int x = (y / 3 % 2) * 3; x < 320; x += 6) brsm::kit::FillRect(checker, x, y, x + 3, y + 3, 0x602010);
  marl.AddFile("Checker.jpg", brsm::kit::JpegBytes(checker));
  marl.Set("FORM", "PATTERN", "Checker.jpg");
  marl.Set("FORM", "IMAGEPERCENT", 100);
  const int combo = brsm::kit::MarlSectionIndex("COMBOBOX");
  std::vector<TColor> frames;
  for (int s = 0; s < 3; ++s) frames.push_back(brsm::kit::KitColor(combo, 10 + s));
  TPixelBuffer frame = brsm::kit::FramesPicture(18, 18, frames, 3, true, 2);
  marl.AddFile("ComboFrame.bmp", brsm::kit::BmpBytes(frame));
  marl.Set("COMBOBOX", "BORDERSMASK", "ComboFrame.bmp");
  marl.Set("COMBOBOX", "TRANSPARENCY", 100);
  RemoveMarlFromWindowsFolder();
  ASSERT_TRUE(marl.WriteFolder(brsm::FromUtf16(WindowsFolder().wstring())));
  Show();
  ASSERT_TRUE(form->sSkinManager1->Active());
  ParentCacheInfo.Ready = false;
  SendCmdToControl(form.get(), SkinCmdQueryCache);
  const TCacheInfo behind = ParentCacheInfo;
  ASSERT_TRUE(behind.Ready);
  for (TsComboBoxEx* box : {form->combobox1, form->DamageType}) {
    SCOPED_TRACE(box->Name());
    HWND w = box->Handle();
    // The corners' magenta triangles show the form's pattern behind them.
    const int right = box->Width() - 1, bottom = box->Height() - 1;
    int sampled = 0, matched = 0;
    for (int a = 0; a < 3; ++a)
      for (int b = 0; a + b < 3; ++b)
        for (const POINT p : {POINT{a, b}, POINT{right - a, b}, POINT{a, bottom - b}, POINT{right - a, bottom - b}}) {
          const TColor under = ReadPixelBytes(behind.Bmp.Pixel(behind.X + box->Left() + p.x, behind.Y + box->Top() + p.y));
          ++sampled;
          matched += Near(WindowPixel(w, p.x, p.y), under);
        }
    EXPECT_EQ(matched, sampled);
  }
  SaveScreenshot("generator_combo_box_see_through");
  // A list-only box shows the form across its face.
  TsComboBoxEx* box = form->DamageType;
  box->SetStyle(csDropDownList);
  PumpFor(50);
  int sampled = 0, matched = 0;
  for (int x = 7; x < box->ButtonRect().Left - 2; x += 3) {
    const int y = box->Height() / 2;
    ++sampled;
    matched += Near(WindowPixel(box->Handle(), x, y),
                    ReadPixelBytes(behind.Bmp.Pixel(behind.X + box->Left() + x, behind.Y + box->Top() + y)));
  }
  EXPECT_GE(sampled, 30);
  EXPECT_EQ(matched, sampled);
}
