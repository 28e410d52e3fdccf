// The skin manager on real forms under Wine: loading at start-up from the
// Windows folder as the programs do, the creation hook, the command message
// reaching exactly the forms and controls it should, and the application
// window's theme message.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <memory>

#include "platform/forms/forms.h"
#include "platform/rtl/text1251.h"
#include "skin/core/manager_platform.h"
#include "skin/core/skin_hook_win.h"
#include "skin/core/skin_manager.h"
#include "skin/core/skinned_forms.h"
#include "tests/skin/core/skin_files_test_support.h"
#include "tests/support/screenshot.h"
#include "tools/skinkit/kit_archive.h"
#include "tools/skinkit/marl_skin.h"

namespace fs = std::filesystem;

namespace {

using Commands = std::vector<int>;
const Commands kNewSkin{SkinCmdNewSkin, SkinCmdHaltAnimation, SkinCmdSkinReapplied};

// A control or form that writes down the sub-commands it gets (not the
// is-skinned queries of the walk, which it answers when it plays a
// control of the skin library).
template <class Base>
class TProbe : public Base {
 public:
  explicit TProbe(TComponent* owner, TWinControl* parent = nullptr) : Base(owner) {
    Base::SetBounds(4, 4, 60, 40);
    if (parent) Base::SetParent(parent);
  }
  void WndProc(TMessage& m) override {
    if (m.Msg == CommandMessage && SkinCmdOf(m.WParam) == SkinCmdQuerySkinned) {
      if (AnswersSkinned) {
        m.LParam = m.Result = 1;
        return;
      }
    } else if (m.Msg == CommandMessage) {
      Got.push_back(SkinCmdOf(m.WParam));
    }
    Base::WndProc(m);
  }
  Commands Got;
  bool AnswersSkinned = false;
};
using TProbeForm = TProbe<TForm>;
using TProbePanel = TProbe<TCustomControl>;
using TProbeGraphic = TProbe<TGraphicControl>;

// The MDI client is the system's window: subclassed to see the command.
Commands mdiClientGot;
WNDPROC mdiClientProc = nullptr;
LRESULT CALLBACK MdiClientSpy(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == CommandMessage) mdiClientGot.push_back(SkinCmdOf(wParam));
  return CallWindowProcW(mdiClientProc, wnd, msg, wParam, lParam);
}

fs::path WindowsFolder() {
  wchar_t dir[MAX_PATH] = {};
  GetWindowsDirectoryW(dir, MAX_PATH);
  return dir;
}

// What the programs' main forms do: the manager sits on the form and its
// SkinDirectory is stored before its SkinName.
class TSkinnedMainForm : public TForm {
 public:
  TSkinnedMainForm(TComponent* owner, const std::string& directory) : TForm(owner) {
    brsm::LayoutReader layout(this);
    SetBounds(60, 60, 320, 200);
    SetCaption("Marl");
    Manager = layout.Read(new TsSkinManager(this));
    Manager->SetSkinDirectory(directory);
    Manager->SetSkinName("Marl");
    Manager->SetSkinInfo("7.1");
    Manager->MenuSupport()->SetIcoLineSkin("ICOLINE");
    layout.Finish();
  }
  TsSkinManager* Manager;
};

class ManagerWinTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    UseWindowsSkinManager();
    wchar_t tmp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, tmp);
    skins_ = fs::path(tmp) / ("brsm-manager-" + std::to_string(GetCurrentProcessId()));
    ASSERT_TRUE(brsm::kit::MakeMarlSkin().WriteFolder(SkinDirectory()));
  }
  static void TearDownTestSuite() { fs::remove_all(skins_); }
  static std::string SkinDirectory() { return brsm::FromUtf16(skins_.wstring()); }
  void TearDown() override {
    while (!SkinnedFormList().empty()) UnregisterSkinnedForm(SkinnedFormList().front());
    EXPECT_EQ(DefaultManager, nullptr);
    EXPECT_EQ(CbtHookHandle, nullptr);
  }
  // A manager on a form of the application, for the Marl made above.
  TsSkinManager* ManagerOn(TForm* form) {
    auto* m = new TsSkinManager(form);
    m->SetSkinDirectory(SkinDirectory());
    return m;
  }

  skintest::RecordingPlatform boxes;  // the damaged archive's warning
  static inline fs::path skins_;
};

