// The control adapter on a skinned form: which controls get window adapters
// (and which keep the platform's look), the plain labels' colour, single
// controls handed over later, controls that go, and the skin's removal.
#include <gtest/gtest.h>

#include <windows.h>

#include "platform/forms/stdctrls.h"
#include "skin/controls/label.h"
#include "skin/controls/skin_controls_start_win.h"
#include "skin/core/control_utils_win.h"
#include "skin/windows/adapter_factory_win.h"
#include "skin/windows/combo_box_wnd_win.h"
#include "skin/windows/ctrl_adapter.h"
#include "skin/windows/ctrl_adapter_rules.h"
#include "skin/windows/main_wnd_win.h"
#include "tests/skin/windows/provider_test_support.h"
#include "tests/support/screenshot.h"
#include "tests/support/skin_without.h"
#include "tools/skinkit/kit_pictures.h"
#include "tools/skinkit/marl_skin.h"

namespace {

// A class the extended-grid list can name.
class TGridLikeEdit : public TEdit {
 public:
  explicit TGridLikeEdit(TComponent* owner) : TEdit(owner) {}
};

// A class the combo-edit list can name.
class TComboLikeEdit : public TEdit {
 public:
  explicit TComboLikeEdit(TComponent* owner) : TEdit(owner) {}
};

class CtrlAdapterTest : public providertest::ProviderWinTest {
 protected:
  static void SetUpTestSuite() {
    ProviderWinTest::SetUpTestSuite();
    brsm::StartSkinControls();
  }
  static void TearDownTestSuite() {
    brsm::StopSkinControls();
    ProviderWinTest::TearDownTestSuite();
  }

  template <class T>
  T* Place(int top, TComponent* owner = nullptr) {
    auto* c = new T(owner ? owner : form.get());
    c->SetParent(form.get());
    c->SetBounds(10, top, 120, 22);
    c->SetCaption(c->ClassName());
    return c;
  }

  // A form with one control of each kind the walk meets; its provider asks
  // OnSkinItem, which refuses `refused`.
  void MakeControlForm() {
    MakeForm();
    form->SetBounds(80, 80, 320, 330);
    edit = Place<TEdit>(10);
    button = Place<TButton>(40);
    check = Place<TCheckBox>(70);
    label = Place<TLabel>(100);
    label->Font()->SetColor(clRed);
    label->SetTransparent(false);
    skinLabel = Place<TsLabel>(125);
    skinLabel->SetUseSkinColor(false);
    skinLabel->Font()->SetColor(clBlue);
    tagged = Place<TEdit>(150);
    tagged->SetTag(NoAdaptTag);
    refused = Place<TEdit>(180);
    provider = new TsSkinProvider(form.get());
    provider->OnSkinItem = [this](TComponent* item, bool& canBeAdded, std::string&) {
      if (item == refused) canBeAdded = false;
    };
    ShowAndActivate();
  }

  static std::string AdapterClass(TWinControl* control) {
    TvxMainWnd* a = AdapterOfWindow(control->Handle());
    return a ? a->ClassName() : std::string();
  }
  static bool Skinned(TWinControl* control) { return ControlAnswersCmd(control, SkinCmdQuerySkinned); }

