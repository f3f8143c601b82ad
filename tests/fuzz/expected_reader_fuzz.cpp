// Reads the input as an expected-output file. A damaged text may only raise
// the list error type; what reads is well formed, writes back as text that
// reads to the same thing, and expands its truth table without overflow.

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "checking/expected.h"
#include "lists/error_message.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

bool SameEvents(const std::vector<lumo::TimedValue>& a, const std::vector<lumo::TimedValue>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i].time != b[i].time || a[i].value != b[i].value) return false;
  return true;
}

void CheckEvents(const std::vector<lumo::TimedValue>& events) {
  for (std::size_t i = 0; i < events.size(); ++i) {
    Check(lumo::IsRowValue(events[i].value));
    if (i > 0) Check(events[i - 1].time <= events[i].time);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  lumo::Expected expected;
  try {
    expected = lumo::ReadExpected(in);
  } catch (const lumo::ListError&) {
    return 0;
  }
  Check(expected.tolerance >= 0);
  for (const lumo::ExpectedRow& row : expected.rows) {
    CheckEvents(row.events);
    for (const lumo::TimeSpan& span : row.dont_care)
      Check(span.from <= span.to);
  }
  for (const lumo::InputRow& input : expected.inputs)
    CheckEvents(input.events);

  std::ostringstream written;
  lumo::WriteExpected(expected, written);
  std::istringstream again(written.str());
  const lumo::Expected back = lumo::ReadExpected(again);
  Check(back.tolerance == expected.tolerance && back.end == expected.end);
  Check(back.rows.size() == expected.rows.size() && back.inputs.size() == expected.inputs.size());
  for (std::size_t i = 0; i < back.rows.size(); ++i) {
    Check(back.rows[i].name == expected.rows[i].name);
    Check(back.rows[i].width == expected.rows[i].width);
    Check(SameEvents(back.rows[i].events, expected.rows[i].events));
    Check(back.rows[i].dont_care.size() == expected.rows[i].dont_care.size());
  }
  Check(back.table.has_value() == expected.table.has_value());

  lumo::ExpandTruthTable(expected);
  if (expected.table) {
    Check(expected.rows.size() == expected.table->outputs.size());
    for (const lumo::ExpectedRow& row : expected.rows) {
      Check(row.events.size() == expected.table->lines.size());
      CheckEvents(row.events);
    }
  }
  return 0;
}
