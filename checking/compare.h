#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "checking/expected.h"
#include "pattern/pat.h"

namespace lumo {

// A stretch [from, to) in which an output row shows another value than
// expected; the values are constant over it.
struct Mismatch {
  std::int32_t from = 0;
  std::int32_t to = 0;
  std::string expected;
  std::string actual;
};

// The comparison of one expected row with the pattern's output row of that
// name. `pattern_row` is the row's index in the Pat, -1 when the circuit
// has no such output (`missing`; the whole compared time then counts as
// one mismatch with the actual value "-").
struct RowComparison {
  std::string name;
  int pattern_row = -1;
  bool missing = false;
  std::vector<Mismatch> mismatches{};  // ascending time
};

// What a waveform view draws and a report prints: one entry per expected
// row, in the file's order, and the compared time.
struct Comparison {
  std::int32_t from = 0;
  std::int32_t to = 0;
  std::vector<RowComparison> rows;

  // The number of mismatching stretches over every row.
  std::size_t MismatchCount() const;
  bool Matches() const { return MismatchCount() == 0; }
  // The row and mismatch that start first (the first row wins a tie);
  // {-1, -1} when everything matches.
  struct Place {
    int row = -1;
    int mismatch = -1;
  };
  Place First() const;
  // The first mismatch that starts after `time` (then by row), or {-1, -1}:
  // the view's "next mismatch".
  Place NextAfter(std::int32_t time) const;
};

// True when two row values stand for the same thing: 0/1/x/z as text (either
// case), hexadecimal digits as numbers of `width` bits (0: whole numbers).
bool SameValue(const std::string& a, const std::string& b, std::int32_t width);

// Compares the output rows of `pattern` with `expected` (after its truth
// table, if any, has been expanded). An output row of the pattern matches an
// expected row by its name, or by "<circuit>." and the name.
//
// Each expected row is compared from its first event to the end of the
// compared time (the file's end, else one past the last event of either
// waveform), except in its don't-care spans and within the tolerance around
// each expected change. Before an output row's first event its value is x.
Comparison Compare(const Expected& expected, const Pat& pattern, const std::string& circuit_name);

// The expected file a run's outputs make: one row per output row (named
// without "<circuit>."), the input rows as its inputs, no tolerance, the end
// one past the last event.
Expected ExpectedFromPattern(const Pat& pattern, const std::string& circuit_name);

}  // namespace lumo
