#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "pattern/pat.h"

namespace lumo::cli {

// The width charts are wrapped to: `columns` (the COLUMNS variable, may be
// null) when it is a whole number from 40 to 1000, else 80.
int ChartWidth(const char* columns);

// How the rows of a pattern are laid on text columns: every column is `step`
// time units from time 0 on (changes before 0, the settling of the
// circuit, count as the value at 0); `columns` reach a few past the last
// change, but not onto a line of their own. The step is the smallest of 1, 2, 5, 10, 20, ... that
// fits the whole chart on one line of `width` columns when that still gives every change of a row a
// column of its own; otherwise the largest such step, but never more than four lines' worth of
// columns.
struct ChartScale {
  std::int64_t step = 1;
  int columns = 0;
};
ChartScale ChooseChartScale(const Pat& pattern, int width);

// Prints the input rows and then the output rows of a pattern as waveforms
// on one time scale, wrapped to `width` columns: a one-bit row as a line of
// low (▁) and high (▔) characters with x and z written as such, a bus row
// (some value other than 0, 1, x, z) as its values between edges (╳). A
// column shows the value at its time; a column in which a row changes more
// than once, which would hide a short pulse, shows | instead. Before a
// row's first change the row is blank. Each wrapped block has the time of
// every tenth column or so above it.
void PrintWaveformChart(const Pat& pattern, int width, std::ostream& out);

// Prints the rows as lists of changes ("time:value"), for reading the exact
// times.
void PrintChangeList(const Pat& pattern, std::ostream& out);

}  // namespace lumo::cli
