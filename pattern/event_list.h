#pragma once

#include <cstdint>
#include <limits>
#include <set>
#include <string>
#include <string_view>

namespace lumo {

// One change of a pattern row: the value (a non-empty word: "0", "1", "x",
// "z" or hexadecimal digits for a bus) from `time` on.
struct PatEvent {
  std::int32_t time = 0;
  std::string value;
};

// The events of one pattern row in ascending time. A new event goes after
// every event whose time is less than or equal to its own, so events of equal
// time keep the order they arrived in. A balanced tree keeps insertion,
// moving and searching logarithmic however long the row grows; iterators and
// the events they point at stay valid until that event is erased.
class EventList {
  struct ByTime {
    using is_transparent = void;
    bool operator()(const PatEvent& a, const PatEvent& b) const { return a.time < b.time; }
    bool operator()(const PatEvent& a, std::int32_t time) const { return a.time < time; }
    bool operator()(std::int32_t time, const PatEvent& b) const { return time < b.time; }
  };
  using Events = std::multiset<PatEvent, ByTime>;

 public:
  using iterator = Events::const_iterator;

  // The event nearest to a time and its distance; `event` is end() and the
  // distance the largest value when the list is empty.
  struct Nearest {
    iterator event;
    std::int64_t distance = std::numeric_limits<std::int64_t>::max();
  };

  EventList() = default;
  EventList(EventList&&) noexcept = default;
  EventList& operator=(EventList&&) noexcept = default;
  EventList(const EventList&) = delete;
  EventList& operator=(const EventList&) = delete;

  // True when `value` can be an event value: one word, not empty.
  static bool IsValue(std::string_view value);

  iterator begin() const { return events_.begin(); }
  iterator end() const { return events_.end(); }
  std::size_t size() const { return events_.size(); }
  bool empty() const { return events_.empty(); }

  // Inserts after every event of equal or smaller time. A value that is not
  // an event value is refused: nothing is inserted and end() is returned.
  iterator Insert(std::int32_t time, std::string value);
  // Removes the event; gives the one after it.
  iterator Erase(iterator event);
  void Clear() { events_.clear(); }

  // The first event at exactly `time`, or end().
  iterator FindAt(std::int32_t time) const;
  // The event closest to `time`; of two at equal distance the earlier wins.
  Nearest FindNearest(std::int32_t time) const;

  // Gives the event a new time and puts it after every event of equal or
  // smaller time. The event itself (its address) stays the same.
  iterator Move(iterator event, std::int32_t time);
  // Replaces the event's value; false (nothing changed) when `value` is not
  // an event value.
  bool SetValue(iterator event, std::string value);

 private:
  Events events_;
};

}  // namespace lumo
