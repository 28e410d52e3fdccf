// The generator worked for a while in process with the kit's Marl: the
// result window opened and closed 100 times, the empty-field message shown
// and closed 50 times, the skin switched off and on 20 times. Afterwards the
// process holds what it held before: GDI objects, windows, the skin
// engine's providers and adapters, and memory. A count check, not a timed one.
#include <gtest/gtest.h>

#include <windows.h>
#include <psapi.h>

#include <algorithm>

#include "generator/project_info.h"
#include "generator/skin_engine_start.h"
#include "generator/unit1.h"
#include "generator/unit2.h"
#include "generator/unit3.h"
#include "generator/unit4.h"
#include "skin/controls/combo_box_ex.h"
#include "skin/core/skin_hook_win.h"
#include "skin/core/skin_manager.h"
#include "skin/windows/main_wnd_win.h"
#include "tests/generator/modal_windows.h"
#include "tests/support/gdi_objects.h"
#include "tests/support/skinned_controls_check.h"
#include "tests/support/windows_folder_skin.h"

using namespace brsm::test;

namespace {

struct WindowCounts {
  int Windows = 0;
  int Adapted = 0;
};

BOOL CALLBACK CountChild(HWND window, LPARAM counts) {
  auto* c = reinterpret_cast<WindowCounts*>(counts);
  ++c->Windows;
  if (AdapterOfWindow(window)) ++c->Adapted;
  return TRUE;
}

BOOL CALLBACK CountWindow(HWND window, LPARAM counts) {
  CountChild(window, counts);
  EnumChildWindows(window, CountChild, counts);
  return TRUE;
}

// What the process holds that a leak would grow.
struct Holdings {
  LiveGdiObjects Gdi;
  WindowCounts Windows;
  int Providers = 0;
  int MenuAdapters = 0;
  size_t WorkingSet = 0, PeakWorkingSet = 0;
  size_t HeapInUse = 0;

  Holdings() {
    EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&Windows));
    if (ProviderList)
      Providers = static_cast<int>(ProviderList->size() -
                                   std::count(ProviderList->begin(), ProviderList->end(), nullptr));
    MenuAdapters = static_cast<int>(PopupMenuWndList().size());
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    EXPECT_TRUE(GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory));
    WorkingSet = memory.WorkingSetSize;
    PeakWorkingSet = memory.PeakWorkingSetSize;
    HANDLE heaps[64];
    const DWORD n = GetProcessHeaps(64, heaps);
    for (DWORD i = 0; i < n && i < 64; ++i) {
      PROCESS_HEAP_ENTRY e{};
      HeapLock(heaps[i]);
      while (HeapWalk(heaps[i], &e))
        if (e.wFlags & PROCESS_HEAP_ENTRY_BUSY) HeapInUse += e.cbData;
      HeapUnlock(heaps[i]);
    }
  }
};

void ExpectBackWithin2(const Holdings& before, const char* after) {
  SCOPED_TRACE(after);
  const Holdings now;
  EXPECT_LE(std::abs(now.Gdi.Total() - before.Gdi.Total()), 2)
      << before.Gdi.Total() << " -> " << now.Gdi.Total() << ": " << now.Gdi.ChangeSince(before.Gdi);
  EXPECT_LE(std::abs(now.Windows.Windows - before.Windows.Windows), 2)
      << before.Windows.Windows << " -> " << now.Windows.Windows;
  EXPECT_LE(std::abs(now.Windows.Adapted - before.Windows.Adapted), 2)
      << before.Windows.Adapted << " -> " << now.Windows.Adapted;
  EXPECT_LE(std::abs(now.Providers - before.Providers), 2) << before.Providers << " -> " << now.Providers;
  EXPECT_LE(std::abs(now.MenuAdapters - before.MenuAdapters), 2)
      << before.MenuAdapters << " -> " << now.MenuAdapters;
}

