#include "pattern/event_list.h"

#include <iterator>

#include "pattern/pattern_words.h"

namespace lumo {

bool EventList::IsValue(std::string_view value) {
  return IsWord(value);
}

EventList::iterator EventList::Insert(std::int32_t time, std::string value) {
  if (!IsValue(value)) return end();
  // With end() as the hint a multiset inserts after every equal element, and
  // it costs constant time when the event comes last, as in a file.
  return events_.insert(events_.end(), PatEvent{time, std::move(value)});
}

EventList::iterator EventList::Erase(iterator event) {
  return events_.erase(event);
}

EventList::iterator EventList::FindAt(std::int32_t time) const {
  const auto found = events_.lower_bound(time);
  return found != events_.end() && found->time == time ? found : events_.end();
}

EventList::Nearest EventList::FindNearest(std::int32_t time) const {
  Nearest nearest{events_.end()};
  const auto after = events_.lower_bound(time);
  if (after != events_.begin()) {
    // The first of the latest events before `time` is the one met first.
    const auto before = events_.lower_bound(std::prev(after)->time);
    nearest.event = before;
    nearest.distance = std::int64_t{time} - before->time;
  }
  if (after != events_.end() && std::int64_t{after->time} - time < nearest.distance) {
    nearest.event = after;
    nearest.distance = std::int64_t{after->time} - time;
  }
  return nearest;
}

EventList::iterator EventList::Move(iterator event, std::int32_t time) {
  auto node = events_.extract(event);
  node.value().time = time;
  return events_.insert(events_.end(), std::move(node));
}

bool EventList::SetValue(iterator event, std::string value) {
  if (!IsValue(value)) return false;
  // The value takes no part in the order, so it may change in place.
  const_cast<PatEvent&>(*event).value = std::move(value);
  return true;
}

}  // namespace lumo
