#pragma once

#include <cstddef>
#include <iterator>
#include <string>

#include "circuit/name_index.h"
#include "circuit/terminal.h"
#include "common/node_list.h"

namespace lumo {

// A net of a circuit. Made, renamed and removed through its Circuit, which
// keeps it findable by name.
class Signal : public Linked<Signal>, public NameIndexLinks<Signal> {
 public:
  // The terminals on the signal, newest first.
  using TerminalRange = NodeRange<Terminal, &Terminal::next_on_signal>;

  explicit Signal(std::string name) : name_(std::move(name)) {}
  Signal(const Signal&) = delete;
  Signal& operator=(const Signal&) = delete;

  const std::string& name() const { return name_; }
  Terminal* first_terminal() const { return first_; }
  std::size_t terminal_count() const { return count_; }
  bool HasTerminals() const { return first_ != nullptr; }
  // A walk must not move the terminal it stands on to another signal.
  TerminalRange terminals() const { return TerminalRange(first_); }

 private:
  friend class Circuit;
  friend class Terminal;

  std::string name_;
  Terminal* first_ = nullptr;
  std::size_t count_ = 0;
};

}  // namespace lumo
