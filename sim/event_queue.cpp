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

void EventQueue::InsertOutsideWindow(const Event& event) {
  if (anchored_ && event.time < base_) Unanchor();
  PushWaiting(event, next_sequence_++);
}

void EventQueue::Drain(Slot& slot) {
  if (slot.events.capacity() > kKeep)
    std::vector<Event>().swap(slot.events);
  else
    slot.events.clear();
  slot.head = 0;
}

void EventQueue::Clear() {
  for (Slot& slot : slots_)
    Drain(slot);
  waiting_.clear();
  listed_ = 0;
  size_ = 0;
  anchored_ = false;
}

EventQueue::Slot& EventQueue::LocateLater() {
  if (listed_ == 0) {
    MoveTo(waiting_.front().event.time);
  } else {
    std::int64_t time = base_;
    while (SlotOf(time).head == SlotOf(time).events.size())
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
  // their order with fresh insertion numbers taken in array order.
  for (std::int64_t time = base_; time < base_ + kWindow; ++time) {
    Slot& slot = SlotOf(time);
    for (std::size_t i = slot.head; i < slot.events.size(); ++i)
      PushWaiting(slot.events[i], next_sequence_++);
    Drain(slot);
  }
  listed_ = 0;
  anchored_ = false;
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
