#include "checking/expected.h"

#include <algorithm>
#include <cctype>
#include <limits>
#include <set>

#include "common/atomic_file.h"
#include "common/input_file.h"
#include "lists/error_message.h"
#include "lists/list.h"
#include "lists/list_word.h"

namespace lumo {

namespace {

[[noreturn]] void Fail(const char* tag, ListPosition where) {
  throw ListError(tag, "p = " + where.Text() + "\n");
}

// The elements of a proper list; a dotted end is a damaged record.
std::vector<ListPosition> Elements(ListPosition list) {
  std::vector<ListPosition> items;
  const ListPosition whole = list;
  for (; !list.Nil(); list = list.Cdr()) {
    if (!list.IsCons()) Fail("Expected::Read record", whole);
    items.push_back(list.Car());
  }
  return items;
}

std::int32_t Time(ListPosition p) {
  if (!p.IsLong()) Fail("Expected::Read time", p);
  return p.Long();
}

std::string Word(ListPosition p) {
  if (!p.IsString() || p.String().empty()) Fail("Expected::Read record", p);
  return std::string(p.String());
}

// A value word; a plain number such as 10 reads as a long, and stands for
// the same hexadecimal digits.
std::string Value(ListPosition p) {
  std::string value;
  if (p.IsLong() && p.Long() >= 0) value = std::to_string(p.Long());
  if (p.IsString()) value = p.String();
  if (!IsRowValue(value)) Fail("Expected::Read value", p);
  return value;
}

// (T V) pairs in ascending time.
std::vector<TimedValue> Events(const std::vector<ListPosition>& items, std::size_t first) {
  std::vector<TimedValue> events;
  for (std::size_t i = first; i < items.size(); ++i) {
    const std::vector<ListPosition> pair = Elements(items[i]);
    if (pair.size() != 2) Fail("Expected::Read record", items[i]);
    TimedValue event{Time(pair[0]), Value(pair[1])};
    if (!events.empty() && event.time < events.back().time) Fail("Expected::Read time", items[i]);
    events.push_back(std::move(event));
  }
  return events;
}

// The record's first element, its tag word.
std::string Tag(const std::vector<ListPosition>& items, ListPosition record) {
  if (items.empty() || !items[0].IsString()) Fail("Expected::Read record", record);
  return std::string(items[0].String());
}

ExpectedRow ReadRow(ListPosition record, const std::vector<ListPosition>& items) {
  // (row NAME WIDTH (events (T V)...) (dontcare (FROM TO)...))
  if (items.size() < 3 || !items[2].IsLong() || items[2].Long() < 0)
    Fail("Expected::Read record", record);
  ExpectedRow row{.name = Word(items[1]), .width = items[2].Long()};
  bool had_events = false, had_spans = false;
  for (std::size_t i = 3; i < items.size(); ++i) {
    const std::vector<ListPosition> part = Elements(items[i]);
    const std::string tag = Tag(part, items[i]);
    if (tag == "events" && !had_events) {
      row.events = Events(part, 1);
      had_events = true;
    } else if (tag == "dontcare" && !had_spans) {
      for (std::size_t k = 1; k < part.size(); ++k) {
        const std::vector<ListPosition> span = Elements(part[k]);
        if (span.size() != 2) Fail("Expected::Read record", part[k]);
        const TimeSpan read{Time(span[0]), Time(span[1])};
        if (read.to < read.from) Fail("Expected::Read time", part[k]);
        row.dont_care.push_back(read);
      }
      had_spans = true;
    } else {
      Fail("Expected::Read record", items[i]);
    }
  }
  return row;
}

std::vector<std::string> Names(const std::vector<ListPosition>& part) {
  std::vector<std::string> names;
  for (std::size_t i = 1; i < part.size(); ++i)
    names.push_back(Word(part[i]));
  return names;
}

TruthTable ReadTable(ListPosition record, const std::vector<ListPosition>& items) {
  // (table (settle S) (dontcare D) (inputs ...) (outputs ...) (line v...)...)
  TruthTable table;
  bool dont_care_given = false;
  for (std::size_t i = 1; i < items.size(); ++i) {
    const std::vector<ListPosition> part = Elements(items[i]);
    const std::string tag = Tag(part, items[i]);
    if ((tag == "settle" || tag == "dontcare") && part.size() == 2) {
      (tag == "settle" ? table.settle : table.dont_care) = Time(part[1]);
      dont_care_given = dont_care_given || tag == "dontcare";
    } else if (tag == "inputs") {
      table.inputs = Names(part);
    } else if (tag == "outputs") {
      table.outputs = Names(part);
    } else if (tag == "line") {
      std::vector<std::string> values;
      for (std::size_t k = 1; k < part.size(); ++k)
        values.push_back(Value(part[k]));
      table.lines.push_back(std::move(values));
    } else {
      Fail("Expected::Read record", items[i]);
    }
  }
  if (!dont_care_given) table.dont_care = table.settle / 2;
  const std::size_t columns = table.inputs.size() + table.outputs.size();
  const std::int64_t span =
      std::int64_t{table.settle} * static_cast<std::int64_t>(table.lines.size());
  if (table.settle <= 0 || table.dont_care < 0 || table.dont_care >= table.settle ||
      table.outputs.empty() || span > std::numeric_limits<std::int32_t>::max())
    Fail("Expected::Read table", record);
  for (const auto& line : table.lines)
    if (line.size() != columns) Fail("Expected::Read table", record);
  return table;
}

// A word as it reads back: bare, or between double quotes; false when it
// cannot be written so.
bool PutWord(std::string& text, const std::string& word) {
  if (IsBareWord(word)) {
    text += word;
    return true;
  }
  if (word.empty() || word.size() > 99 || word.find('"') != std::string::npos) return false;
  text += '"' + word + '"';
  return true;
}

bool PutEvents(std::string& text, const std::vector<TimedValue>& events) {
  bool ok = true;
  for (const TimedValue& event : events) {
    text += " (" + std::to_string(event.time) + ' ';
    ok = PutWord(text, event.value) && ok;
    text += ')';
  }
  return ok;
}

// The file text, or false when some name or value could not be written so
// that it reads back.
bool ExpectedText(const Expected& expected, std::string& text) {
  bool ok = true;
  text = "(" + std::string(kExpectedHeader) + ' ' + std::to_string(kExpectedVersion) + ")\n";
  text += "(tolerance " + std::to_string(expected.tolerance) + ")\n";
  if (expected.end) text += "(end " + std::to_string(*expected.end) + ")\n";
  if (expected.table) {
    const TruthTable& table = *expected.table;
    text += "(table (settle " + std::to_string(table.settle) + ") (dontcare " +
            std::to_string(table.dont_care) + ")\n (inputs";
    for (const std::string& name : table.inputs)
      ok = PutWord(text += ' ', name) && ok;
    text += ")\n (outputs";
    for (const std::string& name : table.outputs)
      ok = PutWord(text += ' ', name) && ok;
    text += ')';
    for (const auto& line : table.lines) {
      text += "\n (line";
      for (const std::string& value : line)
        ok = PutWord(text += ' ', value) && ok;
      text += ')';
    }
    text += ")\n";
    return ok;
  }
  for (const InputRow& input : expected.inputs) {
    text += "(input ";
    ok = PutWord(text, input.name) && ok;
    ok = PutEvents(text, input.events) && ok;
    text += ")\n";
  }
  for (const ExpectedRow& row : expected.rows) {
    text += "(row ";
    ok = PutWord(text, row.name) && ok;
    text += ' ' + std::to_string(row.width) + "\n (events";
    ok = PutEvents(text, row.events) && ok;
    text += ")\n (dontcare";
    for (const TimeSpan& span : row.dont_care)
      text += " (" + std::to_string(span.from) + ' ' + std::to_string(span.to) + ')';
    text += "))\n";
  }
  return ok;
}

}  // namespace

bool IsRowValue(const std::string& value) {
  if (value == "x" || value == "z" || value == "X" || value == "Z") return true;
  return !value.empty() && std::all_of(value.begin(), value.end(),
                                       [](unsigned char c) { return std::isxdigit(c) != 0; });
}

Expected ReadExpected(std::istream& in) {
  Expected expected;
  List list;
  list.Read(in);
  {
    const std::vector<ListPosition> header = Elements(list.Top());
    if (header.size() != 2 || !header[0].IsString() || header[0].String() != kExpectedHeader ||
        !header[1].IsLong() || header[1].Long() != kExpectedVersion)
      Fail("Expected::Read version", list.Top());
  }
  std::set<std::string> rows, inputs;
  while (List::HasMore(in)) {
    list.Read(in);
    const ListPosition record = list.Top();
    const std::vector<ListPosition> items = Elements(record);
    const std::string tag = Tag(items, record);
    if (tag == "tolerance" && items.size() == 2) {
      expected.tolerance = Time(items[1]);
      if (expected.tolerance < 0) Fail("Expected::Read time", record);
    } else if (tag == "end" && items.size() == 2) {
      expected.end = Time(items[1]);
    } else if (tag == "input" && items.size() >= 2) {
      InputRow input{Word(items[1]), Events(items, 2)};
      if (!inputs.insert(input.name).second) Fail("Expected::Read record", record);
      expected.inputs.push_back(std::move(input));
    } else if (tag == "row" && items.size() >= 2) {
      ExpectedRow row = ReadRow(record, items);
      if (!rows.insert(row.name).second) Fail("Expected::Read record", record);
      expected.rows.push_back(std::move(row));
    } else if (tag == "table" && !expected.table) {
      expected.table = ReadTable(record, items);
    } else {
      Fail("Expected::Read record", record);
    }
  }
  // A table makes the rows itself: the two forms do not mix.
  if (expected.table && (!expected.rows.empty() || !expected.inputs.empty()))
    throw ListError("Expected::Read table", "table with row or input records\n");
  return expected;
}

bool ReadExpectedFile(const std::string& path, MessageHost& host, const ErrorTable& errors,
                      Expected& expected) {
  std::ifstream in = OpenInputFile(path);
  if (!in) {
    ShowError(host, errors, "Expected::Read file", path);
    return false;
  }
  try {
    expected = ReadExpected(in);
  } catch (const ListError& error) {
    const ListError named = InFile(error, path);
    ShowError(host, errors, named.tag(), named.detail());
    return false;
  }
  if (in.bad()) {
    ShowError(host, errors, "Expected::Read file", path);
    return false;
  }
  return true;
}

void WriteExpected(const Expected& expected, std::ostream& out) {
  std::string text;
  ExpectedText(expected, text);
  out << text;
}

bool WriteExpectedFile(const std::string& path, const Expected& expected) {
  std::string text;
  if (!ExpectedText(expected, text)) return false;
  return WriteFileAtomically(path,
                             [&text](std::ostream& out) { return static_cast<bool>(out << text); });
}

void ExpandTruthTable(Expected& expected) {
  if (!expected.table) return;
  const TruthTable& table = *expected.table;
  expected.inputs.clear();
  expected.rows.clear();
  for (const std::string& name : table.inputs)
    expected.inputs.push_back({name, {}});
  for (const std::string& name : table.outputs)
    expected.rows.push_back({.name = name});
  std::int32_t start = 0;
  for (const auto& line : table.lines) {
    for (std::size_t i = 0; i < table.inputs.size(); ++i)
      expected.inputs[i].events.push_back({start, line[i]});
    for (std::size_t i = 0; i < table.outputs.size(); ++i) {
      ExpectedRow& row = expected.rows[i];
      row.events.push_back({start, line[table.inputs.size() + i]});
      if (table.dont_care > 0) row.dont_care.push_back({start, start + table.dont_care});
    }
    start += table.settle;
  }
  expected.end = start;
}

}  // namespace lumo
