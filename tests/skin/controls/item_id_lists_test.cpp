#include "skin/controls/item_id_lists.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/rtl/sysutils.h"

namespace {

// Counts what is allocated and freed, and can be told to fail.
class TCountingAllocator final : public TItemIdAllocator {
 public:
  void* Alloc(size_t size) override {
    if (fail) return nullptr;
    ++live;
    return std::malloc(size);
  }
  void Free(void* block) override {
    --live;
    std::free(block);
  }
  int live = 0;
  bool fail = false;
};

// A list in the allocator's memory from item payloads.
TItemIdList MakeList(const std::vector<std::vector<uint8_t>>& items) {
  size_t size = 2;
  for (const auto& i : items) size += i.size() + 2;
  TItemIdList list = AllocItemIdList(size);
  uint8_t* p = list;
  for (const auto& i : items) {
    const uint16_t cb = static_cast<uint16_t>(i.size() + 2);
    std::memcpy(p, &cb, 2);
    std::memcpy(p + 2, i.data(), i.size());
    p += cb;
  }
  return list;
}

class ItemIdLists : public ::testing::Test {
 protected:
  void SetUp() override { SetItemIdAllocator(&allocator); }
  void TearDown() override {
    SetItemIdAllocator(nullptr);
    EXPECT_EQ(allocator.live, 0);
  }
  TCountingAllocator allocator;
};

}  // namespace

TEST_F(ItemIdLists, SizesAndSteps) {
  EXPECT_EQ(ItemIdListSize(nullptr), 0u);
  TItemIdList empty = MakeList({});
  EXPECT_EQ(ItemIdListSize(empty), 2u);
  // An odd-sized first item puts the second's size field off alignment.
  TItemIdList list = MakeList({{1, 2, 3}, {9}});
  EXPECT_EQ(ItemIdListSize(list), 5u + 3u + 2u);
  EXPECT_EQ(NextItemId(list), list + 5);
  EXPECT_EQ(NextItemId(list)[2], 9);
  FreeItemIdList(empty);
  FreeItemIdList(list);
  FreeItemIdList(nullptr);
}

TEST_F(ItemIdLists, JoinsAndCopies) {
  TItemIdList a = MakeList({{1, 2}});
  TItemIdList b = MakeList({{3}, {4, 5, 6}});
  TItemIdList joined = JoinItemIdLists(a, b);
  ASSERT_EQ(ItemIdListSize(joined), 4u + 3u + 5u + 2u);
  const uint8_t expected[] = {4, 0, 1, 2, 3, 0, 3, 5, 0, 4, 5, 6, 0, 0};
  EXPECT_EQ(std::memcmp(joined, expected, sizeof expected), 0);

  // Either list missing: a copy of the other, terminator and all.
  TItemIdList onlySecond = JoinItemIdLists(nullptr, b);
  TItemIdList onlyFirst = JoinItemIdLists(a, nullptr);
  EXPECT_NE(onlySecond, b);
  ASSERT_EQ(ItemIdListSize(onlySecond), ItemIdListSize(b));
  EXPECT_EQ(std::memcmp(onlySecond, b, ItemIdListSize(b)), 0);
  ASSERT_EQ(ItemIdListSize(onlyFirst), ItemIdListSize(a));
  EXPECT_EQ(std::memcmp(onlyFirst, a, ItemIdListSize(a)), 0);
  EXPECT_EQ(JoinItemIdLists(nullptr, nullptr), nullptr);
  EXPECT_EQ(CopyItemIdList(nullptr), nullptr);

  for (TItemIdList l : {a, b, joined, onlySecond, onlyFirst}) FreeItemIdList(l);
}

TEST_F(ItemIdLists, FailingAllocatorRaises) {
  allocator.fail = true;
  EXPECT_THROW(AllocItemIdList(8), EOutOfMemory);
}
