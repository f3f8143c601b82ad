#include "schematic/net_map.h"

#include <algorithm>

#include "schematic/net_names.h"

namespace lumo {

std::vector<const DrawLine*> NetMap::InFileOrder(const Draw& draw) {
  std::vector<const DrawLine*> lines;
  lines.reserve(draw.line_count());
  for (const DrawLine& line : draw.lines())
    lines.push_back(&line);
  if (draw.listed_as_read()) std::reverse(lines.begin(), lines.end());
  return lines;
}

std::vector<NetLine> NetMap::LinesOf(const std::vector<const DrawLine*>& lines) {
  std::vector<NetLine> net_lines;
  net_lines.reserve(lines.size());
  for (const DrawLine* line : lines)
    net_lines.push_back({line->x1(), line->y1(), line->x2(), line->y2()});
  return net_lines;
}

NetMap::NetMap(const Draw& draw) : NetMap(InFileOrder(draw)) {}

NetMap::NetMap(const std::vector<const DrawLine*>& lines) : nets_(LinesOf(lines)) {
  std::vector<std::string_view> line_names;
  line_names.reserve(lines.size());
  for (const DrawLine* line : lines)
    line_names.push_back(line->name());
  NetNames names = NameNets(nets_, line_names);
  complete_ = !names.clash_first;
  names_ = complete_ ? std::move(names.names) : std::vector<std::string>(nets_.group_count());
  net_of_line_.reserve(lines.size());
  for (std::size_t group = 0; group < nets_.group_count(); ++group)
    for (const std::size_t line : nets_.Group(group))
      net_of_line_.emplace(lines[line], static_cast<int>(group));
}

int NetMap::NetOf(const DrawLine& line) const {
  const auto found = net_of_line_.find(&line);
  return found == net_of_line_.end() ? kNoNet : found->second;
}

int NetMap::NetOf(const DrawTerminal& terminal) const {
  return nets_.GroupAt(terminal.x(), terminal.y());
}

}  // namespace lumo
