#include "editing/time_axis.h"

#include <algorithm>
#include <cmath>

namespace lumo {

double ZoomedIn(double scale) {
  return scale > 0.07 ? scale / 2 : scale;
}

double ZoomedOut(double scale) {
  return scale < 260 ? scale * 2 : scale;
}

TickSpacing TicksFor(double scale) {
  // Rows by pixels per time unit, first that applies.
  struct Row {
    double max_pixels;
    TickSpacing ticks;
  };
  static constexpr Row kRows[] = {
      {1.0 / 4096, {100000, 500000, 1000000}},
      {1.0 / 2048, {20000, 100000, 500000}},
      {1.0 / 1024, {20000, 100000, 200000}},
      {1.0 / 512, {10000, 50000, 100000}},
      {1.0 / 256, {2000, 10000, 50000}},
      {1.0 / 128, {2000, 10000, 20000}},
      {1.0 / 64, {1000, 5000, 10000}},
      {1.0 / 32, {200, 1000, 5000}},
      {1.0 / 16, {200, 1000, 2000}},
      {1.0 / 8, {100, 500, 1000}},
      {1.0 / 4, {20, 100, 500}},
      {1.0 / 2, {20, 100, 200}},
      {1.0, {10, 50, 100}},
      {2.0, {2, 10, 50}},
  };
  const double pixels = 1.0 / scale;
  for (const Row& row : kRows)
    if (pixels <= row.max_pixels) return row.ticks;
  if (pixels > 4) return {1, 5, 10};
  return {2, 10, 20};
}

std::int64_t TimeAxis::TimeAt(int x) const {
  const double exact = static_cast<double>(x - left - 10) * scale + static_cast<double>(first);
  const auto time = static_cast<std::int64_t>(std::floor(exact));
  const auto grid = static_cast<std::int64_t>(2 * scale);
  if (grid < 2) return time;
  // Snap towards zero on the grid, as integer division does.
  return grid * (time / grid);
}

int LabelShift(std::int64_t time) {
  if (time <= 8) return 4;
  if (time <= 98) return 8;
  if (time <= 998) return 12;
  return 16;
}

std::int64_t TimeScroll::Line(double scale) {
  return std::max<std::int64_t>(1, static_cast<std::int64_t>(100 * scale));
}

void TimeScroll::ByLines(double scale, std::int64_t lines) {
  first = std::max<std::int64_t>(0, first + lines * Line(scale));
  Grow();
}

int TimeScroll::Percent() const {
  return static_cast<int>(std::clamp<std::int64_t>(first * 100 / range, 0, 100));
}

void TimeScroll::ToPercent(double scale, int percent) {
  const std::int64_t target = range * std::clamp(percent, 0, 100) / 100;
  if (std::llabs(target - first) <= Line(scale)) return;
  first = target;
  Grow();
}

void TimeScroll::To(std::int64_t time) {
  first = std::max<std::int64_t>(0, time);
  Grow();
}

void TimeScroll::Grow() {
  while (first > range)
    range += kRangeStep;
}

int RowPercent(int first_row, int row_count) {
  return std::min(100, first_row * 100 / (row_count + 1));
}

}  // namespace lumo
