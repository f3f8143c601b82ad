#include "circuit/function_record.h"

#include <algorithm>

#include "circuit/name_order.h"

namespace lumo {

void FunctionRecord::AddDelay(DelayRecord record) {
  if (!delays_.empty() && NameLessIgnoringCase(record.terminal, delays_.back().terminal))
    delays_sorted_ = false;
  delays_.push_back(std::move(record));
}

const std::vector<DelayRecord>& FunctionRecord::delays() const {
  if (!delays_sorted_) {
    // Stable: records of equal names keep the order they were added in.
    std::stable_sort(delays_.begin(), delays_.end(),
                     [](const DelayRecord& a, const DelayRecord& b) {
                       return NameLessIgnoringCase(a.terminal, b.terminal);
                     });
    delays_sorted_ = true;
  }
  return delays_;
}

}  // namespace lumo
