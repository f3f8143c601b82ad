// Reads a circuit from the input. A rejected file must leave the store empty;
// an accepted one must have a consistent model and, unless it holds a name
// that cannot be written, survive two read-and-write cycles byte for byte.

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "circuit/circuit_errors.h"
#include "circuit/circuit_file.h"
#include "circuit/circuit_store.h"
#include "circuit/name_order.h"
#include "lists/error_message.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

// Checks the links and indexes of the model; true when every name can be
// written so that it reads back (a bare word read from a file may still need
// quotes it cannot have, such as 4bit").
bool CheckModel(const lumo::Circuit& circuit) {
  bool writable = lumo::IsWritableName(circuit.name());
  std::size_t connected = 0;
  for (const lumo::Element& element : circuit.elements()) {
    Check(circuit.FindElement(element.name()) != nullptr);
    writable = writable && lumo::IsWritableName(element.name()) &&
               lumo::IsWritableName(element.function_name());
    const lumo::Terminal* previous = nullptr;
    for (const lumo::Terminal& terminal : element.terminals()) {
      Check(&terminal.element() == &element);
      Check(previous == nullptr ||
            lumo::CompareNamesIgnoringCase(previous->name(), terminal.name()) <= 0);
      Check(element.FindTerminal(terminal.name()) != nullptr);
      writable = writable && lumo::IsWritableName(terminal.name());
      if (terminal.signal() != nullptr) ++connected;
      previous = &terminal;
    }
  }
  std::size_t on_signals = 0;
  for (const lumo::Signal& signal : circuit.signals()) {
    Check(circuit.FindSignal(signal.name()) != nullptr);
    writable = writable && lumo::IsWritableName(signal.name());
    for (const lumo::Terminal& terminal : signal.terminals())
      Check(terminal.signal() == &signal);
    on_signals += signal.terminal_count();
  }
  Check(connected == on_signals);
  return writable;
}

std::string Written(const lumo::Circuit& circuit) {
  std::ostringstream out;
  lumo::WriteCircuit(circuit, out);
  return out.str();
}

std::string Cycle(const std::string& text) {
  lumo::CircuitStore store;
  std::istringstream in(text);
  const lumo::Circuit* circuit = lumo::ReadCircuit(store, in);
  Check(circuit != nullptr);
  return Written(*circuit);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  lumo::CircuitStore store;
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  const lumo::Circuit* circuit = nullptr;
  try {
    circuit = lumo::ReadCircuit(store, in);
  } catch (const lumo::ListError&) {
    Check(store.circuit_count() == 0 && store.function_count() == 0);
    return 0;
  }
  if (circuit == nullptr) return 0;
  const bool writable = CheckModel(*circuit);
  try {
    // The writer's layout is a fixed point of two cycles.
    const std::string once = Written(*circuit);
    Check(writable);
    Check(Cycle(Cycle(once)) == once);
  } catch (const lumo::ListError& error) {
    // Only a name that would not read back may stop the writer.
    Check(!writable && error.tag() == lumo::kWriteCircuitName);
  }
  return 0;
}
