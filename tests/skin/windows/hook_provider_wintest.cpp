// Forms of the application skinned by the creation hook alone: one
// automatic provider per form on its first activation, none where the
// manager's rules or the form's Tag say no.
#include <algorithm>

#include "platform/forms/dialogs.h"
#include "skin/core/skin_hook_win.h"
#include "skin/windows/adapter_factory_win.h"
#include "skin/windows/hook_decisions.h"
#include "skin/windows/hook_provider_win.h"
#include "tests/skin/windows/provider_test_support.h"

namespace {

using providertest::ProviderWinTest;

template <class T>
int CountOwned(TComponent* owner) {
  int n = 0;
  for (int i = 0; i < owner->ComponentCount(); ++i) n += dynamic_cast<T*>(owner->Components(i)) != nullptr;
  return n;
}

bool Listed(TComponent* provider) {
  return ProviderList &&
         std::find(ProviderList->begin(), ProviderList->end(), provider) != ProviderList->end();
}

void Activate(TCustomForm* f) {
  f->Show();
  SetForegroundWindow(f->Handle());
  SetActiveWindow(f->Handle());
  for (int i = 0; i < 5; ++i) Application->ProcessMessages();
}

TvxProvider* AutoProviderOf(TComponent* owner) {
  for (int i = 0; i < owner->ComponentCount(); ++i) {
    if (auto* p = dynamic_cast<TvxProvider*>(owner->Components(i))) return p;
  }
  return nullptr;
}

HWND boxSeen = nullptr;

void CALLBACK CloseBoxed(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  boxSeen = FindWindowW(L"#32770", L"Boxed");
  if (boxSeen) PostMessageW(boxSeen, WM_COMMAND, IDOK, 0);
}

class HookProviderTest : public ProviderWinTest {
 protected:
  // A form the hook may skin.
  TCustomForm* MakeForm() {
    TCustomForm* f = ProviderWinTest::MakeForm();
    f->SetTag(0);
    return f;
  }
};

TEST_F(HookProviderTest, AFormGetsOneProviderOnItsFirstActivationOnly) {
  MakeForm();
  ASSERT_NE(CbtHookHandle, nullptr);
  ASSERT_EQ(CountOwned<TsSkinProvider>(form.get()), 0);
  ShowAndActivate();
  TvxProvider* automatic = AutoProviderOf(form.get());
  ASSERT_NE(automatic, nullptr);
  EXPECT_TRUE(Listed(automatic));
  ASSERT_EQ(CountOwned<TsSkinProvider>(form.get()), 1);
  EXPECT_EQ(automatic->SkinProvider, FindSkinProvider(form.get()));
  EXPECT_FALSE(automatic->SkinProvider->MakeSkinMenu());
  EXPECT_EQ(Style() & WS_SYSMENU, 0);
  EXPECT_TRUE(HasRegion());
  EXPECT_EQ(form->Color(), manager->GlobalBackColor());

  // Away and back: still the one provider.
  auto other = std::make_unique<TForm>(Application);
  other->SetTag(NoAutoSkinTag);
  Activate(other.get());
  Activate(form.get());
  EXPECT_EQ(CountOwned<TvxProvider>(form.get()), 1);
  EXPECT_EQ(CountOwned<TsSkinProvider>(form.get()), 1);
  EXPECT_EQ(CountOwned<TvxProvider>(other.get()), 0);
  other.reset();

  // The provider leaves the list when its form goes.
  form.reset();
  EXPECT_FALSE(Listed(automatic));
}

TEST_F(HookProviderTest, TheTagKeepsOrdinaryFormsButNotTheMessageDialogPlain) {
  MakeForm();
  form->SetTag(NoAutoSkinTag);
  ShowAndActivate();
  EXPECT_EQ(CountOwned<TsSkinProvider>(form.get()), 0);
  EXPECT_NE(Style() & WS_SYSMENU, 0);
  EXPECT_FALSE(HasRegion());

  std::unique_ptr<TMessageForm> box(CreateMessageDialog("Plain?", mtInformation, {mbOK}));
  box->SetTag(NoAutoSkinTag);
  Activate(box.get());
  EXPECT_EQ(CountOwned<TvxProvider>(box.get()), 1);
  TsSkinProvider* p = FindSkinProvider(box.get());
  ASSERT_NE(p, nullptr);
  EXPECT_FALSE(p->MakeSkinMenu());
  EXPECT_EQ(GetWindowLongW(box->Handle(), GWL_STYLE) & WS_SYSMENU, 0);
  box.reset();
}

TEST_F(HookProviderTest, FormsOnlyRulesLeaveMessageDialogsAndBoxesAlone) {
  MakeForm();
  manager->SetSkinningRules(TvxSkinningRules{srStdForms});
  ShowAndActivate();
  EXPECT_EQ(CountOwned<TsSkinProvider>(form.get()), 1);
  std::unique_ptr<TMessageForm> box(CreateMessageDialog("Plain", mtWarning, {mbOK}));
  Activate(box.get());
  EXPECT_EQ(CountOwned<TvxProvider>(box.get()), 0);
  EXPECT_NE(GetWindowLongW(box->Handle(), GWL_STYLE) & WS_SYSMENU, 0);
  box.reset();

  // A system message box closed by a timer while it shows.
  const size_t before = ProviderList->size();
  boxSeen = nullptr;
  ASSERT_NE(SetTimer(nullptr, 0, 200, CloseBoxed), 0u);
  MessageBoxW(form->Handle(), L"Left alone", L"Boxed", MB_OK);
  EXPECT_NE(boxSeen, nullptr);
  EXPECT_EQ(ProviderList->size(), before);
}

TEST_F(HookProviderTest, WithoutAFrameAdapterForeignWindowsGetNoProvider) {
  const TEmptyAdapterEntry noFrameAdapter(TvxAdapterKind::DialogWnd);
  MakeForm();
  ShowAndActivate();
  const size_t before = ProviderList->size();
  HWND box = CreateWindowExW(0, L"#32770", L"Foreign", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE,
                             50, 50, 200, 120, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(box, nullptr);
  EXPECT_FALSE(ActivateHookedWindow(box));
  EXPECT_EQ(ProviderList->size(), before);
  EXPECT_NE(GetWindowLongW(box, GWL_STYLE) & WS_SYSMENU, 0);
  DestroyWindow(box);
}

}  // namespace
