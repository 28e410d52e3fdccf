// Shell folders: a folder interface with its item identifier lists. Only the
// desktop folder, made when the skinned controls start, is in use.
#pragma once

#include <memory>

#include "skin/controls/item_id_lists.h"

struct IShellFolder;
class TStringList;

class TvxShellFolder {
 public:
  // Takes over the reference to `folder` and copies `list`; without a parent
  // the desktop folder is the parent and the full list starts at the
  // desktop.
  TvxShellFolder(TvxShellFolder* parent, IShellFolder* folder, TItemIdList list);
  virtual ~TvxShellFolder();
  TvxShellFolder(const TvxShellFolder&) = delete;
  TvxShellFolder& operator=(const TvxShellFolder&) = delete;

  IShellFolder* Folder() const { return folder_; }
  TItemIdList ItemIdList() const { return list_; }
  TItemIdList FullItemIdList() const { return fullList_; }
  TvxShellFolder* Parent() const { return parent_; }
  // Ancestors above the parent.
  int Depth() const { return depth_; }

 private:
  TItemIdList list_ = nullptr;
  TItemIdList fullList_ = nullptr;
  TvxShellFolder* parent_ = nullptr;
  IShellFolder* folder_ = nullptr;
  void* reserved_[2] = {};
  int depth_ = 0;
  std::unique_ptr<TStringList> names_;
};

// The desktop's folder interface and identifier list (the caller owns
// them); raise when the shell fails.
IShellFolder* GetDesktopFolderInterface();
TItemIdList GetDesktopItemIdList();

// The desktop folder made by the start step; nullptr when the shell could
// not give it.
TvxShellFolder* DesktopShellFolder();

namespace brsm {
// The shell allocator, the desktop folder and OLE; undone by the end step,
// which runs after the message loop.
void StartShellFolders();
void StopShellFolders();
}  // namespace brsm
