// The event and word lists use balanced trees; their order must be exactly
// the order of the keyed linked list (insert after every node of equal or
// smaller key), which the files depend on.

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <limits>
#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "common/node_list.h"
#include "pattern/event_list.h"
#include "pattern/word_list.h"

namespace lumo {
namespace {

struct KeyedNode : Linked<KeyedNode> {
  KeyedNode(long long key, int id) : key(key), id(id) {}
  long long key;
  int id;
};

long long KeyOf(const KeyedNode& node) {
  return node.key;
}

std::vector<std::pair<long long, int>> Order(const NodeList<KeyedNode>& list) {
  std::vector<std::pair<long long, int>> order;
  for (const KeyedNode& node : list)
    order.emplace_back(node.key, node.id);
  return order;
}

std::vector<std::pair<long long, int>> Order(const EventList& events) {
  std::vector<std::pair<long long, int>> order;
  for (const PatEvent& event : events)
    order.emplace_back(event.time, std::stoi(event.value));
  return order;
}

std::vector<std::pair<long long, int>> Order(const WordList& words) {
  std::vector<std::pair<long long, int>> order;
  for (const MemWord& word : words)
    order.emplace_back(static_cast<long long>(word.address), std::stoi(word.data_text));
  return order;
}

TEST(EventListOrder, MatchesTheLinkedListThroughInsertsMovesAndErasures) {
  std::mt19937 random(7);
  // Few distinct times, so most inserts meet events of equal time.
  std::uniform_int_distribution<int> time_of(-5, 40);
  NodeList<KeyedNode> reference;
  EventList events;
  std::vector<EventList::iterator> handles;
  std::vector<KeyedNode*> nodes;
  for (int id = 0; id < 3000; ++id) {
    const int time = time_of(random);
    nodes.push_back(&reference.InsertByKey(std::make_unique<KeyedNode>(time, id), KeyOf));
    handles.push_back(events.Insert(time, std::to_string(id)));
  }
  ASSERT_EQ(Order(events), Order(reference));

  // A move takes the event out and puts it back after every event of equal
  // or smaller time, as the waveform editor's event move does.
  for (int step = 0; step < 500; ++step) {
    const std::size_t pick = random() % handles.size();
    const int time = time_of(random);
    const PatEvent* before = &*handles[pick];
    handles[pick] = events.Move(handles[pick], time);
    EXPECT_EQ(&*handles[pick], before);  // the same event, not a copy
    std::unique_ptr<KeyedNode> moved = reference.Unlink(*nodes[pick]);
    moved->key = time;
    reference.InsertByKey(std::move(moved), KeyOf);
  }
  ASSERT_EQ(Order(events), Order(reference));

  for (std::size_t pick = 0; pick < handles.size(); pick += 3) {
    events.Erase(handles[pick]);
    reference.Remove(*nodes[pick]);
  }
  EXPECT_EQ(Order(events), Order(reference));
}

TEST(EventListOrder, ALongRowInReverseTimeOrderStaysFastAndOrdered) {
  // Linear insertion would take minutes here.
  EventList events;
  constexpr int kEvents = 200000;
  for (int i = kEvents; i > 0; --i)
    events.Insert(i / 2, std::to_string(i));
  ASSERT_EQ(events.size(), static_cast<std::size_t>(kEvents));
  int last_time = INT_MIN;
  int last_id = INT_MAX;
  for (const PatEvent& event : events) {
    const int id = std::stoi(event.value);
    ASSERT_GE(event.time, last_time);
    if (event.time == last_time) {
      ASSERT_LT(id, last_id);  // arrival order: larger ids first
    }
    last_time = event.time;
    last_id = id;
  }
}

TEST(WordListOrder, MatchesTheLinkedListForInsertFindAndRemove) {
  std::mt19937 random(11);
  std::uniform_int_distribution<int> address_of(0, 30);
  NodeList<KeyedNode> reference;
  WordList words;
  for (int id = 0; id < 2000; ++id) {
    const int address = address_of(random);
    reference.InsertByKey(std::make_unique<KeyedNode>(address, id), KeyOf);
    words.Insert(MemWord{static_cast<MemAddress>(address), "t", std::to_string(id)});
  }
  ASSERT_EQ(Order(words), Order(reference));

  for (int step = 0; step < 400; ++step) {
    const int address = address_of(random);
    KeyedNode* expected = reference.FindByKey(address, KeyOf);
    const MemWord* found = words.Find(static_cast<MemAddress>(address));
    ASSERT_EQ(found == nullptr, expected == nullptr);
    if (found != nullptr) {
      EXPECT_EQ(std::stoi(found->data_text), expected->id);
    }
    EXPECT_EQ(words.Remove(static_cast<MemAddress>(address)), expected != nullptr);
    if (expected != nullptr) reference.Remove(*expected);
  }
  EXPECT_EQ(Order(words), Order(reference));
}

TEST(EventList, RefusesValuesThatAreNotOneWord) {
  EventList events;
  EXPECT_EQ(events.Insert(0, ""), events.end());
  EXPECT_EQ(events.Insert(0, "1 0"), events.end());
  EXPECT_EQ(events.Insert(0, "x\n"), events.end());
  EXPECT_TRUE(events.empty());
  const auto event = events.Insert(5, "a3");
  ASSERT_NE(event, events.end());
  EXPECT_FALSE(events.SetValue(event, ""));
  EXPECT_FALSE(events.SetValue(event, "1 1"));
  EXPECT_EQ(event->value, "a3");
  EXPECT_TRUE(events.SetValue(event, "1"));
  EXPECT_EQ(event->value, "1");
}

TEST(EventList, NearestPrefersTheEventMetFirstOnATie) {
  EventList events;
  EXPECT_EQ(events.FindNearest(0).event, events.end());
  EXPECT_EQ(events.FindNearest(0).distance, std::numeric_limits<std::int64_t>::max());

  const auto a = events.Insert(10, "a");
  events.Insert(10, "b");
  const auto c = events.Insert(20, "c");
  events.Insert(20, "d");
  EXPECT_EQ(events.FindNearest(15).event, a);  // 10 and 20 are both 5 away
  EXPECT_EQ(events.FindNearest(15).distance, 5);
  EXPECT_EQ(events.FindNearest(12).event, a);
  EXPECT_EQ(events.FindNearest(16).event, c);
  EXPECT_EQ(events.FindNearest(20).event, c);
  EXPECT_EQ(events.FindNearest(20).distance, 0);
  EXPECT_EQ(events.FindNearest(-100).event, a);
  EXPECT_EQ(events.FindNearest(1000).event, c);
  EXPECT_EQ(events.FindNearest(1000).distance, 980);

  EXPECT_EQ(events.FindAt(20), c);
  EXPECT_EQ(events.FindAt(11), events.end());

  // Distances across the whole time range do not overflow.
  EventList far;
  far.Insert(INT_MIN, "0");
  EXPECT_EQ(far.FindNearest(INT_MAX).distance, std::int64_t{INT_MAX} - INT_MIN);
}

}  // namespace
}  // namespace lumo
