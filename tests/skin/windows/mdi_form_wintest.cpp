// A skinned MDI parent: its client window is painted from the form's cache
// (the MDIAREA section) through the MDI support's client adapter, which
// follows the client when the form's window is made again and goes with
// the skin.
#include <gtest/gtest.h>

#include <windows.h>

#include "platform/forms/menus.h"
#include "platform/graphics/icon.h"
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

TEST_F(MDIFormTest, AMaximisedChildsIconAndTheBarsItemsStandInTheirPlaces) {
  // Children need their parent to be the application's main form.
  providertest::TRecordingForm* frame = nullptr;
  Application->CreateForm(frame);
  form.reset(frame);
  form->SetTag(-98);
  manager = new TsSkinManager(form.get());
  manager->SetSkinDirectory(SkinDirectory());
  manager->SetSkinName("Marl");
  form->SetFormStyle(fsMDIForm);
  form->SetBounds(60, 60, 360, 280);
  auto* bar = new TMainMenu(form.get());
  for (const char* caption : {"File", "Edit"}) {
    auto* item = new TMenuItem(form.get());
    item->SetCaption(caption);
    bar->Items()->Add(item);
  }
  form->SetMenu(bar);
  provider = new TsSkinProvider(form.get());
  ShowAndActivate();
  ASSERT_EQ(Application->MainForm(), form.get());

  auto child = std::make_unique<TForm>(Application);
  child->SetTag(-98);
  child->SetFormStyle(fsMDIChild);
  child->Icon()->SetHandle(providertest::SolidIcon(0x00123456));
  new TsSkinProvider(child.get());
  child->Show();
  child->SetWindowState(wsMaximized);
  Pump();
  ASSERT_TRUE(provider->HasMaximisedMDIChild());
  provider->RepaintFrameNow();
  Pump();
  EXPECT_TRUE(brsm::test::SaveScreenshot("mdi_maximised_child_menu_line"));

  RECT w{};
  GetWindowRect(Wnd(), &w);
  HDC dc = GetWindowDC(Wnd());
  const int size = provider->MenuHeight() - 2;
  const int top = provider->FrameHeight() + provider->CaptionHeight() + 1;
  EXPECT_EQ(GetPixel(dc, provider->FrameWidth() + 1 + size / 2, top + size / 2), 0x563412u);
  // Each item where the menu has it, after the child's window menu.
  const COLORREF face = manager->SectionItems[static_cast<size_t>(manager->LookupSection("MENUITEM"))].Color;
  for (int i = 0; i < 2; ++i) {
    const UINT command = bar->Items()->Items(i)->Command();
    int position = -1;
    for (int at = 0; at < GetMenuItemCount(bar->Handle()); ++at)
      if (GetMenuItemID(bar->Handle(), at) == command) position = at;
    RECT r{};
    ASSERT_TRUE(GetMenuItemRect(Wnd(), bar->Handle(), static_cast<UINT>(position), &r)) << i;
    int faces = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) faces += GetPixel(dc, x - w.left, y - w.top) == face;
    // The face shows inside the item's border and around its text; a place
    // left bare shows none of it.
    EXPECT_GT(faces, (r.right - r.left) * (r.bottom - r.top) / 16) << i;
  }
  ReleaseDC(Wnd(), dc);
  child.reset();
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
