#pragma once

#include <cstdint>
#include <vector>

#include "sim/value_table.h"

namespace lumo {

// One delivery: a value arriving at a terminal at a time.
struct Event {
  std::int32_t time;
  std::uint32_t terminal;
  ValueId value;
};

// Events leave in time order and, at equal times, in the order they were
// inserted. Near times live in a ring of per-time FIFO slots, so inserting
// and popping the dense traffic of a running circuit costs O(1); times
// outside the ring's window wait in a heap ordered by (time, insertion) and
// move into their slot, still in insertion order, before any event can be
// inserted there directly.
class EventQueue {
 public:
  EventQueue() : slots_(kWindow) {}

  void Insert(const Event& event);
  bool Empty() const { return size_ == 0; }
  std::size_t Size() const { return size_; }
  // The next event; the queue must not be empty.
  const Event& First();
  Event Pop();
  void Clear();

 private:
  static constexpr std::int64_t kWindow = 1024;  // a power of two

  struct Queued {
    Event event;
    std::uint64_t sequence;
  };
  struct Slot {
    std::vector<Queued> events;
    std::size_t head = 0;
    bool Empty() const { return head == events.size(); }
  };

  bool InWindow(std::int32_t time) const {
    return anchored_ && time >= base_ && time - std::int64_t{base_} < kWindow;
  }
  Slot& SlotOf(std::int64_t time) { return slots_[static_cast<std::uint64_t>(time) & (kWindow - 1)]; }
  void PushWaiting(const Queued& queued);
  Queued PopWaiting();
  // Puts the window's start on the next event's time, pulling in the waiting
  // events that then fall inside the window.
  Slot& Locate();
  void MoveTo(std::int32_t time);
  // An event earlier than the window (a negative delay): every slot event
  // goes back to the heap, which keeps the order by insertion number.
  void Unanchor();

  std::vector<Slot> slots_;
  std::vector<Queued> waiting_;  // a binary min-heap on (time, sequence)
  std::uint64_t next_sequence_ = 0;
  std::size_t in_slots_ = 0;
  std::size_t size_ = 0;
  std::int32_t base_ = 0;
  bool anchored_ = false;
};

}  // namespace lumo