// -- Start-up from the Windows folder -------------------------------------------------

enum class Marl { Folder, Archive, Damaged, None };

class MarlInWindowsFolder : public ManagerWinTest,
                            public ::testing::WithParamInterface<std::tuple<Marl, const char*>> {
 protected:
  void SetUp() override { RemoveMarl(); }
  void TearDown() override {
    RemoveMarl();
    ManagerWinTest::TearDown();
  }
  static void RemoveMarl() {
    std::error_code ec;
    fs::remove_all(WindowsFolder() / L"Marl", ec);
    fs::remove(WindowsFolder() / L"Marl.vlz", ec);
  }
};

TEST_P(MarlInWindowsFolder, MainFormLoadsItWhileItsLayoutIsReadOrKeepsThePlatformsLook) {
  const auto [kind, directory] = GetParam();
  const std::string windows = brsm::FromUtf16(WindowsFolder().wstring());
  if (kind == Marl::Folder) {
    ASSERT_TRUE(brsm::kit::MakeMarlSkin().WriteFolder(windows));
  } else if (kind == Marl::Archive) {
    ASSERT_TRUE(brsm::kit::MakeMarlSkin().WriteArchive(windows));
  }
  if (kind == Marl::Damaged) {
    ASSERT_TRUE(brsm::kit::WriteBytes(windows + "\\Marl.vlz", brsm::kit::BytesOf("VLzf\x05junk")));
  }
  auto witness = std::make_unique<TProbeForm>(Application);  // a form made before

  std::unique_ptr<TSkinnedMainForm> form;
  ASSERT_NO_THROW(form = std::make_unique<TSkinnedMainForm>(Application, directory));
  form->AfterConstruction();
  form->Show();
  Application->ProcessMessages();
  TsSkinManager* m = form->Manager;
  const bool found = kind == Marl::Folder || kind == Marl::Archive;
  EXPECT_EQ(m->Active(), found);
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  if (found) {
    EXPECT_EQ(m->LoadedFromPacked, kind == Marl::Archive);
    EXPECT_EQ(m->SkinInfo(), "5.49");
    EXPECT_GE(m->LookupImageItem(m->LookupSection("COMBOBOX"), "COMBOBOX", "BORDERSMASK"), 0);
    EXPECT_NE(CbtHookHandle, nullptr);
    // Once while the layout is read, once more when it is loaded.
    Commands twice = kNewSkin;
    twice.insert(twice.end(), kNewSkin.begin(), kNewSkin.end());
    EXPECT_EQ(witness->Got, twice);
  } else {
    EXPECT_EQ(m->LookupSection("BUTTON"), -1);
    EXPECT_EQ(CbtHookHandle, nullptr);
    EXPECT_EQ(witness->Got, Commands{SkinCmdSkinRemoved});
  }
  EXPECT_EQ(boxes.Boxes.size(), kind == Marl::Damaged ? 1u : 0u);
  if (kind == Marl::Damaged) brsm::test::SaveScreenshot("manager_damaged_marl");
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, MarlInWindowsFolder,
    ::testing::Combine(::testing::Values(Marl::Folder, Marl::Archive, Marl::Damaged, Marl::None),
                       ::testing::Values("C:\\Windows", "c:\\Windows\\")));

// -- The creation hook and the application window ---------------------------------------------

TEST_F(ManagerWinTest, HookComesWithTheSkinAndGoesWithIt) {
  auto form = std::make_unique<TForm>(Application);
  TsSkinManager* m = ManagerOn(form.get());
  m->SetSkinName("Marl");
  const HHOOK first = CbtHookHandle;
  ASSERT_NE(first, nullptr);
  ASSERT_NE(ProviderList, nullptr);
  auto other = std::make_unique<TForm>(Application);  // windows are still made
  EXPECT_NE(other->Handle(), nullptr);

  m->SetActive(false);
  EXPECT_EQ(CbtHookHandle, nullptr);
  EXPECT_EQ(ProviderList, nullptr);
  EXPECT_FALSE(UnhookWindowsHookEx(first));  // already gone
  m->SetActive(true);
  const HHOOK second = CbtHookHandle;
  ASSERT_NE(second, nullptr);
  form.reset();  // the manager goes with its form
  EXPECT_EQ(CbtHookHandle, nullptr);
  EXPECT_FALSE(UnhookWindowsHookEx(second));
}

