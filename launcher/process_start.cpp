#include "launcher/process_start.h"

#include <cstring>
#include <string>
#include <vector>

namespace brsm {

// The record's size on 32-bit Windows, which the start-up protocol fixes (the
// 64-bit test build has its own, larger record).
static_assert(sizeof(void*) != 4 || sizeof(STARTUPINFOA) == 68,
              "STARTUPINFOA must be the 68-byte 32-bit record");

TProgramStartRecords ProgramStartRecords{};

namespace {
TProcessStartCalls calls;
}

TProcessStartCalls SetProcessStartCalls(const TProcessStartCalls& newCalls) {
  const TProcessStartCalls previous = calls;
  calls = newCalls;
  return previous;
}

void StartProgramAndWait(const char* commandLine) {
  STARTUPINFOA& startup = ProgramStartRecords.StartupInfo;
  PROCESS_INFORMATION& process = ProgramStartRecords.ProcessInfo;
  std::memset(&startup, 0, sizeof startup);
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNOACTIVATE;
  // CreateProcessA may write into its command line.
  std::vector<char> line(commandLine, commandLine + std::strlen(commandLine) + 1);
  // A failed start leaves the record as the last start left it: waiting on
  // that handle could block for ever, so only a started program is waited for.
  if (!calls.Create(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_DEFAULT_ERROR_MODE,
                           nullptr, nullptr, &startup, &process))
    return;
  calls.Wait(process.hProcess, INFINITE);
  calls.Close(process.hThread);
  calls.Close(process.hProcess);
}

}  // namespace brsm
