#include "lists/cell_pool.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "lists/list.h"
#include "tests/lists/list_test_util.h"

namespace lumo {
namespace {

using testing::FileForm;
using testing::ReadOne;

// Item `i` of a mixed list: names of every length up to a token's limit,
// shared one-byte names and small integers, large integers and reals, so that
// a long list crosses many pages, slabs and byte chunks.
std::string Item(int i) {
  switch (i % 6) {
    case 0:
      return "n" + std::string(static_cast<std::size_t>(i % 98), 'x');
    case 1:
      return std::string(1, static_cast<char>('a' + i % 26));
    case 2:
      return std::to_string(i % 300 - 1);
    case 3:
      return std::to_string(100000 + i);
    case 4:
      return "(" + std::to_string(i) + ".5 ())";
    default:
      return "\"q " + std::to_string(i) + "\"";
  }
}

TEST(CellPool, LargeListsKeepEveryKindAndValueAcrossPagesAndCopies) {
  constexpr int kItems = 120000;
  std::string text = "(";
  for (int i = 0; i < kItems; ++i)
    text += Item(i) + " ";
  text += ")";
  List list = ReadOne(text);
  const std::string printed = FileForm(list);

  // Every item reads back with its own kind and value, wherever it landed.
  int i = 0;
  for (ListPosition at = list.Top(); !at.Nil(); at = at.Cdr(), ++i) {
    const ListPosition item = at.Car();
    switch (i % 6) {
      case 0:
      case 1:
        ASSERT_TRUE(item.IsString()) << i;
        EXPECT_EQ(item.String(), Item(i)) << i;
        break;
      case 2:
      case 3:
        ASSERT_TRUE(item.IsLong()) << i;
        EXPECT_EQ(std::to_string(item.Long()), Item(i)) << i;
        break;
      case 4:
        ASSERT_TRUE(item.IsCons()) << i;
        EXPECT_EQ(item.Car().Double(), i + 0.5) << i;
        EXPECT_TRUE(item.Cxr("da").Nil()) << i;
        break;
      default:
        EXPECT_EQ(item.String(), "q " + std::to_string(i)) << i;
    }
  }
  EXPECT_EQ(i, kItems);

  // A copy owns its cells, shared atoms included: it outlives the original
  // and a rereading of it.
  List copy = list;
  list.MakeNull();
  std::istringstream again("(a 1 zz)");
  list.Read(again);
  EXPECT_EQ(FileForm(copy), printed);
  EXPECT_EQ(FileForm(list), "(a 1 zz)");

  // Taking a part of itself frees the rest without losing the part.
  copy.Assign(copy.Top().Cxr("dddda"));
  EXPECT_EQ(FileForm(copy), "(4.50000 nil)");
  // Assigning a list to itself (through a reference, as a caller would
  // meet it) keeps it whole.
  const List& same = copy;
  copy = same;
  EXPECT_EQ(copy.Top().Car().Double(), 4.5);
}

}  // namespace
}  // namespace lumo
