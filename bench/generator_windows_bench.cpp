// The generator's windows with the kit's Marl in the Windows folder and
// without, made in this process as the program makes them: opening the
// result window from "Сгенерировать" until idle and closing it, a full
// repaint of the main form, a scroll of the result memo by its bar's down
// arrow, the start-up of the real BRSM.exe until its window is idle, and the
// result window's close in the real BRSM.exe as seen from outside.
//   generator_windows_bench [--rounds N] [--reps N] [--startups N]
#include <windows.h>

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "bench/window_bench.h"
#include "generator/filled_request.h"
#include "generator/skin_engine_start.h"
#include "generator/unit1.h"
#include "generator/unit2.h"
#include "platform/forms/dialogs.h"
#include "skin/controls/bit_btn.h"
#include "skin/controls/button.h"
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

// --timeline: every message of the thread from the click that closes the
// result window on, sent (with its nesting) or taken from the queue, with its time
// since the close, until 50 ms pass without one.
struct TimelineEntry {
  double Ms;
  int Depth;
  bool Posted;
  HWND Wnd;
  UINT Msg;
  WPARAM WParam;
};
std::vector<TimelineEntry> timeline;
bool recording = false;
double timelineStart = 0;
int sentDepth = 0;

LRESULT CALLBACK RecordSent(int code, WPARAM w, LPARAM l) {
  if (code == HC_ACTION && recording) {
    const auto* c = reinterpret_cast<const CWPSTRUCT*>(l);
    timeline.push_back({NowMs() - timelineStart, sentDepth++, false, c->hwnd, c->message, c->wParam});
  }
  return CallNextHookEx(nullptr, code, w, l);
}

LRESULT CALLBACK RecordSentDone(int code, WPARAM w, LPARAM l) {
  if (code == HC_ACTION && recording && sentDepth > 0) --sentDepth;
  return CallNextHookEx(nullptr, code, w, l);
}

LRESULT CALLBACK RecordPosted(int code, WPARAM w, LPARAM l) {
  if (code == HC_ACTION && w == PM_REMOVE && recording) {
    const auto* m = reinterpret_cast<const MSG*>(l);
    timeline.push_back({NowMs() - timelineStart, sentDepth, true, m->hwnd, m->message, m->wParam});
  }
  return CallNextHookEx(nullptr, code, w, l);
}

