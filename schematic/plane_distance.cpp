#include "schematic/plane_distance.h"

#include <cmath>

namespace lumo {

namespace {

using Wide = unsigned __int128;

// The integer square root of `n`: the estimate of the floating-point root is
// corrected by whole steps, so the result is exact where doubles are not.
std::uint64_t IntegerRoot(Wide n) {
  auto r = static_cast<std::uint64_t>(std::sqrt(static_cast<long double>(n)));
  while (r > 0 && static_cast<Wide>(r) * r > n)
    --r;
  while (static_cast<Wide>(r + 1) * (r + 1) <= n)
    ++r;
  return r;
}

int Clamped(std::uint64_t distance) {
  return distance >= static_cast<std::uint64_t>(kNoDistance) ? kNoDistance
                                                             : static_cast<int>(distance);
}

Wide Square(std::int64_t value) {
  const std::uint64_t magnitude = value < 0 ? 0 - static_cast<std::uint64_t>(value) : value;
  return static_cast<Wide>(magnitude) * magnitude;
}

}  // namespace

int PointDistance(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2) {
  return Clamped(IntegerRoot(Square(x2 - x1) + Square(y2 - y1)));
}

int SegmentDistance(std::int64_t px, std::int64_t py, std::int64_t x1, std::int64_t y1,
                    std::int64_t x2, std::int64_t y2) {
  const std::int64_t vx = x2 - x1;
  const std::int64_t vy = y2 - y1;
  if (vx == 0 && vy == 0) return kNoDistance;
  const std::int64_t wx = px - x1;
  const std::int64_t wy = py - y1;
  // Products of 33-bit differences need more than 64 bits.
  const __int128 along = static_cast<__int128>(wx) * vx + static_cast<__int128>(wy) * vy;
  const __int128 length2 = static_cast<__int128>(vx) * vx + static_cast<__int128>(vy) * vy;
  if (along < 0) return PointDistance(px, py, x1, y1);
  if (along > length2) return PointDistance(px, py, x2, y2);
  __int128 cross = static_cast<__int128>(wx) * vy - static_cast<__int128>(wy) * vx;
  if (cross < 0) cross = -cross;
  const long double estimate =
      static_cast<long double>(cross) / std::sqrt(static_cast<long double>(length2));
  if (estimate >= static_cast<long double>(kNoDistance)) return kNoDistance;
  auto d = static_cast<std::int64_t>(estimate);
  // floor(cross / |v|) is the largest d with d * d * length2 <= cross * cross.
  // The estimate is corrected exactly where the products fit in 128 bits,
  // which holds for every coordinate below 2^30 in size.
  constexpr __int128 kExactLimit = static_cast<__int128>(1) << 63;
  if (cross < kExactLimit && length2 < kExactLimit) {
    const Wide c2 = static_cast<Wide>(cross) * static_cast<Wide>(cross);
    const auto fits = [&](std::int64_t candidate) {
      const Wide k = static_cast<Wide>(candidate);
      return k * k * static_cast<Wide>(length2) <= c2;
    };
    while (d > 0 && !fits(d))
      --d;
    while (fits(d + 1))
      ++d;
  }
  return Clamped(static_cast<std::uint64_t>(d));
}

}  // namespace lumo
