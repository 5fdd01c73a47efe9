#include "containers/term_table.h"

#include <gtest/gtest.h>

#include <memory_resource>
#include <string>

namespace phx {
namespace {

using namespace std::string_view_literals;

TEST(TermTableHash, FoldsSignedBytesAndUnsignedUnits) {
  std::uint32_t index = 0;
  // "a": (0 ^ 97) << 1.
  EXPECT_EQ(TermTableHash("a"sv, 1000, &index), kTableOk);
  EXPECT_EQ(index, 194u);
  // The byte 0xE9 counts as -23: (0 ^ 0xFFFFFFE9) << 1 = 2^32 - 46.
  EXPECT_EQ(hash_units("\xE9"sv), 4294967250u);
  // Wide units are taken unsigned.
  EXPECT_EQ(hash_units(u"\u00E9"sv), 0x1D2u);
  // Only the last 32 units leave a trace.
  std::string long_key(40, 'x');
  EXPECT_EQ(hash_units(std::string_view(long_key)), hash_units(std::string_view(long_key).substr(8)));
}

TEST(TermTableHash, RefusesEmptyKeyAndMissingIndex) {
  std::uint32_t index = 7;
  EXPECT_EQ(TermTableHash(""sv, 10, &index), kTableBadKey);
  EXPECT_EQ(TermTableHash(std::string_view(), 10, &index), kTableBadKey);
  EXPECT_EQ(index, 7u);
  EXPECT_EQ(TermTableHash("a"sv, 10, nullptr), kTableNoIndexOut);
}

class TermTableTest : public ::testing::Test {
 protected:
  TextTable table{101};
};

TEST_F(TermTableTest, PutTwiceKeepsOneEntryWithTheSecondValue) {
  EXPECT_EQ(table.put_int("word", 1), kTableOk);
  EXPECT_EQ(table.put_int("word", 2), kTableOk);
  EXPECT_EQ(table.entry_count, 1);
  std::int32_t value = 0;
  EXPECT_EQ(table.get_int("word", &value), kTableOk);
  EXPECT_EQ(value, 2);
}

TEST_F(TermTableTest, EmptyKeyIsRefusedAndAddsNothing) {
  EXPECT_EQ(table.put_int("", 1), kTableBadKey);
  EXPECT_EQ(table.put_text("", "x"), kTableBadKey);
  EXPECT_EQ(table.entry_count, 0);
  EXPECT_EQ(table.contains(""), kTableBadKey);
  EXPECT_EQ(table.remove(""), kTableBadKey);
}

TEST_F(TermTableTest, ContainsHasTheInvertedSense) {
  table.put_int("present", 1);
  EXPECT_EQ(table.contains("present"), 0);
  EXPECT_EQ(table.contains("absent"), 1);
}

TEST_F(TermTableTest, GetReportsAbsenceMissingValueAndMissingDestination) {
  std::int32_t value = 5;
  EXPECT_EQ(table.get_int("nothing", &value), kTableAbsent);
  EXPECT_EQ(value, 5);
  EXPECT_EQ(table.get_int("nothing", nullptr), kTableNoDestination);
  table.put("bare", TermValue());
  const TermValue* stored = nullptr;
  EXPECT_EQ(table.get("bare", &stored), kTableNoValue);
}

TEST_F(TermTableTest, KeepsTextAndPairValues) {
  table.put_text("Sun", "sun");
  table.put_pair("score", Pair::from_double(2.5));
  const TermValue* text = nullptr;
  ASSERT_EQ(table.get("Sun", &text), kTableOk);
  EXPECT_STREQ(text->text(), "sun");
  Pair pair{};
  ASSERT_EQ(table.get_pair("score", &pair), kTableOk);
  EXPECT_EQ(pair.as_double(), 2.5);
  // Replacing a text value releases the old one (checked by the sanitizer build).
  table.put_text("Sun", "another spelling");
  EXPECT_EQ(table.find("Sun")->text_view(), "another spelling");
}

TEST_F(TermTableTest, RemoveTakesOnlyTheMatchingEntryOfAChain) {
  // With one bucket every key shares a chain.
  TextTable chained(1);
  for (const char* key : {"one", "two", "three"}) chained.put_int(key, 1);
  EXPECT_EQ(chained.remove("two"), kTableOk);
  EXPECT_EQ(chained.remove("two"), kTableAbsent);
  EXPECT_EQ(chained.entry_count, 2);
  EXPECT_TRUE(chained.has("one"));
  EXPECT_TRUE(chained.has("three"));
}

TEST_F(TermTableTest, KeysAreComparedWholeAndCaseSensitively) {
  table.put_int("data", 1);
  EXPECT_FALSE(table.has("Data"));
  EXPECT_FALSE(table.has("dat"));
  EXPECT_FALSE(table.has("datab"));
  EXPECT_TRUE(table.has("data"));
}

TEST_F(TermTableTest, FreeEmptiesAndInitMakesItUsableAgain) {
  table.put_int("a", 1);
  table.free();
  EXPECT_EQ(table.bucket_count, 0u);
  EXPECT_EQ(table.entry_count, 0);
  EXPECT_FALSE(table.has("a"));
  EXPECT_EQ(table.put_int("a", 1), kTableBadKey);  // no buckets until made again
  table.init(11);
  EXPECT_EQ(table.put_int("a", 1), kTableOk);
}

TEST(GrowingTermTable, KeepsEveryEntryFindableAsItGrowsToItsBucketCount) {
  for (TableSizing sizing : {TableSizing::kGrowing, TableSizing::kFullSize}) {
    TextTable table(30001, std::pmr::new_delete_resource(), sizing);
    for (int i = 0; i < 40000; ++i) ASSERT_EQ(table.put_int(std::to_string(i), i), kTableOk);
    EXPECT_EQ(table.entry_count, 40000);
    for (int i = 0; i < 40000; i += 7) {
      std::int32_t value = -1;
      ASSERT_EQ(table.get_int(std::to_string(i), &value), kTableOk);
      EXPECT_EQ(value, i);
    }
    for (int i = 0; i < 40000; i += 2) ASSERT_EQ(table.remove(std::to_string(i)), kTableOk);
    EXPECT_EQ(table.entry_count, 20000);
    EXPECT_FALSE(table.has("10"));
    EXPECT_TRUE(table.has("11"));
  }
}

TEST(WideTermTable, BehavesLikeTheEightBitTable) {
  WideTable table(7);
  EXPECT_EQ(table.put_int(u"\uAC00\uAE09", 3), kTableOk);
  EXPECT_EQ(table.put_int(u"\uAC00\uAE09", 4), kTableOk);
  EXPECT_EQ(table.entry_count, 1);
  std::int32_t value = 0;
  EXPECT_EQ(table.get_int(u"\uAC00\uAE09", &value), kTableOk);
  EXPECT_EQ(value, 4);
  EXPECT_EQ(table.contains(u"\uAC00"), 1);
  EXPECT_EQ(table.put_text(u"k", u"\u3042\u3044"), kTableOk);
  EXPECT_EQ(table.find(u"k")->wide_text_view(), u"\u3042\u3044");
}

TEST(ArenaTermTable, AbandonLeavesTheMemoryToTheArena) {
  std::pmr::monotonic_buffer_resource arena;
  TextTable table(13, &arena);
  for (int i = 0; i < 100; ++i) table.put_text(std::to_string(i), "value");
  EXPECT_EQ(table.entry_count, 100);
  table.abandon();
  EXPECT_EQ(table.entry_count, 0);
}

}  // namespace
}  // namespace phx
