#include "circuit/circuit.h"

#include <memory>

namespace lumo {

Circuit::~Circuit() {
  // Terminals and signals point at each other; neither side is touched while
  // the whole circuit goes.
  elements_.Clear();
  signals_.Clear();
}

Element& Circuit::AddElement(std::string name, FunctionRecord& function) {
  Element& element = elements_.PushFront(std::make_unique<Element>(std::move(name), function));
  element_index_.Add(element, next_rank_++);
  return element;
}

void Circuit::RemoveElement(Element& element) {
  for (Terminal& terminal : element.terminals())
    terminal.Disconnect();
  element_index_.Remove(element);
  elements_.Unlink(element);  // the returned owner frees it
}

void Circuit::RenameElement(Element& element, std::string name) {
  const std::uint64_t rank = element_index_.RankOf(element);
  element_index_.Remove(element);
  element.name_ = std::move(name);
  element_index_.Add(element, rank);
}

Signal& Circuit::AddSignal(std::string name) {
  Signal& signal = signals_.PushFront(std::make_unique<Signal>(std::move(name)));
  signal_index_.Add(signal, next_rank_++);
  return signal;
}

void Circuit::RemoveSignal(Signal& signal) {
  while (Terminal* terminal = signal.first_terminal())
    terminal->Disconnect();
  signal_index_.Remove(signal);
  signals_.Unlink(signal);
}

void Circuit::RenameSignal(Signal& signal, std::string name) {
  const std::uint64_t rank = signal_index_.RankOf(signal);
  signal_index_.Remove(signal);
  signal.name_ = std::move(name);
  signal_index_.Add(signal, rank);
}

void Circuit::MergeSignal(Signal& from, Signal& into) {
  if (&from == &into) return;
  while (Terminal* terminal = from.first_terminal())
    terminal->ConnectTo(into);
  RemoveSignal(from);
}

}  // namespace lumo
