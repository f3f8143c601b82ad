#include "common/node_list.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace lumo {
namespace {

struct Item : Linked<Item> {
  Item(int key, int tag, int* destroyed = nullptr) : key(key), tag(tag), destroyed(destroyed) {}
  ~Item() {
    if (destroyed != nullptr) ++*destroyed;
  }
  int key;
  int tag;
  int* destroyed;
};

int KeyOf(const Item& item) {
  return item.key;
}

std::unique_ptr<Item> New(int tag, int* destroyed = nullptr) {
  return std::make_unique<Item>(0, tag, destroyed);
}

std::vector<int> Tags(const NodeList<Item>& list) {
  std::vector<int> tags;
  for (const Item& item : list)
    tags.push_back(item.tag);
  return tags;
}

// The order walked backwards along previous(), reversed again: equal to
// Tags() when both directions are linked alike.
std::vector<int> TagsBackwards(const NodeList<Item>& list) {
  const Item* last = list.head();
  while (last != nullptr && last->next() != nullptr)
    last = last->next();
  std::vector<int> tags;
  for (const Item* item = last; item != nullptr; item = item->previous())
    tags.insert(tags.begin(), item->tag);
  return tags;
}

TEST(NodeList, PushInsertUnlinkAndReverseKeepTheOrderTheyDescribe) {
  NodeList<Item> list;
  Item& c = list.PushFront(New(3));
  Item& a = list.PushFront(New(1));
  list.InsertAfter(&a, New(2));
  list.InsertAfter(&c, New(4));
  list.InsertAfter(nullptr, New(0));
  EXPECT_EQ(Tags(list), (std::vector<int>{0, 1, 2, 3, 4}));
  EXPECT_EQ(TagsBackwards(list), Tags(list));
  EXPECT_EQ(list.size(), 5u);

  EXPECT_TRUE(list.Contains(&c));
  std::unique_ptr<Item> taken = list.Unlink(c);
  EXPECT_EQ(taken.get(), &c);
  EXPECT_FALSE(list.Contains(&c));
  EXPECT_EQ(c.next(), nullptr);
  EXPECT_EQ(c.previous(), nullptr);
  EXPECT_EQ(Tags(list), (std::vector<int>{0, 1, 2, 4}));
  EXPECT_EQ(TagsBackwards(list), Tags(list));
  EXPECT_EQ(list.size(), 4u);

  list.Reverse();
  EXPECT_EQ(Tags(list), (std::vector<int>{4, 2, 1, 0}));
  EXPECT_EQ(TagsBackwards(list), Tags(list));
  // The head and the tail go too, and a record goes back where it is put.
  list.Unlink(*list.head());
  list.Unlink(*list.head()->next()->next());
  list.InsertAfter(list.head(), std::move(taken));
  EXPECT_EQ(Tags(list), (std::vector<int>{2, 3, 1}));
  EXPECT_EQ(TagsBackwards(list), Tags(list));
}

TEST(NodeList, RemovingFreesExactlyTheRecordsTakenOut) {
  int destroyed = 0;
  {
    NodeList<Item> list;
    for (int tag = 5; tag >= 1; --tag)
      list.PushFront(New(tag, &destroyed));
    list.Remove(*list.head());
    EXPECT_EQ(Tags(list), (std::vector<int>{2, 3, 4, 5}));
    list.Remove(*list.head()->next());
    list.Remove(*list.head()->next()->next());  // the last
    EXPECT_EQ(Tags(list), (std::vector<int>{2, 4}));
    EXPECT_EQ(TagsBackwards(list), Tags(list));
    EXPECT_EQ(destroyed, 3);
  }
  EXPECT_EQ(destroyed, 5);  // the rest go with the list
}

TEST(NodeList, KeyedInsertKeepsEqualKeysInInsertionOrder) {
  NodeList<Item> list;
  const int keys[] = {5, 1, 5, 3, 1, 9, 5};
  for (int tag = 0; tag < 7; ++tag)
    list.InsertByKey(std::make_unique<Item>(keys[tag], tag), KeyOf);
  // Keys 1,1,3,5,5,5,9 with the tags of each key in the order they came.
  EXPECT_EQ(Tags(list), (std::vector<int>{1, 4, 3, 0, 2, 6, 5}));
  EXPECT_EQ(TagsBackwards(list), Tags(list));

  EXPECT_EQ(list.FindByKey(5, KeyOf)->tag, 0);
  EXPECT_EQ(list.FindByKey(4, KeyOf), nullptr);
  list.Remove(*list.FindByKey(5, KeyOf));
  EXPECT_EQ(list.FindByKey(5, KeyOf)->tag, 2);
}

TEST(NodeList, MoveHandsOverTheRecords) {
  int destroyed = 0;
  NodeList<Item> first;
  first.PushFront(New(1, &destroyed));
  NodeList<Item> second(std::move(first));
  EXPECT_TRUE(first.empty());
  EXPECT_EQ(first.size(), 0u);
  EXPECT_EQ(Tags(second), (std::vector<int>{1}));
  EXPECT_EQ(second.size(), 1u);
  second = NodeList<Item>();
  EXPECT_EQ(destroyed, 1);
}

// A record's own further link walks with the same range.
struct Chained : Linked<Chained> {
  explicit Chained(int tag) : tag(tag) {}
  Chained* other() const { return other_link; }
  int tag;
  Chained* other_link = nullptr;
};

TEST(NodeRange, WalksAnyLinkOfTheRecords) {
  NodeList<Chained> list;
  Chained& c = list.PushFront(std::make_unique<Chained>(3));
  Chained& b = list.PushFront(std::make_unique<Chained>(2));
  Chained& a = list.PushFront(std::make_unique<Chained>(1));
  a.other_link = &c;
  c.other_link = &b;
  std::vector<int> along_list, along_other;
  for (const Chained& each : list.Items())
    along_list.push_back(each.tag);
  for (const Chained& each : NodeRange<const Chained, &Chained::other>(&a))
    along_other.push_back(each.tag);
  EXPECT_EQ(along_list, (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(along_other, (std::vector<int>{1, 3, 2}));
}

}  // namespace
}  // namespace lumo
