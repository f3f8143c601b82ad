#pragma once

#include <cstdint>

#include "schematic/draw.h"

namespace lumo {

// The canvas's rules for drawing signal lines, on logical coordinates.

struct Segment {
  std::int64_t x1, y1, x2, y2;
};

// True when the point lies on the segment: within 2 units of a horizontal or
// vertical one and inside its extent; for an oblique one, within 0.001 of
// the point's y value of its line and inside its extent.
bool PointOnSegment(const Segment& segment, std::int64_t x, std::int64_t y);

// True when the segments lie on practically one line and their extents
// overlap (touching end to end is no overlap): vertical ones whose x differ by
// at most 2, horizontal ones whose y differ by at most 2, or oblique ones
// both rising or both falling whose slopes differ by at most 15 % of the new
// one's and whose y-axis intercepts have the same sign and differ by at most
// 4.
bool SegmentsOverlap(const Segment& drawn, const Segment& fresh);

// The same against every line of the schematic: one walk of the lines.
bool PointOnAnyLine(const Draw& draw, std::int64_t x, std::int64_t y);
bool OverlapsAnyLine(const Draw& draw, const Segment& fresh);

inline Segment SegmentOf(const DrawLine& line) {
  return {line.x1(), line.y1(), line.x2(), line.y2()};
}

}  // namespace lumo
