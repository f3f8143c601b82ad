#include "workflow/wire_values.h"

#include <algorithm>

#include "schematic/element_names.h"
#include "sim/value_ops.h"

namespace lumo {

WireValue ClassifyValue(const std::string& value) {
  if (value == "0") return {WireLevel::kZero, {}};
  if (value == "1") return {WireLevel::kOne, {}};
  if (value.size() <= 1) return {value == "z" ? WireLevel::kHighZ : WireLevel::kUnknown, {}};
  // An unknown bit makes the whole number unknown; a bus left all released
  // is released.
  if (value.find('x') != std::string::npos) return {WireLevel::kUnknown, "x"};
  if (value.find('z') != std::string::npos) return {WireLevel::kHighZ, "z"};
  return {WireLevel::kBus, HexValue(value)};
}

std::string WireValues::NameInside(const std::string& instance, const std::string& net) {
  return net.starts_with('/') ? net : instance + net;
}

WireValues::WireValues(const NetMap& nets, const SignalTrace& trace, const std::string& instance)
    : nets_(nets),
      trace_(trace),
      signal_of_net_(nets.net_count(), SignalTrace::kNoSignal),
      bus_of_net_(nets.net_count()) {
  if (!nets.complete()) return;
  for (std::size_t net = 0; net < nets.net_count(); ++net) {
    const std::string name = NameInside(instance, nets.name(static_cast<int>(net)));
    signal_of_net_[net] = trace.FindSignal(name);
    if (signal_of_net_[net] == SignalTrace::kNoSignal) bus_of_net_[net] = trace.FindBus(name);
  }
}

std::vector<PatEvent> ChangesOf(const SignalTrace& trace, const std::string& name) {
  std::vector<PatEvent> changes;
  if (const std::int32_t signal = trace.FindSignal(name); signal != SignalTrace::kNoSignal) {
    const auto s = static_cast<std::uint32_t>(signal);
    for (std::size_t i = 0; i < trace.ChangeTimes(s).size(); ++i)
      changes.push_back({trace.ChangeTimes(s)[i], trace.Text(trace.ChangeValues(s)[i])});
    return changes;
  }
  // A bus changes whenever one of its wires does.
  const std::span<const std::uint32_t> wires = trace.FindBus(name);
  std::vector<std::int32_t> times;
  for (const std::uint32_t wire : wires)
    times.insert(times.end(), trace.ChangeTimes(wire).begin(), trace.ChangeTimes(wire).end());
  std::sort(times.begin(), times.end());
  times.erase(std::unique(times.begin(), times.end()), times.end());
  for (const std::int32_t time : times) {
    std::string value;
    for (const std::uint32_t wire : wires)
      value += trace.ValueAt(wire, time);
    if (changes.empty() || changes.back().value != value) changes.push_back({time, value});
  }
  return changes;
}

std::int32_t WireValues::SignalOf(int net) const {
  if (net < 0 || static_cast<std::size_t>(net) >= signal_of_net_.size())
    return SignalTrace::kNoSignal;
  return signal_of_net_[static_cast<std::size_t>(net)];
}

std::int32_t WireValues::SignalOfPin(const Draw& draw, const std::string& pin) const {
  for (const DrawElement& element : draw.elements()) {
    if (element.name() != pin || !IsPinSymbol(element.symbol_name())) continue;
    if (element.first_terminal() == nullptr) return SignalTrace::kNoSignal;
    return SignalOf(nets_.NetOf(*element.first_terminal()));
  }
  return SignalTrace::kNoSignal;
}

WireValue WireValues::At(int net, std::int32_t time) const {
  const std::int32_t signal = SignalOf(net);
  if (!trace_.Complete(time)) return {};
  if (signal == SignalTrace::kNoSignal) {
    if (net < 0 || static_cast<std::size_t>(net) >= bus_of_net_.size()) return {};
    const std::span<const std::uint32_t> wires = bus_of_net_[static_cast<std::size_t>(net)];
    if (wires.empty()) return {};
    std::string value;
    for (const std::uint32_t wire : wires)
      value += trace_.ValueAt(wire, time);
    return ClassifyValue(value);
  }
  return ClassifyValue(trace_.ValueAt(static_cast<std::uint32_t>(signal), time));
}

}  // namespace lumo
