#include "circuit/flat_size.h"

#include <fstream>
#include <limits>

#include "circuit/circuit_file.h"
#include "circuit/instance_replacer.h"
#include "lists/error_message.h"

namespace lumo {

namespace {

std::uint64_t SaturatingSum(std::uint64_t a, std::uint64_t b) {
  const std::uint64_t most = std::numeric_limits<std::uint64_t>::max();
  return a > most - b ? most : a + b;
}

FlatSize Itself(const Element& element) {
  return FlatSize{1, element.terminal_count(), 0};
}

}  // namespace

void FlatSize::Add(const FlatSize& other) {
  elements = SaturatingSum(elements, other.elements);
  terminals = SaturatingSum(terminals, other.terminals);
  signals = SaturatingSum(signals, other.signals);
}

FlatSize FlatSizeCounter::SizeOf(const Element& element) {
  const std::string key = FunctionNameKey(element.function_name());
  const auto [at, fresh] = sizes_.try_emplace(key);
  if (!fresh) return at->second.state == State::kCounted ? at->second.size : Itself(element);
  const Circuit* sub = Read(element.function_name());
  if (sub == nullptr) {
    at->second.state = State::kPrimitive;
    return Itself(element);
  }
  // References into the map stay valid while it grows below.
  const FlatSize size = Inside(*sub);
  at->second = Entry{State::kCounted, size};
  return size;
}

FlatSize FlatSizeCounter::Inside(const Circuit& circuit) {
  FlatSize size{0, 0, circuit.signal_count()};
  const Element* pins = circuit.IoPseudoElement();
  for (const Element& element : circuit.elements())
    if (&element != pins) size.Add(SizeOf(element));
  return size;
}

const Circuit* FlatSizeCounter::Read(const std::string& function) {
  const std::string path = path_of_(function);
  if (path.empty()) return nullptr;
  std::ifstream in(path, std::ios::binary);
  if (!in) return nullptr;
  const Circuit* circuit = nullptr;
  try {
    circuit = ReadCircuit(store_, in);
  } catch (const ListError&) {
    return nullptr;
  }
  if (circuit == nullptr || FunctionNameKey(circuit->name()) != FunctionNameKey(function))
    return nullptr;
  return circuit;
}

}  // namespace lumo
