#include "tools/lumo/waveform_chart.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace lumo::cli {

namespace {

constexpr int kDefaultWidth = 80;
// Columns shown after the last change, so that it is seen to last.
constexpr int kTail = 5;
// The chart keeps at least this many columns beside the names.
constexpr int kMinColumns = 20;
constexpr std::int64_t kNoGap = std::numeric_limits<std::int64_t>::max();

// The rows a chart shows: named rows of one kind, in table order.
std::vector<const PatRow*> RowsOf(const Pat& pattern, RowKind kind) {
  std::vector<const PatRow*> rows;
  for (int i = 0; i < pattern.count(); ++i)
    if (pattern.row(i).kind == kind && !pattern.row(i).name.empty())
      rows.push_back(&pattern.row(i));
  return rows;
}

std::vector<const PatRow*> ChartRows(const Pat& pattern) {
  std::vector<const PatRow*> rows = RowsOf(pattern, RowKind::kInput);
  const std::vector<const PatRow*> outputs = RowsOf(pattern, RowKind::kOutput);
  rows.insert(rows.end(), outputs.begin(), outputs.end());
  return rows;
}

bool IsBit(const std::string& value) {
  return value == "0" || value == "1" || value == "x" || value == "z";
}

bool IsBus(const PatRow& row) {
  return std::any_of(row.events.begin(), row.events.end(),
                     [](const PatEvent& event) { return !IsBit(event.value); });
}

// Characters on screen: UTF-8 code points, each one column wide here.
std::size_t Width(const std::string& text) {
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

std::string Cut(const std::string& text, std::size_t width) {
  std::size_t seen = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if ((text[i] & 0xC0) == 0x80) continue;
    if (seen++ == width) return text.substr(0, i);
  }
  return text;
}

// The next of 1, 2, 5, 10, 20, 50, ...
std::int64_t NextStep(std::int64_t step) {
  std::int64_t decade = 1;
  while (step / decade >= 10)
    decade *= 10;
  const std::int64_t lead = step / decade;
  return (lead == 1 ? 2 : lead == 2 ? 5 : 10) * decade;
}

int ColumnsFor(std::int64_t last, std::int64_t step) {
  return static_cast<int>(last / step) + 1 + kTail;
}

std::int64_t SmallestStepWithin(std::int64_t last, std::int64_t columns) {
  std::int64_t step = 1;
  while (ColumnsFor(last, step) > columns)
    step = NextStep(step);
  return step;
}

// The name column: two blanks, the longest name (cut to keep the chart
// room), two blanks.
std::size_t NameWidth(const std::vector<const PatRow*>& rows, int width) {
  std::size_t longest = 4;
  for (const PatRow* row : rows)
    longest = std::max(longest, Width(row->name));
  const std::size_t room = width > kMinColumns + 8 ? static_cast<std::size_t>(width / 2) : 4;
  return std::min(longest, room) + 4;
}

int ChartColumns(std::size_t name_width, int width) {
  return std::max(kMinColumns, width - static_cast<int>(name_width));
}

// What one column of one row shows.
struct Cell {
  const std::string* value = nullptr;  // none before the row's first change
  bool changed = false;                // differs from the column before
  bool hidden = false;                 // changes more than once inside
};

std::vector<Cell> Sample(const PatRow& row, const ChartScale& scale) {
  std::vector<Cell> cells(static_cast<std::size_t>(scale.columns));
  auto next = row.events.begin();
  const std::string* value = nullptr;
  for (int c = 0; c < scale.columns; ++c) {
    const std::int64_t time = c * scale.step;
    const std::string* before = value;
    while (next != row.events.end() && next->time <= time)
      value = &(next++)->value;
    // The changes after the column's time and before the next column's.
    int changes = 0;
    const std::string* inside = value;
    for (auto event = next; event != row.events.end() && event->time < time + scale.step;) {
      const std::int32_t at = event->time;
      const std::string* last = nullptr;
      for (; event != row.events.end() && event->time == at; ++event)
        last = &event->value;
      if (inside == nullptr || *last != *inside) ++changes;
      inside = last;
    }
    Cell& cell = cells[static_cast<std::size_t>(c)];
    cell.value = value;
    cell.changed = value != nullptr && (before == nullptr || *before != *value);
    cell.hidden = changes > 1;
  }
  return cells;
}

const char* BitGlyph(const Cell& cell) {
  if (cell.hidden) return "|";
  if (cell.value == nullptr) return " ";
  const std::string& v = *cell.value;
  return v == "0" ? "▁" : v == "1" ? "▔" : v == "x" ? "x" : v == "z" ? "z" : "?";
}

// A bus row's columns from `first` to `last`: an edge at each change, then
// the value as far as it fits, then a line; each block names the value it
// starts in again.
std::string BusLine(const std::vector<Cell>& cells, int first, int last) {
  std::string line;
  std::size_t shown = 0;
  for (int c = first; c < last; ++c) {
    const Cell& cell = cells[static_cast<std::size_t>(c)];
    if (cell.value == nullptr) {
      line += ' ';
    } else if (cell.changed || cell.hidden) {
      line += "╳";
      shown = 0;
    } else if (shown < cell.value->size()) {
      line += (*cell.value)[shown++];
    } else {
      line += "─";
    }
  }
  return line;
}

std::string BitLine(const std::vector<Cell>& cells, int first, int last) {
  std::string line;
  for (int c = first; c < last; ++c)
    line += BitGlyph(cells[static_cast<std::size_t>(c)]);
  return line;
}

std::string Pad(std::string text, std::size_t width) {
  const std::size_t now = Width(text);
  if (now < width) text.append(width - now, ' ');
  return text;
}

void TrimRight(std::string& line) {
  line.erase(line.find_last_not_of(' ') + 1);
}

// Labelled columns: every tenth, or wider apart when the times are long.
int LabelSpacing(const ChartScale& scale) {
  const std::size_t longest = std::to_string((scale.columns - 1) * scale.step).size();
  return std::max(10, static_cast<int>(longest) + 2);
}

void PrintAxis(const ChartScale& scale, std::size_t name_width, int first, int last,
               std::ostream& out) {
  const int spacing = LabelSpacing(scale);
  std::string labels = Pad("  time", name_width);
  std::string axis(name_width, ' ');
  for (int c = first; c < last; ++c) {
    axis += c % spacing == 0 ? '+' : '-';
    if (c % spacing != 0) continue;
    const std::string label = std::to_string(c * scale.step);
    if (static_cast<int>(label.size()) > last - c) continue;
    labels = Pad(labels, name_width + static_cast<std::size_t>(c - first));
    labels += label;
  }
  TrimRight(labels);
  out << labels << '\n' << axis << '\n';
}

}  // namespace

