// The adapter root on real windows: a foreign window subclassed through
// "VXSBSC" and a class-library control hooked at its WindowProc, the theme
// switched off and back, the hook out before the window sees its
// destruction, and hooks of ours and of others taken out in either order.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/forms/forms.h"
#include "platform/forms/stdctrls.h"
#include "skin/core/control_utils_win.h"
#include "skin/core/manager_platform.h"
#include "skin/core/skin_manager.h"
#include "skin/windows/adapter_chain_win.h"
#include "skin/windows/adapter_factory_win.h"
#include "skin/windows/child_hook_win.h"
#include "skin/windows/main_wnd_win.h"
#include "tests/skin/core/skin_panel_wintest_support.h"

using namespace brsm::test;

namespace {

// What the foreign window's own procedure saw.
struct Seen {
  UINT msg;
  bool propertySet;  // "VXSBSC" still on the window at that moment
  bool oursInPlace;  // our procedure still the window's procedure
};
std::vector<Seen> seen;

LRESULT CALLBACK ForeignProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  const auto current = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(w, GWLP_WNDPROC));
  seen.push_back({msg, GetPropA(w, AdapterPropertyName) != nullptr,
                  adapter_chain::IsOurProcedure(current)});
  if (msg == CommandMessage) return 0x55;
  return DefWindowProcW(w, msg, wp, lp);
}

// A subclass of someone else, put on after ours.
WNDPROC otherPrevious = nullptr;
int otherCalls = 0;
LRESULT CALLBACK OtherProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  ++otherCalls;
  return CallWindowProcW(otherPrevious, w, msg, wp, lp);
}

struct ThemeCall {
  HWND window;
  bool off;  // L" ", L" " rather than nullptr, nullptr
};
std::vector<ThemeCall> themeCalls;
HRESULT WINAPI RecordTheme(HWND w, LPCWSTR app, LPCWSTR) {
  themeCalls.push_back({w, app != nullptr});
  return S_OK;
}

bool SawMessage(UINT msg) {
  for (const Seen& s : seen)
    if (s.msg == msg) return true;
  return false;
}

class AdapterRootWinTest : public ::testing::Test {
 protected:
  void SetUp() override {
    UseWindowsSkinManager();
    ASSERT_TRUE(PlateSkin("Plate", kPanel).WriteFolder(folder.Path()));
    form = std::make_unique<TForm>(Application);
    form->SetBounds(40, 40, 300, 200);
    manager = new TsSkinManager(form.get());
    manager->SetSkinDirectory(folder.Path());
    manager->SetSkinName("Plate");
    ASSERT_TRUE(manager->SkinData.Loaded);
    savedTheme = SetWindowThemeProc;
    SetWindowThemeProc = &RecordTheme;
    themeCalls.clear();
    seen.clear();

    WNDCLASSW wc{};
    wc.lpfnWndProc = &ForeignProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"BrsmForeignTestWindow";
    RegisterClassW(&wc);
    foreign = CreateWindowExW(0, wc.lpszClassName, L"Foreign", WS_OVERLAPPEDWINDOW, 10, 10, 200, 120,
                              nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(foreign, nullptr);
  }
  void TearDown() override {
    if (IsWindow(foreign)) DestroyWindow(foreign);
    SetWindowThemeProc = savedTheme;
    form.reset();
    Pump(10);
  }
  TvxMainWnd* Make(HWND window, const std::string& section = "EDIT", TsCommonData* record = nullptr) {
    TvxAdapterArgs args;
    args.Handle = window;
    args.Section = section;
    args.Manager = manager;
    args.SkinData = record;
    return TvxMainWnd::Create<TvxMainWnd>(args);
  }
  WNDPROC ProcOf(HWND w) { return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(w, GWLP_WNDPROC)); }

  TempFolder folder;
  std::unique_ptr<TForm> form;
  TsSkinManager* manager = nullptr;
  TSetWindowTheme savedTheme = nullptr;
  HWND foreign = nullptr;
};

}  // namespace

TEST_F(AdapterRootWinTest, ForeignWindowIsSubclassedFoundByPropertyAndGivenBack) {
  TvxMainWnd* adapter = Make(foreign);
  EXPECT_EQ(AdapterOfWindow(foreign), adapter);
  EXPECT_TRUE(adapter_chain::IsOurProcedure(ProcOf(foreign)));
  EXPECT_EQ(adapter->PrevWndProc, &ForeignProc);
  ASSERT_EQ(themeCalls.size(), 1u);
  EXPECT_TRUE(themeCalls[0].off);
  EXPECT_EQ(adapter->Caption, "Foreign");

  // Ours answers the skinned query; another manager's reapply passes to
  // the window untouched, and plain messages reach it too.
  EXPECT_EQ(SendCmdToWindow(foreign, SkinCmdQuerySkinned, 0), 1);
  seen.clear();
  TsSkinManager other(nullptr);
  EXPECT_EQ(SendCmdToWindow(foreign, SkinCmdSkinReapplied, reinterpret_cast<LPARAM>(&other)), 0x55);
  EXPECT_TRUE(SawMessage(CommandMessage));
  seen.clear();
  EXPECT_EQ(SendCmdToWindow(foreign, SkinCmdSkinReapplied, reinterpret_cast<LPARAM>(manager)), 0);
  EXPECT_FALSE(SawMessage(CommandMessage));

  adapter->Free();
  EXPECT_EQ(ProcOf(foreign), &ForeignProc);
  EXPECT_EQ(GetPropA(foreign, AdapterPropertyName), nullptr);
  ASSERT_EQ(themeCalls.size(), 2u);
  EXPECT_FALSE(themeCalls[1].off);
}

