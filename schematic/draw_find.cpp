// Draw: finding records by position, and the picks of the edit modes.

#include "schematic/draw.h"

namespace lumo {

namespace {

// The largest distance at which the pick of terminals and junctions takes one.
constexpr int kTerminalOrJunctionReach = 4;
// The largest distance at which the pick for moving takes a junction.
constexpr int kMoveJunctionReach = 6;

}  // namespace

DrawTerminal* Draw::FindTerminalAt(std::int32_t x, std::int32_t y) const {
  return terminal_index_.FindAt(x, y);
}

DrawJunction* Draw::FindJunctionAt(std::int32_t x, std::int32_t y) const {
  return junction_index_.FindAt(x, y);
}

NearestRecord<DrawElement> Draw::NearestElement(std::int32_t x, std::int32_t y) const {
  return element_index_.Nearest(x, y);
}

NearestRecord<DrawTerminal> Draw::NearestTerminal(std::int32_t x, std::int32_t y) const {
  return terminal_index_.Nearest(x, y);
}

NearestRecord<DrawJunction> Draw::NearestJunction(std::int32_t x, std::int32_t y) const {
  return junction_index_.Nearest(x, y);
}

NearestRecord<DrawLine> Draw::NearestLine(std::int32_t x, std::int32_t y) const {
  NearestRecord<DrawLine> best;
  for (DrawLine* line = lines_.head(); line != nullptr; line = line->next()) {
    if (line->x1() == line->x2() && line->y1() == line->y2()) continue;
    const int distance = SegmentDistance(x, y, line->x1(), line->y1(), line->x2(), line->y2());
    if (best.record == nullptr || distance < best.distance) best = {line, distance};
  }
  return best;
}

DrawPick Draw::PickElementOrLine(std::int32_t x, std::int32_t y) const {
  const auto element = NearestElement(x, y);
  const auto line = NearestLine(x, y);
  DrawPick pick;
  if (element.record != nullptr && (line.record == nullptr || element.distance <= line.distance))
    pick.element = element.record;
  else
    pick.line = line.record;
  return pick;
}

DrawPick Draw::PickTerminalOrJunction(std::int32_t x, std::int32_t y) const {
  const auto terminal = NearestTerminal(x, y);
  const auto junction = NearestJunction(x, y);
  DrawPick pick;
  if (terminal.record != nullptr && terminal.distance <= kTerminalOrJunctionReach &&
      terminal.distance <= junction.distance)
    pick.terminal = terminal.record;
  else if (junction.record != nullptr && junction.distance <= kTerminalOrJunctionReach)
    pick.junction = junction.record;
  return pick;
}

DrawPick Draw::PickElementLineOrJunction(std::int32_t x, std::int32_t y) const {
  const auto element = NearestElement(x, y);
  const auto line = NearestLine(x, y);
  const auto junction = NearestJunction(x, y);
  DrawPick pick;
  if (element.record != nullptr && line.distance >= element.distance &&
      junction.distance >= element.distance)
    pick.element = element.record;
  else if (junction.record != nullptr && junction.distance <= kMoveJunctionReach)
    pick.junction = junction.record;
  else if (line.record != nullptr && line.record->start_junction() != nullptr &&
           line.record->end_junction() != nullptr)
    pick.line = line.record;
  return pick;
}

}  // namespace lumo
