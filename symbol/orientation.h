#pragma once

#include <cstdint>

namespace lumo {

// Orientation codes of symbols and texts: 0 as drawn (facing right), 1 turned
// to face up, 2 facing left, 3 facing down; 4..7 are 2, 1, 0, 3 applied after
// a top-bottom mirror (4 is the left-right mirror image, 6 the top-bottom one).
inline constexpr int kOrientationCount = 8;

template <class T>
struct OrientedPoint {
  T x;
  T y;
};

// The offset from the placement point of the symbol point (x, y), in screen
// axes. A code outside 0..7 gives (0, 0).
template <class T>
OrientedPoint<T> OrientPoint(int code, T x, T y) {
  switch (code) {
    case 0:
      return {x, y};
    case 1:
      return {y, -x};
    case 2:
      return {-x, -y};
    case 3:
      return {-y, x};
    case 4:
      return {-x, y};
    case 5:
      return {-y, -x};
    case 6:
      return {x, -y};
    case 7:
      return {y, x};
    default:
      return {T{}, T{}};
  }
}

// A terminal's stub direction (0 right, 1 up, 2 left, 3 down) under an
// orientation; a code outside 0..7 gives 0. Directions outside 0..3 count
// modulo 4.
int OrientDirection(int code, int direction);

// The arc angles (start, end) of a symbol arc under an orientation, as the
// arc is drawn: mirrored codes swap and negate the angles so the arc still
// runs counter-clockwise; a pair beyond +-360 is brought back by one turn.
struct ArcAngles {
  std::int64_t start;
  std::int64_t end;
};
ArcAngles OrientArc(int code, std::int64_t start, std::int64_t end);

}  // namespace lumo