TEST_F(AdapterRootWinTest, DialogSectionKeepsTheTheme) {
  TvxMainWnd* adapter = Make(foreign, "DIALOG");
  EXPECT_TRUE(themeCalls.empty());
  adapter->Free();
}

TEST_F(AdapterRootWinTest, DestroyUnhooksBeforeTheWindowSeesItThenTheAdapterCanGo) {
  TvxMainWnd* adapter = Make(foreign);
  seen.clear();
  DestroyWindow(foreign);
  ASSERT_TRUE(SawMessage(WM_DESTROY));
  for (const Seen& s : seen) {
    if (s.msg != WM_DESTROY && s.msg != WM_NCDESTROY) continue;
    EXPECT_FALSE(s.propertySet);
    EXPECT_FALSE(s.oursInPlace);
  }
  EXPECT_TRUE(adapter->Destroyed);
  EXPECT_FALSE(adapter->Hooked());
  adapter->Free();
  EXPECT_EQ(adapter_chain::SubclassedWindowCount(), 0);
}

TEST_F(AdapterRootWinTest, TwoForeignAdaptersComeOutInEitherOrder) {
  for (const bool bottomFirst : {true, false}) {
    TvxMainWnd* bottom = Make(foreign);
    TvxMainWnd* top = Make(foreign);
    EXPECT_EQ(AdapterOfWindow(foreign), top);
    (bottomFirst ? bottom : top)->Free();
    TvxMainWnd* left = bottomFirst ? top : bottom;
    EXPECT_EQ(AdapterOfWindow(foreign), left);
    EXPECT_EQ(SendCmdToWindow(foreign, SkinCmdQuerySkinned, 0), 1);
    seen.clear();
    SendMessageW(foreign, WM_USER + 7, 0, 0);
    EXPECT_TRUE(SawMessage(WM_USER + 7));
    left->Free();
    EXPECT_EQ(ProcOf(foreign), &ForeignProc);
    EXPECT_EQ(AdapterOfWindow(foreign), nullptr);
  }
}

TEST_F(AdapterRootWinTest, SubclassAboveOursKeepsWorkingWhenOursLeavesFirst) {
  TvxMainWnd* adapter = Make(foreign);
  otherPrevious = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(foreign, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&OtherProc)));
  adapter->Free();
  // Ours stays in the chain as a pass-through: the other subclass still
  // reaches the window's own procedure.
  EXPECT_EQ(ProcOf(foreign), &OtherProc);
  otherCalls = 0;
  seen.clear();
  SendMessageW(foreign, WM_USER + 9, 0, 0);
  EXPECT_EQ(otherCalls, 1);
  EXPECT_TRUE(SawMessage(WM_USER + 9));
  // A new adapter goes in again without a second subclass of ours.
  TvxMainWnd* again = Make(foreign);
  EXPECT_EQ(ProcOf(foreign), &OtherProc);
  EXPECT_EQ(SendCmdToWindow(foreign, SkinCmdQuerySkinned, 0), 1);
  again->Free();
  SetWindowLongPtrW(foreign, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(otherPrevious));
  DestroyWindow(foreign);
  EXPECT_EQ(adapter_chain::SubclassedWindowCount(), 0);
}

TEST_F(AdapterRootWinTest, ControlHooksAtItsWindowProcAndHooksComeOutInEitherOrder) {
  auto* edit = new TEdit(form.get());
  edit->SetParent(form.get());
  edit->SetBounds(10, 10, 120, 24);
  form->Show();
  Pump();
  HWND window = edit->Handle();
  const WNDPROC windowProcedure = ProcOf(window);
  TsCommonData recordA(edit, true);
  TsCommonData recordB(edit, true);
  for (const bool firstOutFirst : {true, false}) {
    TvxMainWnd* first = Make(window, "EDIT", &recordA);
    TvxMainWnd* second = Make(window, "EDIT", &recordB);
    EXPECT_EQ(first->HookedControl(), edit);
    EXPECT_EQ(ProcOf(window), windowProcedure);  // no subclass: the WindowProc chain
    EXPECT_EQ(AdapterOfWindow(window), second);
    EXPECT_EQ(edit->Perform(CommandMessage, SkinCmdWParam(SkinCmdQuerySkinned), 0), 1);
    (firstOutFirst ? first : second)->Free();
    TvxMainWnd* left = firstOutFirst ? second : first;
    EXPECT_EQ(AdapterOfWindow(window), left);
    EXPECT_EQ(edit->Perform(CommandMessage, SkinCmdWParam(SkinCmdQuerySkinned), 0), 1);
    edit->SetText("still typed");
    EXPECT_EQ(edit->Text(), "still typed");
    left->Free();
    EXPECT_EQ(AdapterOfWindow(window), nullptr);
    EXPECT_EQ(edit->Perform(CommandMessage, SkinCmdWParam(SkinCmdQuerySkinned), 0), 0);
  }
}

