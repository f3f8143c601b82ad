#include "schematic/net_names.h"

namespace lumo {

NetNames NameNets(const NetGrouping& nets, const std::vector<std::string_view>& line_names) {
  NetNames result;
  result.names.reserve(nets.group_count());
  int unnamed = 0;
  for (std::size_t group = 0; group < nets.group_count(); ++group) {
    std::optional<std::string_view> name;
    for (std::size_t line : nets.Group(group)) {
      const std::string_view line_name = line_names[line];
      if (line_name == "?") continue;
      if (!name) {
        name = line_name;
      } else if (line_name != *name) {
        result.clash_first = name;
        result.clash_second = line_name;
        return result;
      }
    }
    result.names.push_back(name ? std::string(*name) : "*s" + std::to_string(unnamed++));
  }
  return result;
}

}  // namespace lumo
