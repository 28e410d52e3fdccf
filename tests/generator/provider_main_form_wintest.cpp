// The generator's real main form with a skin provider placed on it at run
// time, owned by the form, and the kit's Marl in the Windows folder.
#include <gtest/gtest.h>

#include <memory>

#include "generator/skin_engine_start.h"
#include "generator/unit1.h"
#include "skin/controls/bit_btn.h"
#include "skin/core/skinned_forms.h"
#include "skin/windows/frame_cutouts.h"
#include "skin/windows/skin_provider.h"
#include "tests/support/screenshot.h"
#include "tests/support/windows_folder_skin.h"

namespace {

class ProviderMainForm : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { brsm::StartSkinEngine(); }
  void SetUp() override { ASSERT_TRUE(brsm::test::PutMarlInWindowsFolder(brsm::test::MarlKind::Folder)); }
  void TearDown() override {
    form.reset();
    brsm::test::RemoveMarlFromWindowsFolder();
    EXPECT_TRUE(SkinnedFormList().empty());
  }
  static bool RegionHas(HWND wnd, int x, int y) {
    HRGN r = CreateRectRgn(0, 0, 0, 0);
    const bool has = GetWindowRgn(wnd, r) != ERROR && PtInRegion(r, x, y);
    DeleteObject(r);
    return has;
  }
  static bool HasRegion(HWND wnd) {
    HRGN r = CreateRectRgn(0, 0, 0, 0);
    const bool has = GetWindowRgn(wnd, r) != ERROR;
    DeleteObject(r);
    return has;
  }

  std::unique_ptr<TForm1> form;
};

TEST_F(ProviderMainForm, SkinsTheFrameOfTheRealMainFormAndGivesItBack) {
  form = std::make_unique<TForm1>(Application);
  form->AfterConstruction();
  TsSkinManager* m = form->sSkinManager1;
  ASSERT_TRUE(m->Active());
  auto* p = new TsSkinProvider(form.get());
  form->Show();
  SetForegroundWindow(form->Handle());
  for (int i = 0; i < 5; ++i) Application->ProcessMessages();
  HWND wnd = form->Handle();

  EXPECT_TRUE(IsSkinnedFormRegistered(form.get()));
  EXPECT_EQ(SendMessageW(wnd, CommandMessage, SkinCmdWParam(SkinCmdQuerySkinned), 0), 1);
  EXPECT_EQ(SendMessageW(wnd, CommandMessage, SkinCmdWParam(SkinCmdQueryProvider), 0),
            reinterpret_cast<LRESULT>(p));
  RECT w{}, c{};
  GetWindowRect(wnd, &w);
  GetClientRect(wnd, &c);
  POINT origin{0, 0};
  ClientToScreen(wnd, &origin);
  const LRESULT offset = SendMessageW(wnd, CommandMessage, SkinCmdWParam(SkinCmdQueryCacheOffset), 0);
  EXPECT_EQ(LOWORD(offset), origin.x - w.left);
  EXPECT_EQ(HIWORD(offset), origin.y - w.top);

  EXPECT_EQ(p->CaptionHeight(), GetSystemMetrics(SM_CYCAPTION));
  EXPECT_EQ(p->FrameWidth(), GetSystemMetrics(SM_CXDLGFRAME));
  EXPECT_EQ(GetWindowLongW(wnd, GWL_STYLE) & WS_SYSMENU, 0);
  EXPECT_EQ(form->Color(), m->GlobalBackColor());

  // The region: the window's rectangle less the FORM border's corners.
  const int formBorder = m->LookupImageItemNoParent("FORM", "BORDERSMASK");
  const int titleBorder = m->LookupImageItemNoParent("FORMTITLE", "BORDERSMASK");
  const std::vector<TRect> cutouts =
      CollectFrameCutouts(*m, formBorder, titleBorder, form->Width(), form->Height());
  EXPECT_EQ(cutouts.size(), 24u);
  HRGN expected = static_cast<HRGN>(MakeFormRegion(cutouts, form->Width(), form->Height()));
  HRGN actual = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(wnd, actual), ERROR);
  EXPECT_TRUE(EqualRgn(expected, actual));
  DeleteObject(expected);
  DeleteObject(actual);

  // The frame on screen is the cache's.
  HDC wdc = GetWindowDC(wnd);
  HDC cdc = p->CacheBitmap()->Canvas()->Handle();
  const int fw = form->Width(), fh = form->Height();
  for (POINT at : {POINT{fw / 2, 3}, POINT{1, fh / 2}, POINT{fw - 2, fh / 2}, POINT{fw / 2, fh - 2}})
    EXPECT_EQ(GetPixel(wdc, at.x, at.y), GetPixel(cdc, at.x, at.y)) << at.x << "," << at.y;
  ReleaseDC(wnd, wdc);
  EXPECT_TRUE(brsm::test::SaveScreenshot("provider_main_form"));

  // The stay-on-top button still works under the provider.
  form->OnTop->Click();
  EXPECT_NE(GetWindowLongW(wnd, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  form->OnTop->Click();
  EXPECT_EQ(GetWindowLongW(wnd, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  EXPECT_FALSE(RegionHas(wnd, 0, 0));

  // Without the skin the platform's look is back.
  m->SetActive(false);
  for (int i = 0; i < 5; ++i) Application->ProcessMessages();
  EXPECT_NE(GetWindowLongW(wnd, GWL_STYLE) & WS_SYSMENU, 0);
  EXPECT_FALSE(HasRegion(wnd));
  EXPECT_EQ(form->Color(), clBtnFace);
}

}  // namespace
