// Starting a program as the menu's buttons do, watched through the start's
// system calls: the start-up record, the wait that blocks until the program
// ends, no wait after a failed start, and both handles closed every time.
#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "generator/program_driver.h"
#include "launcher/process_start.h"
#include "launcher/test_child_events.h"

using namespace brsm::test;

namespace {

struct CreateCall {
  bool NoApplicationName;
  std::string CommandLine;
  bool NoSecurity;
  BOOL Inherit;
  DWORD Flags;
  bool NoEnvironmentOrFolder;
  STARTUPINFOA Startup;
  bool SharedRecords;
  BOOL Result;
  PROCESS_INFORMATION Process;
};

struct CallLog {
  std::vector<CreateCall> Creates;
  std::vector<std::pair<HANDLE, DWORD>> Waits;
  std::vector<HANDLE> Closes;
};
CallLog* callLog = nullptr;

BOOL WINAPI RecordCreate(LPCSTR app, LPSTR cmd, LPSECURITY_ATTRIBUTES processSec,
                         LPSECURITY_ATTRIBUTES threadSec, BOOL inherit, DWORD flags, LPVOID env,
                         LPCSTR dir, LPSTARTUPINFOA startup, LPPROCESS_INFORMATION process) {
  CreateCall call{app == nullptr, cmd, !processSec && !threadSec, inherit, flags, !env && !dir,
                  *startup,
                  startup == &brsm::ProgramStartRecords.StartupInfo &&
                      process == &brsm::ProgramStartRecords.ProcessInfo,
                  FALSE, {}};
  call.Result = CreateProcessA(app, cmd, processSec, threadSec, inherit, flags, env, dir, startup, process);
  call.Process = *process;
  callLog->Creates.push_back(call);
  return call.Result;
}
DWORD WINAPI RecordWait(HANDLE handle, DWORD timeout) {
  callLog->Waits.emplace_back(handle, timeout);
  return WaitForSingleObject(handle, timeout);
}
BOOL WINAPI RecordClose(HANDLE handle) {
  callLog->Closes.push_back(handle);
  return CloseHandle(handle);
}

bool HandleOpen(HANDLE handle) {
  DWORD flags = 0;
  return GetHandleInformation(handle, &flags) != 0;
}

// The stand-in copied as "BRSM.exe" into a folder that is made the current
// one, where the system's search for a bare "BRSM.exe" finds it.
class ProgramStart : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(CopyFileW(WinePath(BRSM_TEST_CHILD).c_str(), folder_.File(L"BRSM.exe").c_str(), FALSE));
    GetCurrentDirectoryW(MAX_PATH, previousFolder_);
    SetCurrentDirectoryW(folder_.Path().c_str());
    callLog = &log_;
    previousCalls_ = brsm::SetProcessStartCalls({RecordCreate, RecordWait, RecordClose});
  }
  void TearDown() override {
    brsm::SetProcessStartCalls(previousCalls_);
    callLog = nullptr;
    SetCurrentDirectoryW(previousFolder_);
  }

  TempFolder folder_{L"brsm-start"};
  wchar_t previousFolder_[MAX_PATH] = {};
  brsm::TProcessStartCalls previousCalls_;
  CallLog log_;
  ChildEvents events_;
};

TEST_F(ProgramStart, StartsWithoutActivationWaitsUntilTheProgramEndsThenClosesItsHandles) {
  std::atomic<bool> returned{false};
  bool blockedWhileRunning = false;
  std::thread releaser([&] {
    if (!events_.WaitStarted()) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    blockedWhileRunning = !returned;
    events_.Release();
  });
  brsm::StartProgramAndWait("BRSM.exe");
  returned = true;
  releaser.join();
  EXPECT_TRUE(blockedWhileRunning);

  ASSERT_EQ(log_.Creates.size(), 1u);
  const CreateCall& call = log_.Creates[0];
  EXPECT_TRUE(call.NoApplicationName);
  EXPECT_EQ(call.CommandLine, "BRSM.exe");
  EXPECT_TRUE(call.NoSecurity);
  EXPECT_EQ(call.Inherit, FALSE);
  EXPECT_EQ(call.Flags, static_cast<DWORD>(CREATE_DEFAULT_ERROR_MODE));
  EXPECT_TRUE(call.NoEnvironmentOrFolder);
  EXPECT_TRUE(call.SharedRecords);
  // The record: zero but for its size (68 bytes in the shipped 32-bit
  // programs), the flag and the show command.
  STARTUPINFOA expected;
  std::memset(&expected, 0, sizeof expected);
  expected.cb = sizeof(void*) == 4 ? 68 : sizeof expected;
  expected.dwFlags = STARTF_USESHOWWINDOW;
  expected.wShowWindow = SW_SHOWNOACTIVATE;
  EXPECT_EQ(std::memcmp(&call.Startup, &expected, sizeof expected), 0);
  ASSERT_TRUE(call.Result);

  ASSERT_EQ(log_.Waits.size(), 1u);
  EXPECT_EQ(log_.Waits[0].first, call.Process.hProcess);
  EXPECT_EQ(log_.Waits[0].second, INFINITE);
  ASSERT_EQ(log_.Closes.size(), 2u);
  EXPECT_EQ(log_.Closes[0], call.Process.hThread);
  EXPECT_EQ(log_.Closes[1], call.Process.hProcess);
  EXPECT_FALSE(HandleOpen(call.Process.hThread));
  EXPECT_FALSE(HandleOpen(call.Process.hProcess));
  // The program itself saw the show command.
  EXPECT_EQ(FileBytes(folder_.File(kChildReport)), "flags=1 show=4");
}

TEST_F(ProgramStart, AFailedStartAfterSuccessfulOnesWaitsForNothing) {
  events_.Release();  // the stand-in ends at once
  for (int i = 0; i < 3; ++i) brsm::StartProgramAndWait("BRSM.exe");
  ASSERT_EQ(log_.Creates.size(), 3u);
  ASSERT_EQ(log_.Closes.size(), 6u);
  for (const CreateCall& call : log_.Creates) {
    ASSERT_TRUE(call.Result);
    EXPECT_FALSE(HandleOpen(call.Process.hThread));
    EXPECT_FALSE(HandleOpen(call.Process.hProcess));
  }

  brsm::StartProgramAndWait("BRSM-Ammo.exe");
  ASSERT_EQ(log_.Creates.size(), 4u);
  EXPECT_FALSE(log_.Creates[3].Result);
  EXPECT_EQ(log_.Waits.size(), 3u);
  EXPECT_EQ(log_.Closes.size(), 6u);
}

}  // namespace
