#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "checking/compare.h"
#include "checking/expected.h"
#include "editing/time_axis.h"

namespace lumo {

// What the waveform canvas draws over the output rows once an expected
// file is open: per pattern row, the expected waveform and the stretches
// where the row shows something else.
struct OverlayRow {
  std::int32_t width = 0;  // bits of a bus row; 0: compared as whole numbers
  std::vector<TimedValue> expected;
  std::int32_t end = 0;  // the expected waveform is drawn up to here
  std::vector<Mismatch> mismatches;
};

struct PatOverlay {
  std::map<int, OverlayRow> rows;  // by row index in the pattern

  const OverlayRow* Find(int row) const {
    const auto found = rows.find(row);
    return found == rows.end() ? nullptr : &found->second;
  }
};

// The overlay of a comparison of `expected` with the pattern: expected rows
// whose output the pattern lacks have nowhere to be drawn and are left out.
PatOverlay MakeOverlay(const Expected& expected, const Comparison& comparison);

// The pixel columns [first, last] of the waveform area from `axis.left` to
// `right` that the stretch [from, to) covers; at least two columns wide so
// that a short mismatch stays visible when zoomed out. Nothing when the
// stretch lies outside the area.
struct Columns {
  int first = 0;
  int last = 0;
};
std::optional<Columns> StretchColumns(const TimeAxis& axis, std::int64_t from, std::int64_t to,
                                      int right);

// The dashes of the expected waveform run along the time axis, so that a
// strip painted after scrolling by whole pixels continues those already on
// the screen: whether pixel column x is on a dash.
bool DashOnAt(const TimeAxis& axis, int x);
inline constexpr int kDashLength = 4;  // pixels on, then as many off

// A place in a comparison: the index in Comparison::rows and the mismatch.
struct MismatchPlace {
  int row = -1;
  int mismatch = -1;
  bool valid() const { return row >= 0; }
};

// The mismatch after `current` in the order of their start times (rows in
// the file's order at one time), the first one again after the last; only
// mismatches of rows the pattern has. Invalid when there are none.
MismatchPlace NextMismatch(const Comparison& comparison, MismatchPlace current);

// The first visible time that shows a mismatch starting at `from` a little
// right of the waveform area's left edge.
std::int64_t MismatchViewStart(std::int64_t from, double scale);

}  // namespace lumo
