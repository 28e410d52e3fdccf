// The generator's windows with the kit's Marl in the Windows folder and
// without, made in this process as the program makes them: opening the
// result window from "Сгенерировать" until idle and closing it, a full
// repaint of the main form, a scroll of the result memo by its bar's down
// arrow, and the start-up of the real BRSM.exe until its window is idle.
//   generator_windows_bench [--rounds N] [--reps N] [--startups N]
#include <windows.h>

#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "bench/window_bench.h"
#include "generator/skin_engine_start.h"
#include "generator/unit1.h"
#include "generator/unit2.h"
#include "platform/forms/dialogs.h"
#include "skin/controls/bit_btn.h"
#include "skin/controls/combo_box_ex.h"
#include "skin/controls/memo.h"
#include "skin/core/skin_manager.h"
#include "tests/support/skinned_controls_check.h"
#include "tests/support/windows_folder_skin.h"

using namespace brsm::bench;

namespace {

void FillEveryField() {
  for (TEdit* edit : {Form1->WeapName, Form1->FirstPModel, Form1->Edit1, Form1->ThirdPModel, Form1->PickupModel,
                      Form1->ShotAnim, Form1->Edit7, Form1->Edit3, Form1->Edit5, Form1->Edit6, Form1->MainDamage,
                      Form1->MaxAmmo, Form1->AmmoCount, Form1->Edit2})
    edit->SetText("x");
  Form1->Edit4->SetText("0.5");
  Form1->combobox1->SetText("EWFT_InstantHit");
  Form1->DamageType->SetText("EWFT_Projectile");
}

// The generator's main form and result window, made as the program makes them.
struct Forms {
  explicit Forms(Mode mode) {
    // The in-process share of a start-up, for --profile startup.
    std::optional<Profile::Step> step;
    step.emplace("startup", mode);
    Form1 = new TForm1(Application);
    Form1->AfterConstruction();
    Form2 = new TForm2(Application);
    Form2->AfterConstruction();
    Form1->Show();
    UntilIdle();
    step.reset();
    const double end = NowMs() + 150;
    while (NowMs() < end) {
      UntilIdle();
      Sleep(1);
    }
    FillEveryField();
    UntilIdle();
  }
  ~Forms() {
    delete Form2;
    delete Form1;
    Form1 = nullptr;
    Form2 = nullptr;
    UntilIdle();
  }
};

bool failed = false;

// One click of "Сгенерировать": the time until the result window is shown
// and the program idle, then from closing it until idle again.
void OpenAndClose(Figures& figures, Mode mode, int round) {
  double clicked = 0, closing = 0;
  std::optional<Profile::Step> step;
  Application->OnIdle = [&](TObject*, bool& done) {
    for (int i = 0; i < Screen->CustomFormCount(); ++i)
      if (auto* box = dynamic_cast<TMessageForm*>(Screen->CustomForms(i)); box && box->Showing()) {
        failed = true;  // the fields asked for more; the figures would not be the result window's
        box->SetModalResult(mrOk);
      }
    if (closing == 0 && Form2->Showing()) {
      closing = NowMs();
      figures.Add("open result window", mode, round, closing - clicked);
      step.reset();
      step.emplace("close", mode);
      Form2->Close();
      done = false;
    }
  };
  step.emplace("open", mode);
  clicked = NowMs();
  SendMessageW(Form1->sBitBtn1->Handle(), BM_CLICK, 0, 0);
  UntilIdle();
  const double closed = NowMs();
  step.reset();
  Application->OnIdle = nullptr;
  if (closing == 0) {
    failed = true;
    return;
  }
  figures.Add("close result window", mode, round, closed - closing);
}

void FullRepaint(Figures& figures, Mode mode, int round) {
  Profile::Step step("repaint", mode);
  const double start = NowMs();
  RedrawWindow(Form1->Handle(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  figures.Add("full repaint of main form", mode, round, NowMs() - start);
  UntilIdle();
}

// The memo's down arrow clicked as a user clicks it, on the memo at its top.
void ScrollByArrow(Figures& figures, Mode mode, int round) {
  HWND memo = Form2->scriptweapon->Handle();
  SendMessageW(memo, WM_VSCROLL, SB_TOP, 0);
  UntilIdle();
  const RECT bar = brsm::test::VerticalBarOnScreen(memo);
  const int x = (bar.left + bar.right) / 2;
  const int y = bar.bottom - GetSystemMetrics(SM_CYVSCROLL) / 2;
  SetCursorPos(x, y);
  UntilIdle();
  Profile::Step step("scroll", mode);
  const double start = NowMs();
  PostMessageW(memo, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(x, y));
  PostMessageW(memo, WM_LBUTTONUP, 0, 0);
  UntilIdle();
  const double took = NowMs() - start;
  if (SendMessageW(memo, EM_GETFIRSTVISIBLELINE, 0, 0) != 1) failed = true;
  figures.Add("scroll result memo by arrow", mode, round, took);
}

void RunMode(Figures& figures, const Options& o, Mode mode, int round) {
  if (!brsm::test::PutMarlInWindowsFolder(mode == Skinned ? brsm::test::MarlKind::Folder
                                                          : brsm::test::MarlKind::None)) {
    std::fprintf(stderr, "generator_windows_bench: cannot write Marl into the Windows folder\n");
    std::exit(1);
  }
  brsm::test::ParkCursor();
  {
    Forms forms(mode);
    if (Form1->sSkinManager1->Active() != (mode == Skinned)) {
      std::fprintf(stderr, "generator_windows_bench: the skin is %s\n",
                   mode == Skinned ? "not active" : "active without Marl");
      std::exit(1);
    }
    for (int i = 0; i < o.Reps; ++i) OpenAndClose(figures, mode, round);
    for (int i = 0; i < o.Reps; ++i) FullRepaint(figures, mode, round);
    Form2->Show();
    UntilIdle();
    for (int i = 0; i < o.Reps; ++i) ScrollByArrow(figures, mode, round);
    Form2->Hide();
  }
  if (!TimeStartUps(figures, L"BRSM.exe", o.Startups, mode, round)) failed = true;
  brsm::test::RemoveMarlFromWindowsFolder();
}

}  // namespace

int main(int argc, char** argv) { return RunRounds("BRSM", argc, argv, RunMode, failed); }