void PrintTimelineOfClose(Mode mode) {
  const DWORD thread = GetCurrentThreadId();
  HHOOK hooks[3] = {SetWindowsHookExW(WH_CALLWNDPROC, RecordSent, nullptr, thread),
                    SetWindowsHookExW(WH_CALLWNDPROCRET, RecordSentDone, nullptr, thread),
                    SetWindowsHookExW(WH_GETMESSAGE, RecordPosted, nullptr, thread)};
  timeline.clear();
  sentDepth = 0;
  bool closed = false;
  Application->OnIdle = [&](TObject*, bool& done) {
    if (closed || !Form2->Showing()) return;
    closed = true;
    timelineStart = NowMs();
    recording = true;
    // As the user closes it: a click on "Отмена", which the button's own
    // procedure turns into a press and a release.
    PostMessageW(Form2->sButton2->Handle(), BM_CLICK, 0, 0);
    done = false;
  };
  SendMessageW(Form1->sBitBtn1->Handle(), BM_CLICK, 0, 0);
  UntilIdle();
  Application->OnIdle = nullptr;
  for (double last = 0; NowMs() - timelineStart < 2000;) {
    UntilIdle();
    if (!timeline.empty()) last = timeline.back().Ms;
    if (NowMs() - timelineStart - last > 50) break;
    Sleep(1);
  }
  recording = false;
  for (HHOOK h : hooks) UnhookWindowsHookEx(h);
  std::printf("timeline of a close, %s:\n", mode == Skinned ? "skinned" : "plain");
  for (const TimelineEntry& e : timeline) {
    wchar_t cls[64] = L"-";
    if (e.Wnd) GetClassNameW(e.Wnd, cls, 64);
    std::printf("%8.2f %s%*s%-20ls %04X %llX\n", e.Ms, e.Posted ? "q " : "  ", 2 * e.Depth, "", cls, e.Msg,
                static_cast<unsigned long long>(e.WParam));
  }
  std::fflush(stdout);
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

// No window of the program's main form waits to be painted.
bool NothingToPaint(HWND main) {
  if (GetUpdateRect(main, nullptr, FALSE)) return false;
  bool clean = true;
  EnumChildWindows(
      main,
      [](HWND child, LPARAM clean) -> BOOL CALLBACK {
        if (!GetUpdateRect(child, nullptr, FALSE)) return TRUE;
        *reinterpret_cast<bool*>(clean) = false;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&clean));
  return clean;
}

// Polls until `settled` has held for 50 ms on end; the time from `since` to
// the start of that quiet, or -1 when it never came within five seconds.
template <class Settled>
double UntilQuiet(double since, Settled settled) {
  double quiet = -1;
  while (NowMs() - since < 5000) {
    // Taken after the look: the look waits while the program is busy.
    const bool isSettled = settled();
    const double now = NowMs();
    if (!isSettled) quiet = -1;
    else if (quiet < 0) quiet = now;
    else if (now - quiet >= 50) return quiet - since;
    Sleep(1);
  }
  return -1;
}

// The result window's close in the real program, measured from outside as
// a user sees it: "Отмена" clicked, until the result window is hidden, the
// main form enabled and answering, and none of its windows left to paint.
void CloseFromOutside(Figures& figures, const Options& o, Mode mode, int round) {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  brsm::test::ChildProgram program(brsm::test::WinePath(BRSM_BIN_DIR) + L"\\BRSM.exe", temp);
  HWND main = program.Started() ? program.WaitForWindow(L"TForm1") : nullptr;
  HWND generate = main ? brsm::test::ChildAt(brsm::test::ChildAt(main, L"TsPanel", 0, 589), L"TsBitBtn", 8, 5) : nullptr;
  if (!generate) {
    failed = true;
    return;
  }
  for (const brsm::test::FieldInput& f : brsm::test::EveryFieldFilled())
    brsm::test::SetTextOf(brsm::test::ChildAt(main, f.cls, f.left, f.top), f.text);
  for (int i = 0; i < o.Reps; ++i) {
    brsm::test::PostClick(generate);
    HWND result = program.WaitForWindow(L"TForm2", 5000);
    HWND cancel = result ? brsm::test::ChildAt(brsm::test::ChildOfClass(result, L"TsPanel"), L"TsButton", 164, 8)
                         : nullptr;
    if (!cancel || UntilQuiet(NowMs(), [&] { return brsm::test::Responds(main) && NothingToPaint(result); }) < 0) {
      failed = true;
      return;
    }
    const double clicked = NowMs();
    brsm::test::PostClick(cancel);
    const double took = UntilQuiet(clicked, [&] {
      return !IsWindowVisible(result) && IsWindowEnabled(main) && brsm::test::Responds(main) &&
             NothingToPaint(main);
    });
    if (took < 0) {
      failed = true;
      return;
    }
    figures.Add("close result window, from outside", mode, round, took);
  }
  PostMessageW(main, WM_CLOSE, 0, 0);
  program.Ended(5000);
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
    if (o.Timeline && round < 2) PrintTimelineOfClose(mode);
    for (int i = 0; i < o.Reps; ++i) OpenAndClose(figures, mode, round);
    for (int i = 0; i < o.Reps; ++i) FullRepaint(figures, mode, round);
    Form2->Show();
    UntilIdle();
    for (int i = 0; i < o.Reps; ++i) ScrollByArrow(figures, mode, round);
    Form2->Hide();
  }
  if (!TimeStartUps(figures, L"BRSM.exe", o.Startups, mode, round)) failed = true;
  CloseFromOutside(figures, o, mode, round);
  brsm::test::RemoveMarlFromWindowsFolder();
}

}  // namespace

int main(int argc, char** argv) { return RunRounds("BRSM", argc, argv, RunMode, failed); }
