#include "editing/connection_set.h"

#include <unordered_set>

#include "symbol/name_text.h"

namespace lumo {

namespace {

class LineSet {
 public:
  void Add(const DrawLine* line) {
    if (line != nullptr && members_.insert(line).second) order_.push_back(line);
  }
  // Adds every line attached at the junctions of the lines from `from` on,
  // including those this adds, so the set closes over the junctions.
  void CloseOverJunctions(std::size_t from) {
    for (std::size_t i = from; i < order_.size(); ++i) {
      for (const DrawJunction* junction :
           {order_[i]->start_junction(), order_[i]->end_junction()}) {
        if (junction == nullptr) continue;
        for (const DrawLine& line : junction->lines_starting())
          Add(&line);
        for (const DrawLine& line : junction->lines_ending())
          Add(&line);
      }
    }
  }
  std::vector<const DrawLine*>& order() { return order_; }

 private:
  std::unordered_set<const DrawLine*> members_;
  std::vector<const DrawLine*> order_;
};

}  // namespace

std::vector<const DrawLine*> ConnectedLines(const Draw& draw, const DrawLine& first) {
  LineSet set;
  set.Add(&first);
  set.CloseOverJunctions(0);
  const DrawLine* named = nullptr;
  for (const DrawLine* line : set.order()) {
    if (line->name() != "?") {
      named = line;
      break;
    }
  }
  if (named != nullptr) {
    const std::size_t before = set.order().size();
    const std::string name = LowerCaseName(named->name());
    for (const DrawLine& line : draw.lines())
      if (LowerCaseName(line.name()) == name) set.Add(&line);
    set.CloseOverJunctions(before);
  }
  return std::move(set.order());
}

}  // namespace lumo
