// The provider's life on real forms: made from a layout or at run time,
// one per form, freed in either order with other window-procedure hooks,
// and a form given back to the platform's look when the skin or the
// provider goes.
#include "tests/skin/windows/provider_test_support.h"
#include "tests/support/skin_without.h"

namespace {

using providertest::ProviderWinTest;

class ProviderLifeTest : public ProviderWinTest {
 protected:
  // The skinned look: no WS_SYSMENU, a region, the skin's colour.
  void ExpectSkinned(bool skinned) {
    EXPECT_EQ((Style() & WS_SYSMENU) == 0, skinned);
    EXPECT_EQ(HasRegion(), skinned);
    EXPECT_EQ(form->Color(), skinned ? manager->GlobalBackColor() : clBtnFace);
  }
};

// A form whose layout holds the manager and a provider.
class TLayoutForm : public providertest::TRecordingForm {
 public:
  TLayoutForm(TComponent* owner, const std::string& skins) : TRecordingForm(owner) {
    brsm::LayoutReader layout(this);
    Manager = layout.Read(new TsSkinManager(this));
    Manager->SetSkinDirectory(skins);
    Manager->SetSkinName("Marl");
    Provider = layout.Read(new TsSkinProvider(this));
    Provider->SetTitleSkin("FORMTITLE");
    Provider->TitleButtons()->Add();
    layout.Finish();
  }
  TsSkinManager* Manager;
  TsSkinProvider* Provider;
};

TEST_F(ProviderLifeTest, ProviderReadFromALayoutSkinsTheFormWhenLoaded) {
  auto* f = new TLayoutForm(Application, SkinDirectory());
  form.reset(f);
  manager = f->Manager;
  TsSkinProvider* p = f->Provider;
  EXPECT_EQ(p->Form(), f);
  EXPECT_TRUE(IsSkinnedFormRegistered(f));
  EXPECT_TRUE(p->SkinData()->IsSkinned());
  EXPECT_EQ(p->SkinData()->SkinSection(), "FORM");
  EXPECT_EQ(p->SkinData()->ControlKind, ProviderControlKind);
  ASSERT_NE(p->SystemMenu, nullptr);
  EXPECT_NE(p->Adapter, nullptr);
  // Loaded gave the title button the skin's title-button image.
  EXPECT_EQ(p->TitleButtons()->Items(0)->Button.ImageIndex,
            manager->LookupImageItemNoParent("GLOBALINFO", "TITLEBUTTON"));
  EXPECT_EQ(p->TitleButtons()->Items(0)->Name(), "TsTitleButton");
  EXPECT_EQ(p->ButtonClose.ImageIndex, manager->LookupImageItemNoParent("GLOBALINFO", "BICONCLOSE"));
  f->Show();
  Pump();
  EXPECT_EQ(Style() & WS_SYSMENU, 0);
  EXPECT_EQ(f->Color(), manager->GlobalBackColor());
  EXPECT_EQ(Command(SkinCmdQueryProvider), reinterpret_cast<LRESULT>(p));
}

TEST_F(ProviderLifeTest, ProviderMadeOnAShownFormAndASecondOneThatStaysInert) {
  MakeForm();
  ShowAndActivate();
  ASSERT_NE(Style() & WS_SYSMENU, 0);
  auto* first = new TsSkinProvider(form.get());
  EXPECT_EQ(first->Form(), form.get());
  EXPECT_EQ(Style() & WS_SYSMENU, 0);
  EXPECT_EQ(form->Color(), manager->GlobalBackColor());

  auto* second = new TsSkinProvider(form.get());
  EXPECT_EQ(second->Form(), nullptr);
  EXPECT_EQ(SkinnedFormList().size(), 1u);
  EXPECT_EQ(second->SystemMenu, nullptr);
  // Its setters reach no form.
  second->SetUseGlobalColor(false);
  second->SetUseGlobalColor(true);
  EXPECT_EQ(form->Color(), manager->GlobalBackColor());
  EXPECT_EQ(Command(SkinCmdQueryProvider), reinterpret_cast<LRESULT>(first));
  delete second;
  EXPECT_EQ(Command(SkinCmdQueryProvider), reinterpret_cast<LRESULT>(first));
  EXPECT_EQ(SkinnedFormList().size(), 1u);
}

TEST_F(ProviderLifeTest, FreedBeforeOrAfterALaterHookEachLeavesTheOtherWorking) {
  for (bool providerFirst : {true, false}) {
    SCOPED_TRACE(providerFirst ? "provider freed first" : "later hook freed first");
    MakeForm();
    ShowAndActivate();
    auto* p = new TsSkinProvider(form.get());
    int laterSaw = 0;
    auto later = std::make_unique<brsm::TWindowProcHook>();
    later->Install(form.get(), [&](TMessage& m) {
      if (m.Msg == WM_USER + 7) ++laterSaw;
      later->Previous(m);
    });
    if (providerFirst) {
      delete p;
      EXPECT_EQ(Command(SkinCmdQueryProvider), 0);  // the platform's answer
      SendMessageW(Wnd(), WM_USER + 7, 0, 0);
      EXPECT_EQ(laterSaw, 1);
      later.reset();
    } else {
      later.reset();
      EXPECT_EQ(Command(SkinCmdQueryProvider), reinterpret_cast<LRESULT>(p));
      delete p;
    }
    EXPECT_EQ(Command(SkinCmdQueryProvider), 0);
    const size_t before = form->Got.size();
    SendMessageW(Wnd(), WM_USER + 8, 0, 0);
    EXPECT_EQ(form->Got.size(), before + 1);  // the form's own procedure still runs
    EXPECT_FALSE(IsSkinnedFormRegistered(form.get()));
    // The form lives on in the platform's look.
    EXPECT_NE(Style() & WS_SYSMENU, 0);
    EXPECT_FALSE(HasRegion());
    form.reset();
  }
}

TEST_F(ProviderLifeTest, CoverFormGoesWithItsProvider) {
  MakeForm();
  ShowAndActivate();
  auto* p = new TsSkinProvider(form.get());
  p->ShowCoverForm();
  ASSERT_NE(p->CoverForm, nullptr);
  HWND cover = p->CoverForm->Handle();
  EXPECT_TRUE(IsWindowVisible(cover));
  RECT c{}, f{};
  GetWindowRect(cover, &c);
  GetWindowRect(Wnd(), &f);
  EXPECT_EQ(c.left, f.left);
  EXPECT_EQ(c.right, f.right);
  EXPECT_EQ(c.bottom - c.top, p->TopAreaHeight());
  delete p;
  EXPECT_FALSE(IsWindow(cover));
}

TEST_F(ProviderLifeTest, SkinRemovedAndReloadedTakesAndGivesBackTheFormsLook) {
  MakeForm();
  auto* p = new TsSkinProvider(form.get());
  ShowAndActivate();
  ExpectSkinned(true);

  manager->SetActive(false);
  Pump();
  ExpectSkinned(false);
  EXPECT_EQ(Command(SkinCmdQuerySkinned), 1);  // still a provider's form
  EXPECT_TRUE(p->CacheBitmap()->Empty());

  manager->SetActive(true);
  Pump();
  ExpectSkinned(true);

  // UseGlobalColor: the platform's colour while off, the skin's back.
  p->SetUseGlobalColor(false);
  EXPECT_EQ(form->Color(), clBtnFace);
  p->SetUseGlobalColor(true);
  EXPECT_EQ(form->Color(), manager->GlobalBackColor());
  p->SkinData()->SetCustomColor(true);
  p->SetUseGlobalColor(false);
  p->SetUseGlobalColor(true);
  EXPECT_EQ(form->Color(), clBtnFace);
}

// A skin without the form's section leaves the form the platform's: window
// menu and caption buttons, no region, the platform's colour; a skin with
// it takes the form again.
TEST_F(ProviderLifeTest, ASkinWithoutTheFormsSectionLeavesTheFormThePlatforms) {
  ASSERT_TRUE(brsm::test::WriteSkinWithout(brsm::kit::MakeMarlSkin("NoForm"), SkinDirectory(), {"FORM"}));
  MakeForm();
  auto* p = new TsSkinProvider(form.get());
  ShowAndActivate();
  ExpectSkinned(true);
  manager->SetSkinName("NoForm");
  ASSERT_TRUE(manager->Active());
  Pump();
  EXPECT_FALSE(p->SkinData()->IsSkinned());
  ExpectSkinned(false);
  manager->SetSkinName("Marl");
  Pump();
  ExpectSkinned(true);
}

TEST_F(ProviderLifeTest, ChangingTheRecordsSectionAtRunTimeRepaintsTheFrame) {
  MakeForm();
  auto* p = new TsSkinProvider(form.get());
  ShowAndActivate();
  const int ncPaints = form->Count(WM_NCPAINT);
  ASSERT_FALSE(p->CacheBitmap()->Empty());
  p->SkinData()->SetSkinSection("DIALOG");
  Pump();
  EXPECT_FALSE(p->SkinData()->BackgroundStale);  // painted again
  EXPECT_EQ(p->SkinData()->SectionIndex, manager->LookupSection("DIALOG"));
  // The command went through the form's window procedure to the provider,
  // which swallowed it.
  EXPECT_EQ(form->Count(WM_NCPAINT), ncPaints);
  // A new manager re-applies the skin through the form's procedure.
  form->SetColor(clRed);
  p->SkinData()->SetSkinManager(manager);
  EXPECT_EQ(form->Color(), manager->GlobalBackColor());
  EXPECT_TRUE(p->SkinData()->IsSkinned());
}

}  // namespace
