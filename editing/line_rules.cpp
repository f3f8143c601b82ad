#include "editing/line_rules.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace lumo {

namespace {

constexpr std::int64_t kStraightReach = 2;
constexpr double kObliqueTolerance = 0.001;
constexpr double kSlopeTolerance = 0.15;
constexpr double kInterceptReach = 4;

bool Inside(std::int64_t value, std::int64_t a, std::int64_t b) {
  return std::min(a, b) <= value && value <= std::max(a, b);
}

// Open intervals meet: sharing one end only is no overlap.
bool ExtentsOverlap(std::int64_t a1, std::int64_t a2, std::int64_t b1, std::int64_t b2) {
  return std::max(std::min(a1, a2), std::min(b1, b2)) <
         std::min(std::max(a1, a2), std::max(b1, b2));
}

bool Vertical(const Segment& s) {
  return s.x1 == s.x2;
}
bool Horizontal(const Segment& s) {
  return s.y1 == s.y2;
}
double Slope(const Segment& s) {
  return static_cast<double>(s.y2 - s.y1) / static_cast<double>(s.x2 - s.x1);
}
double Intercept(const Segment& s) {
  return static_cast<double>(s.y1) - Slope(s) * static_cast<double>(s.x1);
}

}  // namespace

bool PointOnSegment(const Segment& s, std::int64_t x, std::int64_t y) {
  if (Horizontal(s) && Vertical(s)) return false;
  if (Horizontal(s)) return std::llabs(y - s.y1) <= kStraightReach && Inside(x, s.x1, s.x2);
  if (Vertical(s)) return std::llabs(x - s.x1) <= kStraightReach && Inside(y, s.y1, s.y2);
  if (!Inside(x, s.x1, s.x2) || !Inside(y, s.y1, s.y2)) return false;
  const double on_line = Slope(s) * static_cast<double>(x - s.x1) + static_cast<double>(s.y1);
  return std::fabs(on_line - static_cast<double>(y)) <= kObliqueTolerance * std::fabs(double(y));
}

bool SegmentsOverlap(const Segment& drawn, const Segment& fresh) {
  if (Vertical(drawn) && Vertical(fresh)) {
    if (Horizontal(drawn) || Horizontal(fresh)) return false;
    return std::llabs(drawn.x1 - fresh.x1) <= kStraightReach &&
           ExtentsOverlap(drawn.y1, drawn.y2, fresh.y1, fresh.y2);
  }
  if (Horizontal(drawn) && Horizontal(fresh)) {
    return std::llabs(drawn.y1 - fresh.y1) <= kStraightReach &&
           ExtentsOverlap(drawn.x1, drawn.x2, fresh.x1, fresh.x2);
  }
  if (Vertical(drawn) || Vertical(fresh) || Horizontal(drawn) || Horizontal(fresh)) return false;
  const double slope = Slope(fresh);
  const double other_slope = Slope(drawn);
  if ((slope > 0) != (other_slope > 0)) return false;
  if (std::fabs(slope - other_slope) > kSlopeTolerance * std::fabs(slope)) return false;
  const double intercept = Intercept(fresh);
  const double other_intercept = Intercept(drawn);
  if ((intercept < 0) != (other_intercept < 0)) return false;
  if (std::fabs(intercept - other_intercept) > kInterceptReach) return false;
  return ExtentsOverlap(drawn.x1, drawn.x2, fresh.x1, fresh.x2);
}

bool PointOnAnyLine(const Draw& draw, std::int64_t x, std::int64_t y) {
  for (const DrawLine& line : draw.lines())
    if (PointOnSegment(SegmentOf(line), x, y)) return true;
  return false;
}

bool OverlapsAnyLine(const Draw& draw, const Segment& fresh) {
  for (const DrawLine& line : draw.lines())
    if (SegmentsOverlap(SegmentOf(line), fresh)) return true;
  return false;
}

}  // namespace lumo
