#include "checking/compare.h"

#include <algorithm>
#include <cctype>
#include <limits>

#include "pattern/hex.h"

namespace lumo {

namespace {

bool IsHex(const std::string& value) {
  return !value.empty() && std::all_of(value.begin(), value.end(),
                                       [](unsigned char c) { return std::isxdigit(c) != 0; });
}

// A value in a form in which equal values are equal text: numbers as their
// bits without leading zeros (only the low `width` bits when given), other
// words in lower case behind a mark no number has.
std::string Canonical(const std::string& value, std::int32_t width) {
  if (IsHex(value)) {
    std::string bits = HexToBits(value);
    if (width > 0 && bits.size() > static_cast<std::size_t>(width))
      bits.erase(0, bits.size() - static_cast<std::size_t>(width));
    const std::size_t one = bits.find('1');
    return one == std::string::npos ? std::string("0") : bits.substr(one);
  }
  std::string text = "#";
  for (unsigned char c : value)
    text += static_cast<char>(std::tolower(c));
  return text;
}

int FindOutput(const Pat& pattern, const std::string& name, const std::string& circuit_name) {
  const std::string qualified = circuit_name + "." + name;
  int found = -1;
  for (int i = 0; i < pattern.count(); ++i) {
    const PatRow& row = pattern.row(i);
    if (row.kind != RowKind::kOutput) continue;
    if (row.name == name) return i;
    if (found < 0 && row.name == qualified) found = i;
  }
  return found;
}

std::int32_t Clamp(std::int64_t time) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      time, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// The end of the compared time when the file gives none: one past the last
// event of the expected rows and the pattern's output rows.
std::int32_t DefaultEnd(const Expected& expected, const Pat& pattern) {
  std::int64_t last = std::numeric_limits<std::int32_t>::min();
  for (const ExpectedRow& row : expected.rows)
    if (!row.events.empty()) last = std::max<std::int64_t>(last, row.events.back().time);
  for (int i = 0; i < pattern.count(); ++i) {
    const PatRow& row = pattern.row(i);
    if (row.kind == RowKind::kOutput && !row.events.empty())
      last = std::max<std::int64_t>(last, std::prev(row.events.end())->time);
  }
  return Clamp(last + 1);
}

RowComparison CompareRow(const ExpectedRow& row, const EventList* actual, std::int32_t tolerance,
                         std::int32_t end) {
  RowComparison result{.name = row.name};
  if (row.events.empty()) return result;
  const std::int32_t start = row.events.front().time;
  if (start >= end) return result;

  // The spans not compared: the file's don't-cares and the tolerance around
  std::vector<TimeSpan> excused = row.dont_care;
  // each change of the expected value, its first event (from unknown) too.
  for (std::size_t i = 0; i < row.events.size() && tolerance > 0; ++i)
    if (i == 0 || !SameValue(row.events[i].value, row.events[i - 1].value, row.width))
      excused.push_back({Clamp(std::int64_t{row.events[i].time} - tolerance),
                         Clamp(std::int64_t{row.events[i].time} + tolerance)});

  // Every time at which something may change: between two of them both
  // values and the excusal are constant.
  std::vector<std::int32_t> cuts = {start, end};
  for (const TimedValue& event : row.events)
    cuts.push_back(event.time);
  for (const TimeSpan& span : excused) {
    cuts.push_back(span.from);
    cuts.push_back(span.to);
  }
  if (actual != nullptr)
    for (const PatEvent& event : *actual)
      cuts.push_back(event.time);
  std::sort(cuts.begin(), cuts.end());
  cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());

