#pragma once

#include <cstdint>
#include <vector>

#include "sim/value_table.h"

namespace lumo {

// One delivery: a value arriving at a terminal at a time. `route` is the
// kernel's note of where the value goes from there (its signal and whether
// the terminal is recorded), taken when the event is made so that
// delivering it needs no look-up of the terminal.
struct Event {
  std::int32_t time;
  std::uint32_t terminal;
  ValueId value;
  std::uint32_t route = 0;
};

// Events leave in time order and, at equal times, in the order they were
// inserted. Near times live in a ring of per-time FIFO arrays, so inserting
// and popping the dense traffic of a running circuit costs O(1) and walks
// memory in order; an array that grew large gives its memory back once
// drained, so memory follows the events in flight. Times outside the ring's
// window wait in a heap ordered by (time, insertion) and move into their
// array, still in insertion order, before any event can be inserted there
// directly.
class EventQueue {
 public:
  EventQueue() : slots_(kWindow) {}

  void Insert(const Event& event) {
    ++size_;
    if (anchored_ && event.time >= base_ && event.time - std::int64_t{base_} < kWindow) {
      Append(event);
      return;
    }
    InsertOutsideWindow(event);
  }
  bool Empty() const { return size_ == 0; }
  std::size_t Size() const { return size_; }
  // The next event; the queue must not be empty.
  const Event& First() {
    const Slot& slot = Locate();
    return slot.events[slot.head];
  }
  Event Pop() {
    Slot& slot = Locate();
    const Event event = slot.events[slot.head++];
    if (slot.head == slot.events.size()) Drain(slot);
    --listed_;
    --size_;
    return event;
  }
  void Clear();

 private:
  static constexpr std::int64_t kWindow = 1024;  // a power of two
  // Drained arrays keep at most this many places.
  static constexpr std::size_t kKeep = 256;

  struct Slot {
    std::vector<Event> events;
    std::size_t head = 0;
  };
  struct Waiting {
    Event event;
    std::uint64_t sequence;
  };

  Slot& SlotOf(std::int64_t time) {
    return slots_[static_cast<std::uint64_t>(time) & (kWindow - 1)];
  }
  void Append(const Event& event) {
    SlotOf(event.time).events.push_back(event);
    ++listed_;
  }
  void Drain(Slot& slot);
  void InsertOutsideWindow(const Event& event);
  void PushWaiting(const Event& event, std::uint64_t sequence);
  Waiting PopWaiting();
  // Puts the window's start on the next event's time, pulling in the waiting
  // events that then fall inside it.
  Slot& Locate() {
    if (listed_ != 0) {
      Slot& slot = SlotOf(base_);
      if (slot.head != slot.events.size()) return slot;
    }
    return LocateLater();
  }
  Slot& LocateLater();
  void MoveTo(std::int32_t time);
  // An event earlier than the window (a negative delay): every listed event
  // goes back to the heap, in its array's order.
  void Unanchor();

  std::vector<Slot> slots_;
  std::vector<Waiting> waiting_;  // a binary min-heap on (time, sequence)
  std::uint64_t next_sequence_ = 0;
  std::size_t listed_ = 0;
  std::size_t size_ = 0;
  std::int32_t base_ = 0;
  bool anchored_ = false;
};

}  // namespace lumo
