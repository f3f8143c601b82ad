#pragma once

#include <cstddef>
#include <iterator>
#include <string>

#include "circuit/chain.h"
#include "circuit/name_index.h"
#include "circuit/terminal.h"

namespace lumo {

// A net of a circuit. Made, renamed and removed through its Circuit, which
// keeps it findable by name.
class Signal : public ChainNode<Signal>, public NameIndexLinks<Signal> {
 public:
  // The terminals on the signal, newest first.
  class TerminalRange {
   public:
    class Iterator {
     public:
      using iterator_category = std::forward_iterator_tag;
      using value_type = Terminal;
      using difference_type = std::ptrdiff_t;
      using pointer = Terminal*;
      using reference = Terminal&;
      Iterator() = default;
      explicit Iterator(Terminal* terminal) : terminal_(terminal) {}
      Terminal& operator*() const { return *terminal_; }
      Terminal* operator->() const { return terminal_; }
      Iterator& operator++() {
        terminal_ = terminal_->next_on_signal();
        return *this;
      }
      Iterator operator++(int) {
        Iterator old = *this;
        ++*this;
        return old;
      }
      bool operator==(const Iterator&) const = default;

     private:
      Terminal* terminal_ = nullptr;
    };
    explicit TerminalRange(Terminal* first) : first_(first) {}
    Iterator begin() const { return Iterator(first_); }
    Iterator end() const { return Iterator(); }

   private:
    Terminal* first_;
  };

  explicit Signal(std::string name) : name_(std::move(name)) {}
  Signal(const Signal&) = delete;
  Signal& operator=(const Signal&) = delete;

  const std::string& name() const { return name_; }
  Terminal* first_terminal() const { return first_; }
  std::size_t terminal_count() const { return count_; }
  bool HasTerminals() const { return first_ != nullptr; }
  // Valid while no terminal joins or leaves the signal.
  TerminalRange terminals() const { return TerminalRange(first_); }

  // Simulator data: 'y' records the signal's changes.
  char save = 'n';

 private:
  friend class Circuit;
  friend class Terminal;

  std::string name_;
  Terminal* first_ = nullptr;
  std::size_t count_ = 0;
};

}  // namespace lumo
