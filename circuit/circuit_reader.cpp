// ReadCircuit: the four sections of a circuit file into the store.

#include <optional>
#include <string>

#include "circuit/circuit_errors.h"
#include "circuit/circuit_file.h"
#include "lists/list.h"
#include "lists/list_printer.h"

namespace lumo {

namespace {

// The item at `index` of the list `entry`; null when the entry is not a list
// or is shorter.
const ListCell* ItemAt(const ListCell* entry, int index) {
  const ListCell* cell = entry;
  for (int i = 0; i < index && cell->IsCons(); ++i)
    cell = cell->cdr();
  return cell->IsCons() ? cell->car() : nullptr;
}

std::optional<std::string_view> NameAt(const ListCell* entry, int index) {
  const ListCell* item = ItemAt(entry, index);
  if (item == nullptr || item->kind() != ListCell::kString) return std::nullopt;
  return item->text();
}

[[noreturn]] void Reject(const char* tag, const List& entry) {
  throw ListError(tag, MessageForm(entry.Top().cell()));
}

// Reads the entries of one section up to its closing empty list.
template <class Take>
void ReadSection(std::istream& in, List& entry, Take take) {
  for (;;) {
    entry.Read(in);
    if (entry.IsNil()) return;
    take(entry.Top().cell());
  }
}

void ReadBody(CircuitStore& store, Circuit& circuit, std::istream& in) {
  List entry;
  ReadSection(in, entry, [&](const ListCell* cell) {
    const std::optional<std::string_view> name = NameAt(cell, 0);
    const std::optional<std::string_view> function = NameAt(cell, 1);
    if (!name || !function) Reject(kReadCircuitElementEntry, entry);
    circuit.AddElement(std::string(*name), store.Function(*function));
  });
  ReadSection(in, entry, [&](const ListCell* cell) {
    const std::optional<std::string_view> name = NameAt(cell, 0);
    if (!name) Reject(kReadCircuitSignalEntry, entry);
    circuit.AddSignal(std::string(*name));
  });
  // The entries of one element come together; its lookup serves them all.
  Element* element = nullptr;
  ReadSection(in, entry, [&](const ListCell* cell) {
    const std::optional<std::string_view> element_name = NameAt(cell, 0);
    const std::optional<std::string_view> terminal_name = NameAt(cell, 1);
    const ListCell* signal_item = ItemAt(cell, 2);
    // A missing third item reads as the empty list, as a path walk gives it.
    const bool connected = signal_item != nullptr && !signal_item->IsNil();
    if (!element_name || !terminal_name || (connected && signal_item->kind() != ListCell::kString))
      Reject(kReadCircuitConnectionEntry, entry);
    if (element == nullptr || element->name() != *element_name) {
      element = circuit.FindElement(*element_name);
      if (element == nullptr) Reject(kReadCircuitUnknownElement, entry);
    }
    Signal* signal = nullptr;
    if (connected) {
      signal = circuit.FindSignal(signal_item->text());
      if (signal == nullptr) Reject(kReadCircuitUnknownSignal, entry);
    }
    Terminal& terminal = element->AddTerminal(std::string(*terminal_name));
    if (signal != nullptr) terminal.ConnectTo(*signal);
  });
}

// The name expression; null when it is the empty list (no circuit).
Circuit* ReadHead(CircuitStore& store, std::istream& in) {
  List head;
  head.Read(in);
  if (head.IsNil()) return nullptr;
  const std::optional<std::string_view> name = NameAt(head.Top().cell(), 0);
  if (!name) Reject(kReadCircuitName, head);
  return &store.AddCircuit(std::string(*name));
}

}  // namespace

Circuit* ReadCircuit(CircuitStore& store, std::istream& in) {
  const FunctionRecord* registry_head = store.first_function();
  Circuit* circuit = nullptr;
  try {
    circuit = ReadHead(store, in);
    if (circuit != nullptr) ReadBody(store, *circuit, in);
  } catch (...) {
    // Nothing of a rejected file stays behind.
    if (circuit != nullptr) store.RemoveCircuit(*circuit);
    store.RemoveFunctionsNewerThan(registry_head);
    throw;
  }
  return circuit;
}

}  // namespace lumo
