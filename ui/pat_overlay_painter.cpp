#include "ui/pat_overlay_painter.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace lumo {

namespace {

// The line of a one-bit value inside the band (its upper pixel of two):
// just inside the band's top for 1, just above its bottom for 0, halfway
// for anything else.
int LevelOf(const std::string& value, int top) {
  if (value == "1") return top + 5;
  if (value == "0") return top + 17;
  return top + 11;
}

void DashedRow(QPainter& dc, const TimeAxis& axis, int y, Columns span, const QColor& colour) {
  for (int x = span.first; x <= span.last; ++x)
    if (DashOnAt(axis, x)) dc.fillRect(x, y, 1, 2, colour);
}

// A vertical dash line; rows move by whole row heights, so dashes counted
// from the row's top stay in step.
void DashedColumn(QPainter& dc, int x, int y0, int y1, int top, const QColor& colour) {
  for (int y = std::min(y0, y1); y <= std::max(y0, y1) + 1; ++y)
    if ((y - top) % (2 * kDashLength) < kDashLength) dc.fillRect(x, y, 2, 1, colour);
}

void PaintMarks(QPainter& dc, const TimeAxis& axis, const OverlayRow& row, int top, int right) {
  for (const Mismatch& mismatch : row.mismatches) {
    const std::optional<Columns> span = StretchColumns(axis, mismatch.from, mismatch.to, right);
    if (!span) continue;
    const int width = span->last - span->first + 1;
    dc.fillRect(span->first, top + kMarkAboveTop, width, kMarkAboveBottom - kMarkAboveTop + 1,
                kMismatchRed);
    dc.fillRect(span->first, top + kMarkBelowTop, width, kMarkBelowBottom - kMarkBelowTop + 1,
                kMismatchRed);
  }
}

}  // namespace

void PaintRowOverlay(QPainter& dc, const TimeAxis& axis, const OverlayRow& row, bool bus, int top,
                     int right) {
  PaintMarks(dc, axis, row, top, right);
  const QColor& colour = bus ? kExpectedOnBus : kExpectedOnBits;
  const std::vector<TimedValue>& events = row.expected;
  for (std::size_t i = 0; i < events.size(); ++i) {
    const std::int64_t from = events[i].time;
    const std::int64_t to = i + 1 < events.size() ? std::int64_t{events[i + 1].time} : row.end;
    if (to <= from) continue;
    const std::optional<Columns> span = StretchColumns(axis, from, to, right);
    const bool changes = i > 0 && !SameValue(events[i - 1].value, events[i].value, row.width);
    const double edge = std::floor(axis.X(from));
    const bool edge_shown = changes && edge >= axis.left && edge <= right;
    if (bus) {
      // Two dashed lines along the band, closed where the value changes.
      if (span) {
        DashedRow(dc, axis, top + 5, *span, colour);
        DashedRow(dc, axis, top + 17, *span, colour);
      }
      if (edge_shown) DashedColumn(dc, static_cast<int>(edge), top + 5, top + 17, top, colour);
      continue;
    }
    if (span) DashedRow(dc, axis, LevelOf(events[i].value, top), *span, colour);
    if (edge_shown)
      DashedColumn(dc, static_cast<int>(edge), LevelOf(events[i - 1].value, top),
                   LevelOf(events[i].value, top), top, colour);
  }
}

}  // namespace lumo
