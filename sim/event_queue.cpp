#include "sim/event_queue.h"

#include <algorithm>

namespace lumo {

namespace {

// The heap's comparison: std heaps keep the largest on top, so "later" is
// "less".
bool Later(const auto& a, const auto& b) {
  if (a.event.time != b.event.time) return a.event.time > b.event.time;
  return a.sequence > b.sequence;
}

}  // namespace

EventQueue::EventQueue(const EventQueue& other)
    : slots_(kWindow),
      waiting_(other.waiting_),
      next_sequence_(other.next_sequence_),
      size_(other.waiting_.size()),
      base_(other.base_),
      anchored_(other.anchored_) {
  for (const Event& event : other.Listed()) {
    Append(event);
    ++size_;
  }
}

EventQueue::Chunk* EventQueue::Acquire() {
  if (free_ == nullptr) {
    chunks_.push_back(std::make_unique<Chunk>());
    return chunks_.back().get();
  }
  Chunk* chunk = free_;
  free_ = chunk->next;
  chunk->next = nullptr;
  return chunk;
}

std::vector<Event> EventQueue::Listed() const {
  std::vector<Event> events;
  if (!anchored_) return events;
  for (std::int64_t time = base_; time < base_ + kWindow; ++time) {
    Slot cursor = slots_[static_cast<std::uint64_t>(time) & (kWindow - 1)];
    while (cursor.head != nullptr) {
      const Item item = Next(cursor);
      events.push_back({static_cast<std::int32_t>(time), item.target, item.value});
    }
  }
  return events;
}

void EventQueue::InsertOutsideWindow(const Event& event) {
  if (anchored_ && event.time < base_) Unanchor();
  PushWaiting(event, next_sequence_++);
}

void EventQueue::ReleaseSlots() {
  for (Slot& slot : slots_) {
    for (Chunk* chunk = slot.head; chunk != nullptr;) {
      Chunk* next = chunk->next;
      Release(chunk);
      chunk = next;
    }
    slot = Slot{};
  }
  listed_ = 0;
  anchored_ = false;
}

void EventQueue::Clear() {
  ReleaseSlots();
  waiting_.clear();
  size_ = 0;
}

EventQueue::Slot& EventQueue::LocateLater() {
  if (listed_ == 0) {
    MoveTo(waiting_.front().event.time);
  } else {
    std::int64_t time = base_;
    while (SlotOf(time).head == nullptr)
      ++time;
    MoveTo(static_cast<std::int32_t>(time));
  }
  return SlotOf(base_);
}

void EventQueue::MoveTo(std::int32_t time) {
  base_ = time;
  anchored_ = true;
  while (!waiting_.empty() && waiting_.front().event.time - std::int64_t{base_} < kWindow)
    Append(PopWaiting().event);
}

void EventQueue::Unanchor() {
  // The heap holds only times beyond the window, so the listed events keep
  // their order with fresh insertion numbers taken in list order.
  const std::vector<Event> listed = Listed();
  ReleaseSlots();
  for (const Event& event : listed)
    PushWaiting(event, next_sequence_++);
}

void EventQueue::PushWaiting(const Event& event, std::uint64_t sequence) {
  waiting_.push_back({event, sequence});
  std::push_heap(waiting_.begin(), waiting_.end(), Later<Waiting, Waiting>);
}

EventQueue::Waiting EventQueue::PopWaiting() {
  std::pop_heap(waiting_.begin(), waiting_.end(), Later<Waiting, Waiting>);
  const Waiting waiting = waiting_.back();
  waiting_.pop_back();
  return waiting;
}

}  // namespace lumo
