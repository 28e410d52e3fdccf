// Item identifier lists of the shell: items of a 16-bit size (counting the
// size field) followed by their bytes, ended by a size of 0. All memory goes
// through one allocator: the shell's on Windows, the C heap elsewhere.
#pragma once

#include <cstddef>
#include <cstdint>

using TItemIdList = uint8_t*;

class TItemIdAllocator {
 public:
  virtual ~TItemIdAllocator() = default;
  // nullptr when the memory cannot be had.
  virtual void* Alloc(size_t size) = 0;
  virtual void Free(void* block) = 0;
};

// The allocator in use; never null.
TItemIdAllocator& ItemIdAllocator();
// Installs another allocator (not owned); nullptr restores the C heap.
void SetItemIdAllocator(TItemIdAllocator* allocator);

// Zero-filled; raises EOutOfMemory when the allocator fails.
TItemIdList AllocItemIdList(size_t size);
void FreeItemIdList(TItemIdList list);
// The item behind this one.
TItemIdList NextItemId(TItemIdList item);
// 0 for nullptr; else the items' sizes plus 2 for the terminator.
size_t ItemIdListSize(TItemIdList list);
// nullptr for nullptr.
TItemIdList CopyItemIdList(TItemIdList list);
// The first list's items, then the second's, in one new list; with either
// list nullptr a copy of the other (nullptr when both are).
TItemIdList JoinItemIdLists(TItemIdList first, TItemIdList second);