int ChartWidth(const char* columns) {
  if (columns == nullptr) return kDefaultWidth;
  int width = 0;
  const char* end = columns + std::strlen(columns);
  const auto [at, error] = std::from_chars(columns, end, width);
  if (error != std::errc() || at != end || width < 40 || width > 1000) return kDefaultWidth;
  return width;
}

ChartScale ChooseChartScale(const Pat& pattern, int width) {
  const std::vector<const PatRow*> rows = ChartRows(pattern);
  std::int64_t last = 0;
  std::int64_t gap = kNoGap;  // the shortest time between two changes of a row
  for (const PatRow* row : rows) {
    std::int64_t previous = -1;
    for (const PatEvent& event : row->events) {
      const std::int64_t time = std::max<std::int64_t>(event.time, 0);
      if (previous >= 0 && time > previous) gap = std::min(gap, time - previous);
      previous = time;
      last = std::max(last, time);
    }
  }
  const int columns = ChartColumns(NameWidth(rows, width), width);
  const std::int64_t one_line = SmallestStepWithin(last, columns);
  std::int64_t resolving = 1;  // the largest step that keeps changes apart
  while (NextStep(resolving) <= gap && NextStep(resolving) <= last)
    resolving = NextStep(resolving);
  const std::int64_t step =
      one_line <= resolving ? one_line : std::max(SmallestStepWithin(last, 4 * columns), resolving);
  // The columns after the last change never start a line of their own.
  const int changes = static_cast<int>(last / step) + 1;
  const int lines = (changes + columns - 1) / columns;
  return {step, std::min(ColumnsFor(last, step), lines * columns)};
}

void PrintWaveformChart(const Pat& pattern, int width, std::ostream& out) {
  const std::vector<const PatRow*> inputs = RowsOf(pattern, RowKind::kInput);
  const std::vector<const PatRow*> outputs = RowsOf(pattern, RowKind::kOutput);
  const std::vector<const PatRow*> rows = ChartRows(pattern);
  const ChartScale scale = ChooseChartScale(pattern, width);
  const std::size_t name_width = NameWidth(rows, width);
  const int block = ChartColumns(name_width, width);

  std::vector<std::vector<Cell>> cells;
  for (const PatRow* row : rows)
    cells.push_back(Sample(*row, scale));
  out << "waveforms: one column = " << scale.step
      << (scale.step == 1 ? " time unit" : " time units") << "\n";
  for (int first = 0; first < scale.columns; first += block) {
    const int last = std::min(scale.columns, first + block);
    out << '\n';
    PrintAxis(scale, name_width, first, last, out);
    std::size_t index = 0;
    for (const auto* group : {&inputs, &outputs}) {
      out << (group == &inputs ? "inputs" : "outputs") << '\n';
      if (group->empty()) out << "  (none)\n";
      for (const PatRow* row : *group) {
        const std::vector<Cell>& row_cells = cells[index++];
        std::string line = Pad("  " + Cut(row->name, name_width - 4), name_width);
        line += IsBus(*row) ? BusLine(row_cells, first, last) : BitLine(row_cells, first, last);
        TrimRight(line);
        out << line << '\n';
      }
    }
  }
}

void PrintChangeList(const Pat& pattern, std::ostream& out) {
  constexpr std::size_t kLineWidth = 100;
  std::size_t name_width = 4;
  for (int i = 0; i < pattern.count(); ++i)
    name_width = std::max(name_width, pattern.row(i).name.size());
  for (const RowKind kind : {RowKind::kInput, RowKind::kOutput}) {
    out << (kind == RowKind::kInput ? "inputs" : "outputs") << " (time:value)\n";
    const std::vector<const PatRow*> rows = RowsOf(pattern, kind);
    if (rows.empty()) out << "  (none)\n";
    for (const PatRow* row : rows) {
      std::string line = "  " + row->name;
      line.resize(name_width + 4, ' ');
      const std::size_t indent = line.size();
      if (row->events.size() == 0) line += "(no changes)";
      for (const PatEvent& event : row->events) {
        const std::string change = std::to_string(event.time) + ":" + event.value;
        if (line.size() > indent && line.size() + 1 + change.size() > kLineWidth) {
          out << line << '\n';
          line.assign(indent, ' ');
        }
        if (line.size() > indent) line += ' ';
        line += change;
      }
      out << line << '\n';
    }
  }
}

}  // namespace lumo::cli
