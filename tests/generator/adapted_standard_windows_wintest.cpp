// Standard windows in the generator's own process with a kit-made Marl: the
// main form's reload check box as the control adapter adapts it (a check
// box of its ThirdParty lists), and the exception box of a failed save
// with its button, icon and text adapted as the creation hook adapts a
// foreign dialog's children.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "generator/script_file.h"
#include "generator/skin_engine_start.h"
#include "generator/unit1.h"
#include "platform/rtl/text1251.h"
#include "skin/core/cache_bitmap_win.h"
#include "skin/core/control_utils_win.h"
#include "skin/core/skin_commands.h"
#include "skin/windows/adapter_factory_win.h"
#include "skin/windows/check_box_wnd_win.h"
#include "skin/windows/hook_decisions.h"
#include "skin/windows/hook_provider_win.h"
#include "tests/support/marl_form_fixture.h"
#include "tests/support/screenshot.h"
#include "tests/support/skinned_controls_check.h"
#include "tests/support/windows_folder_skin.h"
#include "tools/skinkit/kit_pictures.h"
#include "tools/skinkit/marl_skin.h"

using namespace brsm::test;
using brsm::kit::KitColor;
using brsm::kit::MarlSectionIndex;

namespace {

// Marl draws the frame s of GLOBALINFO's check glyphs in KitColor(group, 10 + s).
constexpr int kBoxChecked = 20, kBoxUnchecked = 21;

std::vector<TColor> Shown(HWND w) {
  RECT r{};
  GetWindowRect(w, &r);
  const int cx = r.right - r.left, cy = r.bottom - r.top;
  std::vector<TColor> out;
  HDC dc = GetWindowDC(w);
  for (int y = 0; y < cy; ++y)
    for (int x = 0; x < cx; ++x) out.push_back(static_cast<TColor>(GetPixel(dc, x, y)));
  ReleaseDC(w, dc);
  return out;
}

std::vector<TColor> Printed(HWND w) {
  RECT r{};
  GetWindowRect(w, &r);
  const int cx = r.right - r.left, cy = r.bottom - r.top;
  std::unique_ptr<TBitmap> b(new TBitmap(cx, cy));
  SendMessageW(w, WM_PRINT, reinterpret_cast<WPARAM>(b->Canvas()->Handle()), PRF_CLIENT | PRF_NONCLIENT);
  std::vector<TColor> out;
  HDC dc = b->Canvas()->Handle();
  for (int y = 0; y < cy; ++y)
    for (int x = 0; x < cx; ++x) out.push_back(static_cast<TColor>(GetPixel(dc, x, y)));
  return out;
}

// How many pixels show any frame of a GLOBALINFO glyph group.
int GlyphPixels(const std::vector<TColor>& pixels, int group) {
  int n = 0;
  for (int s = 0; s < 3; ++s) n += static_cast<int>(std::count(pixels.begin(), pixels.end(), KitColor(group, 10 + s)));
  return n;
}

bool HasMagenta(const std::vector<TColor>& pixels) {
  return std::count(pixels.begin(), pixels.end(), static_cast<TColor>(0xFF00FF)) > 0;
}

class AdaptedStandardWindows : public MarlFormTest<TForm1> {
 protected:
  void TearDown() override {
    for (TvxMainWnd*& a : adapters) FreeAdapter(a);
    MarlFormTest::TearDown();
  }
  std::vector<TvxMainWnd*> adapters;
};

void Click(HWND w) {
  RECT r{};
  GetClientRect(w, &r);
  const LPARAM at = MAKELPARAM(r.right / 2, r.bottom / 2);
  SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(w, WM_LBUTTONUP, 0, at);
  PumpFor(40);
}

}  // namespace

