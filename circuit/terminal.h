#pragma once

#include <cstdint>
#include <string>

namespace lumo {

class Element;
class Signal;

// One pin of an element. Terminals are made by Element::AddTerminal and live
// as long as their element; the name never changes.
class Terminal {
 public:
  Terminal(const Terminal&) = delete;
  Terminal& operator=(const Terminal&) = delete;

  const std::string& name() const { return name_; }
  Element& element() const { return *element_; }
  // The signal the terminal lies on; null when unconnected.
  Signal* signal() const { return signal_; }
  // The next (older) terminal on the same signal.
  Terminal* next_on_signal() const { return signal_next_; }

  // Takes the terminal off its signal, if any, and puts it at the head of the
  // terminals of `signal`.
  void ConnectTo(Signal& signal);
  // Takes the terminal off its signal; nothing when unconnected.
  void Disconnect();

 private:
  friend class Element;
  Terminal(std::string name, Element& element) : name_(std::move(name)), element_(&element) {}
  ~Terminal() = default;

  std::string name_;
  Element* element_;
  Signal* signal_ = nullptr;
  Terminal* signal_previous_ = nullptr;
  Terminal* signal_next_ = nullptr;
};

}  // namespace lumo
