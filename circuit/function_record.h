#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/node_list.h"

namespace lumo {

// The delays of one terminal of a function, in the simulator's time unit.
struct DelayRecord {
  std::string terminal;
  std::int32_t to0 = 0;
  std::int32_t to1 = 0;
};

// One function name of the store, shared by every element of that function,
// with the delay records the simulator's delay table gives it.
class FunctionRecord : public Linked<FunctionRecord> {
 public:
  explicit FunctionRecord(std::string name) : name_(std::move(name)) {}
  FunctionRecord(const FunctionRecord&) = delete;
  FunctionRecord& operator=(const FunctionRecord&) = delete;

  const std::string& name() const { return name_; }

  // Adds a record in terminal-name order: after every record whose name is
  // equal or smaller ignoring case (the order of an element's terminals, so
  // the k-th record belongs to the k-th terminal).
  void AddDelay(DelayRecord record);
  // The records in that order. Records added out of order are put in place
  // here, by one stable sort, so loading stays n log n.
  const std::vector<DelayRecord>& delays() const;

 private:
  std::string name_;
  mutable std::vector<DelayRecord> delays_;
  mutable bool delays_sorted_ = true;
};

}  // namespace lumo
