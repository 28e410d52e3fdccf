// A sampling profiler for the window benchmarks: perf cannot walk the
// stacks of a Windows program under Wine, so a thread of the program
// suspends the measured thread every millisecond while sampling is on and
// unwinds its stack from the unwind tables (64-bit builds only). Each
// sample becomes one line of the output file: the frames, innermost first,
// as "module+offset" (hexadecimal); bench/profile_report.py names them.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdio>
#include <string>

namespace brsm::bench {

class StackSampler {
 public:
  // Samples the calling thread into `path` (nothing when empty).
  explicit StackSampler(const std::string& path) {
    if (path.empty()) return;
#if defined(_WIN64)
    out_ = std::fopen(path.c_str(), "w");
    if (!out_) return;
    DuplicateHandle(GetCurrentProcess(), GetCurrentThread(), GetCurrentProcess(), &target_, 0, FALSE,
                    DUPLICATE_SAME_ACCESS);
    thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
#else
    std::fprintf(stderr, "profiling needs the 64-bit build\n");
#endif
  }
  ~StackSampler() {
    if (thread_) {
      stop_ = true;
      WaitForSingleObject(thread_, INFINITE);
      CloseHandle(thread_);
    }
    if (target_) CloseHandle(target_);
    if (out_) std::fclose(out_);
  }
  StackSampler(const StackSampler&) = delete;
  StackSampler& operator=(const StackSampler&) = delete;

  // Sampling is on only between these, around what is measured.
  void Start() { on_ = out_ != nullptr; }
  void Stop() { on_ = false; }

 private:
  static DWORD WINAPI Run(void* self) {
    static_cast<StackSampler*>(self)->Loop();
    return 0;
  }

  void Loop() {
    while (!stop_) {
      Sleep(1);
      if (on_) Sample();
    }
  }

  void Sample() {
#if defined(_WIN64)
    if (SuspendThread(target_) == static_cast<DWORD>(-1)) return;
    CONTEXT ctx{};
    ctx.ContextFlags = CONTEXT_FULL;
    // Nothing that allocates while the thread is suspended: it may hold the heap.
    DWORD64 pcs[96];
    int depth = 0;
    if (GetThreadContext(target_, &ctx)) {
      for (; depth < 96 && ctx.Rip; ++depth) {
        pcs[depth] = ctx.Rip;
        DWORD64 base = 0;
        PRUNTIME_FUNCTION f = RtlLookupFunctionEntry(ctx.Rip, &base, nullptr);
        if (f) {
          void* handlerData = nullptr;
          DWORD64 frame = 0;
          RtlVirtualUnwind(UNW_FLAG_NHANDLER, base, ctx.Rip, f, &ctx, &handlerData, &frame, nullptr);
        } else {
          ctx.Rip = *reinterpret_cast<DWORD64*>(ctx.Rsp);
          ctx.Rsp += 8;
        }
      }
    }
    ResumeThread(target_);
    // Naming the modules only once the thread runs again: the loader lock
    // may be held by the suspended thread.
    for (int i = 0; i < depth; ++i) {
      const DWORD64 pc = pcs[i];
      HMODULE module = nullptr;
      wchar_t name[MAX_PATH] = L"?";
      if (GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                             reinterpret_cast<LPCWSTR>(pc), &module))
        GetModuleFileNameW(module, name, MAX_PATH);
      std::wstring file = name;
      file = file.substr(file.find_last_of(L"\\/") + 1);
      std::fprintf(out_, "%ls+%llx ", file.c_str(),
                   static_cast<unsigned long long>(pc - reinterpret_cast<DWORD64>(module)));
    }
    std::fprintf(out_, "\n");
#endif
  }

  FILE* out_ = nullptr;
  HANDLE target_ = nullptr;
  HANDLE thread_ = nullptr;
  std::atomic<bool> on_{false}, stop_{false};
};

}  // namespace brsm::bench
