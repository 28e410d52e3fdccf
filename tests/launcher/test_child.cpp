// Stands in for a program the menu starts: writes how it was asked to show
// itself into "started.txt" beside itself, signals that it runs, and stays
// until the test lets it go (or half a minute passes).
#include <windows.h>

#include <cstdio>
#include <string>

#include "launcher/test_child_events.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  STARTUPINFOA startup{};
  GetStartupInfoA(&startup);
  wchar_t exe[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, exe, MAX_PATH);
  std::wstring report = exe;
  report = report.substr(0, report.find_last_of(L'\\') + 1) + kChildReport;
  char line[64];
  const int length = std::snprintf(line, sizeof line, "flags=%lu show=%u", startup.dwFlags,
                                   static_cast<unsigned>(startup.wShowWindow));
  HANDLE file = CreateFileW(report.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    DWORD written = 0;
    WriteFile(file, line, static_cast<DWORD>(length), &written, nullptr);
    CloseHandle(file);
  }
  if (HANDLE started = OpenEventW(EVENT_MODIFY_STATE, FALSE, kChildStartedEvent)) {
    SetEvent(started);
    CloseHandle(started);
  }
  if (HANDLE release = OpenEventW(SYNCHRONIZE, FALSE, kChildReleaseEvent)) {
    WaitForSingleObject(release, 30000);
    CloseHandle(release);
  }
  return 0;
}
