// A skinned MDI parent: its client window is painted from the form's cache
// (the MDIAREA section) through the MDI support's client adapter, which
// follows the client when the form's window is made again and goes with
// the skin.
#include <gtest/gtest.h>

#include <windows.h>

#include "skin/windows/base_wnd_win.h"
#include "skin/windows/mdi_form_win.h"
#include "tests/skin/windows/provider_test_support.h"
#include "tests/support/screenshot.h"

namespace {

class MDIFormTest : public providertest::ProviderWinTest {
 protected:
  void MakeMDIParent() {
    MakeForm();
    form->SetFormStyle(fsMDIForm);
    form->SetBounds(60, 60, 360, 280);
    provider = new TsSkinProvider(form.get());
    ShowAndActivate();
  }
  HWND Client() const { return form->ClientHandle(); }
  // The client's pixel in the middle of its client area, off the screen.
  COLORREF ClientMiddle() const {
    RECT r{};
    GetClientRect(Client(), &r);
    POINT p{r.right / 2, r.bottom / 2};
    ClientToScreen(Client(), &p);
    HDC screen = GetDC(nullptr);
    const COLORREF c = GetPixel(screen, p.x, p.y);
    ReleaseDC(nullptr, screen);
    return c;
  }
  // The form's cache around the place the client's middle is painted from.
  bool CacheHoldsNearMiddle(COLORREF c) const {
    RECT form{}, client{};
    GetWindowRect(Wnd(), &form);
    GetWindowRect(Client(), &client);
    const int x = client.left - form.left + (client.right - client.left) / 2;
    const int y = client.top - form.top + (client.bottom - client.top) / 2;
    GdiFlush();
    HDC dc = provider->CacheBitmap()->Canvas()->Handle();
    for (int dy = -3; dy <= 3; ++dy)
      for (int dx = -3; dx <= 3; ++dx)
        if (GetPixel(dc, x + dx, y + dy) == c) return true;
    return false;
  }
  std::string ClientAdapterClass() const {
    TvxMainWnd* a = AdapterOfWindow(Client());
    return a ? a->ClassName() : std::string();
  }

  TsSkinProvider* provider = nullptr;
};

TEST_F(MDIFormTest, ClientTakesTheMDIAreaFollowsItsWindowAndGoesWithTheSkin) {
  MakeMDIParent();
  ASSERT_TRUE(provider->HasMDISupport());
  EXPECT_EQ(MDIParentProvider, provider);
  TsMDIForm* mdi = provider->MDISupport.get();
  ASSERT_NE(mdi->ClientAdapter, nullptr);
  EXPECT_EQ(ClientAdapterClass(), "TvxMDIWnd");
  EXPECT_EQ(mdi->ClientAdapter->Form, form.get());
  EXPECT_EQ(mdi->ClientAdapter->FormSkinData, provider->SkinData());
  EXPECT_EQ(mdi->ClientAdapter->SkinData->SkinSection(), "CHECKBOX");
  // A second Connect keeps the adapter there is.
  TvxMDIWnd* first = mdi->ClientAdapter;
  mdi->Connect();
  EXPECT_EQ(mdi->ClientAdapter, first);

  RedrawWindow(Wnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump();
  const COLORREF platformArea = GetSysColor(COLOR_APPWORKSPACE);
  const COLORREF skinned = ClientMiddle();
  EXPECT_NE(skinned, platformArea);
  const int area = manager->LookupSection("MDIAREA");
  ASSERT_TRUE(manager->IsValidSectionIndex(area));
  EXPECT_EQ(skinned, ColorToRGB(manager->SectionItems[static_cast<size_t>(area)].Color));
  EXPECT_TRUE(CacheHoldsNearMiddle(skinned));
  EXPECT_TRUE(brsm::test::SaveScreenshot("mdi_parent_skinned"));

  // The form's window made again: the new client gets an adapter.
  HWND oldClient = Client();
  form->RecreateWnd();
  ShowAndActivate();
  ASSERT_NE(Client(), nullptr);
  EXPECT_NE(Client(), oldClient);
  ASSERT_NE(mdi->ClientAdapter, nullptr);
  EXPECT_EQ(mdi->ClientAdapter->WindowHandle, Client());
  EXPECT_TRUE(mdi->ClientAdapter->Hooked());
  EXPECT_EQ(ClientAdapterClass(), "TvxMDIWnd");

  manager->SetActive(false);
  Pump();
  EXPECT_FALSE(provider->HasMDISupport());
  EXPECT_EQ(ClientAdapterClass(), "");
  RedrawWindow(Wnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump();
  EXPECT_EQ(ClientMiddle(), platformArea);

  manager->SetActive(true);
  ShowAndActivate();
  ASSERT_TRUE(provider->HasMDISupport());
  EXPECT_EQ(ClientAdapterClass(), "TvxMDIWnd");
}

TEST_F(MDIFormTest, SupportWithoutFormOrClientDoesNothing) {
  TsSkinProvider inert(nullptr);
  TsMDIForm mdi(&inert);
  EXPECT_EQ(mdi.Form, nullptr);
  mdi.Connect();
  mdi.UpdateClientAdapter();
  EXPECT_EQ(mdi.ClientAdapter, nullptr);
  EXPECT_EQ(mdi.RepaintFrame(), 0);
}

}  // namespace
