// How a test and its stand-in child program (test_child.cpp) meet: two
// named events, and the report the child writes beside itself.
#pragma once

#include <windows.h>

#include <string>

// Set by the child once it runs.
inline constexpr wchar_t kChildStartedEvent[] = L"BrsmLauncherTestChildStarted";
// Set by the test to let the child end.
inline constexpr wchar_t kChildReleaseEvent[] = L"BrsmLauncherTestChildRelease";
// Written by the child into its own folder: "flags=<dwFlags> show=<wShowWindow>".
inline constexpr wchar_t kChildReport[] = L"started.txt";

// The test's side: both events, made fresh (unset) and released at the end.
class ChildEvents {
 public:
  ChildEvents()
      : started_(CreateEventW(nullptr, TRUE, FALSE, kChildStartedEvent)),
        release_(CreateEventW(nullptr, TRUE, FALSE, kChildReleaseEvent)) {
    ResetEvent(started_);
    ResetEvent(release_);
  }
  ~ChildEvents() {
    SetEvent(release_);
    CloseHandle(started_);
    CloseHandle(release_);
  }
  ChildEvents(const ChildEvents&) = delete;
  ChildEvents& operator=(const ChildEvents&) = delete;

  bool WaitStarted(DWORD timeoutMs = 15000) const {
    return WaitForSingleObject(started_, timeoutMs) == WAIT_OBJECT_0;
  }
  void ResetStarted() const { ResetEvent(started_); }
  void Release() const { SetEvent(release_); }
  // Children started from now on wait again.
  void Hold() const { ResetEvent(release_); }

 private:
  HANDLE started_;
  HANDLE release_;
};
