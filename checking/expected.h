#pragma once

#include <cstdint>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "common/message_host.h"
#include "lists/error_table.h"

namespace lumo {

// The word that opens an expected-output file, and the version it is in.
inline constexpr const char* kExpectedHeader = "LumoExpect";
inline constexpr std::int32_t kExpectedVersion = 1;

// One change of an expected or input waveform: `value` from `time` on.
struct TimedValue {
  std::int32_t time = 0;
  std::string value;
};

// A stretch of time [from, to) in which a row is not compared.
struct TimeSpan {
  std::int32_t from = 0;
  std::int32_t to = 0;
};

// What one output row should show. Before its first event the row is not
// compared. `width` is the row's number of bits when it is a bus (values
// are then compared as numbers of that width); 0 compares whole numbers.
struct ExpectedRow {
  std::string name;
  std::int32_t width = 0;
  std::vector<TimedValue> events{};  // ascending time
  std::vector<TimeSpan> dont_care{};
};

// The waveform applied to one input pin.
struct InputRow {
  std::string name;
  std::vector<TimedValue> events{};  // ascending time
};

// A combinational exercise as a table: each row's input values are held for
// `settle` time units, and during the last part of that time (after the
// first `dont_care` units) the outputs must show the row's expected values.
struct TruthTable {
  std::int32_t settle = 100;
  std::int32_t dont_care = 50;
  std::vector<std::string> inputs;
  std::vector<std::string> outputs;
  // Each line: one value per input, then one per output.
  std::vector<std::vector<std::string>> lines;
};

// An expected-output file (<circuit>.lex): the tolerance, the end of the
// compared time, the expected output rows and the input waveforms that go
// with them, or a truth table from which both are made.
struct Expected {
  // An expected change matches an actual one up to this far away.
  std::int32_t tolerance = 0;
  // Rows are compared up to this time (exclusive); absent: up to the last
  // event of either waveform plus one.
  std::optional<std::int32_t> end{};
  std::vector<InputRow> inputs{};
  std::vector<ExpectedRow> rows{};
  std::optional<TruthTable> table{};
};

// Reads an expected-output file from `in`. Raises a ListError with one of
// the tags of RegisterCheckingErrors (or of the list reader) when the text
// is damaged; nothing is kept then.
Expected ReadExpected(std::istream& in);

// Reads the file at `path`; false after the error box (the file names the
// detail's last line) when it cannot be opened or read.
bool ReadExpectedFile(const std::string& path, MessageHost& host, const ErrorTable& errors,
                      Expected& expected);

// Writes `expected` in file form; ReadExpected gives it back.
void WriteExpected(const Expected& expected, std::ostream& out);
// Writes the file atomically; false (the old file untouched) on failure.
bool WriteExpectedFile(const std::string& path, const Expected& expected);

// Turns a truth table into input waveforms and expected rows with their
// don't-care spans, and sets the end to the end of the last line. Nothing
// changes without a table.
void ExpandTruthTable(Expected& expected);

// True when `value` is a value a row can have: 0, 1, x, z or hexadecimal
// digits (either case), one word.
bool IsRowValue(const std::string& value);

}  // namespace lumo