TEST_F(AdaptedStandardWindows, CheckBox1ShowsMarlsCheckGlyphsAndSwitchesEdit9) {
  TCheckBox* box = form->CheckBox1;
  HWND w = box->Handle();
  // The control adapter of the provider made at the form's first
  // activation adapts the check box, on a form already on screen: what it
  // shows before any click is its own drawing.
  auto* adapter = dynamic_cast<TvxCheckBoxWnd*>(AdapterOfWindow(w));
  ASSERT_NE(adapter, nullptr);
  ASSERT_NE(adapter->SkinData, nullptr);
  EXPECT_EQ(adapter->SkinData->SkinSection(), "CHECKBOX");
  EXPECT_EQ(adapter->SkinData->HostControl, box);
  ASSERT_FALSE(box->Checked());
  ASSERT_FALSE(form->Edit9->Enabled());
  std::vector<TColor> shown = Shown(w);
  SaveScreenshot("generator_checkbox1_unchecked");
  EXPECT_GT(GlyphPixels(shown, kBoxUnchecked), 0);
  EXPECT_EQ(GlyphPixels(shown, kBoxChecked), 0);

  // The glyph is 13 x 13, its colour inset by 3, at the left, centred.
  const int top = (box->Height() - 13) / 2;
  Click(w);
  EXPECT_TRUE(box->Checked());
  EXPECT_TRUE(form->Edit9->Enabled());
  shown = Shown(w);
  const int state = adapter->GlyphState();
  EXPECT_EQ(shown[(top + 6) * box->Width() + 6], KitColor(kBoxChecked, 10 + state));
  EXPECT_EQ(GlyphPixels(shown, kBoxUnchecked), 0);
  EXPECT_FALSE(HasMagenta(shown));
  EXPECT_EQ(Printed(w), shown);
  SaveScreenshot("generator_checkbox1_checked");

  Click(w);
  EXPECT_FALSE(box->Checked());
  EXPECT_FALSE(form->Edit9->Enabled());
  shown = Shown(w);
  EXPECT_EQ(shown[(top + 6) * box->Width() + 6], KitColor(kBoxUnchecked, 10 + adapter->GlyphState()));
  EXPECT_EQ(GlyphPixels(shown, kBoxChecked), 0);
  EXPECT_FALSE(HasMagenta(shown));
}

