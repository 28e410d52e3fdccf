// The generator's main form takes Marl from the creation hook alone, and
// keeps the platform's look without a usable Marl.
#include "generator/skin_engine_start.h"
#include "generator/unit1.h"
#include "skin/core/skin_manager.h"
#include "tests/support/hooked_main_form.h"

namespace {

using brsm::test::MarlKind;

class GeneratorHookedForm : public ::testing::TestWithParam<MarlKind> {
 protected:
  static void SetUpTestSuite() { brsm::StartSkinEngine(); }
};

TEST_P(GeneratorHookedForm, MainFormIsSkinnedOnActivationOnlyWithAUsableMarl) {
  brsm::test::ExpectHookSkinsMainForm<TForm1>(GetParam(), "hooked_generator_main_form",
                                                /*hasPlainControls=*/true);
}

INSTANTIATE_TEST_SUITE_P(Kinds, GeneratorHookedForm,
                         ::testing::Values(MarlKind::Folder, MarlKind::Damaged, MarlKind::None),
                         [](const auto& info) { return brsm::test::MarlKindName(info.param); });

}  // namespace
