#include "ui/pat_painter.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>
#include <iterator>

#include "editing/pat_edits.h"
#include "ui/pat_overlay_painter.h"

namespace lumo {

namespace {

const QColor kHeaderGrey{192, 192, 192};
const QColor kOutputGrey{192, 192, 192};
const QColor kHighGreen{0, 192, 0};
const QColor kUnknownRed{255, 0, 0};
const QColor kBusEdge{0, 255, 255};
const QColor kDotGrey{128, 128, 128};

// How far past the clip on the left the events of a strip are walked, so
// that texts that start left of it and reach into it are drawn whole.
constexpr int kTextReach = 600;
// How long the last value of a row is drawn, in time units.
constexpr std::int64_t kTail = 2000;

QString Text(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The first event to draw for a strip starting at `time`: the last one at
// or before it, else the first one.
EventList::iterator FirstFrom(const EventList& events, std::int64_t time) {
  if (events.empty()) return events.end();
  const std::int32_t at = EventTime(time);
  EventList::iterator event = events.FindNearest(at).event;
  while (event != events.begin() && event->time > at)
    --event;
  return event;
}

bool IsBus(const PatPaintView& view, int index) {
  const PatRow& row = view.pat->row(index);
  if (view.bus_rows == nullptr) return IsBusRow(row);
  std::vector<signed char>& known = *view.bus_rows;
  if (known.size() < static_cast<std::size_t>(kPatRows)) known.assign(kPatRows, -1);
  if (known[index] < 0) known[index] = IsBusRow(row) ? 1 : 0;
  return known[index] == 1;
}

int RowTop(int index, int first_row) {
  return kPatHeader + (index - first_row) * kPatRowHeight;
}

void PaintHeader(QPainter& dc, const PatPaintView& view, QRect clip, std::int64_t t0,
                 std::int64_t t1) {
  const int width = view.size.width();
  dc.fillRect(QRect(0, 0, width, kPatHeader), kHeaderGrey);
  dc.setPen(Qt::black);
  dc.drawText(QPoint(22, 5 + dc.fontMetrics().ascent()), QStringLiteral("パターン"));
  const TimeAxis& axis = view.axis;
  const TickSpacing ticks = TicksFor(axis.scale);
  const std::int64_t right_edge = axis.TimeAt(width);
  // Labels left of the clip may reach into it.
  const std::int64_t from =
      std::max<std::int64_t>(0, t0 - static_cast<std::int64_t>(40 * axis.scale) - ticks.small);
  dc.save();
  dc.setClipRect(QRect(kPatNameColumn, 0, width - kPatNameColumn, kPatHeader) & clip);
  // A label's cell stands 20 pixels above the header's bottom, raised by
  // the room over the digits that this font has and the small system font
  // of the layout had not, so that the digits clear the long ticks.
  const int baseline = kPatHeader - 20 + dc.fontMetrics().ascent() - 6;
  for (std::int64_t t = from - from % ticks.small; t <= t1; t += ticks.small) {
    const int x = static_cast<int>(std::lround(axis.X(t)));
    const int length = t % ticks.large == 0 ? 10 : 5;
    dc.drawLine(x, kPatHeader - 1, x, kPatHeader - 1 - length);
    if (t % ticks.label == 0 && right_edge - t > 10)
      dc.drawText(QPoint(x - LabelShift(t), baseline), QString::number(t));
  }
  dc.restore();
}

void PaintNameBox(QPainter& dc, const PatRow& row, int top, bool caret) {
  const QRect box(0, top, kPatNameColumn - 1, kPatRowHeight - 1);
  dc.fillRect(box, row.kind == RowKind::kOutput ? kOutputGrey : Qt::white);
  dc.setPen(Qt::black);
  dc.drawRect(box);
  const QString name = Text(row.name);
  const int baseline = top + 4 + dc.fontMetrics().ascent();
  dc.drawText(QPoint(4, baseline), name);
  if (caret) {
    const int x = 4 + dc.fontMetrics().horizontalAdvance(name) + 1;
    dc.drawLine(x, top + 4, x, top + kPatRowHeight - 5);
  }
}

void PaintDots(QPainter& dc, const TimeAxis& axis, int y, int x0, int x1) {
  if (1.0 / axis.scale > 2) {
    dc.setPen(kDotGrey);
    std::int64_t t = std::max<std::int64_t>(axis.TimeAt(x0) - 1, 0);
    for (int x = static_cast<int>(axis.X(t)); x <= x1; x = static_cast<int>(axis.X(++t)))
      if (x >= x0) dc.drawPoint(x, y);
    return;
  }
  // Every second pixel, on even columns: a two-pixel texture anchored at
  // the image's origin keeps the dots in place across strips.
  static const QBrush kDots = [] {
    QImage dots(2, 1, QImage::Format_RGB32);
    dots.setPixel(0, 0, kDotGrey.rgb());
    dots.setPixel(1, 0, QColor(Qt::white).rgb());
    return QBrush(dots);
  }();
  dc.setBrushOrigin(0, 0);
  dc.fillRect(QRect(x0, y, x1 - x0 + 1, 1), kDots);
}

// One value of a one-bit row from x0 to x1; `rise` and `fall` say whether
// the value changes at either end.
void PaintBit(QPainter& dc, const std::string& value, int top, int x0, int x1, bool rise,
              bool fall) {
  const int band = top + 4, bottom = top + 4 + 15;
  if (value == "1") {
    dc.fillRect(QRect(QPoint(x0, band), QPoint(x1, bottom)), kHighGreen);
    dc.setPen(Qt::black);
    dc.drawLine(x0, band, x1, band);
    if (rise) dc.drawLine(x0, band, x0, bottom);
    if (fall) dc.drawLine(x1, band, x1, bottom);
  } else if (value == "0") {
    dc.setPen(Qt::black);
    dc.drawLine(x0, bottom, x1, bottom);
  } else {
    dc.fillRect(QRect(QPoint(x0, bottom - 11), QPoint(x1, bottom)), kUnknownRed);
  }
}

void PaintBitRow(QPainter& dc, const PatPaintView& view, const PatRow& row, int top,
                 std::int64_t t0, std::int64_t t1, int right) {
  const TimeAxis& axis = view.axis;
  const EventList& events = row.events;
  // Values that begin and end in one pixel column are drawn once, as a
  // mark of the whole band: zoomed far out a column may hold many.
  int crowded = -1;
  for (auto event = FirstFrom(events, t0); event != events.end() && event->time <= t1; ++event) {
    const auto next = std::next(event);
    const bool last = next == events.end();
    const std::int64_t end = last ? std::int64_t{event->time} + kTail : next->time;
    const double start_x = std::floor(axis.X(event->time));
    const double end_x = std::floor(axis.X(end));
    if (end_x < kPatNameColumn) continue;
    const int x0 = static_cast<int>(std::max<double>(start_x, kPatNameColumn));
    const int x1 = static_cast<int>(std::min<double>(end_x, right));
    if (x0 == x1 && !last && start_x >= kPatNameColumn) {
      if (x0 != crowded) {
        dc.setPen(Qt::black);
        dc.drawLine(x0, top + 4, x0, top + 19);
        crowded = x0;
      }
      continue;
    }
    const bool unknown = !(event->value == "0" || event->value == "1");
    // Edges only where the value changes, and only where they are in view
    // (not at the edge a stretch is cut at).
    const bool rise = (event == events.begin() || std::prev(event)->value != event->value) &&
                      start_x >= kPatNameColumn;
    const bool fall = !last && next->value != event->value && end_x <= right;
    PaintBit(dc, event->value, top, x0, x1, rise && !unknown, fall && !unknown && !last);
  }
}

void PaintBusRow(QPainter& dc, const PatPaintView& view, const PatRow& row, int top,
                 std::int64_t t0, std::int64_t t1, int right) {
  const TimeAxis& axis = view.axis;
  const int start = std::max(static_cast<int>(axis.X(0)), kPatNameColumn + 1);
  if (start <= right) dc.fillRect(QRect(start, top + 4, right - start + 1, 16), kBusColor);
  const int ascent = dc.fontMetrics().ascent();
  const std::int64_t from = t0 - static_cast<std::int64_t>(kTextReach * axis.scale);
  // One edge per pixel column, and a value only where the one before it
  // has ended: zoomed far out, values would be drawn over each other. Of
  // the events in one column (several at one time, as a bus settles
  // within an instant) the last is the value that holds after it.
  const auto column = [&axis](auto event) {
    return static_cast<int>(std::floor(axis.X(event->time)));
  };
  int text_end = -1;
  for (auto event = FirstFrom(row.events, from); event != row.events.end() && event->time <= t1;
       ++event) {
    const int x = column(event);
    if (x < kPatNameColumn) continue;
    if (const auto next = std::next(event); next != row.events.end() && column(next) == x) continue;
    dc.setPen(kBusEdge);
    dc.drawLine(x, top + 4, x, top + 19);
    if (x + 3 < text_end) continue;
    const QString text = Text(event->value);
    dc.setPen(Qt::white);
    dc.drawText(QPoint(x + 3, top + 3 + ascent), text);
    text_end = x + 3 + dc.fontMetrics().horizontalAdvance(text) + 2;
  }
}

}  // namespace

int PatRowAt(int y, int first_row) {
  const int offset = y - kPatHeader;
  const int row = first_row + (offset < 0 ? -1 : offset / kPatRowHeight);
  return std::clamp(row, 0, kPatRows - 1);
}

void PaintPatCanvas(QPainter& dc, const PatPaintView& view, QRect clip) {
  const Pat& pat = *view.pat;
  const TimeAxis& axis = view.axis;
  const int width = view.size.width();
  const int right = width - 1;
  clip &= QRect(QPoint(0, 0), view.size);
  if (clip.isEmpty()) return;
  dc.save();
  dc.setClipRect(clip);
  dc.fillRect(clip, Qt::white);
  // The times the clip shows, one pixel's worth wider either side.
  const std::int64_t t0 = axis.TimeAt(std::max(clip.left(), kPatNameColumn)) - 1 -
                          static_cast<std::int64_t>(2 * axis.scale);
  const std::int64_t t1 =
      axis.TimeAt(clip.right() + 1) + 1 + static_cast<std::int64_t>(2 * axis.scale);
  if (clip.top() < kPatHeader) PaintHeader(dc, view, clip, t0, t1);

  const int first = std::max(view.first_row, PatRowAt(clip.top(), view.first_row));
  const int last_visible = PatRowAt(clip.bottom(), view.first_row);
  const int last = std::min(last_visible, pat.count() - 1);
  const bool waveforms = clip.right() >= kPatNameColumn;
  for (int index = first; index <= last; ++index) {
    const PatRow& row = pat.row(index);
    const int top = RowTop(index, view.first_row);
    if (top + kPatRowHeight <= kPatHeader) continue;
    dc.save();
    dc.setClipRect(clip & QRect(0, std::max(top, kPatHeader), width, kPatRowHeight));
    if (clip.left() < kPatNameColumn) PaintNameBox(dc, row, top, index == view.caret_row);
    if (waveforms) {
      dc.setClipRect(clip & QRect(kPatNameColumn, std::max(top, kPatHeader), width - kPatNameColumn,
                                  kPatRowHeight));
      const bool bus = IsBus(view, index);
      if (bus) {
        PaintBusRow(dc, view, row, top, t0, t1, right);
      } else {
        PaintDots(dc, axis, top + 20, std::max(clip.left(), kPatNameColumn), clip.right());
        PaintBitRow(dc, view, row, top, t0, t1, right);
      }
      if (view.overlay != nullptr)
        if (const OverlayRow* overlay = view.overlay->Find(index))
          PaintRowOverlay(dc, axis, *overlay, bus, top, right);
    }
    dc.restore();
  }
  // The rows past the pattern: empty name boxes up to the bottom.
  dc.setPen(Qt::black);
  for (int index = std::max(first, pat.count()); index <= last_visible; ++index) {
    const int top = RowTop(index, view.first_row);
    if (top >= kPatHeader && clip.left() < kPatNameColumn) {
      const QRect box(0, top, kPatNameColumn - 1, kPatRowHeight - 1);
      dc.drawRect(box);
      if (index == view.caret_row) dc.drawLine(5, top + 4, 5, top + kPatRowHeight - 5);
    }
  }
  dc.restore();
}

}  // namespace lumo
