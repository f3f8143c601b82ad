#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "schematic/net_grouping.h"

namespace lumo {

// The signal name of every net, as the conversion gives it: the name given
// to the net's lines (all the named ones must agree), else "*s" and a number
// that counts the unnamed nets in net order from 0.
struct NetNames {
  std::vector<std::string> names;  // per group of the grouping
  // Set when two lines of one net carry different names: the first name
  // met and the one that differs from it. The names are then incomplete.
  std::optional<std::string_view> clash_first;
  std::optional<std::string_view> clash_second;
};

// `line_names` holds the name of each line given to the grouping ("?":
// none).
NetNames NameNets(const NetGrouping& nets, const std::vector<std::string_view>& line_names);

}  // namespace lumo
