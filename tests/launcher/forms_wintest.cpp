// The launcher's forms made in the test's own process: both logos and the
// about box's address open the same page, and "О программе" shows the about
// box modally.
#include <gtest/gtest.h>

#include <vector>

#include "generator/project_info.h"
#include "generator/skin_engine_start.h"
#include "launcher/unit1.h"
#include "launcher/unit2.h"
#include "platform/forms/shell.h"
#include "skin/controls/label.h"
#include "skin/launcher-controls/speed_button.h"
#include "support/screenshot.h"

namespace {

void Click(TWinControl* parent, TControl* control) {
  const LPARAM at = MAKELPARAM(control->Left() + control->Width() / 2, control->Top() + control->Height() / 2);
  SendMessageW(parent->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(parent->Handle(), WM_LBUTTONUP, 0, at);
}

void Settle() {
  const DWORD end = GetTickCount() + 300;
  while (GetTickCount() < end) {
    Application->ProcessMessages();
    Sleep(5);
  }
}

bool aboutWasModal = false;
void CALLBACK CloseAbout(HWND, UINT, UINT_PTR, DWORD) {
  brsm::GuardedCall(nullptr, [] {
    if (!Form2->Showing() || Form2->ModalResult() != mrNone) return;
    aboutWasModal = Form2->FormState().Contains(fsModal);
    Form2->Close();
  });
}

class LauncherForms : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (Form1) return;
    brsm::StartSkinEngine();
    Application->SetTitle("Brassmith Menu");
    Application->CreateForm(Form1);
    Application->CreateForm(Form2);
    Form1->Show();
  }
};

TEST_F(LauncherForms, BothLogosAndTheAboutAddressOpenTheSamePage) {
  std::vector<brsm::TShellRequest> requests;
  brsm::TShellRunner previous = brsm::SetShellRunner([&](const brsm::TShellRequest& r) -> intptr_t {
    requests.push_back(r);
    return 42;
  });
  Click(Form1, Form1->Image2);
  Click(Form1, Form1->Image1);
  Form2->Show();
  Click(Form2, Form2->Image1);  // the about box's picture opens nothing
  Click(Form2, Form2->sLabel4);
  Form2->Hide();
  brsm::SetShellRunner(previous);

  const HWND parents[] = {Form1->Handle(), Form1->Handle(), Form2->Handle()};
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

TEST_F(LauncherForms, AboutButtonAlongTheBottomShowsTheAboutBoxModally) {
  TsSpeedButton* about = Form1->sSpeedButton1;
  EXPECT_EQ(about->Top() + about->Height(), Form1->ClientHeight());
  EXPECT_EQ(about->Width(), Form1->ClientWidth());
  Settle();
  brsm::test::SaveScreenshot("menu-main");

  aboutWasModal = false;
  const UINT_PTR timer = SetTimer(nullptr, 0, 30, CloseAbout);
  Click(Form1, about);
  KillTimer(nullptr, timer);
  EXPECT_TRUE(aboutWasModal);
  EXPECT_FALSE(Form2->Showing());

  Form2->Show();
  Settle();
  brsm::test::SaveScreenshot("menu-about");
  Form2->Hide();
}

}  // namespace
