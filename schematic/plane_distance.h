#pragma once

#include <cstdint>
#include <limits>

namespace lumo {

// Distances on the schematic plane, in whole logical units.

inline constexpr int kNoDistance = std::numeric_limits<int>::max();

// The integer part of the Euclidean distance between two points, exact for
// every pair of 32-bit coordinates; distances beyond the int range give
// kNoDistance.
int PointDistance(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2);

// The integer part of the distance from (px, py) to the segment from
// (x1, y1) to (x2, y2): to the start point when the point projects before
// it, to the end point when it projects beyond it, else the perpendicular
// distance. A segment of zero length gives kNoDistance (it is never picked).
int SegmentDistance(std::int64_t px, std::int64_t py, std::int64_t x1, std::int64_t y1,
                    std::int64_t x2, std::int64_t y2);

}  // namespace lumo
