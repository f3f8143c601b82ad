#include "tools/lumo/waveform_chart.h"

#include <algorithm>
#include <string>

namespace lumo::cli {

namespace {

constexpr std::size_t kLineWidth = 100;

void PrintRow(const PatRow& row, std::size_t name_width, std::ostream& out) {
  std::string line = "  " + row.name;
  line.resize(name_width + 4, ' ');
  const std::size_t indent = line.size();
  if (row.events.size() == 0) line += "(no changes)";
  for (const PatEvent& event : row.events) {
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

}  // namespace

void PrintWaveformChart(const Pat& pattern, std::ostream& out) {
  std::size_t name_width = 4;
  for (int i = 0; i < pattern.count(); ++i)
    name_width = std::max(name_width, pattern.row(i).name.size());
  for (const RowKind kind : {RowKind::kInput, RowKind::kOutput}) {
    out << (kind == RowKind::kInput ? "inputs" : "outputs") << " (time:value)\n";
    bool any = false;
    for (int i = 0; i < pattern.count(); ++i) {
      const PatRow& row = pattern.row(i);
      if (row.kind != kind || row.name.empty()) continue;
      PrintRow(row, name_width, out);
      any = true;
    }
    if (!any) out << "  (none)\n";
  }
}

}  // namespace lumo::cli
