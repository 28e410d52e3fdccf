// The launcher's windows with the kit's Marl in the Windows folder and
// without: a resize step of its sizeable main form, made in this process as
// the program makes it, and the start-up of the real BRSM-Menu.exe until its
// window is idle.
//   launcher_windows_bench [--rounds N] [--reps N] [--startups N]
#include <windows.h>

#include <cstdio>
#include <optional>
#include <string>

#include "bench/window_bench.h"
#include "generator/skin_engine_start.h"
#include "launcher/unit1.h"
#include "skin/core/skin_manager.h"
#include "tests/support/skinned_controls_check.h"
#include "tests/support/windows_folder_skin.h"

using namespace brsm::bench;

namespace {

bool failed = false;

// Grows the form by 8 x 6 and shrinks it back, each step painted at once.
void ResizeSteps(Figures& figures, Mode mode, int round, int reps) {
  HWND form = Form1->Handle();
  for (int i = 0; i < reps; ++i) {
    RECT r{};
    GetWindowRect(form, &r);
    const int grow = i % 2 ? -1 : 1;
    std::optional<Profile::Step> step;
    step.emplace("resize", mode);
    const double start = NowMs();
    SetWindowPos(form, nullptr, 0, 0, r.right - r.left + 8 * grow, r.bottom - r.top + 6 * grow,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RedrawWindow(form, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    figures.Add("resize step of main form", mode, round, NowMs() - start);
    step.reset();
    UntilIdle();
  }
}

void RunMode(Figures& figures, const Options& o, Mode mode, int round) {
  if (!brsm::test::PutMarlInWindowsFolder(mode == Skinned ? brsm::test::MarlKind::Folder
                                                          : brsm::test::MarlKind::None)) {
    std::fprintf(stderr, "launcher_windows_bench: cannot write Marl into the Windows folder\n");
    std::exit(1);
  }
  brsm::test::ParkCursor();
  Form1 = new TForm1(Application);
  Form1->AfterConstruction();
  Form1->Show();
  const double end = NowMs() + 150;
  while (NowMs() < end) {
    UntilIdle();
    Sleep(1);
  }
  if (Form1->sSkinManager1->Active() != (mode == Skinned)) {
    std::fprintf(stderr, "launcher_windows_bench: the skin is %s\n",
                 mode == Skinned ? "not active" : "active without Marl");
    std::exit(1);
  }
  ResizeSteps(figures, mode, round, o.Reps);
  delete Form1;
  Form1 = nullptr;
  UntilIdle();
  if (!TimeStartUps(figures, L"BRSM-Menu.exe", o.Startups, mode, round)) failed = true;
  brsm::test::RemoveMarlFromWindowsFolder();
}

}  // namespace

int main(int argc, char** argv) { return RunRounds("BRSM-Menu", argc, argv, RunMode, failed); }
