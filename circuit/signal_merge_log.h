#pragma once

#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace lumo {

// What the expansion did to signal names, so that a net of the schematic can
// still be found after its signal was joined into another: every name that
// went (an outside net joined into a recorded "%" signal of a sub-circuit,
// a signal joined into a bus wire, a wire renamed), with the name that
// carried on after it; and every merged bus with its wires in pin order
// (the first wire holds the first character of the bus value, as the bus
// elements compose it).
class SignalMergeLog {
 public:
  struct Bus {
    std::string name;
    std::vector<std::string> wires;
  };

  // `from` is now called `to` (a signal joined into a wire, or a wire
  // renamed); a name never comes back once it has gone.
  void Renamed(const std::string& from, const std::string& to);
  void Merged(Bus bus) { buses_.push_back(std::move(bus)); }

  // The name `name` carries at the end: itself when it never went.
  std::string FinalName(const std::string& name) const;
  // Every name that went, with its final name, in the order they went.
  std::vector<std::pair<std::string, std::string>> FinalNames() const;
  // The merged buses, their wires under their final names.
  std::vector<Bus> FinalBuses() const;
  bool empty() const { return order_.empty() && buses_.empty(); }

 private:
  std::unordered_map<std::string, std::string> FinalOfEveryName() const;

  std::unordered_map<std::string, std::string> next_;
  std::vector<std::string> order_;
  std::vector<Bus> buses_;
};

}  // namespace lumo
