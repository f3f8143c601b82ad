#include "circuit/signal_merge_log.h"

namespace lumo {

void SignalMergeLog::Renamed(const std::string& from, const std::string& to) {
  if (from == to) return;
  if (next_.emplace(from, to).second) order_.push_back(from);
}

std::string SignalMergeLog::FinalName(const std::string& name) const {
  std::string at = name;
  // Names never come back, so the chain ends; the bound guards against a
  // log fed otherwise.
  for (std::size_t step = 0; step <= next_.size(); ++step) {
    const auto found = next_.find(at);
    if (found == next_.end()) return at;
    at = found->second;
  }
  return at;
}

std::unordered_map<std::string, std::string> SignalMergeLog::FinalOfEveryName() const {
  // Going back through the log: a name's successor went after it (or
  // never), so its final name is known by the time it is needed.
  std::unordered_map<std::string, std::string> final_of;
  final_of.reserve(order_.size());
  for (auto name = order_.rbegin(); name != order_.rend(); ++name) {
    const std::string& to = next_.at(*name);
    const auto known = final_of.find(to);
    final_of.emplace(*name, known != final_of.end() ? known->second : FinalName(to));
  }
  return final_of;
}

std::vector<std::pair<std::string, std::string>> SignalMergeLog::FinalNames() const {
  std::unordered_map<std::string, std::string> final_of = FinalOfEveryName();
  std::vector<std::pair<std::string, std::string>> names;
  names.reserve(order_.size());
  for (const std::string& name : order_)
    names.emplace_back(name, std::move(final_of.at(name)));
  return names;
}

std::vector<SignalMergeLog::Bus> SignalMergeLog::FinalBuses() const {
  const std::unordered_map<std::string, std::string> final_of = FinalOfEveryName();
  std::vector<Bus> buses = buses_;
  for (Bus& bus : buses)
    for (std::string& wire : bus.wires)
      if (const auto found = final_of.find(wire); found != final_of.end()) wire = found->second;
  return buses;
}

}  // namespace lumo