  // One sweep over the cuts, each waveform's place kept as it goes.
  std::sort(excused.begin(), excused.end(),
            [](const TimeSpan& a, const TimeSpan& b) { return a.from < b.from; });
  std::size_t next_expected = 0, next_span = 0;
  std::int32_t excused_until = std::numeric_limits<std::int32_t>::min();
  const std::string unknown = "x", absent = "-";
  const std::string* want = &unknown;
  const std::string* have = actual == nullptr ? &absent : &unknown;
  EventList::iterator next_actual;
  if (actual != nullptr) next_actual = actual->begin();
  for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
    const std::int32_t from = cuts[i], to = cuts[i + 1];
    while (next_expected < row.events.size() && row.events[next_expected].time <= from)
      want = &row.events[next_expected++].value;
    if (actual != nullptr)
      while (next_actual != actual->end() && next_actual->time <= from)
        have = &(next_actual++)->value;
    while (next_span < excused.size() && excused[next_span].from <= from)
      excused_until = std::max(excused_until, excused[next_span++].to);
    if (from < start || to > end || from < excused_until) continue;
    if (actual != nullptr && SameValue(*want, *have, row.width)) continue;
    std::vector<Mismatch>& list = result.mismatches;
    if (!list.empty() && list.back().to == from && list.back().expected == *want &&
        list.back().actual == *have)
      list.back().to = to;
    else
      list.push_back({from, to, *want, *have});
  }
  return result;
}

}  // namespace

bool SameValue(const std::string& a, const std::string& b, std::int32_t width) {
  return Canonical(a, width) == Canonical(b, width);
}

std::size_t Comparison::MismatchCount() const {
  std::size_t count = 0;
  for (const RowComparison& row : rows)
    count += row.mismatches.size();
  return count;
}

Comparison::Place Comparison::First() const {
  return NextAfter(std::numeric_limits<std::int32_t>::min());
}

Comparison::Place Comparison::NextAfter(std::int32_t time) const {
  Place best;
  std::int32_t best_time = 0;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const auto& list = rows[r].mismatches;
    const auto after = std::find_if(list.begin(), list.end(), [time](const Mismatch& m) {
      return m.from > time || (time == std::numeric_limits<std::int32_t>::min() && m.from == time);
    });
    if (after == list.end()) continue;
    if (best.row < 0 || after->from < best_time) {
      best = {static_cast<int>(r), static_cast<int>(after - list.begin())};
      best_time = after->from;
    }
  }
  return best;
}

Comparison Compare(const Expected& expected, const Pat& pattern, const std::string& circuit_name) {
  Comparison comparison;
  comparison.to = expected.end ? *expected.end : DefaultEnd(expected, pattern);
  comparison.from = comparison.to;
  for (const ExpectedRow& row : expected.rows) {
    const int index = FindOutput(pattern, row.name, circuit_name);
    const EventList* actual = index >= 0 ? &pattern.row(index).events : nullptr;
    RowComparison result = CompareRow(row, actual, expected.tolerance, comparison.to);
    result.pattern_row = index;
    result.missing = index < 0;
    if (!row.events.empty()) comparison.from = std::min(comparison.from, row.events.front().time);
    comparison.rows.push_back(std::move(result));
  }
  return comparison;
}

Expected ExpectedFromPattern(const Pat& pattern, const std::string& circuit_name) {
  Expected expected;
  std::int64_t last = std::numeric_limits<std::int32_t>::min();
  const std::string prefix = circuit_name + ".";
  for (int i = 0; i < pattern.count(); ++i) {
    const PatRow& row = pattern.row(i);
    if (row.name.empty() || row.events.empty()) continue;
    std::vector<TimedValue> events;
    for (const PatEvent& event : row.events) {
      events.push_back({event.time, event.value});
      last = std::max<std::int64_t>(last, event.time);
    }
    if (row.kind == RowKind::kOutput) {
      std::string name = row.name;
      if (name.starts_with(prefix) && name.size() > prefix.size()) name.erase(0, prefix.size());
      expected.rows.push_back({.name = std::move(name), .events = std::move(events)});
    } else if (row.kind == RowKind::kInput) {
      expected.inputs.push_back({row.name, std::move(events)});
    }
  }
  if (last != std::numeric_limits<std::int32_t>::min()) expected.end = Clamp(last + 1);
  return expected;
}

}  // namespace lumo
