// Driving a whole program from a test: start its .exe as a child process,
// find its windows by class and place, and work them with window messages,
// as a user would. Shared by the generator's and the launcher's tests.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace brsm::test {

// A Unix path of the build (as CMake knows it) as Wine sees it.
inline std::wstring WinePath(const std::string& unixPath) {
  std::wstring path = L"Z:";
  for (char c : unixPath) path += c == '/' ? L'\\' : static_cast<wchar_t>(c);
  return path;
}

inline bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 10000) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return done();
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return true;
}

inline std::wstring ClassOf(HWND wnd) {
  wchar_t name[256] = {};
  GetClassNameW(wnd, name, 256);
  return name;
}

// Window text through WM_GETTEXT, which reaches windows of other processes.
inline std::wstring TextOf(HWND wnd) {
  const LRESULT length = SendMessageW(wnd, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  SendMessageW(wnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(wcslen(text.c_str()));
  return text;
}

inline void SetTextOf(HWND wnd, const std::wstring& text) {
  SendMessageW(wnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// The window answers messages within the time (it is not blocked).
inline bool Responds(HWND wnd, UINT timeoutMs = 2000) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(wnd, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &result) != 0;
}

// Lets the window's program finish painting before a screenshot.
inline void Settle(HWND wnd) {
  Responds(wnd, 5000);
  RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
}

// A click as the button itself makes it, posted so that a modal loop the
// click opens does not block the test.
inline void PostClick(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }

// The direct child of `parent` of that class whose top-left corner lies at
// (left, top) of the parent's client area; nullptr when none.
inline HWND ChildAt(HWND parent, const std::wstring& className, int left, int top) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT r;
    GetWindowRect(child, &r);
    POINT p{r.left, r.top};
    ScreenToClient(parent, &p);
    if (p.x == left && p.y == top && ClassOf(child) == className) return child;
  }
  return nullptr;
}

// The first direct child of that class; nullptr when none.
inline HWND ChildOfClass(HWND parent, const std::wstring& className) {
  return FindWindowExW(parent, nullptr, className.c_str(), nullptr);
}

// A program started for a test and ended with it.
class ChildProgram {
 public:
  // Starts `exe` with `folder` as its working folder and `arguments` after
  // its name on the command line.
  ChildProgram(const std::wstring& exe, const std::wstring& folder, const std::wstring& arguments = L"") {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring commandLine = L"\"" + exe + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
    started_ = CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                              folder.c_str(), &startup, &info_) != 0;
  }
  ~ChildProgram() {
    if (!started_) return;
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
      TerminateProcess(info_.hProcess, 1);
      WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
  }
  ChildProgram(const ChildProgram&) = delete;
  ChildProgram& operator=(const ChildProgram&) = delete;

  bool Started() const { return started_; }
  DWORD Id() const { return info_.dwProcessId; }
  bool Ended(int timeoutMs = 0) const {
    return WaitForSingleObject(info_.hProcess, static_cast<DWORD>(timeoutMs)) == WAIT_OBJECT_0;
  }

  // The program's visible top-level windows of that class.
  std::vector<HWND> Windows(const std::wstring& className) const {
    Search search{info_.dwProcessId, &className, {}};
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&search));
    return search.found;
  }
  // Waits for the first visible top-level window of that class.
  HWND WaitForWindow(const std::wstring& className, int timeoutMs = 15000) const {
    HWND found = nullptr;
    WaitUntil(
        [&] {
          const std::vector<HWND> windows = Windows(className);
          found = windows.empty() ? nullptr : windows.front();
          return found != nullptr;
        },
        timeoutMs);
    return found;
  }

 private:
  struct Search {
    DWORD pid;
    const std::wstring* cls;
    std::vector<HWND> found;
  };
  static BOOL CALLBACK Collect(HWND wnd, LPARAM param) {
    auto* s = reinterpret_cast<Search*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(wnd, &pid);
    if (pid == s->pid && IsWindowVisible(wnd) && ClassOf(wnd) == *s->cls) s->found.push_back(wnd);
    return TRUE;
  }

  PROCESS_INFORMATION info_{};
  bool started_ = false;
};

// A fresh folder under the system's temporary folder, removed with its
// files (not sub-folders) at the end.
class TempFolder {
 public:
  explicit TempFolder(const std::wstring& stem) {
    wchar_t base[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, base);
    path_ = std::wstring(base) + stem + L"-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(GetTickCount());
    CreateDirectoryW(path_.c_str(), nullptr);
  }
  ~TempFolder() {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((path_ + L"\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
      do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) DeleteFileW(File(data.cFileName).c_str());
      } while (FindNextFileW(find, &data));
      FindClose(find);
    }
    RemoveDirectoryW(path_.c_str());
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::wstring& Path() const { return path_; }
  std::wstring File(const std::wstring& name) const { return path_ + L"\\" + name; }

 private:
  std::wstring path_;
};

// The whole file, or an empty string when it cannot be read.
inline std::string FileBytes(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string bytes;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
  CloseHandle(file);
  return bytes;
}

inline bool FileThere(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Moves the mouse to `point` of the main window's client area (the cursor
// there, a move message to the window) and waits for the program's hint
// window of that class; `point` becomes the screen point.
inline HWND HoverForHint(const ChildProgram& program, HWND main, POINT& point,
                         const std::wstring& hintClass) {
  const LPARAM client = MAKELPARAM(point.x, point.y);
  ClientToScreen(main, &point);
  SetCursorPos(point.x, point.y);
  PostMessageW(main, WM_MOUSEMOVE, 0, client);
  HWND hint = program.WaitForWindow(hintClass, 5000);
  if (hint) Settle(main);
  return hint;
}

// A memo's vertical scroll bar on the screen: inside its frame ring, at the
// right of the client.
inline RECT VerticalBarOnScreen(HWND memo) {
  RECT w{}, c{};
  GetWindowRect(memo, &w);
  GetClientRect(memo, &c);
  POINT origin{0, 0};
  ClientToScreen(memo, &origin);
  const int edge = origin.x - w.left;
  return RECT{origin.x + c.right, w.top + edge, w.right - edge, w.bottom - edge};
}

}  // namespace brsm::test
