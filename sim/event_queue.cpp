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

void EventQueue::Insert(const Event& event) {
  const Queued queued{event, next_sequence_++};
  ++size_;
  if (anchored_ && event.time < base_) Unanchor();
  if (InWindow(event.time)) {
    SlotOf(event.time).events.push_back(queued);
    ++in_slots_;
  } else {
    PushWaiting(queued);
  }
}

const Event& EventQueue::First() {
  Slot& slot = Locate();
  return slot.events[slot.head].event;
}

Event EventQueue::Pop() {
  Slot& slot = Locate();
  const Event event = slot.events[slot.head++].event;
  if (slot.Empty()) {
    slot.events.clear();
    slot.head = 0;
  }
  --in_slots_;
  --size_;
  return event;
}

void EventQueue::Clear() {
  for (Slot& slot : slots_) {
    slot.events.clear();
    slot.head = 0;
  }
  waiting_.clear();
  in_slots_ = 0;
  size_ = 0;
  anchored_ = false;
}

EventQueue::Slot& EventQueue::Locate() {
  if (in_slots_ == 0) {
    MoveTo(waiting_.front().event.time);
  } else {
    std::int64_t time = base_;
    while (SlotOf(time).Empty()) ++time;
    if (time != base_) MoveTo(static_cast<std::int32_t>(time));
  }
  return SlotOf(base_);
}

void EventQueue::MoveTo(std::int32_t time) {
  base_ = time;
  anchored_ = true;
  while (!waiting_.empty() && waiting_.front().event.time - std::int64_t{base_} < kWindow) {
    const Queued queued = PopWaiting();
    SlotOf(queued.event.time).events.push_back(queued);
    ++in_slots_;
  }
}

void EventQueue::Unanchor() {
  for (Slot& slot : slots_) {
    for (std::size_t i = slot.head; i < slot.events.size(); ++i) PushWaiting(slot.events[i]);
    slot.events.clear();
    slot.head = 0;
  }
  in_slots_ = 0;
  anchored_ = false;
}

void EventQueue::PushWaiting(const Queued& queued) {
  waiting_.push_back(queued);
  std::push_heap(waiting_.begin(), waiting_.end(), Later<Queued, Queued>);
}

EventQueue::Queued EventQueue::PopWaiting() {
  std::pop_heap(waiting_.begin(), waiting_.end(), Later<Queued, Queued>);
  const Queued queued = waiting_.back();
  waiting_.pop_back();
  return queued;
}

}  // namespace lumo
