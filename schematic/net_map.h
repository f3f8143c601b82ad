#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "schematic/draw.h"
#include "schematic/net_grouping.h"

namespace lumo {

// The net of every line and terminal of a schematic, named as the
// conversion names the signal it becomes, so that a run's values can be
// found for what is drawn. Made from the schematic as it is now, its lines
// taken in the order of its file, which the conversion reads.
class NetMap {
 public:
  static constexpr int kNoNet = -1;

  explicit NetMap(const Draw& draw);

  // The net of a line of the schematic; kNoNet for a line it did not hold.
  int NetOf(const DrawLine& line) const;
  // The net a terminal lies on: the one with a line ending exactly at it;
  // kNoNet when no line ends there.
  int NetOf(const DrawTerminal& terminal) const;
  int NetAt(std::int32_t x, std::int32_t y) const { return nets_.GroupAt(x, y); }

  std::size_t net_count() const { return names_.size(); }
  // The signal name of a net; empty names throughout when two lines of one
  // net carry different names (the conversion refuses such a schematic).
  const std::string& name(int net) const { return names_[static_cast<std::size_t>(net)]; }
  bool complete() const { return complete_; }

 private:
  explicit NetMap(const std::vector<const DrawLine*>& lines);
  static std::vector<const DrawLine*> InFileOrder(const Draw& draw);
  static std::vector<NetLine> LinesOf(const std::vector<const DrawLine*>& lines);

  NetGrouping nets_;
  std::unordered_map<const DrawLine*, int> net_of_line_;
  std::vector<std::string> names_;
  bool complete_ = true;
};

}  // namespace lumo
