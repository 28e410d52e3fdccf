// What the window benchmarks share: a millisecond clock, figures gathered
// per round for the skinned and the plain program, the table they print,
// and start-up of a real program until its main window is shown and idle.
// A round runs one mode after the other (the order alternates), so a load
// that comes and goes on the machine falls on both; the ratio is the median
// of the rounds' ratios of medians.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "bench/stack_sampler.h"
#include "generator/program_driver.h"
#include "generator/skin_engine_start.h"
#include "platform/forms/forms.h"

namespace brsm::bench {

inline double NowMs() {
  static const double perMs = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart) / 1000.0;
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) / perMs;
}

// Every message the thread has, until the queue is empty: the program is idle.
inline void UntilIdle() { Application->ProcessMessages(); }

inline double Median(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  const size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

enum Mode { Skinned = 0, Plain = 1 };

struct Options {
  int Rounds = 5;    // interleaved rounds
  int Reps = 10;     // measurements of each kind per mode and round
  int Startups = 3;  // program starts per mode and round
  // --profile WHAT FILE [--plain]: stacks sampled while WHAT (a step's
  // short name) runs skinned (or plain) go to FILE.
  std::string ProfileWhat, ProfileFile;
  Mode ProfileMode = Skinned;
  // --timeline: the messages of one step, in the first round of each mode.
  bool Timeline = false;
};

inline Options ReadOptions(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--plain") o.ProfileMode = Plain;
    if (a == "--timeline") o.Timeline = true;
    if (i + 2 < argc && a == "--profile") {
      o.ProfileWhat = argv[++i];
      o.ProfileFile = argv[++i];
      continue;
    }
    if (i + 1 >= argc) break;
    const int v = std::max(1, std::atoi(argv[i + 1]));
    if (a == "--rounds") o.Rounds = v, ++i;
    if (a == "--reps") o.Reps = v, ++i;
    if (a == "--startups") o.Startups = v, ++i;
  }
  return o;
}

// The sampler of --profile, on while the step it names runs in its mode.
class Profile {
 public:
  explicit Profile(const Options& o) : sampler_(o.ProfileFile), what_(o.ProfileWhat), mode_(o.ProfileMode) {
    current_ = this;
  }
  ~Profile() { current_ = nullptr; }
  class Step {
   public:
    Step(const char* what, Mode mode) : on_(current_ && current_->what_ == what && current_->mode_ == mode) {
      if (on_) current_->sampler_.Start();
    }
    ~Step() {
      if (on_) current_->sampler_.Stop();
    }

   private:
    bool on_;
  };

 private:
  StackSampler sampler_;
  std::string what_;
  Mode mode_;
  static inline Profile* current_ = nullptr;
};

// The figures of each measurement, in the order first recorded.
class Figures {
 public:
  void Add(const std::string& what, Mode mode, int round, double ms) {
    if (!rows_.count(what)) order_.push_back(what);
    Row& r = rows_[what];
    r.All[mode].push_back(ms);
    if (static_cast<int>(r.PerRound[mode].size()) <= round) r.PerRound[mode].resize(round + 1);
    r.PerRound[mode][round].push_back(ms);
  }

  void Print() const {
    std::printf("%-34s %27s   %27s   %s\n", "", "skinned (ms) min/med/max", "plain (ms) min/med/max", "ratio");
    for (const std::string& what : order_) {
      const Row& r = rows_.at(what);
      std::vector<double> ratios;
      const size_t rounds = std::min(r.PerRound[Skinned].size(), r.PerRound[Plain].size());
      for (size_t i = 0; i < rounds; ++i) {
        const double plain = Median(r.PerRound[Plain][i]);
        if (plain > 0 && !r.PerRound[Skinned][i].empty()) ratios.push_back(Median(r.PerRound[Skinned][i]) / plain);
      }
      std::printf("%-34s", what.c_str());
      for (int mode : {Skinned, Plain}) {
        const std::vector<double>& v = r.All[mode];
        if (v.empty()) {
          std::printf(" %27s  ", "-");
          continue;
        }
        std::printf(" %8.2f %8.2f %8.2f   ", *std::min_element(v.begin(), v.end()), Median(v),
                    *std::max_element(v.begin(), v.end()));
      }
      std::printf("%6.2f\n", Median(ratios));
    }
    std::fflush(stdout);
  }

 private:
  struct Row {
    std::vector<double> All[2];
    std::vector<std::vector<double>> PerRound[2];
  };
  std::map<std::string, Row> rows_;
  std::vector<std::string> order_;
};

// Starts the program and waits until its main window (of that class) is
// visible and the program idle; the time that took, or -1 when it never did.
inline double StartUpMs(const std::wstring& exe, const std::wstring& mainClass) {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  const double start = NowMs();
  brsm::test::ChildProgram program(exe, temp);
  if (!program.Started()) return -1;
  HWND main = nullptr;
  brsm::test::WaitUntil(
      [&] {
        const std::vector<HWND> windows = program.Windows(mainClass);
        main = windows.empty() ? nullptr : windows.front();
        return main != nullptr;
      },
      20000);
  if (!main) return -1;
  HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, program.Id());
  if (process) {
    WaitForInputIdle(process, 20000);
    CloseHandle(process);
  }
  const double took = NowMs() - start;
  PostMessageW(main, WM_CLOSE, 0, 0);
  program.Ended(5000);
  return took;
}

// Starts of PROGRAM (in the programs' folder) to idle, recorded as
// "start-up of PROGRAM to idle"; false when one of them never got there.
inline bool TimeStartUps(Figures& figures, const std::wstring& program, int count, Mode mode, int round) {
  const std::wstring exe = brsm::test::WinePath(BRSM_BIN_DIR) + L"\\" + program;
  const std::string label = "start-up of " + std::string(program.begin(), program.end()) + " to idle";
  bool ok = true;
  for (int i = 0; i < count; ++i) {
    const double ms = StartUpMs(exe, L"TForm1");
    if (ms < 0) ok = false;
    else figures.Add(label, mode, round, ms);
  }
  return ok;
}

// The benchmark's whole run: interleaved rounds of RUN_MODE(figures,
// options, mode, round) for both modes, then the table. The exit code is 1
// only when FAILED says a step did not do what it measures.
template <class RunMode>
int RunRounds(const char* name, int argc, char** argv, RunMode runMode, const bool& failed) {
  const Options o = ReadOptions(argc, argv);
  Profile profile(o);
  brsm::StartSkinEngine();
  Figures figures;
  for (int round = 0; round < o.Rounds; ++round) {
    const Mode first = round % 2 ? Plain : Skinned;
    runMode(figures, o, first, round);
    runMode(figures, o, first == Skinned ? Plain : Skinned, round);
  }
  std::printf("%s, %d rounds of %d (start-up %d), Marl against no skin:\n", name, o.Rounds, o.Reps, o.Startups);
  figures.Print();
  brsm::StopSkinEngine();
  if (failed) std::fprintf(stderr, "%s benchmark: a step did not do what it measures\n", name);
  return failed ? 1 : 0;
}

}  // namespace brsm::bench