  TsSkinProvider* provider = nullptr;
  TEdit* edit = nullptr;
  TButton* button = nullptr;
  TCheckBox* check = nullptr;
  TLabel* label = nullptr;
  TsLabel* skinLabel = nullptr;
  TEdit* tagged = nullptr;
  TEdit* refused = nullptr;
};

TEST_F(CtrlAdapterTest, WalkAdaptsListedControlsAndColoursPlainLabels) {
  MakeControlForm();
  TvxCtrlAdapter* a = provider->Adapter.get();
  ASSERT_NE(a, nullptr);
  ASSERT_EQ(a->Count(), 3);
  EXPECT_EQ(a->GetItem(0)->Control, edit);
  EXPECT_EQ(a->GetItem(1)->Control, button);
  EXPECT_EQ(a->GetItem(2)->Control, check);
  EXPECT_EQ(a->GetItem(0)->SkinData->ControlKind, AdapterItemControlKind);
  EXPECT_EQ(a->GetItem(0)->SkinData->SkinSection(), "EDIT");
  EXPECT_EQ(a->GetItem(1)->SkinData->SkinSection(), "BUTTON");
  EXPECT_EQ(a->GetItem(2)->SkinData->SkinSection(), "CHECKBOX");
  EXPECT_EQ(AdapterClass(edit), "TvxEditWnd");
  EXPECT_EQ(AdapterClass(button), "TvxBtnWnd");
  EXPECT_EQ(AdapterClass(check), "TvxCheckBoxWnd");
  EXPECT_EQ(AdapterClass(tagged), "");
  EXPECT_EQ(AdapterClass(refused), "");
  EXPECT_EQ(a->GetItem(3), nullptr);
  EXPECT_EQ(a->GetItem(-1), nullptr);

  EXPECT_TRUE(label->Transparent());
  EXPECT_EQ(label->Font()->Color(), manager->GlobalTextColor());
  EXPECT_NE(manager->GlobalTextColor(), clRed);
  // The skin library's label goes by its own UseSkinColor, here off.
  EXPECT_EQ(skinLabel->Font()->Color(), clBlue);

  // A second walk keeps the items as they are.
  a->AdaptAllControls(nullptr);
  EXPECT_EQ(a->Count(), 3);
  EXPECT_EQ(AdapterClass(edit), "TvxEditWnd");
  Pump();
  EXPECT_TRUE(brsm::test::SaveScreenshot("ctrl_adapter_form"));

  // Out-of-range removals change nothing; a real one takes the adapter off.
  a->RemoveItem(-1);
  a->RemoveItem(3);
  EXPECT_EQ(a->Count(), 3);
  a->RemoveItem(1);
  EXPECT_EQ(a->Count(), 2);
  EXPECT_EQ(a->GetItem(1)->Control, check);
  EXPECT_FALSE(Skinned(button));
}

TEST_F(CtrlAdapterTest, LaterControlsFreedControlsAndTheWalksGuard) {
  MakeControlForm();
  TvxCtrlAdapter* a = provider->Adapter.get();
  ASSERT_EQ(a->Count(), 3);

  // Command 25 for a control made later; never for a Tag -98 one.
  auto* later = Place<TEdit>(210);
  later->HandleNeeded();
  Command(SkinCmdAdaptControl, reinterpret_cast<LPARAM>(later));
  EXPECT_EQ(a->Count(), 4);
  EXPECT_EQ(AdapterClass(later), "TvxEditWnd");
  Command(SkinCmdAdaptControl, reinterpret_cast<LPARAM>(tagged));
  EXPECT_EQ(a->Count(), 4);

  // A control that goes takes its item along, owned by the form or not.
  auto* loose = new TEdit(nullptr);
  loose->SetParent(form.get());
  loose->SetBounds(150, 10, 100, 22);
  loose->HandleNeeded();
  Command(SkinCmdAdaptControl, reinterpret_cast<LPARAM>(loose));
  EXPECT_EQ(a->Count(), 5);
  delete loose;
  EXPECT_EQ(a->Count(), 4);
  delete edit;
  edit = nullptr;
  EXPECT_EQ(a->Count(), 3);
  for (int i = 0; i < a->Count(); ++i) EXPECT_NE(a->GetItem(i)->Control, nullptr);
  a->AdaptAllControls(nullptr);
  EXPECT_EQ(a->Count(), 3);
  delete label;  // a coloured label that goes is forgotten
  label = nullptr;

  // A walk over a provider without form ends early and leaves no guard up.
  TsSkinProvider inert(nullptr);
  TvxCtrlAdapter none(&inert);
  none.AdaptAllControls(nullptr);
  EXPECT_EQ(none.Count(), 0);
  auto* walked = Place<TEdit>(240);
  walked->HandleNeeded();
  a->AdaptAllControls(nullptr);
  EXPECT_EQ(a->Count(), 4);
  EXPECT_EQ(AdapterClass(walked), "TvxEditWnd");

  // Without srThirdParty the walk adapts nothing new.
  manager->SetSkinningRules(TvxSkinningRules{srStdForms, srStdDialogs});
  auto* skipped = Place<TEdit>(270);
  skipped->HandleNeeded();
  a->AdaptAllControls(nullptr);
  EXPECT_EQ(a->Count(), 4);
  EXPECT_EQ(AdapterClass(skipped), "");
}

TEST_F(CtrlAdapterTest, SkinRemovalGivesLabelsAndProceduresBack) {
  MakeControlForm();
  ASSERT_TRUE(Skinned(edit));
  manager->SetActive(false);
  Pump();
  EXPECT_EQ(provider->Adapter, nullptr);
  for (TWinControl* c : std::initializer_list<TWinControl*>{edit, button, check}) {
    EXPECT_FALSE(Skinned(c)) << c->ClassName();
    EXPECT_EQ(AdapterClass(c), "") << c->ClassName();
  }
  EXPECT_FALSE(label->Transparent());
  EXPECT_EQ(label->Font()->Color(), clRed);

  manager->SetActive(true);
  Pump();
  ASSERT_NE(provider->Adapter, nullptr);
  EXPECT_EQ(provider->Adapter->Count(), 3);
  EXPECT_EQ(label->Font()->Color(), manager->GlobalTextColor());
}

// A skin without GLOBALINFO: plain labels stand transparent in the form
// section's text colour, and the check box shows its state in the system's
// glyph.
TEST_F(CtrlAdapterTest, WithoutGlobalInfoLabelsAndCheckBoxesStayReadable) {
  MakeControlForm();
  ASSERT_TRUE(brsm::test::WriteSkinWithout(brsm::kit::MakeMarlSkin("NoGlobal"), SkinDirectory(), {"GLOBALINFO"}));
  manager->SetSkinName("NoGlobal");
  ASSERT_TRUE(manager->Active());
  Pump();
  ASSERT_EQ(manager->LookupSection("GLOBALINFO"), -1);
  EXPECT_TRUE(label->Transparent());
  EXPECT_EQ(label->Font()->Color(), brsm::kit::KitColor(brsm::kit::MarlSectionIndex("FORM"), 2));

  ASSERT_EQ(AdapterClass(check), "TvxCheckBoxWnd");
  auto marks = [this] {
    const TColor ink = static_cast<TColor>(GetSysColor(COLOR_WINDOWTEXT));
    HDC dc = GetDC(check->Handle());
    int n = 0;
    for (int y = 7; y < 15; ++y)
      for (int x = 3; x < 10; ++x) n += static_cast<TColor>(GetPixel(dc, x, y)) == ink;
    ReleaseDC(check->Handle(), dc);
    return n;
  };
  EXPECT_EQ(marks(), 0);
  check->SetChecked(true);
  Pump();
  EXPECT_GT(marks(), 3);
  EXPECT_TRUE(brsm::test::SaveScreenshot("ctrl_adapter_without_globalinfo"));
}

TEST_F(CtrlAdapterTest, AComboEditListedGetsItsAdapterMadeOnTheControl) {
  MakeForm();
  manager->ThirdPartyStrings()[tpWWEdits]->Add("TComboLikeEdit");
  auto* combo = Place<TComboLikeEdit>(10);
  provider = new TsSkinProvider(form.get());
  ShowAndActivate();
  ASSERT_EQ(AdapterClass(combo), "TvxWWComboBoxWnd");
  auto* adapter = static_cast<TvxWWComboBoxWnd*>(AdapterOfWindow(combo->Handle()));
  EXPECT_EQ(adapter->HookedControl(), combo);  // hooked at the control's WindowProc
  EXPECT_TRUE(adapter->HasButton);
  EXPECT_TRUE(Skinned(combo));
}

TEST_F(CtrlAdapterTest, AClassWithoutAdapterKeepsThePlatformsLook) {
  const TEmptyAdapterEntry noGridAdapter(TvxAdapterKind::GridEhWnd);
  MakeForm();
  manager->ThirdPartyStrings()[tpGridEh]->Add("TGridLikeEdit");
  auto* grid = Place<TGridLikeEdit>(10);
  provider = new TsSkinProvider(form.get());
  ShowAndActivate();
  TvxCtrlAdapter* a = provider->Adapter.get();
  ASSERT_NE(a, nullptr);
  EXPECT_TRUE(a->IsControlSupported(grid));
  EXPECT_EQ(a->Count(), 0);  // its item was dropped at once
  EXPECT_FALSE(Skinned(grid));
  a->AddDefault(grid);
  EXPECT_EQ(a->Count(), 0);
}

}  // namespace
