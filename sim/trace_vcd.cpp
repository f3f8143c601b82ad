#include "sim/trace_vcd.h"

#include <algorithm>
#include <vector>

#include "pattern/vcd_writer.h"

namespace lumo {

namespace {

// A trace value (bit 0 first) as a dump vector, most significant bit first,
// padded with 0 to the wire's width; "x" and "z" alone fill the width.
std::string VectorValue(const std::string& value, std::size_t width) {
  if (value == "x" || value == "z") return "b" + value;
  std::string bits(value.rbegin(), value.rend());
  if (bits.size() < width) bits.insert(0, width - bits.size(), '0');
  return "b" + bits;
}

}  // namespace

void WriteTraceVcd(const SignalTrace& trace, const std::string& scope, std::ostream& out) {
  const std::size_t signals = trace.signal_count();
  std::vector<std::size_t> widths(signals, 1);
  for (std::uint32_t s = 0; s < signals; ++s)
    for (const ValueId value : trace.ChangeValues(s))
      widths[s] = std::max(widths[s], trace.Text(value).size());

  out << "$version LumoCAD $end\n$timescale 1ns $end\n";
  out << "$scope module " << VcdReference(scope) << " $end\n";
  for (std::uint32_t s = 0; s < signals; ++s) {
    out << "$var wire " << widths[s] << ' ' << VcdIdentifier(s) << ' '
        << VcdReference(trace.signal_name(s));
    if (widths[s] > 1) out << " [" << widths[s] - 1 << ":0]";
    out << " $end\n";
  }
  out << "$upscope $end\n$enddefinitions $end\n";

  const auto write_value = [&](std::uint32_t signal, const std::string& value) {
    if (widths[signal] == 1)
      out << value << VcdIdentifier(signal) << '\n';
    else
      out << VectorValue(value, widths[signal]) << ' ' << VcdIdentifier(signal) << '\n';
  };
  out << "#0\n$dumpvars\n";
  for (std::uint32_t s = 0; s < signals; ++s)
    write_value(s, trace.ValueAt(s, 0));
  out << "$end\n";
  // Changes after 0 in time order; within one time only a signal's last
  // value counts.
  const std::span<const SignalTrace::Change> changes = trace.changes();
  std::size_t i = 0;
  while (i < changes.size() && changes[i].time <= 0)
    ++i;
  std::vector<std::size_t> written_at(signals, changes.size());  // index of the group's start
  std::vector<std::size_t> last;
  while (i < changes.size()) {
    const std::int32_t time = changes[i].time;
    std::size_t end = i;
    while (end < changes.size() && changes[end].time == time)
      ++end;
    last.clear();
    for (std::size_t k = end; k-- > i;) {
      if (written_at[changes[k].signal] == i) continue;
      written_at[changes[k].signal] = i;
      last.push_back(k);
    }
    out << '#' << time << '\n';
    for (auto k = last.rbegin(); k != last.rend(); ++k)
      write_value(changes[*k].signal, trace.Text(changes[*k].value));
    i = end;
  }
}

}  // namespace lumo
