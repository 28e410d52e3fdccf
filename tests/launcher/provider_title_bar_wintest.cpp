// The launcher's real main form (the one sizeable program form) under a
// skin provider placed at run time, with a kit-made Marl in the Windows
// folder: its title bar and its caption buttons at work.
#include <gtest/gtest.h>

#include <memory>

#include "generator/skin_engine_start.h"
#include "launcher/unit1.h"
#include "skin/windows/skin_provider.h"
#include "tests/support/screenshot.h"
#include "tests/support/windows_folder_skin.h"
#include "tools/skinkit/kit_pictures.h"
#include "tools/skinkit/marl_skin.h"

namespace {

using brsm::kit::KitColor;

TPoint Centre(const TRect& r) { return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }

class LauncherTitleBar : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { brsm::StartSkinEngine(); }
  void SetUp() override { ASSERT_TRUE(brsm::test::PutMarlInWindowsFolder(brsm::test::MarlKind::Folder)); }
  void TearDown() override {
    form.reset();
    brsm::test::RemoveMarlFromWindowsFolder();
  }
  static void Pump() {
    for (int i = 0; i < 5; ++i) Application->ProcessMessages();
  }
  TColor Pixel(TPoint at) const {
    HWND wnd = form->Handle();
    HDC dc = GetWindowDC(wnd);
    const TColor c = static_cast<TColor>(GetPixel(dc, at.X, at.Y));
    ReleaseDC(wnd, dc);
    return c;
  }
  LPARAM ScreenAt(TPoint at) const {
    RECT w{};
    GetWindowRect(form->Handle(), &w);
    return MAKELPARAM(w.left + at.X, w.top + at.Y);
  }
  void Click(const TRect& r, int code) {
    const TPoint c = Centre(r);
    ASSERT_EQ(SendMessageW(form->Handle(), WM_NCHITTEST, 0, ScreenAt(c)), code);
    SendMessageW(form->Handle(), WM_NCLBUTTONDOWN, code, ScreenAt(c));
    SendMessageW(form->Handle(), WM_NCLBUTTONUP, code, ScreenAt(c));
    Pump();
  }

  std::unique_ptr<TForm1> form;
};

TEST_F(LauncherTitleBar, IconCaptionAndButtonsThatAct) {
  form = std::make_unique<TForm1>(Application);
  form->AfterConstruction();
  ASSERT_EQ(form->BorderStyle(), bsSizeable);
  auto* p = new TsSkinProvider(form.get());
  form->Show();
  SetForegroundWindow(form->Handle());
  SetActiveWindow(form->Handle());
  Pump();
  p->RepaintFrameNow();
  Pump();
  ASSERT_TRUE(p->FormActive);

  // Close, maximise, minimise from Marl's BICON glyphs (frame 0 normal).
  EXPECT_EQ(Pixel(Centre(p->ButtonClose.Rect)), KitColor(30, 10));
  EXPECT_EQ(Pixel(Centre(p->ButtonMax.Rect)), KitColor(31, 10));
  EXPECT_EQ(Pixel(Centre(p->ButtonMin.Rect)), KitColor(33, 10));

  // The program's icon: its pixels are not the title band's (which is
  // the same along a row just right of it).
  const int band = p->FrameHeight() + p->CaptionHeight();
  const TRect icon = Bounds(p->FrameWidth(), (band - p->TitleIconHeight()) / 2, p->TitleIconWidth(),
                            p->TitleIconHeight());
  ASSERT_EQ(icon.Width(), 16);
  int drawn = 0;
  for (int y = icon.Top; y < icon.Bottom; ++y) {
    const TColor behind = Pixel({icon.Right + 2, y});
    for (int x = icon.Left; x < icon.Right; ++x) drawn += Pixel({x, y}) != behind;
  }
  EXPECT_GT(drawn, 40);

  // "Brassmith Menu" in FORMTITLE's active font colour.
  const TColor text = KitColor(brsm::kit::MarlSectionIndex("FORMTITLE"), 3);
  int letters = 0;
  for (int x = icon.Right + 4; x < icon.Right + 120; ++x)
    for (int y = p->FrameHeight(); y < band; ++y) letters += Pixel({x, y}) == text;
  EXPECT_GT(letters, 20);
  EXPECT_TRUE(brsm::test::SaveScreenshot("launcher_title_bar"));

  // Hot, then pressed.
  const TPoint max = Centre(p->ButtonMax.Rect);
  EXPECT_EQ(SendMessageW(form->Handle(), WM_NCHITTEST, 0, ScreenAt(max)), HTMAXBUTTON);
  EXPECT_EQ(Pixel(max), KitColor(31, 11));
  SendMessageW(form->Handle(), WM_NCLBUTTONDOWN, HTMAXBUTTON, ScreenAt(max));
  EXPECT_EQ(Pixel(max), KitColor(31, 12));
  EXPECT_TRUE(brsm::test::SaveScreenshot("launcher_title_bar_pressed"));
  SendMessageW(form->Handle(), WM_NCLBUTTONUP, HTMAXBUTTON, ScreenAt(max));
  Pump();
  EXPECT_TRUE(IsZoomed(form->Handle()));
  p->RepaintFrameNow();
  Pump();
  EXPECT_EQ(Pixel(Centre(p->ButtonMax.Rect)), KitColor(32, 10));  // BICONNORM
  EXPECT_TRUE(brsm::test::SaveScreenshot("launcher_title_bar_maximised"));
  Click(p->ButtonMax.Rect, HTMAXBUTTON);
  EXPECT_FALSE(IsZoomed(form->Handle()));

  p->RepaintFrameNow();
  Pump();
  Click(p->ButtonMin.Rect, HTMINBUTTON);
  EXPECT_TRUE(IsIconic(form->Handle()));
  SendMessageW(form->Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
  Pump();
  p->RepaintFrameNow();
  Pump();
  Click(p->ButtonClose.Rect, HTCLOSE);
  EXPECT_FALSE(IsWindowVisible(form->Handle()));
}

}  // namespace
