#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "sim/value_table.h"

namespace lumo {

// One delivery: a value arriving at a time. `target` says where: the kernel
// keeps there the route of the terminal the value arrives at (see Kernel).
struct Event {
  std::int32_t time;
  std::uint32_t target;
  ValueId value;
};

// Events leave in time order and, at equal times, in the order they were
// inserted. Near times live in a ring of per-time FIFO lists of fixed-size
// chunks drawn from one pool, so inserting and popping the dense traffic of a
// running circuit costs O(1) and walks memory in order. The time is the
// slot's, and an event whose value is one of the four one-bit values takes a
// single 32-bit word, so millions of events in flight stay small. Times
// outside the ring's window wait in a heap ordered by (time, insertion) and
// move into their list, still in insertion order, before any event can be
// inserted there directly.
class EventQueue {
 public:
  EventQueue() : slots_(kWindow) {}
  EventQueue(const EventQueue& other);
  EventQueue& operator=(const EventQueue&) = delete;

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
  Event First() {
    Slot cursor = Locate();
    const Item item = Next(cursor);
    return {base_, item.target, item.value};
  }
  Event Pop() {
    Slot& slot = Locate();
    Chunk* const first = slot.head;
    Chunk* const last = slot.tail;
    const Item item = Next(slot);
    // Give back the chunks the event was read from to the end.
    if (slot.head != first) {
      Release(first);
      if (slot.head == nullptr && last != first) Release(last);
    }
    --listed_;
    --size_;
    return {base_, item.target, item.value};
  }
  void Clear();

 private:
  static constexpr std::int64_t kWindow = 1024;  // a power of two
  static constexpr std::uint32_t kChunk = 254;   // words
  // A one-word event: the value id in the top three bits, the target below.
  static constexpr std::uint32_t kTargetBits = 29;
  static constexpr std::uint32_t kTargetMask = (1u << kTargetBits) - 1;
  // The top bits of the first of three words: target and value follow.
  static constexpr std::uint32_t kWide = 7;

  struct Chunk {
    std::uint32_t words[kChunk];
    Chunk* next = nullptr;
  };
  struct Slot {
    Chunk* head = nullptr;
    Chunk* tail = nullptr;
    std::uint32_t head_index = 0;
    std::uint32_t tail_index = 0;
  };
  struct Waiting {
    Event event;
    std::uint64_t sequence;
  };

  Slot& SlotOf(std::int64_t time) {
    return slots_[static_cast<std::uint64_t>(time) & (kWindow - 1)];
  }
  void Append(const Event& event) {
    Slot& slot = SlotOf(event.time);
    if (event.value <= kValueZ && event.target <= kTargetMask) {
      Put(slot, (event.value << kTargetBits) | event.target);
    } else {
      Put(slot, kWide << kTargetBits);
      Put(slot, event.target);
      Put(slot, event.value);
    }
    ++listed_;
  }
  void Put(Slot& slot, std::uint32_t word) {
    if (slot.tail == nullptr) {
      slot.head = slot.tail = Acquire();
    } else if (slot.tail_index == kChunk) {
      slot.tail->next = Acquire();
      slot.tail = slot.tail->next;
      slot.tail_index = 0;
    }
    slot.tail->words[slot.tail_index++] = word;
  }
  struct Item {
    std::uint32_t target;
    ValueId value;
  };
  // Reads the next word at `cursor` (a slot or a copy of one) and moves the
  // cursor on; an emptied cursor becomes an empty slot.
  static std::uint32_t NextWord(Slot& cursor) {
    const std::uint32_t word = cursor.head->words[cursor.head_index++];
    if (cursor.head == cursor.tail && cursor.head_index == cursor.tail_index) {
      cursor = Slot{};
    } else if (cursor.head_index == kChunk) {
      cursor.head = cursor.head->next;
      cursor.head_index = 0;
    }
    return word;
  }
  static Item Next(Slot& cursor) {
    const std::uint32_t word = NextWord(cursor);
    if (word >> kTargetBits != kWide) return {word & kTargetMask, word >> kTargetBits};
    const std::uint32_t target = NextWord(cursor);
    return {target, NextWord(cursor)};
  }
  Chunk* Acquire();
  void Release(Chunk* chunk) {
    chunk->next = free_;
    free_ = chunk;
  }
  void InsertOutsideWindow(const Event& event);
  void PushWaiting(const Event& event, std::uint64_t sequence);
  Waiting PopWaiting();
  // Puts the window's start on the next event's time, pulling in the waiting
  // events that then fall inside it.
  Slot& Locate() {
    if (listed_ != 0 && SlotOf(base_).head != nullptr) return SlotOf(base_);
    return LocateLater();
  }
  Slot& LocateLater();
  void MoveTo(std::int32_t time);
  // Every listed event in time and list order.
  std::vector<Event> Listed() const;
  // Gives every listed event's chunks back to the pool.
  void ReleaseSlots();
  // An event earlier than the window (a negative delay): every listed event
  // goes back to the heap, in list order.
  void Unanchor();

  std::vector<Slot> slots_;
  std::vector<std::unique_ptr<Chunk>> chunks_;  // owns every chunk
  Chunk* free_ = nullptr;
  std::vector<Waiting> waiting_;  // a binary min-heap on (time, sequence)
  std::uint64_t next_sequence_ = 0;
  std::size_t listed_ = 0;
  std::size_t size_ = 0;
  std::int32_t base_ = 0;
  bool anchored_ = false;
};

}  // namespace lumo
