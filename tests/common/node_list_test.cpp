#include "common/node_list.h"

#include <gtest/gtest.h>

#include <vector>

namespace lumo {
namespace {

struct Item : Linked<Item> {
  Item(int key, int tag, int* destroyed = nullptr) : key(key), tag(tag), destroyed(destroyed) {}
  ~Item() override {
    if (destroyed != nullptr) ++*destroyed;
  }
  int key;
  int tag;
  int* destroyed;
};

int KeyOf(const Item& item) {
  return item.key;
}

std::vector<int> Tags(const NodeList<Item>& list) {
  std::vector<int> tags;
  for (const Item& item : list)
    tags.push_back(item.tag);
  return tags;
}

TEST(NodeList, PushInsertUnlinkAndReverseKeepTheOrderTheyDescribe) {
  NodeList<Item> list;
  Item* c = new Item(0, 3);
  list.PushFront(c);
  Item* a = new Item(0, 1);
  list.PushFront(a);
  list.InsertAfter(a, new Item(0, 2));
  list.InsertAfter(c, new Item(0, 4));
  list.InsertAfter(nullptr, new Item(0, 0));
  EXPECT_EQ(Tags(list), (std::vector<int>{0, 1, 2, 3, 4}));
  EXPECT_EQ(list.Count(), 5u);

  EXPECT_TRUE(list.Unlink(c));
  EXPECT_FALSE(list.Unlink(c));
  EXPECT_EQ(c->next, nullptr);
  EXPECT_EQ(Tags(list), (std::vector<int>{0, 1, 2, 4}));
  delete c;

  list.Reverse();
  EXPECT_EQ(Tags(list), (std::vector<int>{4, 2, 1, 0}));
}

TEST(NodeList, RemovingFreesExactlyTheNodesTakenOut) {
  int destroyed = 0;
  {
    NodeList<Item> list;
    for (int tag = 5; tag >= 1; --tag)
      list.PushFront(new Item(0, tag, &destroyed));
    list.RemoveAfter(nullptr);  // the head
    EXPECT_EQ(Tags(list), (std::vector<int>{2, 3, 4, 5}));
    list.RemoveAfter(list.Head());
    EXPECT_EQ(Tags(list), (std::vector<int>{2, 4, 5}));
    Item* last = list.Head()->next->next;
    list.RemoveAfter(last);  // nothing after the last node
    list.Remove(list.Head()->next);
    EXPECT_EQ(Tags(list), (std::vector<int>{2, 5}));
    EXPECT_EQ(destroyed, 3);
  }
  EXPECT_EQ(destroyed, 5);  // the rest go with the list
}

TEST(NodeList, KeyedInsertKeepsEqualKeysInInsertionOrder) {
  NodeList<Item> list;
  const int keys[] = {5, 1, 5, 3, 1, 9, 5};
  for (int tag = 0; tag < 7; ++tag)
    list.InsertByKey(new Item(keys[tag], tag), KeyOf);
  // Keys 1,1,3,5,5,5,9 with the tags of each key in the order they came.
  EXPECT_EQ(Tags(list), (std::vector<int>{1, 4, 3, 0, 2, 6, 5}));

  EXPECT_EQ(list.FindByKey(5, KeyOf)->tag, 0);
  EXPECT_EQ(list.FindByKey(4, KeyOf), nullptr);
  EXPECT_TRUE(list.RemoveByKey(5, KeyOf));
  EXPECT_FALSE(list.RemoveByKey(4, KeyOf));
  EXPECT_EQ(list.FindByKey(5, KeyOf)->tag, 2);
}

TEST(NodeList, MoveHandsOverTheNodes) {
  int destroyed = 0;
  NodeList<Item> first;
  first.PushFront(new Item(0, 1, &destroyed));
  NodeList<Item> second(std::move(first));
  EXPECT_TRUE(first.Empty());
  EXPECT_EQ(Tags(second), (std::vector<int>{1}));
  second = NodeList<Item>();
  EXPECT_EQ(destroyed, 1);
}

}  // namespace
}  // namespace lumo
