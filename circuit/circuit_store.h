#pragma once

#include <cstddef>
#include <functional>
#include <istream>
#include <string>
#include <string_view>
#include <unordered_map>

#include "circuit/circuit.h"
#include "circuit/function_record.h"
#include "common/node_list.h"

namespace lumo {

// The circuits of one run and the registry of function names, both newest
// first. One store is owned by the application (or the command-line tool) and
// handed by reference to the converter, the expander and the simulator, which
// empty it after each stage.
class CircuitStore {
 public:
  CircuitStore() = default;
  CircuitStore(const CircuitStore&) = delete;
  CircuitStore& operator=(const CircuitStore&) = delete;
  ~CircuitStore();

  // Circuits, newest first.
  Circuit& AddCircuit(std::string name);
  void RemoveCircuit(Circuit& circuit);
  Circuit* first_circuit() const { return circuits_.head(); }
  std::size_t circuit_count() const { return circuits_.size(); }
  NodeRange<Circuit> circuits() { return circuits_.Items(); }
  NodeRange<const Circuit> circuits() const { return circuits_.Items(); }

  // The record of a function name, made and put at the head of the registry
  // when the name is new.
  FunctionRecord& Function(std::string_view name);
  FunctionRecord* FindFunction(std::string_view name) const;
  FunctionRecord* first_function() const { return functions_.head(); }
  std::size_t function_count() const { return functions_.size(); }
  NodeRange<FunctionRecord> functions() { return functions_.Items(); }
  NodeRange<const FunctionRecord> functions() const { return functions_.Items(); }

  // Frees every circuit and every function record.
  void Clear();

 private:
  friend Circuit* ReadCircuit(CircuitStore& store, std::istream& in);
  // Frees the records made since `head` was the head of the registry; no
  // element may use them.
  void RemoveFunctionsNewerThan(const FunctionRecord* head);

  struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const {
      return std::hash<std::string_view>{}(text);
    }
  };
  // Declared first so the circuits, whose elements refer to the records, go
  // first.
  NodeList<FunctionRecord> functions_;
  std::unordered_map<std::string, FunctionRecord*, Hash, std::equal_to<>> function_index_;
  NodeList<Circuit> circuits_;
};

}  // namespace lumo
