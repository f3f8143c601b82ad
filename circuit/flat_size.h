#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>

#include "circuit/circuit.h"
#include "circuit/circuit_store.h"

namespace lumo {

// What a circuit holds once every sub-circuit in it is flattened. Signals
// are counted before pins are joined, so that count is an upper bound.
// Counts stop at the largest number rather than wrapping.
struct FlatSize {
  std::uint64_t elements = 0;
  std::uint64_t terminals = 0;
  std::uint64_t signals = 0;

  void Add(const FlatSize& other);
};

// Counts the flat size of a hierarchy from its circuit files before anything
// is copied: each sub-circuit is read once, into a store of the counter's
// own, and its size remembered, so a hierarchy of n levels costs n files
// however many instances it holds. A file that cannot be read, or that holds
// another circuit, or a circuit that contains itself, counts as one element:
// the expansion itself reports these.
class FlatSizeCounter {
 public:
  // The circuit file of a function, empty when it is a primitive.
  using PathOf = std::function<std::string(const std::string& function)>;

  explicit FlatSizeCounter(PathOf path_of) : path_of_(std::move(path_of)) {}

  // What `element` becomes: its sub-circuit's flat size without the
  // sub-circuit's pin element, or the element itself.
  FlatSize SizeOf(const Element& element);

 private:
  // The flat size of a circuit without its pin element.
  FlatSize Inside(const Circuit& circuit);
  const Circuit* Read(const std::string& function);

  PathOf path_of_;
  CircuitStore store_;
  // By function name in lower case. An instance met while its circuit is
  // still being counted is a circuit containing itself.
  enum class State { kCounting, kCounted, kPrimitive };
  struct Entry {
    State state = State::kCounting;
    FlatSize size;
  };
  std::unordered_map<std::string, Entry> sizes_;
};

}  // namespace lumo
