#include "skin/controls/shell_folder_win.h"

#include <windows.h>
#include <ole2.h>
#include <shlobj.h>

#include <string>

#include "platform/rtl/strings.h"
#include "platform/rtl/sysutils.h"

namespace {

void OleCheck(HRESULT result) {
  if (FAILED(result))
    throw Exception("OLE error " + IntToHex(static_cast<int>(result), 8));
}

class TShellAllocator final : public TItemIdAllocator {
 public:
  void* Alloc(size_t size) override { return Malloc()->Alloc(size); }
  void Free(void* block) override { Malloc()->Free(block); }
  void Release() {
    if (malloc_) malloc_->Release();
    malloc_ = nullptr;
  }

 private:
  IMalloc* Malloc() {
    if (!malloc_) OleCheck(SHGetMalloc(&malloc_));
    return malloc_;
  }
  IMalloc* malloc_ = nullptr;
};

TShellAllocator shellAllocator;
TvxShellFolder* desktopFolder = nullptr;
CRITICAL_SECTION shellLock;
bool started = false;
bool oleStarted = false;

TvxShellFolder* MakeDesktopShellFolder() {
  TItemIdList list = GetDesktopItemIdList();
  IShellFolder* folder = nullptr;
  try {
    folder = GetDesktopFolderInterface();
    TvxShellFolder* desktop = new TvxShellFolder(nullptr, folder, list);
    FreeItemIdList(list);
    return desktop;
  } catch (...) {
    if (folder) folder->Release();
    FreeItemIdList(list);
    throw;
  }
}

}  // namespace

IShellFolder* GetDesktopFolderInterface() {
  IShellFolder* folder = nullptr;
  OleCheck(SHGetDesktopFolder(&folder));
  return folder;
}

TItemIdList GetDesktopItemIdList() {
  LPITEMIDLIST list = nullptr;
  OleCheck(SHGetSpecialFolderLocation(nullptr, CSIDL_DESKTOP, &list));
  return reinterpret_cast<TItemIdList>(list);
}

TvxShellFolder::TvxShellFolder(TvxShellFolder* parent, IShellFolder* folder, TItemIdList list)
    : folder_(folder), names_(std::make_unique<TStringList>()) {
  try {
    list_ = CopyItemIdList(list);
    if (parent) {
      fullList_ = JoinItemIdLists(parent->FullItemIdList(), list);
    } else {
      TItemIdList desktop = GetDesktopItemIdList();
      try {
        fullList_ = JoinItemIdLists(desktop, list);
      } catch (...) {
        FreeItemIdList(desktop);
        throw;
      }
      FreeItemIdList(desktop);
    }
  } catch (...) {
    FreeItemIdList(list_);
    throw;
  }
  for (TvxShellFolder* p = parent ? parent->Parent() : nullptr; p; p = p->Parent()) ++depth_;
  parent_ = parent ? parent : desktopFolder;
}

TvxShellFolder::~TvxShellFolder() {
  names_.reset();
  FreeItemIdList(list_);
  FreeItemIdList(fullList_);
  if (folder_) folder_->Release();
}

TvxShellFolder* DesktopShellFolder() { return desktopFolder; }

namespace brsm {

void StartShellFolders() {
  if (started) return;
  started = true;
  SetItemIdAllocator(&shellAllocator);
  // Without the shell the programs still run; nothing in them needs it.
  try {
    desktopFolder = MakeDesktopShellFolder();
  } catch (const Exception&) {
    desktopFolder = nullptr;
  }
  InitializeCriticalSection(&shellLock);
  oleStarted = SUCCEEDED(OleInitialize(nullptr));
}

void StopShellFolders() {
  if (!started) return;
  started = false;
  delete desktopFolder;
  desktopFolder = nullptr;
  DeleteCriticalSection(&shellLock);
  if (oleStarted) OleUninitialize();
  oleStarted = false;
  shellAllocator.Release();
  SetItemIdAllocator(nullptr);
}

}  // namespace brsm
