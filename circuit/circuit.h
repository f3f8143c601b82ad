#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "circuit/element.h"
#include "circuit/function_record.h"
#include "circuit/name_index.h"
#include "circuit/signal.h"
#include "common/node_list.h"

namespace lumo {

// A netlist: elements and signals, each list newest first, and which terminal
// lies on which signal. Elements and signals are added, renamed and removed
// only through the circuit, which keeps them findable by name in constant
// time with the semantics of a walk in list order (the first of equal names
// wins). New elements and signals always go to the head of their list.
//
// Walking a list while removing: take next() before removing the current
// record.
class Circuit : public Linked<Circuit> {
 public:
  explicit Circuit(std::string name) : name_(std::move(name)) {}
  Circuit(const Circuit&) = delete;
  Circuit& operator=(const Circuit&) = delete;
  ~Circuit();

  const std::string& name() const { return name_; }

  // Elements, newest first.
  Element& AddElement(std::string name, FunctionRecord& function);
  Element* FindElement(std::string_view name) const { return element_index_.Find(name); }
  // The element that stands for the circuit's own pins: the first element
  // named like the circuit; null when there is none.
  Element* IoPseudoElement() const { return FindElement(name_); }
  // Disconnects the element's terminals and frees it with them.
  void RemoveElement(Element& element);
  // Gives the element another name; it keeps its place in the list.
  void RenameElement(Element& element, std::string name);
  Element* first_element() const { return elements_.head(); }
  std::size_t element_count() const { return elements_.size(); }
  NodeRange<Element> elements() { return elements_.Items(); }
  NodeRange<const Element> elements() const { return elements_.Items(); }

  // Signals, newest first.
  Signal& AddSignal(std::string name);
  Signal* FindSignal(std::string_view name) const { return signal_index_.Find(name); }
  // Leaves the signal's terminals unconnected and frees it.
  void RemoveSignal(Signal& signal);
  // Gives the signal another name; it keeps its place in the list.
  void RenameSignal(Signal& signal, std::string name);
  // Moves every terminal of `from` onto `into` and removes `from`. The
  // terminals are taken in `from`'s order and each is put at the head of
  // `into`, so they end up before `into`'s own in reverse order.
  void MergeSignal(Signal& from, Signal& into);
  Signal* first_signal() const { return signals_.head(); }
  std::size_t signal_count() const { return signals_.size(); }
  NodeRange<Signal> signals() { return signals_.Items(); }
  NodeRange<const Signal> signals() const { return signals_.Items(); }

 private:
  std::string name_;
  NodeList<Element> elements_;
  NodeList<Signal> signals_;
  NameIndex<Element> element_index_;
  NameIndex<Signal> signal_index_;
  // Ranks given to new records; a new record outranks every older one.
  std::uint64_t next_rank_ = 1;
};

}  // namespace lumo
