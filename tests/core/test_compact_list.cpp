#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <utility>
#include <vector>

#include "core/compact_list.h"

using namespace velmora;

// Owned lists behave like the vectors they replace: copies are deep, moves
// leave the source empty, and pushes keep the earlier items.
TEST(CompactList, OwnedListsCopyMoveAndGrow) {
  CompactList<std::uint8_t> empty;
  EXPECT_TRUE(empty.empty());
  EXPECT_EQ(empty.size(), 0u);
  EXPECT_EQ(empty.heap_bytes(), 0u);
  EXPECT_EQ(empty.begin(), empty.end());

  CompactList<std::uint64_t> a{5, 7, 9};
  ASSERT_EQ(a.size(), 3u);
  EXPECT_EQ(a.front(), 5u);
  EXPECT_EQ(a.back(), 9u);
  EXPECT_EQ(a.at(1), 7u);
  EXPECT_THROW(a.at(3), std::out_of_range);
  EXPECT_EQ(a.heap_bytes(), 4 * sizeof(std::uint64_t));

  CompactList<std::uint64_t> b = a;
  b[0] = 1;
  EXPECT_EQ(a[0], 5u);
  b.push_back(11);
  EXPECT_TRUE(b == (std::vector<std::uint64_t>{1, 7, 9, 11}));

  CompactList<std::uint64_t> c = std::move(b);
  EXPECT_TRUE(b.empty());
  EXPECT_EQ(c.size(), 4u);
  c = a;
  EXPECT_TRUE(c == a);
  c.clear();
  EXPECT_TRUE(c.empty());
}

// Block sizes: one word for the length, then the items packed into words.
TEST(CompactList, BlockWordsCountTheLengthAndPackedItems) {
  EXPECT_EQ(CompactList<std::uint8_t>::block_words(0), 0u);
  EXPECT_EQ(CompactList<std::uint8_t>::block_words(1), 2u);
  EXPECT_EQ(CompactList<std::uint8_t>::block_words(8), 2u);
  EXPECT_EQ(CompactList<std::uint8_t>::block_words(9), 3u);
  EXPECT_EQ(CompactList<std::uint32_t>::block_words(3), 3u);
  EXPECT_EQ(CompactList<std::uint64_t>::block_words(3), 4u);
}

// A list moved into shared storage reads from there, writes through to it,
// and is never freed by the list; a copy of it is owned again.
TEST(CompactList, BorrowedListsReadTheSharedStorage) {
  std::vector<std::uint64_t> storage(16, 0);
  CompactList<std::uint16_t> odd{1, 2, 3, 4, 5};
  CompactList<std::uint64_t> wide{40, 41};
  const std::size_t odd_words = CompactList<std::uint16_t>::block_words(odd.size());
  odd.move_to(storage.data());
  wide.move_to(storage.data() + odd_words);
  EXPECT_EQ(storage[0], 5u);
  EXPECT_EQ(storage[odd_words], 2u);
  EXPECT_TRUE(odd == (std::vector<std::uint16_t>{1, 2, 3, 4, 5}));
  EXPECT_TRUE(wide == (std::vector<std::uint64_t>{40, 41}));
  EXPECT_EQ(reinterpret_cast<const std::uint64_t*>(wide.data()), storage.data() + odd_words + 1);

  wide[1] = 42;
  EXPECT_EQ(storage[odd_words + 2], 42u);

  CompactList<std::uint64_t> copy = wide;
  copy[0] = 0;
  EXPECT_EQ(wide[0], 40u);
  {
    CompactList<std::uint16_t> gone = std::move(odd);  // destroyed without freeing the storage
    EXPECT_EQ(gone.size(), 5u);
  }
  EXPECT_EQ(storage[0], 5u);
  wide.clear();
  EXPECT_TRUE(wide.empty());
  EXPECT_EQ(storage[odd_words + 1], 40u);
}
