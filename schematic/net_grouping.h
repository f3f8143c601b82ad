#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <unordered_map>
#include <vector>

namespace lumo {

// The two end points of a drawn line.
struct NetLine {
  std::int32_t x1 = 0;
  std::int32_t y1 = 0;
  std::int32_t x2 = 0;
  std::int32_t y2 = 0;
};

// Groups lines that touch end to end (any end point of one equals any end
// point of the other) into nets, with the groups, and the lines within each
// group, in the order that taking the lines one by one gives: a line that
// touches no group starts a new group after the others; a line touching one
// group is appended to it; a line touching two joins them, being appended to
// the earlier group, which then takes the later group's lines after it.
// Only the groups at a line's two end points can touch it, so an index of
// end points finds them at once: linear in the number of lines.
class NetGrouping {
 public:
  explicit NetGrouping(const std::vector<NetLine>& lines);

  std::size_t group_count() const { return starts_.size() - 1; }
  // The indices (into the lines given) of the lines of group `group`.
  std::span<const std::size_t> Group(std::size_t group) const {
    return {order_.data() + starts_[group], starts_[group + 1] - starts_[group]};
  }
  // The group with a line ending exactly at the point; -1 when there is none.
  int GroupAt(std::int32_t x, std::int32_t y) const;

 private:
  struct PointHash {
    std::size_t operator()(std::uint64_t key) const {
      key ^= key >> 33;
      key *= 0xff51afd7ed558ccdULL;
      key ^= key >> 33;
      return static_cast<std::size_t>(key);
    }
  };
  static std::uint64_t KeyOf(std::int32_t x, std::int32_t y) {
    return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(x)) << 32) |
           static_cast<std::uint32_t>(y);
  }

  // The line indices group by group, and where each group starts (one entry
  // more than there are groups).
  std::vector<std::size_t> order_;
  std::vector<std::size_t> starts_;
  // The final group of every end point.
  std::unordered_map<std::uint64_t, int, PointHash> group_at_;
};

}  // namespace lumo