TEST_F(AdapterRootWinTest, ClearingItemsStillTakesTheHookOutOfALiveWindow) {
  TvxMainWnd* adapter = Make(foreign);
  themeCalls.clear();
  ClearingAdapterItems = true;
  adapter->Free();
  ClearingAdapterItems = false;
  EXPECT_EQ(ProcOf(foreign), &ForeignProc);
  EXPECT_EQ(GetPropA(foreign, AdapterPropertyName), nullptr);
  EXPECT_TRUE(themeCalls.empty());  // the window itself is left alone
}

namespace {
// Frees itself while handling a message, then still passes it on.
int selfFreeingAlive = 0;
struct TSelfFreeing : TvxMainWnd {
  explicit TSelfFreeing(const TvxAdapterArgs& args) : TvxMainWnd(args) { ++selfFreeingAlive; }
  ~TSelfFreeing() override { --selfFreeingAlive; }
  TSelfFreeing* Self = this;
  void WndProc(TMessage& m) override {
    if (m.Msg == WM_USER + 3) {
      UninstallWnd(WindowHandle, true, false, Self);
      CallOldProc(m);
      return;
    }
    TvxMainWnd::WndProc(m);
  }
};
}  // namespace

TEST_F(AdapterRootWinTest, AdapterFreedInsideItsOwnHandlerGoesAfterItReturns) {
  TvxAdapterArgs args;
  args.Handle = foreign;
  args.Manager = manager;
  TSelfFreeing* adapter = TvxMainWnd::Create<TSelfFreeing>(args);
  ASSERT_EQ(selfFreeingAlive, 1);
  seen.clear();
  SendMessageW(foreign, WM_USER + 3, 0, 0);
  EXPECT_TRUE(SawMessage(WM_USER + 3));  // passed on after the unhook
  EXPECT_EQ(adapter->Self, nullptr);
  EXPECT_EQ(selfFreeingAlive, 1);        // still there: it was on the stack
  EXPECT_EQ(ProcOf(foreign), &ForeignProc);
  Pump();
  EXPECT_EQ(selfFreeingAlive, 0);
}

TEST_F(AdapterRootWinTest, FactoryTableHasAnEntryPerKindAndEmptyOnesMakeNothing) {
  EXPECT_EQ(AdapterKindClassName(TvxAdapterKind::EditWnd), "TvxEditWnd");
  EXPECT_EQ(AdapterKindClassName(TvxAdapterKind::MDIWnd), "TvxMDIWnd");
  TvxAdapterKind kind{};
  ASSERT_TRUE(AdapterKindOfThirdPartyList(12, kind));
  EXPECT_EQ(AdapterKindClassName(kind), "TvxVirtualTreeViewWnd");
  EXPECT_FALSE(AdapterKindOfThirdPartyList(13, kind));
  TvxAdapterArgs args;
  args.Handle = foreign;
  for (int i = 0; i < AdapterKindCount; ++i) {
    const auto k = static_cast<TvxAdapterKind>(i);
    TvxMainWnd* made = CreateAdapter(k, args);
    EXPECT_EQ(made != nullptr, AdapterConstructor(k) != nullptr) << AdapterKindClassName(k);
    if (made) made->Free();
  }
  {
    const TEmptyAdapterEntry none(TvxAdapterKind::EditWnd);
    EXPECT_EQ(AdapterConstructor(TvxAdapterKind::EditWnd), nullptr);
    EXPECT_EQ(CreateAdapter(TvxAdapterKind::EditWnd, args), nullptr);
  }
  EXPECT_NE(AdapterConstructor(TvxAdapterKind::EditWnd), nullptr);  // given back
  EXPECT_EQ(ProcOf(foreign), &ForeignProc);
}

// A child hook whose handler unhooks (its owner going with the window)
// still passes that message on, and the window gets its procedure back.
TEST_F(AdapterRootWinTest, ChildHookUnhookedByItsHandlerStillPassesTheMessageOn) {
  TvxChildHook* hook = nullptr;
  TvxChildHook child("VXTESTCH", nullptr, [&](TMessage& m) {
    if (m.Msg == CommandMessage) hook->Uninstall();
    hook->CallPrevious(m);
  });
  hook = &child;
  ASSERT_TRUE(child.Install(foreign));
  EXPECT_EQ(GetPropA(foreign, "VXTESTCH"), &child);
  seen.clear();
  EXPECT_EQ(SendMessageW(foreign, CommandMessage, 0, 0), 0x55);
  EXPECT_TRUE(SawMessage(CommandMessage));
  EXPECT_FALSE(child.Installed());
  EXPECT_EQ(ProcOf(foreign), &ForeignProc);
  EXPECT_EQ(GetPropA(foreign, "VXTESTCH"), nullptr);
}
