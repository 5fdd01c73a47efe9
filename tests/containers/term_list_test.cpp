#include "containers/term_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace phx {
namespace {

std::vector<std::string> walk(TermList& list) {
  std::vector<std::string> items;
  if (list.first() != kListOk) return items;
  do {
    const TermValue* item = nullptr;
    list.get(&item);
    items.emplace_back(item->text_view());
  } while (list.next() == kListOk);
  return items;
}

using Items = std::vector<std::string>;

TEST(TermList, EmptyListHasNoCursor) {
  TermList list;
  EXPECT_EQ(list.first(), kListEmpty);
  EXPECT_EQ(list.next(), kListNoCursor);
  EXPECT_EQ(list.get(nullptr), kListNoCursor);
  EXPECT_EQ(list.remove(), kListNoCursor);
  EXPECT_EQ(list.free(), kListEmpty);
  Pair pair{};
  EXPECT_EQ(list.get_pair(nullptr), kListNoOut);
  EXPECT_EQ(list.get_pair(&pair), kListNoCursor);
}

TEST(TermList, AppendsKeepTheirOrder) {
  TermList list;
  for (const char* item : {"one", "two", "three"}) ASSERT_EQ(list.append_text(item), kListOk);
  EXPECT_EQ(walk(list), (Items{"one", "two", "three"}));
  EXPECT_EQ(list.size(), 3);
}

TEST(TermList, NextOnTheLastNodeKeepsTheCursorThere) {
  TermList list;
  list.append_text("a");
  list.append_text("b");
  list.first();
  EXPECT_EQ(list.next(), kListOk);
  EXPECT_EQ(list.next(), kListAtEnd);
  const TermValue* item = nullptr;
  list.get(&item);
  EXPECT_EQ(item->text_view(), "b");
}

TEST(TermList, AppendAfterAWalkInsertsAfterTheCursor) {
  TermList list;
  for (const char* item : {"a", "b", "c"}) list.append_text(item);
  list.first();
  list.append_text("x");  // the cursor was on the head
  EXPECT_EQ(walk(list), (Items{"a", "x", "b", "c"}));
  list.last();
  list.append_text("z");
  EXPECT_EQ(walk(list), (Items{"a", "x", "b", "c", "z"}));
}

TEST(TermList, InsertBeforeTheHeadMakesANewHead) {
  TermList list;
  list.append_text("b");
  list.first();
  ASSERT_EQ(list.insert_text_before("a"), kListOk);
  EXPECT_EQ(walk(list), (Items{"a", "b"}));
}

TEST(TermList, SortedInsertionByWalkingToTheFirstLaterItem) {
  TermList list;
  for (const char* word : {"pear", "apple", "quince", "banana"}) {
    int walked = list.first();
    const TermValue* item = nullptr;
    bool placed = false;
    while (walked == kListOk) {
      list.get(&item);
      if (item->text_view() > word) {
        list.insert_text_before(word);
        placed = true;
        break;
      }
      walked = list.next();
    }
    if (!placed) list.append_text(word);
  }
  EXPECT_EQ(walk(list), (Items{"apple", "banana", "pear", "quince"}));
}

TEST(TermList, RemoveMovesTheCursorToTheFollowingNode) {
  TermList list;
  for (const char* item : {"a", "b", "c"}) list.append_text(item);
  list.first();
  list.next();
  ASSERT_EQ(list.remove(), kListOk);
  const TermValue* item = nullptr;
  ASSERT_EQ(list.get(&item), kListOk);
  EXPECT_EQ(item->text_view(), "c");
  EXPECT_EQ(walk(list), (Items{"a", "c"}));
  list.last();
  list.remove();
  EXPECT_EQ(list.get(&item), kListNoCursor);
}

TEST(TermList, AppendWithoutCursorOnANonEmptyListIsRefused) {
  TermList list;
  list.append_text("a");
  list.first();
  list.remove();  // cursor gone, list empty again
  EXPECT_TRUE(list.empty());
  list.append_text("a");
  list.append_text("b");
  list.last();
  list.remove();  // cursor gone, list not empty
  EXPECT_EQ(list.append_text("c"), kListNoCursor);
  EXPECT_EQ(list.insert_text_before("c"), kListNoCursor);
  EXPECT_EQ(walk(list), (Items{"a"}));
}

TEST(TermList, PairsAndTextCopiesOut) {
  TermList list;
  list.append_pair(Pair::from_double(-1.25));
  list.append_text("phrase");
  list.first();
  Pair pair{};
  ASSERT_EQ(list.get_pair(&pair), kListOk);
  EXPECT_EQ(pair.as_double(), -1.25);
  list.next();
  char text[4];
  ASSERT_EQ(list.get_text(text, sizeof text), kListOk);
  EXPECT_STREQ(text, "phr");  // cut to the destination
  EXPECT_EQ(list.get_text(static_cast<char*>(nullptr), 4), kListNoOut);
}

TEST(TermList, AtWalksFromTheHead) {
  TermList list;
  for (const char* item : {"a", "b", "c"}) list.append_text(item);
  EXPECT_EQ(list.at(2)->text_view(), "c");
  EXPECT_EQ(list.at(0)->text_view(), "a");
  EXPECT_EQ(list.at(3), nullptr);
  EXPECT_EQ(list.at(-1), nullptr);
}

TEST(TermList, FreeReleasesEverythingAndLeavesItEmpty) {
  TermList list;
  list.append_text("a");
  list.append_text(u"\u3042");
  EXPECT_EQ(list.free(), kListOk);
  EXPECT_TRUE(list.empty());
  EXPECT_EQ(list.first(), kListEmpty);
}

}  // namespace
}  // namespace phx
