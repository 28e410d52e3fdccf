// The provider's window procedure on a real form: which commands it
// answers in which state, what it keeps from the form's own procedure,
// painting the frame from its cache, and the older systems' paths.
#include <functional>

#include "platform/forms/stdctrls.h"
#include "skin/core/paint_colors.h"
#include "tests/skin/windows/provider_test_support.h"
#include "tools/skinkit/kit_pictures.h"

namespace {

using providertest::ProviderWinTest;
using providertest::TVersionPlatform;

// Counts what arrives in front of the provider.
class FrontCounter {
 public:
  FrontCounter(TControl* form, UINT msg) : msg_(msg) {
    hook_.Install(form, [this](TMessage& m) {
      if (m.Msg == msg_) ++Count;
      hook_.Previous(m);
    });
  }
  int Count = 0;

 private:
  UINT msg_;
  brsm::TWindowProcHook hook_;
};

// A windowless child that writes down the commands it gets.
class TCommandLabel : public TGraphicControl {
 public:
  explicit TCommandLabel(TWinControl* parent) : TGraphicControl(parent) {
    SetParent(parent);
    SetBounds(10, 10, 40, 16);
  }
  void WndProc(TMessage& m) override {
    if (m.Msg == CommandMessage) Got.push_back(SkinCmdOf(m.WParam));
    TGraphicControl::WndProc(m);
  }
  std::vector<int> Got;
};

bool Contains(const std::vector<int>& v, int x) { return std::find(v.begin(), v.end(), x) != v.end(); }

class ProviderProcTest : public ProviderWinTest {
 protected:
  TsSkinProvider* SkinnedShownForm(TFormBorderStyle border = bsSizeable) {
    MakeForm(border);
    auto* p = new TsSkinProvider(form.get());
    ShowAndActivate();
    return p;
  }
};

TEST_F(ProviderProcTest, CommandsAnsweredSkinnedAndUnskinned) {
  TsSkinProvider* p = SkinnedShownForm();
  auto* label = new TCommandLabel(form.get());

  // 61: where the client area lies in the window.
  RECT w{}, c{};
  GetWindowRect(Wnd(), &w);
  GetClientRect(Wnd(), &c);
  POINT origin{0, 0};
  ClientToScreen(Wnd(), &origin);
  const LRESULT offset = Command(SkinCmdQueryCacheOffset);
  EXPECT_EQ(LOWORD(offset), origin.x - w.left);
  EXPECT_EQ(HIWORD(offset), origin.y - w.top);
  EXPECT_EQ(LOWORD(offset), ((w.right - w.left) - c.right) / 2);

  // 21: the section's colour, or the form's own with CustomColor.
  ParentBackColor = 0xFF00FF;
  Command(SkinCmdQueryBackColor);
  EXPECT_EQ(ParentBackColor, p->SkinData()->Section()->Color);
  p->SkinData()->SetCustomColor(true);
  form->SetColor(0x123456);
  Command(SkinCmdQueryBackColor);
  EXPECT_EQ(ParentBackColor, 0x123456);
  p->SkinData()->SetCustomColor(false);

  // A sub-command nobody lists is swallowed while skinned.
  Command(45);
  EXPECT_FALSE(Contains(form->Commands, 45));
  EXPECT_EQ(Command(SkinCmdQuerySkinned), 1);
  EXPECT_EQ(Command(SkinCmdQueryProvider), reinterpret_cast<LRESULT>(p));

  // Removal by another manager reaches only the children.
  Command(SkinCmdSkinRemoved, 0x1234);
  EXPECT_TRUE(Contains(label->Got, SkinCmdSkinRemoved));
  EXPECT_FALSE(Contains(form->Commands, SkinCmdSkinRemoved));
  EXPECT_TRUE(p->SkinData()->IsSkinned());
  EXPECT_EQ(Style() & WS_SYSMENU, 0);

  // Unskinned: the same sub-command reaches the form's own procedure.
  manager->SetActive(false);
  Pump();
  Command(45);
  EXPECT_TRUE(Contains(form->Commands, 45));
  EXPECT_EQ(Command(SkinCmdQuerySkinned), 1);
  EXPECT_EQ(Command(SkinCmdQueryProvider), reinterpret_cast<LRESULT>(p));
  EXPECT_EQ(static_cast<int>(Command(SkinCmdQueryCacheOffset)), static_cast<int>(offset));
}

TEST_F(ProviderProcTest, PrintClientAndPaintsOfAFormNotShowingStayWithTheProvider) {
  MakeForm();
  auto* p = new TsSkinProvider(form.get());
  form->HandleNeeded();
  ASSERT_TRUE(p->SkinData()->IsSkinned());

  HDC dc = GetDC(Wnd());
  SendMessageW(Wnd(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  ReleaseDC(Wnd(), dc);
  EXPECT_EQ(form->Count(WM_PRINTCLIENT), 0);

  // Shown behind the library's back: the form is not showing, its paints
  // are swallowed and must not come back again and again.
  FrontCounter paints(form.get(), WM_PAINT);
  ShowWindow(Wnd(), SW_SHOWNA);
  InvalidateRect(Wnd(), nullptr, TRUE);
  for (int i = 0; i < 20; ++i) Application->ProcessMessages();
  EXPECT_GE(paints.Count, 1);
  EXPECT_LE(paints.Count, 2);
  EXPECT_EQ(form->Count(WM_PAINT), 0);
  EXPECT_FALSE(GetUpdateRect(Wnd(), nullptr, FALSE));
}

TEST_F(ProviderProcTest, ResizeAfterASkinChangeRepaintsTheFrameAtTheNewSize) {
  TsSkinProvider* p = SkinnedShownForm();
  manager->SetActive(false);
  manager->SetActive(true);
  form->Hide();
  form->Show();
  Pump();
  ASSERT_FALSE(p->RegionPending);

  form->Constraints()->SetMaxWidth(420);
  form->SetBounds(form->Left(), form->Top(), 600, 300);
  Pump();
  EXPECT_EQ(form->Width(), 420);  // the size limits still reach the form
  EXPECT_EQ(p->CacheBitmap()->Width(), 420);
  EXPECT_EQ(p->CacheBitmap()->Height(), 300);
  HRGN r = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(Wnd(), r), ERROR);
  RECT box{};
  GetRgnBox(r, &box);
  DeleteObject(r);
  EXPECT_EQ(box.right, 420);
  EXPECT_EQ(box.bottom, 300);

  // Non-client painting settles.
  FrontCounter ncPaints(form.get(), WM_NCPAINT);
  for (int i = 0; i < 10; ++i) Application->ProcessMessages();
  EXPECT_LE(ncPaints.Count, 1);
}

TEST_F(ProviderProcTest, FramePixelsComeFromTheCacheInTheKitsColoursWithCutCorners) {
  TsSkinProvider* p = SkinnedShownForm();
  ASSERT_TRUE(p->FramePaintedOnce);
  RedrawWindow(Wnd(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  Pump();
  TBitmap* cache = p->CacheBitmap();
  HDC cdc = cache->Canvas()->Handle();
  HDC wdc = GetWindowDC(Wnd());
  const int w = form->Width(), h = form->Height();
  const TPoint strips[] = {{w / 2, 2}, {2, h / 2}, {w - 3, h / 2}, {w / 2, h - 2}};
  for (const TPoint& at : strips) {
    SCOPED_TRACE(testing::Message() << at.X << "," << at.Y);
    EXPECT_EQ(GetPixel(wdc, at.X, at.Y), GetPixel(cdc, at.X, at.Y));
  }
  // The left band of the FORM border in its active frame.
  const int formIndex = brsm::kit::MarlSectionIndex("FORM");
  EXPECT_EQ(static_cast<TColor>(GetPixel(wdc, 2, h / 2)),
            brsm::kit::Shade(brsm::kit::KitColor(formIndex, 10 + (p->FormActive ? 1 : 0))));
  ReleaseDC(Wnd(), wdc);

  HRGN r = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(Wnd(), r), ERROR);
  EXPECT_FALSE(PtInRegion(r, 0, 0));
  EXPECT_FALSE(PtInRegion(r, w - 1, h - 1));
  EXPECT_TRUE(PtInRegion(r, 6, 0));
  EXPECT_TRUE(PtInRegion(r, w / 2, h / 2));
  DeleteObject(r);
}

TEST_F(ProviderProcTest, OlderSystemCoversTheCaptionWhileTheTextChanges) {
  TVersionPlatform older(5);
  TsSkinProvider* p = SkinnedShownForm();
  bool covered = false;
  form->OnMessage = [&](TMessage& m) {
    if (m.Msg == WM_SETTEXT) covered = p->CoverForm && IsWindowVisible(p->CoverForm->Handle());
  };
  form->SetCaption("Renamed");
  EXPECT_TRUE(covered);
  EXPECT_EQ(p->CoverForm, nullptr);  // hidden and freed after

  // A newer system passes the text on uncovered and paints the frame.
  TVersionPlatform newer(6);
  form->SetCaption("Renamed again");
  EXPECT_FALSE(covered);
  EXPECT_FALSE(p->SkinData()->BackgroundStale);
}

TEST_F(ProviderProcTest, OlderSystemFadeUndoesItselfWhenTheShowRaises) {
  TVersionPlatform older(5);
  MakeForm();
  auto* edit = new TEdit(form.get());
  edit->SetParent(form.get());
  edit->SetBounds(10, 10, 100, 21);
  // The form's own showing fails once, behind the provider.
  bool raise = true;
  brsm::TWindowProcHook failing;
  failing.Install(form.get(), [&](TMessage& m) {
    if (m.Msg == CM_SHOWINGCHANGED && raise) {
      raise = false;
      throw Exception("show refused");
    }
    failing.Previous(m);
  });
  auto* p = new TsSkinProvider(form.get());
  manager->AnimEffects()->FormShow()->SetActive(true);
  manager->AnimEffects()->FormShow()->SetTime(0);
  bool animating = false;
  form->OnShow = [&](TObject*) { animating = p->ShowingAnimation; };
  p->SkinData()->BackgroundStale = true;
  EXPECT_THROW(form->Show(), Exception);
  EXPECT_FALSE(p->ShowingAnimation);
  EXPECT_NE(GetWindowLongW(edit->Handle(), GWL_STYLE) & WS_VISIBLE, 0);  // its redraw is back on

  // The next show fades in and sets the region.
  form->Hide();
  p->SkinData()->BackgroundStale = true;
  form->Show();
  Pump();
  EXPECT_TRUE(animating);
  EXPECT_FALSE(p->ShowingAnimation);
  EXPECT_FALSE(p->RegionPending);
  EXPECT_TRUE(HasRegion());
  EXPECT_TRUE(IsWindowVisible(edit->Handle()));
  delete p;
}

}  // namespace
