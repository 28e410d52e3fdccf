// The creation hook's choices: which activated windows get a provider and
// which adapter each child class of a foreign dialog gets.
#include "skin/windows/hook_decisions.h"

#include <gtest/gtest.h>

namespace {

THookWindowFacts Form(const std::string& cls, int tag = 0) {
  THookWindowFacts f;
  f.HasDefaultManager = true;
  f.StdForms = true;
  f.StdDialogs = true;
  f.IsForm = true;
  f.ClassName = cls;
  f.FormTag = tag;
  return f;
}

THookWindowFacts Foreign() {
  THookWindowFacts f = Form("#32770");
  f.IsForm = false;
  return f;
}

TEST(HookActivation, FormsFollowTheFormsRuleAndTheTag) {
  EXPECT_EQ(DecideHookActivation(Form("TMainForm")), THookActivation::FormProvider);
  EXPECT_EQ(DecideHookActivation(Form("TMainForm", NoAutoSkinTag)), THookActivation::Ignore);
  // The Tag rule is for ordinary forms only.
  EXPECT_EQ(DecideHookActivation(Form("TMessageForm", NoAutoSkinTag)),
            THookActivation::FormProvider);
  THookWindowFacts formsOnly = Form("TMessageForm");
  formsOnly.StdDialogs = false;
  EXPECT_EQ(DecideHookActivation(formsOnly), THookActivation::Ignore);
  formsOnly.ClassName = "TMainForm";
  EXPECT_EQ(DecideHookActivation(formsOnly), THookActivation::FormProvider);
  THookWindowFacts dialogsOnly = Form("TMainForm");
  dialogsOnly.StdForms = false;
  EXPECT_EQ(DecideHookActivation(dialogsOnly), THookActivation::Ignore);
}

TEST(HookActivation, EarlyRefusalsWinOverEverything) {
  for (const char* cls : {"TApplication", "TQRStandardPreview"}) {
    EXPECT_EQ(DecideHookActivation(Form(cls)), THookActivation::Ignore) << cls;
    THookWindowFacts f = Foreign();
    f.ClassName = cls;
    EXPECT_EQ(DecideHookActivation(f), THookActivation::Ignore) << cls;
  }
  THookWindowFacts skinned = Form("TMainForm");
  skinned.AnswersSkinned = true;
  THookWindowFacts noManager = Form("TMainForm");
  noManager.HasDefaultManager = false;
  THookWindowFacts served = Foreign();
  served.HasProvider = true;
  for (const THookWindowFacts& f : {skinned, noManager, served}) {
    EXPECT_EQ(DecideHookActivation(f), THookActivation::Ignore);
  }
}

TEST(HookActivation, ForeignWindowsNeedTheDialogsRuleAndAToolbarBesideAnother) {
  EXPECT_EQ(DecideHookActivation(Foreign()), THookActivation::DialogProvider);
  THookWindowFacts f = Foreign();
  f.StdDialogs = false;
  EXPECT_EQ(DecideHookActivation(f), THookActivation::Ignore);
  f = Foreign();
  f.VisibleDialogProviders = 1;
  EXPECT_EQ(DecideHookActivation(f), THookActivation::Ignore);
  f.HasToolbarDescendant = true;
  EXPECT_EQ(DecideHookActivation(f), THookActivation::DialogProvider);
}

struct ChildCase {
  const char* cls;
  uint32_t style;
  bool make;
  TvxAdapterKind kind;
  const char* section;
  bool dialogMode;
};

TEST(ChildAdapterTable, EachClassAndStyleGetsItsAdapter) {
  using K = TvxAdapterKind;
  const ChildCase cases[] = {
      {"static", 0x03, true, K::IconWnd, "CHECKBOX", false},     // SS_ICON
      {"static", 0x0E, true, K::IconWnd, "CHECKBOX", false},     // SS_BITMAP
      {"static", 0x0D, false, K::EditWnd, "", false},            // SS_OWNERDRAW
      {"static", 0x05, false, K::EditWnd, "", false},            // frames and rectangles
      {"static", 0x06, false, K::EditWnd, "", false},
      {"static", 0x0B, true, K::IconWnd, "CHECKBOX", false},     // low bits 3 come first
      {"static", 0x25, false, K::EditWnd, "", false},            // type 5 with a higher bit
      {"static", 0x00, true, K::StaticWnd, "CHECKBOX", false},
      {"static", 0x01, true, K::StaticWnd, "CHECKBOX", false},
      {"#32770", 0, true, K::TransPanelWnd, "CHECKBOX", false},
      {"button", 0x07, true, K::GroupBoxWnd, "GROUPBOX", false},
      {"button", 0x02, true, K::CheckBoxWnd, "CHECKBOX", false},
      {"button", 0x03, true, K::CheckBoxWnd, "CHECKBOX", false},
      {"button", 0x04, true, K::CheckBoxWnd, "CHECKBOX", false},  // radio
      {"button", 0x05, true, K::CheckBoxWnd, "CHECKBOX", false},
      {"button", 0x09, true, K::CheckBoxWnd, "CHECKBOX", false},
      {"button", 0x00, true, K::BtnWnd, "BUTTON", false},
      {"button", 0x01, true, K::BtnWnd, "BUTTON", false},         // default push
      {"combobox", 0, true, K::ComboBoxWnd, "COMBOBOX", true},
      {"combolbox", 0, true, K::EditWnd, "COMBOBOX", false},
      {"comboboxex32", 0, true, K::ComboBoxWnd, "COMBOBOX", false},
      {"scrollbar", 0, true, K::SizerWnd, "CHECKBOX", false},
      {"syslistview32", 0, true, K::ListViewWnd, "EDIT", true},
      {"listbox", 0, true, K::EditWnd, "EDIT", true},
      {"syslink", 0, true, K::LinkWnd, "CHECKBOX", false},
      {"link window", 0, true, K::LinkWnd, "CHECKBOX", false},
      {"toolbarwindow32", 0x200, true, K::ToolBarWnd, "BAR", false},
      {"toolbarwindow32", 0, true, K::ToolBarWnd, "CHECKBOX", false},
      {"edit", 0, true, K::EditWnd, "EDIT", true},
      {"systreeview32", 0, true, K::TreeViewWnd, "EDIT", true},
      {"xshbrowseforfolderx", 0, true, K::TransPanelWnd, "CHECKBOX", false},
      {"Edit", 0, false, K::EditWnd, "", false},  // callers lower-case first
      {"richedit20w", 0, false, K::EditWnd, "", false},
  };
  for (const ChildCase& c : cases) {
    const TvxChildAdapterChoice got = ChooseChildAdapter(c.cls, c.style, 10, 10);
    SCOPED_TRACE(std::string(c.cls) + " style " + std::to_string(c.style));
    EXPECT_EQ(got.Make, c.make);
    EXPECT_FALSE(got.LeaveDialog);
    if (!c.make) continue;
    EXPECT_EQ(got.Kind, c.kind);
    EXPECT_EQ(got.Section, c.section);
    EXPECT_EQ(got.DialogMode, c.dialogMode);
  }
}

TEST(ChildAdapterTable, PanelsAreListedSpinsTakeTheirSectionAndTheBigTabLeavesTheDialog) {
  for (const char* cls : {"tpanel", "tsilentpaintpanel"}) {
    const TvxChildAdapterChoice p = ChooseChildAdapter(cls, 0, 10, 10);
    EXPECT_TRUE(p.Make && p.ListedOnly);
    EXPECT_EQ(p.Kind, TvxAdapterKind::DlgPanelWnd);
    EXPECT_EQ(p.Section, "PANEL");
  }
  const TvxChildAdapterChoice spin = ChooseChildAdapter("msctls_updown32", 0, 10, 10);
  EXPECT_EQ(spin.Kind, TvxAdapterKind::SpinWnd);
  EXPECT_EQ(spin.Section, "SPEEDBUTTON_SMALL");
  EXPECT_TRUE(ChooseChildAdapter("systabcontrol32", 0, 470, 349).LeaveDialog);
  for (auto [w, h] : {std::pair{470, 350}, std::pair{471, 349}, std::pair{10, 10}}) {
    const TvxChildAdapterChoice tab = ChooseChildAdapter("systabcontrol32", 0, w, h);
    EXPECT_FALSE(tab.LeaveDialog || tab.Make) << w << "x" << h;
  }
}

}  // namespace
