#include "schematic/net_grouping.h"

namespace lumo {

namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

// Groups as they are made, numbered in the order they are made. A joined
// group points at the earlier group that took its lines; its lines are
// chained from first to last so that joining appends in constant time.
class Groups {
 public:
  explicit Groups(std::size_t line_count) : next_line_(line_count, kNone) {}

  std::size_t Make(std::size_t line) {
    parent_.push_back(parent_.size());
    first_.push_back(line);
    last_.push_back(line);
    return parent_.size() - 1;
  }

  // The group a group number now stands for.
  std::size_t Find(std::size_t group) {
    std::size_t root = group;
    while (parent_[root] != root)
      root = parent_[root];
    while (parent_[group] != root) {
      const std::size_t up = parent_[group];
      parent_[group] = root;
      group = up;
    }
    return root;
  }

  void Append(std::size_t group, std::size_t line) {
    next_line_[last_[group]] = line;
    last_[group] = line;
  }

  // Appends the lines of `later` to `earlier` and lets `later` stand for it.
  void Join(std::size_t earlier, std::size_t later) {
    next_line_[last_[earlier]] = first_[later];
    last_[earlier] = last_[later];
    parent_[later] = earlier;
  }

  std::size_t count() const { return parent_.size(); }
  bool IsLive(std::size_t group) const { return parent_[group] == group; }
  std::size_t first_line(std::size_t group) const { return first_[group]; }
  std::size_t next_line(std::size_t line) const { return next_line_[line]; }

 private:
  std::vector<std::size_t> parent_;
  std::vector<std::size_t> first_;
  std::vector<std::size_t> last_;
  std::vector<std::size_t> next_line_;
};

}  // namespace

NetGrouping::NetGrouping(const std::vector<NetLine>& lines) {
  Groups groups(lines.size());
  // The group each end point was first given; Find gives the group now.
  std::unordered_map<std::uint64_t, std::size_t, PointHash> made_at;
  made_at.reserve(lines.size() * 2);
  const auto group_of = [&](std::uint64_t key) {
    const auto found = made_at.find(key);
    return found == made_at.end() ? kNone : groups.Find(found->second);
  };
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::uint64_t start = KeyOf(lines[i].x1, lines[i].y1);
    const std::uint64_t end = KeyOf(lines[i].x2, lines[i].y2);
    const std::size_t at_start = group_of(start);
    const std::size_t at_end = group_of(end);
    std::size_t group;
    if (at_start == kNone && at_end == kNone) {
      group = groups.Make(i);
    } else if (at_start == kNone || at_end == kNone || at_start == at_end) {
      group = at_start != kNone ? at_start : at_end;
      groups.Append(group, i);
    } else {
      // The groups stand in the order they were made; the earlier one takes
      // the line and then the later one's lines.
      group = at_start < at_end ? at_start : at_end;
      groups.Append(group, i);
      groups.Join(group, at_start < at_end ? at_end : at_start);
    }
    made_at.try_emplace(start, group);
    made_at.try_emplace(end, group);
  }

  std::vector<int> number(groups.count(), -1);
  order_.reserve(lines.size());
  for (std::size_t group = 0; group < groups.count(); ++group) {
    if (!groups.IsLive(group)) continue;
    number[group] = static_cast<int>(starts_.size());
    starts_.push_back(order_.size());
    for (std::size_t line = groups.first_line(group); line != kNone; line = groups.next_line(line))
      order_.push_back(line);
  }
  starts_.push_back(order_.size());
  group_at_.reserve(made_at.size());
  for (const auto& [key, group] : made_at)
    group_at_.emplace(key, number[groups.Find(group)]);
}

int NetGrouping::GroupAt(std::int32_t x, std::int32_t y) const {
  const auto found = group_at_.find(KeyOf(x, y));
  return found == group_at_.end() ? -1 : found->second;
}

}  // namespace lumo