TEST_F(ManagerWinTest, ThemeChangeReachesTheApplicationUnlessASkinIsInForce) {
  auto form = std::make_unique<TForm>(Application);
  TsSkinManager* m = ManagerOn(form.get());
  int seen = 0;
  const int spy = Application->HookMainWindow([&](TMessage& msg) {
    seen += msg.Msg == WM_THEMECHANGED;
    return false;
  });
  auto themeChange = [&] { SendMessageW(Application->Handle(), WM_THEMECHANGED, 0, 0); };
  themeChange();
  EXPECT_EQ(seen, 1);
  m->SetSkinName("Marl");
  themeChange();
  EXPECT_EQ(seen, 1);  // swallowed while the skin paints
  m->SetActive(false);
  themeChange();
  EXPECT_EQ(seen, 2);
  form.reset();  // the manager's hook goes with it
  themeChange();
  EXPECT_EQ(seen, 3);
  Application->UnhookMainWindow(spy);
}

// -- Who hears the command message ------------------------------------------------------------

TEST_F(ManagerWinTest, CommandReachesTheFormsAndControlsOfTheWalkAndNoOthers) {
  // A plain form of the application with its control tree.
  auto plain = std::make_unique<TProbeForm>(Application);
  auto* label = new TProbeGraphic(plain.get(), plain.get());
  auto* box = new TProbePanel(plain.get(), plain.get());  // the platform's: walked through
  auto* inner = new TProbeGraphic(plain.get(), box);
  auto* skinned = new TProbePanel(plain.get(), box);  // the library's: told directly
  skinned->AnswersSkinned = true;
  auto* hidden = new TProbeGraphic(plain.get(), skinned);  // the skinned panel's business
  plain->Show();
  auto unshown = std::make_unique<TProbeForm>(Application);  // no window: told all the same
  // A form with a provider: registered, and told once.
  auto provided = std::make_unique<TProbeForm>(Application);
  provided->AnswersSkinned = true;
  provided->HandleNeeded();
  RegisterSkinnedForm(provided.get());
  // Forms the walk passes over.
  auto child = std::make_unique<TProbeForm>(Application);
  child->SetFormStyle(fsMDIChild);
  auto stranger = std::make_unique<TProbeForm>(nullptr);  // not the application's
  stranger->HandleNeeded();
  // An MDI frame: the form and its client window.
  auto frame = std::make_unique<TProbeForm>(Application);
  frame->SetFormStyle(fsMDIForm);
  frame->HandleNeeded();
  ASSERT_NE(frame->ClientHandle(), nullptr);
  mdiClientGot.clear();
  mdiClientProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(frame->ClientHandle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(MdiClientSpy)));

  auto main = std::make_unique<TForm>(Application);
  TsSkinManager* m = ManagerOn(main.get());
  m->SetSkinName("Marl");
  for (const Commands* got : {&plain->Got, &label->Got, &inner->Got, &skinned->Got, &unshown->Got,
                              &provided->Got, &frame->Got, &mdiClientGot})
    EXPECT_EQ(*got, kNewSkin);
  EXPECT_FALSE(unshown->HandleAllocated());
  for (const Commands* got : {&box->Got, &hidden->Got, &child->Got, &stranger->Got})
    EXPECT_TRUE(got->empty());

  m->SetActive(false);
  EXPECT_EQ(plain->Got.back(), SkinCmdSkinRemoved);
  EXPECT_EQ(provided->Got.size(), 4u);
  EXPECT_EQ(mdiClientGot.back(), SkinCmdSkinRemoved);
  EXPECT_TRUE(child->Got.empty());
  SetWindowLongPtrW(frame->ClientHandle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(mdiClientProc));
}

}  // namespace
