#pragma once

#include <cstdint>

namespace lumo {

// The waveform canvas's time axis: how many time units one pixel stands
// for, where a time is drawn, which time a pixel snaps to, the tick
// spacings of the header and the horizontal scroll arithmetic.

inline constexpr double kStartScale = 1.0;
inline constexpr double kSmallestScale = 0.0625;
inline constexpr double kLargestScale = 512.0;

// Halves the scale while it is above 0.07, doubles it while below 260.
double ZoomedIn(double scale);
double ZoomedOut(double scale);

// The three tick spacings for a scale (time units per pixel): a short tick,
// a long tick and a label.
struct TickSpacing {
  std::int64_t small;
  std::int64_t large;
  std::int64_t label;
};
TickSpacing TicksFor(double scale);

// Where time t lies and which time a pixel points at. `left` is the left
// edge of the waveform area; time `first` is drawn 10 pixels right of it.
struct TimeAxis {
  double scale = kStartScale;
  std::int64_t first = 0;  // first visible time
  int left = 0;

  double X(std::int64_t time) const {
    return left + 10 + static_cast<double>(time - first) / scale;
  }
  // The pointer's time, snapped to the grid of the scale: to multiples of
  // g = int(2 * scale) when g is at least 2, else to whole time units.
  std::int64_t TimeAt(int x) const;
};

// How far the label of a time is moved left so that it stands centred on
// its tick: 4, 8, 12 or 16 pixels for up to one, two, three or more digits.
int LabelShift(std::int64_t time);

// The horizontal scroll state of the canvas, in time units: the first
// visible time and the range the scroll bar spans, which grows by 500 each
// time the first visible time passes it.
struct TimeScroll {
  static constexpr std::int64_t kStartRange = 10000;
  static constexpr std::int64_t kRangeStep = 500;

  std::int64_t first = 0;
  std::int64_t range = kStartRange;

  // A line is 100 pixels' worth of time, a page four lines.
  static std::int64_t Line(double scale);
  // Moves by a number of lines (negative: left); never below 0.
  void ByLines(double scale, std::int64_t lines);
  // The thumb's place in percent.
  int Percent() const;
  // Dragging the thumb to a percentage: ignored within one line of the
  // first visible time.
  void ToPercent(double scale, int percent);
  // Shows `time` first (not below 0).
  void To(std::int64_t time);

 private:
  void Grow();
};

// The vertical thumb's place in percent for the first visible row.
int RowPercent(int first_row, int row_count);

}  // namespace lumo
