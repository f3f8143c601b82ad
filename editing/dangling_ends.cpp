#include "editing/dangling_ends.h"

#include <vector>

namespace lumo {

namespace {

constexpr int kJoinReach = 8;

template <class Range>
DrawLine* FirstOf(const Range& range) {
  auto first = range.begin();
  return first == range.end() ? nullptr : &*first;
}

struct LooseEnd {
  DrawLine* line;
  LineEnd end;
};

}  // namespace

std::size_t JoinDanglingEnds(Draw& draw) {
  // Collected first: attaching an end removes its junction from the list.
  std::vector<LooseEnd> loose;
  for (DrawJunction& junction : draw.junctions()) {
    if (junction.count() != 1) continue;
    if (DrawLine* line = FirstOf(junction.lines_starting()))
      loose.push_back({line, LineEnd::kStart});
    else if (DrawLine* ending = FirstOf(junction.lines_ending()))
      loose.push_back({ending, LineEnd::kEnd});
  }
  std::size_t joined = 0;
  for (const LooseEnd& end : loose) {
    const auto nearest = draw.NearestTerminal(end.line->x(end.end), end.line->y(end.end));
    if (nearest.record == nullptr || nearest.distance >= kJoinReach) continue;
    if (nearest.record->line() != nullptr) continue;
    draw.AttachToTerminal(*end.line, end.end, *nearest.record);
    ++joined;
  }
  return joined;
}

}  // namespace lumo
