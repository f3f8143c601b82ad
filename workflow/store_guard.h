#pragma once

#include "circuit/circuit_store.h"

namespace lumo {

// Every stage leaves the store empty behind it, failed or not.
class EmptyAfter {
 public:
  explicit EmptyAfter(CircuitStore& store) : store_(store) {}
  ~EmptyAfter() { store_.Clear(); }
  EmptyAfter(const EmptyAfter&) = delete;
  EmptyAfter& operator=(const EmptyAfter&) = delete;

 private:
  CircuitStore& store_;
};

}  // namespace lumo
