#include "circuit/bus_merge.h"

#include "circuit/signal_merge_log.h"

#include <algorithm>
#include <cstdint>
#include <queue>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

namespace lumo {

namespace {

bool IsBusFunction(const std::string& name) {
  return name.size() >= 5 && name.compare(0, 5, "_line") == 0;
}

// Every terminal of the signal is the "y" pin of an element of one bus
// function.
bool IsBusSignal(const Signal& signal) {
  if (!signal.HasTerminals()) return false;
  const FunctionRecord* bus = nullptr;
  for (const Terminal& terminal : signal.terminals()) {
    if (terminal.name() != "y") return false;
    const FunctionRecord& function = terminal.element().function();
    if (bus == nullptr) {
      if (!IsBusFunction(function.name())) return false;
      bus = &function;
    } else if (&function != bus && function.name() != bus->name()) {
      return false;
    }
  }
  return true;
}

// Finds bus signals in list order without going back to the head of the list
// after each merge. Signals are ranked in list order (new signals, which go
// to the head, outrank every older one); only the signals a merge creates or
// takes terminals from can change, so only those are looked at again.
class BusMerger {
 public:
  BusMerger(Circuit& circuit, BusSignalCounter& counter, SignalMergeLog* log)
      : circuit_(circuit), counter_(counter), log_(log) {
    // The head gets the highest rank and goes last, to be looked at first.
    std::uint64_t rank = circuit_.signal_count();
    next_rank_ = rank + 1;
    for (Signal& signal : circuit_.signals()) {
      ranks_.emplace(&signal, rank);
      in_list_order_.emplace_back(rank--, &signal);
    }
    std::reverse(in_list_order_.begin(), in_list_order_.end());
  }

  std::size_t Run() {
    std::size_t merged = 0;
    while (Signal* bus = NextBusSignal()) {
      Merge(*bus);
      ++merged;
    }
    return merged;
  }

 private:
  using Entry = std::pair<std::uint64_t, Signal*>;

  bool Current(const Entry& entry) const {
    const auto found = ranks_.find(entry.second);
    return found != ranks_.end() && found->second == entry.first;
  }

  // The first bus signal in list order; null when none is left.
  Signal* NextBusSignal() {
    for (;;) {
      while (!in_list_order_.empty() && !Current(in_list_order_.back()))
        in_list_order_.pop_back();
      while (!changed_.empty() && !Current(changed_.top()))
        changed_.pop();
      Signal* next = nullptr;
      if (!changed_.empty() &&
          (in_list_order_.empty() || changed_.top().first > in_list_order_.back().first)) {
        next = changed_.top().second;
        changed_.pop();
      } else if (!in_list_order_.empty()) {
        next = in_list_order_.back().second;
        in_list_order_.pop_back();
      } else {
        return nullptr;
      }
      if (IsBusSignal(*next)) return next;
    }
  }

  Signal& NewSignal() {
    Signal& signal = circuit_.AddSignal(counter_.NextName());
    ranks_.emplace(&signal, next_rank_++);
    return signal;
  }

  void LookAgain(Signal& signal) {
    const auto found = ranks_.find(&signal);
    if (found != ranks_.end()) changed_.emplace(found->second, &signal);
  }

  // The position whose signal now carries wire `position`.
  std::size_t Root(std::size_t position) {
    while (parents_[position] != position) {
      parents_[position] = parents_[parents_[position]];
      position = parents_[position];
    }
    return position;
  }

  void Merge(Signal& bus) {
    // One new signal per pin of the first element, in name order, "y" aside.
    wires_.clear();
    parents_.clear();
    wire_positions_.clear();
    for (const Terminal& pin : bus.first_terminal()->element().terminals()) {
      if (pin.name() == "y") continue;
      Signal& wire = NewSignal();
      wire_positions_.emplace(&wire, wires_.size());
      parents_.push_back(wires_.size());
      wires_.push_back(&wire);
    }

    std::vector<Element*> elements;
    std::unordered_set<const Element*> seen;
    for (Terminal& terminal : bus.terminals())
      if (seen.insert(&terminal.element()).second) elements.push_back(&terminal.element());

    for (Element* element : elements) {
      std::size_t position = 0;
      for (Terminal& pin : element->terminals()) {
        if (pin.name() == "y") continue;
        // A pin beyond the first element's pins has no wire; it goes with
        // its element.
        if (position >= wires_.size()) break;
        const std::size_t root = Root(position++);
        JoinToWire(pin, root);
      }
    }

    // Signals that lose pins with the bus elements may turn into bus signals.
    std::vector<Signal*> touched;
    for (Element* element : elements)
      for (const Terminal& pin : element->terminals())
        if (pin.signal() != nullptr && pin.signal() != &bus) touched.push_back(pin.signal());
    if (log_ != nullptr) {
      SignalMergeLog::Bus merged{bus.name(), {}};
      for (std::size_t position = 0; position < wires_.size(); ++position)
        merged.wires.push_back(wires_[Root(position)]->name());
      log_->Merged(std::move(merged));
    }
    for (Element* element : elements)
      circuit_.RemoveElement(*element);
    ranks_.erase(&bus);
    circuit_.RemoveSignal(bus);
    for (Signal* signal : touched)
      LookAgain(*signal);
  }

  // Moves the signal under `pin` onto the wire at `root`.
  void JoinToWire(Terminal& pin, std::size_t root) {
    Signal* met = pin.signal();
    Signal& wire = *wires_[root];
    if (met == nullptr || met == &wire) return;
    std::string taken_name;
    if (met->name().find('*') == std::string::npos) taken_name = met->name();
    const std::string met_name = log_ != nullptr ? met->name() : std::string();
    if (const auto other = wire_positions_.find(met); other != wire_positions_.end()) {
      // Another wire of this bus: from now on both are one.
      parents_[Root(other->second)] = root;
      wire_positions_.erase(other);
    }
    ranks_.erase(met);
    circuit_.MergeSignal(*met, wire);
    if (!taken_name.empty()) {
      if (log_ != nullptr) log_->Renamed(wire.name(), taken_name);
      circuit_.RenameSignal(wire, std::move(taken_name));
    }
    if (log_ != nullptr) log_->Renamed(met_name, wire.name());
  }

  Circuit& circuit_;
  BusSignalCounter& counter_;
  SignalMergeLog* log_;
  std::unordered_map<const Signal*, std::uint64_t> ranks_;
  std::uint64_t next_rank_ = 1;
  // The signals of the start not yet looked at, the head last.
  std::vector<Entry> in_list_order_;
  // New signals and signals that changed, highest rank on top.
  std::priority_queue<Entry> changed_;
  // The wires of the bus being merged: the signal of each position's root.
  std::vector<Signal*> wires_;
  std::vector<std::size_t> parents_;
  std::unordered_map<const Signal*, std::size_t> wire_positions_;
};

}  // namespace

std::size_t MergeBusLines(Circuit& circuit, BusSignalCounter& counter, SignalMergeLog* log) {
  return BusMerger(circuit, counter, log).Run();
}

}  // namespace lumo
