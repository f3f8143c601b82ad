#include "circuit/circuit_store.h"

#include <memory>

namespace lumo {

CircuitStore::~CircuitStore() {
  Clear();
}

Circuit& CircuitStore::AddCircuit(std::string name) {
  return circuits_.PushFront(std::make_unique<Circuit>(std::move(name)));
}

void CircuitStore::RemoveCircuit(Circuit& circuit) {
  circuits_.Unlink(circuit);
}

FunctionRecord& CircuitStore::Function(std::string_view name) {
  if (FunctionRecord* found = FindFunction(name)) return *found;
  FunctionRecord& record =
      functions_.PushFront(std::make_unique<FunctionRecord>(std::string(name)));
  function_index_.emplace(record.name(), &record);
  return record;
}

FunctionRecord* CircuitStore::FindFunction(std::string_view name) const {
  const auto found = function_index_.find(name);
  return found == function_index_.end() ? nullptr : found->second;
}

void CircuitStore::Clear() {
  circuits_.Clear();
  function_index_.clear();
  functions_.Clear();
}

void CircuitStore::RemoveFunctionsNewerThan(const FunctionRecord* head) {
  while (functions_.head() != nullptr && functions_.head() != head) {
    FunctionRecord& newest = *functions_.head();
    function_index_.erase(newest.name());
    functions_.Unlink(newest);
  }
}

}  // namespace lumo
