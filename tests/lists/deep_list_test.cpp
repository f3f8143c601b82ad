// Lists nested a million levels deep must read, print, copy, check and free
// without running out of call stack.

#include <gtest/gtest.h>

#include <sstream>

#include "lists/list.h"
#include "tests/lists/list_test_util.h"

namespace lumo {
namespace {

constexpr int kDepth = 1'000'000;

TEST(DeepList, AMillionLevelsRoundTrip) {
  const std::string text = std::string(kDepth, '(') + "x" + std::string(kDepth, ')');
  List list = testing::ReadOne(text);
  EXPECT_NO_THROW(list.Top().Check());
  EXPECT_EQ(testing::FileForm(list), text);

  List copy;
  copy = list;
  list.MakeNull();
  ListPosition p = copy.Top();
  for (int i = 0; i < kDepth; ++i)
    p = p.Car();
  EXPECT_EQ(p.String(), "x");
  EXPECT_EQ(p.Text(), "x");
  EXPECT_EQ(copy.Top().Text().size(), text.size());
}

TEST(DeepList, DeepDottedTailsAndLongListsToo) {
  std::string dotted;
  for (int i = 0; i < kDepth; ++i)
    dotted += "(a . ";
  dotted += "b";
  dotted += std::string(kDepth, ')');
  const List list = testing::ReadOne(dotted);
  std::string expected = "(" + std::string(2 * kDepth - 1, ' ');
  for (int i = 0; i < kDepth; ++i)
    expected[1 + 2 * i] = 'a';
  expected += " . b)";
  EXPECT_EQ(testing::FileForm(list), expected);

  // A failed deep read frees what it built.
  EXPECT_EQ(testing::ReadErrorTag(std::string(kDepth, '(') + "x"), "List::Read f");
}

}  // namespace
}  // namespace lumo
