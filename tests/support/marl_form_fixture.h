// A program's main form made in process, shown with the kit-made Marl in
// the Windows folder so that its manager loads it; the pointer parked off
// the form first, so nothing starts hot.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "generator/skin_engine_start.h"
#include "tests/support/skinned_controls_check.h"
#include "tests/support/windows_folder_skin.h"

namespace brsm::test {

template <class Form>
class MarlFormTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { brsm::StartSkinEngine(); }
  void SetUp() override {
    ParkCursor();
    ASSERT_TRUE(PutMarlInWindowsFolder(MarlKind::Folder));
    form = std::make_unique<Form>(Application);
    form->AfterConstruction();
    form->Show();
    PumpFor(150);
    ASSERT_TRUE(form->sSkinManager1->Active());
  }
  void TearDown() override {
    form.reset();
    RemoveMarlFromWindowsFolder();
  }
  std::unique_ptr<Form> form;
};

}  // namespace brsm::test
