// ShowModal: the result set from a timer ends the loop, the owner window is
// disabled meanwhile and enabled again afterwards.
#include <gtest/gtest.h>

#include "forms_test_support.h"
#include "platform/forms/timers.h"

namespace {

TEST(Modal, ResultSetFromATimerEndsTheLoopAndReenablesTheOwner) {
  auto owner = std::make_unique<TForm>(nullptr);
  owner->SetBounds(10, 10, 300, 200);
  owner->Show();
  auto dialog = std::make_unique<TForm>(nullptr);
  dialog->SetBounds(60, 60, 200, 120);
  bool ownerWasDisabled = false;
  bool dialogShowing = false;
  TTimer timer(nullptr);
  timer.SetInterval(50);
  timer.OnTimer = [&](TObject*) {
    ownerWasDisabled = !IsWindowEnabled(owner->Handle());
    dialogShowing = dialog->Showing() && IsWindowEnabled(dialog->Handle());
    timer.SetEnabled(false);
    dialog->SetModalResult(mrRetry);
  };
  EXPECT_EQ(dialog->ShowModal(), mrRetry);
  EXPECT_TRUE(ownerWasDisabled);
  EXPECT_TRUE(dialogShowing);
  EXPECT_TRUE(IsWindowEnabled(owner->Handle()));
  EXPECT_FALSE(dialog->Showing());
  EXPECT_FALSE(dialog->FormState().Contains(fsModal));
  EXPECT_EQ(dialog->ModalResult(), mrRetry);
}

TEST(Modal, CloseGivesCancelAndCloseQueryCanRefuse) {
  auto dialog = std::make_unique<TForm>(nullptr);
  dialog->SetBounds(60, 60, 200, 120);
  int queries = 0;
  dialog->OnCloseQuery = [&](TObject*, bool& canClose) { canClose = ++queries > 1; };
  TTimer timer(nullptr);
  timer.SetInterval(30);
  int ticks = 0;
  timer.OnTimer = [&](TObject*) {
    ++ticks;
    if (ticks <= 2) dialog->Close();
    else timer.SetEnabled(false);
  };
  // The first close is refused and the loop goes on; the second ends it.
  EXPECT_EQ(dialog->ShowModal(), mrCancel);
  EXPECT_EQ(queries, 2);
  EXPECT_GE(ticks, 2);
}

TEST(Modal, AVisibleFormCannotBecomeModal) {
  auto form = std::make_unique<TForm>(nullptr);
  form->Show();
  EXPECT_THROW(form->ShowModal(), EInvalidOperation);
  EXPECT_FALSE(form->FormState().Contains(fsModal));
}

}  // namespace
