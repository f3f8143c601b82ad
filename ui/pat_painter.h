#pragma once

#include <QColor>
#include <QPainter>
#include <QRect>
#include <QSize>
#include <vector>

#include "editing/pat_overlay.h"
#include "editing/time_axis.h"
#include "pattern/pat.h"

namespace lumo {

// The waveform canvas's geometry in pixels.
inline constexpr int kPatHeader = 24;  // the time axis band
inline constexpr int kPatRowHeight = 24;
inline constexpr int kPatNameColumn = 130;  // the waveform area starts here

inline const QColor kBusColor{0, 0, 192};

// What one paint of the canvas shows: the pattern from a first row and a
// first time at a scale, on a client area of `size`, and the row whose name
// carries the caret (-1: none).
struct PatPaintView {
  const Pat* pat = nullptr;
  TimeAxis axis;
  int first_row = 0;
  QSize size;
  int caret_row = -1;
  // Whether each row is a bus row (1), not (0) or not yet known (-1),
  // kept between paints by the canvas: finding out walks the whole row.
  // Null: found out anew for every row painted.
  std::vector<signed char>* bus_rows = nullptr;
  // The expected waveforms and mismatches drawn over the output rows; null
  // when no expected file is open.
  const PatOverlay* overlay = nullptr;
};

// Paints the part of the canvas inside `clip` (device pixels of the
// canvas): background, header with the time axis, name boxes and
// waveforms. Only the events that fall inside the clip are drawn, so a
// strip costs what it shows.
void PaintPatCanvas(QPainter& dc, const PatPaintView& view, QRect clip);

// The row under a canvas y, counted in the pattern (first_row added);
// clamped to 0..kPatRows-1.
int PatRowAt(int y, int first_row);

}  // namespace lumo
