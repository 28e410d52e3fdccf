// The program's run: forms made in order, the first the main form; closing
// another form hides it, closing the main form ends the message loop.
#include <gtest/gtest.h>

#include "forms_test_support.h"
#include "platform/forms/timers.h"

namespace {

class TMainForm : public TForm {
 public:
  explicit TMainForm(TComponent* owner) : TForm(owner) { SetBounds(30, 30, 300, 200); }
};

class TOtherForm : public TForm {
 public:
  explicit TOtherForm(TComponent* owner) : TForm(owner) { SetBounds(80, 80, 200, 120); }
};

TEST(MainForm, ClosingTheMainFormEndsRunWhileOtherFormsOnlyHide) {
  Application->Initialize();
  Application->SetTitle("Brassmith Menu");
  TMainForm* main = nullptr;
  TOtherForm* other = nullptr;
  Application->CreateForm(main);
  Application->CreateForm(other);
  ASSERT_EQ(Application->MainForm(), main);
  EXPECT_TRUE(main->HandleAllocated());  // the main form's window is made at once
  EXPECT_FALSE(other->HandleAllocated());

  bool otherHidden = false, otherStillThere = false, mainShown = false;
  TTimer timer(nullptr);
  timer.SetInterval(30);
  int step = 0;
  timer.OnTimer = [&](TObject*) {
    switch (step++) {
      case 0:
        mainShown = main->Showing();
        other->Show();
        break;
      case 1:
        other->Close();
        otherHidden = !other->Showing() && !IsWindowVisible(other->Handle());
        otherStillThere = Screen->CustomFormCount() >= 2;
        break;
      case 2:
        timer.SetEnabled(false);
        main->Close();
        break;
    }
  };
  Application->Run();
  EXPECT_TRUE(Application->Terminated());
  EXPECT_TRUE(mainShown);
  EXPECT_TRUE(otherHidden);
  EXPECT_TRUE(otherStillThere);
  EXPECT_EQ(step, 3);
  // The forms belong to the application and go with it at the end.
  EXPECT_EQ(other->Owner(), Application);
}

}  // namespace