namespace {

// What the timer saw of the exception box and did to it.
struct BoxLog {
  std::string Text;
  std::vector<TvxMainWnd*> Adapters;
  HWND Button = nullptr, Icon = nullptr, Message = nullptr;
  std::vector<TColor> ButtonShown, IconShown, MessageShown;
  std::vector<TColor> ButtonPrinted, IconPrinted, MessagePrinted;
  HICON IconShownByBox = nullptr;
  TColor ButtonLooks = 0;  // what the section's hot state paints at the face point
  int ButtonWidth = 0;
  TSize IconSize;
  int Ticks = 0;
  bool Clicked = false;
  bool AllSkinned = false;  // button, icon and text answer as skinned windows
};
BoxLog* boxLog = nullptr;

HWND FindBox() {
  HWND found = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND w, LPARAM p) -> BOOL CALLBACK {
        if (IsWindowVisible(w) && GetWindowClassName(w) == "#32770") {
          *reinterpret_cast<HWND*>(p) = w;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

// The box's children adapted as the creation hook adapts them, read back,
// and the box closed by its own button.
void CALLBACK AdaptTheBox(HWND, UINT, UINT_PTR, DWORD) {
  brsm::GuardedCall(nullptr, [] {
    if (!boxLog || boxLog->Clicked) return;
    HWND box = FindBox();
    if (!box) return;
    // A box that never shows what it should is closed all the same.
    if (++boxLog->Ticks > 100) {
      EndDialog(box, IDCANCEL);
      return;
    }
    for (HWND child = GetTopWindow(box); child; child = GetWindow(child, GW_HWNDNEXT)) {
      const std::string cls = LowerCase(GetWindowClassName(child));
      const uint32_t style = static_cast<uint32_t>(GetWindowLongW(child, GWL_STYLE));
      if (cls == "button") boxLog->Button = child;
      if (cls == "static" && (style & SS_TYPEMASK) == SS_ICON) boxLog->Icon = child;
      if (cls == "static" && (style & SS_TYPEMASK) != SS_ICON) boxLog->Message = child;
      if (WindowAnswersCmd(child, SkinCmdQuerySkinned)) continue;
      RECT r{};
      GetWindowRect(child, &r);
      const TvxChildAdapterChoice choice = ChooseChildAdapter(cls, style, r.right - r.left, r.bottom - r.top);
      if (!choice.Make) continue;
      TvxAdapterArgs args;
      args.Handle = child;
      args.Repaint = true;
      args.Section = std::string(choice.Section);
      args.Manager = DefaultManager;
      AdaptingDialogChild = true;
      TvxMainWnd* adapter = CreateAdapter(choice.Kind, args);
      AdaptingDialogChild = false;
      if (!adapter) continue;
      if (choice.DialogMode) adapter->DialogMode = true;
      boxLog->Adapters.push_back(adapter);
    }
    if (!boxLog->Button || !boxLog->Icon || !boxLog->Message) return;
    RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    boxLog->AllSkinned = true;
    for (HWND w : {boxLog->Button, boxLog->Icon, boxLog->Message})
      boxLog->AllSkinned = boxLog->AllSkinned && WindowAnswersCmd(w, SkinCmdQuerySkinned);
    boxLog->Text = ReadWindowText(boxLog->Message);
    RECT r{};
    GetWindowRect(boxLog->Button, &r);
    boxLog->ButtonWidth = r.right - r.left;
    if (TvxMainWnd* button = AdapterOfWindow(boxLog->Button))
      boxLog->ButtonLooks = ButtonLook(r.right - r.left, r.bottom - r.top, button->SkinData, 1);
    GetWindowRect(boxLog->Icon, &r);
    boxLog->IconSize = TSize{r.right - r.left, r.bottom - r.top};
    boxLog->IconShownByBox = reinterpret_cast<HICON>(SendMessageW(boxLog->Icon, STM_GETICON, 0, 0));
    boxLog->ButtonShown = Shown(boxLog->Button);
    boxLog->IconShown = Shown(boxLog->Icon);
    boxLog->MessageShown = Shown(boxLog->Message);
    boxLog->ButtonPrinted = Printed(boxLog->Button);
    boxLog->IconPrinted = Printed(boxLog->Icon);
    boxLog->MessagePrinted = Printed(boxLog->Message);
    SaveScreenshot("generator_failed_save_box");
    boxLog->Clicked = true;
    Click(boxLog->Button);
  });
}

}  // namespace

TEST_F(AdaptedStandardWindows, TheFailedSaveBoxShowsMarlsButtonIconAndTextAndClosesByItsButton) {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  const std::string fileName =
      brsm::FromUtf16((std::filesystem::path(temp) / L"brsm-no-such-folder" / L"weapon.uc").wstring());
  TStringList lines;
  lines.Add("class Weapon extends Object;");
  BoxLog log;
  boxLog = &log;
  const UINT_PTR timer = SetTimer(nullptr, 0, 30, AdaptTheBox);
  try {
    brsm::SaveScriptFile(lines, fileName);
  } catch (...) {
    Application->HandleException(nullptr);
  }
  KillTimer(nullptr, timer);
  boxLog = nullptr;
  for (TvxMainWnd* a : log.Adapters) adapters.push_back(a);
  ASSERT_TRUE(log.Clicked) << "the box never showed its button, icon and text";
  EXPECT_EQ(FindBox(), nullptr);  // its button closed it
  EXPECT_EQ(log.Text.rfind("Cannot create file \"" + fileName + "\".", 0), 0u) << log.Text;
  EXPECT_TRUE(log.AllSkinned);

  // The button: the default and focused one, in the section's hot state.
  const int bw = log.ButtonWidth;
  EXPECT_EQ(log.ButtonShown[2 * bw + bw / 2], log.ButtonLooks);
  const int buttonSection = MarlSectionIndex("BUTTON");
  EXPECT_GT(std::count(log.ButtonShown.begin(), log.ButtonShown.end(), KitColor(buttonSection, 3)), 0)
      << "the caption in the hot font colour";
  // The icon over CHECKBOX's face, the text in its font colour on that face.
  const int checkSection = MarlSectionIndex("CHECKBOX");
  const TColor face = KitColor(checkSection, 0), ink = KitColor(checkSection, 2);
  const int iw = log.IconSize.cx, ih = log.IconSize.cy;
  std::unique_ptr<TBitmap> icon(new TBitmap(iw, ih));
  icon->Canvas()->Brush()->SetColor(face);
  icon->Canvas()->FillRect(TRect{0, 0, iw, ih});
  DrawIconEx(icon->Canvas()->Handle(), 0, 0, log.IconShownByBox, 0, 0, 0, nullptr, DI_NORMAL);
  std::vector<TColor> iconLook;
  for (int y = 0; y < ih; ++y)
    for (int x = 0; x < iw; ++x) iconLook.push_back(static_cast<TColor>(GetPixel(icon->Canvas()->Handle(), x, y)));
  EXPECT_EQ(log.IconShown, iconLook);
  EXPECT_NE(std::count(iconLook.begin(), iconLook.end(), face), static_cast<long>(iconLook.size()));
  EXPECT_GT(std::count(log.MessageShown.begin(), log.MessageShown.end(), ink), 10);
  EXPECT_GT(std::count(log.MessageShown.begin(), log.MessageShown.end(), face),
            static_cast<long>(log.MessageShown.size() / 2));
  for (const auto* shown : {&log.ButtonShown, &log.IconShown, &log.MessageShown}) EXPECT_FALSE(HasMagenta(*shown));
  EXPECT_EQ(log.ButtonPrinted, log.ButtonShown);
  EXPECT_EQ(log.IconPrinted, log.IconShown);
  EXPECT_EQ(log.MessagePrinted, log.MessageShown);
}
