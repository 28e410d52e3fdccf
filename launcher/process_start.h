// Starting a sibling program by its bare file name and waiting until it has
// ended, as the menu's start buttons do. The wait blocks the calling (GUI)
// thread: the menu neither repaints nor reacts meanwhile.
#pragma once

#include <windows.h>

#include "platform/rtl/win_macro_guard.h"

namespace brsm {

// The start-up record and, right after it, the process record, shared by
// every start. The start-up record is filled afresh for each start.
struct TProgramStartRecords {
  STARTUPINFOA StartupInfo;
  PROCESS_INFORMATION ProcessInfo;
};
extern TProgramStartRecords ProgramStartRecords;

// The system calls a start makes; tests put their own in to watch them.
struct TProcessStartCalls {
  decltype(&::CreateProcessA) Create = ::CreateProcessA;
  decltype(&::WaitForSingleObject) Wait = ::WaitForSingleObject;
  decltype(&::CloseHandle) Close = ::CloseHandle;
};
// Installs the calls and answers the previous ones.
TProcessStartCalls SetProcessStartCalls(const TProcessStartCalls& calls);

// Starts commandLine ("BRSM.exe") with the system's usual search, shown
// without activation, and waits without a time limit for it to end; then
// closes its handles. A start that fails is not reported and waits for
// nothing.
void StartProgramAndWait(const char* commandLine);

}  // namespace brsm
