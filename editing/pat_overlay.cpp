#include "editing/pat_overlay.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace lumo {

PatOverlay MakeOverlay(const Expected& expected, const Comparison& comparison) {
  PatOverlay overlay;
  for (const RowComparison& compared : comparison.rows) {
    if (compared.pattern_row < 0) continue;
    const auto row = std::find_if(expected.rows.begin(), expected.rows.end(),
                                  [&](const ExpectedRow& r) { return r.name == compared.name; });
    if (row == expected.rows.end()) continue;
    overlay.rows[compared.pattern_row] = OverlayRow{.width = row->width,
                                                    .expected = row->events,
                                                    .end = comparison.to,
                                                    .mismatches = compared.mismatches};
  }
  return overlay;
}

std::optional<Columns> StretchColumns(const TimeAxis& axis, std::int64_t from, std::int64_t to,
                                      int right) {
  // In doubles until clamped: a stretch to the end of time lies far past
  // any pixel an int holds.
  const double first = std::floor(axis.X(from));
  const double last = std::max(std::floor(axis.X(to)) - 1, first + 1);
  if (last < axis.left || first > right) return std::nullopt;
  return Columns{static_cast<int>(std::max<double>(first, axis.left)),
                 static_cast<int>(std::min<double>(last, right))};
}

bool DashOnAt(const TimeAxis& axis, int x) {
  const auto origin = static_cast<std::int64_t>(std::floor(axis.X(0)));
  const std::int64_t phase = (x - origin) % (2 * kDashLength);
  return (phase < 0 ? phase + 2 * kDashLength : phase) < kDashLength;
}

MismatchPlace NextMismatch(const Comparison& comparison, MismatchPlace current) {
  // Every mismatch of a row on the canvas, by start time, then row, then
  // its place in the row.
  std::vector<std::tuple<std::int32_t, int, int>> order;
  for (std::size_t r = 0; r < comparison.rows.size(); ++r) {
    const RowComparison& row = comparison.rows[r];
    if (row.pattern_row < 0) continue;
    for (std::size_t m = 0; m < row.mismatches.size(); ++m)
      order.emplace_back(row.mismatches[m].from, static_cast<int>(r), static_cast<int>(m));
  }
  if (order.empty()) return {};
  std::sort(order.begin(), order.end());
  auto next = order.begin();
  const auto now = std::find_if(order.begin(), order.end(), [&](const auto& entry) {
    return std::get<1>(entry) == current.row && std::get<2>(entry) == current.mismatch;
  });
  if (now != order.end() && std::next(now) != order.end()) next = std::next(now);
  return {std::get<1>(*next), std::get<2>(*next)};
}

std::int64_t MismatchViewStart(std::int64_t from, double scale) {
  return std::max<std::int64_t>(0, from - static_cast<std::int64_t>(40 * scale));
}

}  // namespace lumo
