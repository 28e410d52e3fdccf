// The launcher's real main form and the skin "Marl" in the Windows folder.
#include <gtest/gtest.h>

#include "generator/skin_engine_start.h"
#include "launcher/unit1.h"
#include "tests/support/windows_folder_skin.h"

namespace {

using brsm::test::MarlKind;

class LauncherSkin : public ::testing::TestWithParam<MarlKind> {
 protected:
  static void SetUpTestSuite() { brsm::StartSkinEngine(); }
  void TearDown() override { brsm::test::RemoveMarlFromWindowsFolder(); }
};

TEST_P(LauncherSkin, MainFormLoadsMarlFromTheWindowsFolderOrKeepsThePlatformsLook) {
  brsm::test::ExpectMainFormLoadsMarl<TForm1>(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Kinds, LauncherSkin,
                         ::testing::Values(MarlKind::Folder, MarlKind::Archive, MarlKind::Damaged,
                                           MarlKind::None),
                         [](const auto& info) { return brsm::test::MarlKindName(info.param); });

}  // namespace
