#include "sim/event_queue.h"

#include <gtest/gtest.h>

#include <list>
#include <random>

namespace lumo {
namespace {

// The plain definition of the queue's order: a linked list searched from the
// head, a new event placed after every event of smaller or equal time.
class LinearQueue {
 public:
  void Insert(const Event& event) {
    auto at = events_.begin();
    while (at != events_.end() && at->time <= event.time)
      ++at;
    events_.insert(at, event);
  }
  Event Pop() {
    const Event event = events_.front();
    events_.pop_front();
    return event;
  }
  bool Empty() const { return events_.empty(); }

 private:
  std::list<Event> events_;
};

void ExpectSame(const Event& expected, const Event& actual, int step) {
  ASSERT_EQ(expected.time, actual.time) << "step " << step;
  ASSERT_EQ(expected.target, actual.target) << "step " << step;
  ASSERT_EQ(expected.value, actual.value) << "step " << step;
}

// Times near the last popped one (dense traffic), far ahead (pattern
// events), behind it (negative delays) and at the extremes of the range.
TEST(EventQueue, DeliversInTheSameOrderAsALinearList) {
  std::mt19937 random(20261207);
  for (int round = 0; round < 200; ++round) {
    EventQueue queue;
    LinearQueue reference;
    std::int32_t now = static_cast<std::int32_t>(random() % 2000) - 1000;
    std::uint32_t label = 0;
    const int steps = 50 + static_cast<int>(random() % 2000);
    for (int step = 0; step < steps; ++step) {
      const unsigned kind = random() % 100;
      if (kind < 45 || reference.Empty()) {
        std::int64_t time;
        const unsigned where = random() % 100;
        if (where < 70)
          time = std::int64_t{now} + static_cast<std::int64_t>(random() % 8);
        else if (where < 85)
          time = std::int64_t{now} + static_cast<std::int64_t>(random() % 5000);
        else if (where < 95)
          time = std::int64_t{now} - static_cast<std::int64_t>(random() % 50);
        else
          time = where < 98 ? INT32_MAX - static_cast<std::int32_t>(random() % 3)
                            : INT32_MIN + static_cast<std::int32_t>(random() % 3);
        time = std::clamp<std::int64_t>(time, INT32_MIN, INT32_MAX);
        // Mostly one-bit values on small targets (one word each), sometimes
        // wider values or targets (three words), so both share the lists.
        const std::uint32_t target = random() % 10 == 0 ? 0x80000000u + label++ : label++;
        const Event event{
            static_cast<std::int32_t>(time), target,
            static_cast<ValueId>(random() % 10 == 0 ? 4 + random() % 100 : random() % 4)};
        queue.Insert(event);
        reference.Insert(event);
      } else {
        ExpectSame(reference.Pop(), queue.First(), step);
        const Event popped = queue.Pop();
        if (::testing::Test::HasFatalFailure()) return;
        now = popped.time;
      }
    }
    while (!reference.Empty()) {
      ASSERT_FALSE(queue.Empty());
      ExpectSame(reference.Pop(), queue.Pop(), -1);
    }
    EXPECT_TRUE(queue.Empty());
    EXPECT_EQ(queue.Size(), 0u);
  }
}

TEST(EventQueue, EqualTimesLeaveInInsertionOrderAcrossTheWindowEdge) {
  EventQueue queue;
  queue.Insert({0, 0, kValue0});
  EXPECT_EQ(queue.Pop().target, 0u);  // anchors the window at 0
  // Time 5000 lies beyond the window: the first two wait in the heap, the
  // third is inserted once the window has reached it.
  queue.Insert({5000, 1, kValue0});
  queue.Insert({5000, 2, kValue0});
  queue.Insert({4500, 3, kValue0});
  EXPECT_EQ(queue.Pop().target, 3u);
  queue.Insert({5000, 4, kValue0});
  queue.Insert({4999, 5, kValue0});
  for (std::uint32_t expected : {5u, 1u, 2u, 4u})
    EXPECT_EQ(queue.Pop().target, expected);
  EXPECT_TRUE(queue.Empty());
}

}  // namespace
}  // namespace lumo