class GeneratorSoak : public ::testing::Test {
 protected:
  void SetUp() override {
    ParkCursor();
    ASSERT_TRUE(PutMarlInWindowsFolder(MarlKind::Folder));
    MakeGeneratorForms();
    PumpFor(150);
    ASSERT_TRUE(Form1->sSkinManager1->Active());
  }
  void TearDown() override { RemoveMarlFromWindowsFolder(); }

  static void FillEveryField() {
    for (TEdit* edit : Edits()) edit->SetText("x");
    Form1->combobox1->SetText("typed");
    Form1->DamageType->SetText("EWFT_Projectile");
  }
  static void OpenAndCloseTheResult() {
    const ModalLog log = Generate();
    ASSERT_EQ(log.ResultTexts.size(), 1u);
    ASSERT_TRUE(log.Messages.empty());
  }
  static void ShowAndCloseTheMessage() {
    const ModalLog log = Generate();
    ASSERT_EQ(log.Messages.size(), 1u);
    ASSERT_TRUE(log.ResultTexts.empty());
  }
  static void SwitchTheSkinOffAndOn() {
    Form1->sSkinManager1->SetActive(false);
    PumpFor(20);
    ASSERT_FALSE(Form1->sSkinManager1->Active());
    Form1->sSkinManager1->SetActive(true);
    PumpFor(20);
    ASSERT_TRUE(Form1->sSkinManager1->SkinData.Loaded);
  }
};

}  // namespace

TEST_F(GeneratorSoak, ResultWindowMessageAndSkinSwitchesLeaveTheProcessAsItWas) {
  // One round of each first: what a skin makes once and keeps while it
  // stays (the result window's handle and caches, the message dialog's
  // class, cached DCs, the heap's high-water mark) is no leak.
  auto useTheWindows = [] {
    FillEveryField();
    OpenAndCloseTheResult();
    Form1->FirstPModel->SetText("");  // a missing mesh ends the request
    ShowAndCloseTheMessage();
    PumpFor(50);
  };
  for (int i = 0; i < 3; ++i) {
    SwitchTheSkinOffAndOn();
    useTheWindows();
  }
  const Holdings start;

  FillEveryField();
  for (int i = 0; i < 100 && !HasFatalFailure(); ++i) OpenAndCloseTheResult();
  PumpFor(50);
  ExpectBackWithin2(start, "after the result window 100 times");

  Form1->FirstPModel->SetText("");
  for (int i = 0; i < 50 && !HasFatalFailure(); ++i) ShowAndCloseTheMessage();
  PumpFor(50);
  ExpectBackWithin2(start, "after the message 50 times");

  for (int i = 0; i < 20 && !HasFatalFailure(); ++i) SwitchTheSkinOffAndOn();
  // The new skin's caches are made as the windows are used again.
  useTheWindows();
  ExpectBackWithin2(start, "after the skin off and on 20 times");

  const Holdings end;
  // The heap's blocks in use tell a leak of the program's own memory
  // exactly. The working set also holds what Wine keeps for itself and
  // wanders by about a megabyte under it without growing: it is held to
  // the highest the warm-up reached.
  EXPECT_LT(end.HeapInUse, start.HeapInUse + (1u << 20)) << start.HeapInUse << " -> " << end.HeapInUse;
  EXPECT_LT(end.WorkingSet, start.PeakWorkingSet + (1u << 20))
      << start.WorkingSet << " (peak " << start.PeakWorkingSet << ") -> " << end.WorkingSet;
  std::printf("GDI objects %d -> %d, windows %d -> %d, adapted %d -> %d, providers %d -> %d, "
              "heap in use %zu -> %zu, working set %zu (peak %zu) -> %zu\n",
              start.Gdi.Total(), end.Gdi.Total(), start.Windows.Windows, end.Windows.Windows,
              start.Windows.Adapted, end.Windows.Adapted, start.Providers, end.Providers, start.HeapInUse,
              end.HeapInUse, start.WorkingSet, start.PeakWorkingSet, end.WorkingSet);
}
