// The generator's forms made in the test's own process, as the program makes
// them: what the generate button shows and in which order, where the links
// lead, and the order the Tab key walks the fields in.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "generator/project_info.h"
#include "generator/skin_engine_start.h"
#include "generator/unit1.h"
#include "generator/unit2.h"
#include "generator/unit3.h"
#include "generator/unit4.h"
#include "generator/weapon_script.h"
#include "platform/forms/dialogs.h"
#include "platform/forms/shell.h"
#include "platform/rtl/strings.h"
#include "skin/controls/bit_btn.h"
#include "skin/controls/combo_box_ex.h"
#include "skin/controls/label.h"
#include "skin/controls/memo.h"
#include "skin/controls/panel.h"
#include "tests/generator/modal_windows.h"

using brsm::test::Edits;
using brsm::test::Generate;
using brsm::test::MakeGeneratorForms;
using brsm::test::ModalLog;

namespace {

brsm::WeaponFields FieldsOfForm() {
  brsm::WeaponFields f;
  f.WeapName = Form1->WeapName->Text();
  f.FirstPModel = Form1->FirstPModel->Text();
  f.Edit1 = Form1->Edit1->Text();
  f.ThirdPModel = Form1->ThirdPModel->Text();
  f.PickupModel = Form1->PickupModel->Text();
  f.Edit4 = Form1->Edit4->Text();
  f.ShotAnim = Form1->ShotAnim->Text();
  f.Edit7 = Form1->Edit7->Text();
  f.Edit3 = Form1->Edit3->Text();
  f.Edit5 = Form1->Edit5->Text();
  f.Edit6 = Form1->Edit6->Text();
  f.combobox1 = Form1->combobox1->Text();
  f.DamageType = Form1->DamageType->Text();
  f.MainDamage = Form1->MainDamage->Text();
  f.MaxAmmo = Form1->MaxAmmo->Text();
  f.AmmoCount = Form1->AmmoCount->Text();
  f.Edit2 = Form1->Edit2->Text();
  return f;
}

void Click(TWinControl* parent, TControl* control) {
  const LPARAM at = MAKELPARAM(control->Left() + control->Width() / 2, control->Top() + control->Height() / 2);
  SendMessageW(parent->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(parent->Handle(), WM_LBUTTONUP, 0, at);
}

class GeneratorForms : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (Form1) return;
    MakeGeneratorForms();
  }
  void SetUp() override {
    for (TEdit* edit : Edits()) edit->SetText("");
    Form1->combobox1->SetText("");
    Form1->DamageType->SetText("");
  }
};

TEST_F(GeneratorForms, AllFieldsEmptyShowTwoMessagesInOrderAndNoResult) {
  Form2->scriptweapon->Lines()->Add("left from before");
  const ModalLog log = Generate();
  EXPECT_EQ(log.Messages, brsm::GenerateWeaponScript(FieldsOfForm()).Messages);
  EXPECT_EQ(log.Messages.size(), 2u);
  EXPECT_TRUE(log.ResultTexts.empty());
  EXPECT_EQ(Form2->scriptweapon->Text(), "");
}

TEST_F(GeneratorForms, AMissingIntervalIsReportedThenTheResultShows) {
  for (TEdit* edit : Edits()) edit->SetText("x");
  Form1->Edit4->SetText("");
  Form1->combobox1->SetText("typed");
  Form1->DamageType->SetText("EWFT_Projectile");
  const brsm::WeaponScript expected = brsm::GenerateWeaponScript(FieldsOfForm());
  const ModalLog log = Generate();
  ASSERT_EQ(log.Messages.size(), 1u);
  EXPECT_EQ(log.Messages, expected.Messages);
  ASSERT_EQ(log.ResultTexts.size(), 1u);
  TStringList shown;
  shown.SetText(log.ResultTexts[0]);
  EXPECT_EQ(shown.Count(), 42);
  std::string text;
  for (const std::string& line : expected.Lines) text += line + "\r\n";
  EXPECT_EQ(log.ResultTexts[0], text);
  // The result window keeps the text after it closed.
  EXPECT_EQ(Form2->scriptweapon->Text(), text);
}

TEST_F(GeneratorForms, TheLogoAndBothCreditLabelsOpenTheProjectPage) {
  std::vector<brsm::TShellRequest> requests;
  brsm::TShellRunner previous = brsm::SetShellRunner([&](const brsm::TShellRequest& r) -> intptr_t {
    requests.push_back(r);
    return 42;
  });
  Click(Form1, Form1->Image1);
  Form2->Show();
  Click(Form2->sPanel1, Form2->sLabel1);
  Form2->Hide();
  Form3->Show();
  Click(Form3, Form3->sLabel4);
  Form3->Hide();
  brsm::SetShellRunner(previous);

  const HWND parents[] = {Form1->Handle(), Form2->Handle(), Form3->Handle()};
  ASSERT_EQ(requests.size(), 3u);
  for (size_t i = 0; i < requests.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(requests[i].Parent, parents[i]);
    EXPECT_EQ(requests[i].Verb, "open");
    EXPECT_EQ(requests[i].File, brsm::kProjectPageUrl);
    EXPECT_EQ(requests[i].Parameters, "");
    EXPECT_EQ(requests[i].Directory, "");
    EXPECT_EQ(requests[i].ShowCommand, SW_SHOWNORMAL);
  }
}

TEST_F(GeneratorForms, TabWalksTheColumnsInTheStoredOrder) {
  std::vector<std::string> order;
  TWinControl* control = Form1->WeapName;
  do {
    order.push_back(control->Name());
    control = Form1->FindNextControl(control, true, true, false);
  } while (control && control != Form1->WeapName && order.size() < 40);
  // Edit9 is disabled until CheckBox1 is checked.
  const std::vector<std::string> expected = {
      "WeapName", "FirstPModel", "Edit1",     "ThirdPModel", "PickupModel", "ShotAnim",
      "Edit7",    "Edit3",       "Edit5",     "Edit6",       "MaxAmmo",     "AmmoCount",
      "Edit8",    "MainDamage",  "DamageType", "sBitBtn1",   "sButton2",    "sButton3",
      "sButton1", "combobox1",   "OnTop",     "Edit2",       "Edit4",       "CheckBox1"};
  EXPECT_EQ(order, expected);
}

}  // namespace
