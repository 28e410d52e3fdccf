#include "skin/controls/item_id_lists.h"

#include <cstdlib>
#include <cstring>

#include "platform/rtl/sysutils.h"

namespace {

class THeapAllocator final : public TItemIdAllocator {
 public:
  void* Alloc(size_t size) override { return std::malloc(size); }
  void Free(void* block) override { std::free(block); }
};

THeapAllocator heap;
TItemIdAllocator* current = &heap;

uint16_t ItemSize(const uint8_t* item) {
  uint16_t size;
  std::memcpy(&size, item, sizeof size);
  return size;
}

}  // namespace

TItemIdAllocator& ItemIdAllocator() { return *current; }

void SetItemIdAllocator(TItemIdAllocator* allocator) { current = allocator ? allocator : &heap; }

TItemIdList AllocItemIdList(size_t size) {
  void* block = current->Alloc(size);
  if (!block) throw EOutOfMemory("Out of memory");
  std::memset(block, 0, size);
  return static_cast<TItemIdList>(block);
}

void FreeItemIdList(TItemIdList list) {
  if (list) current->Free(list);
}

TItemIdList NextItemId(TItemIdList item) { return item + ItemSize(item); }

size_t ItemIdListSize(TItemIdList list) {
  if (!list) return 0;
  size_t size = 0;
  for (uint8_t* item = list; ItemSize(item) != 0; item = NextItemId(item)) size += ItemSize(item);
  return size + 2;
}

TItemIdList CopyItemIdList(TItemIdList list) {
  if (!list) return nullptr;
  const size_t size = ItemIdListSize(list);
  TItemIdList copy = AllocItemIdList(size);
  std::memcpy(copy, list, size);
  return copy;
}

TItemIdList JoinItemIdLists(TItemIdList first, TItemIdList second) {
  if (!first) return CopyItemIdList(second);
  if (!second) return CopyItemIdList(first);
  const size_t head = ItemIdListSize(first) - 2;
  const size_t tail = ItemIdListSize(second);
  TItemIdList joined = AllocItemIdList(head + tail);
  std::memcpy(joined, first, head);
  std::memcpy(joined + head, second, tail);
  return joined;
}
