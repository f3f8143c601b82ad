#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <set>
#include <string>
#include <string_view>

#include "circuit/name_index.h"
#include "circuit/name_order.h"
#include "circuit/terminal.h"
#include "common/node_list.h"

namespace lumo {

class FunctionRecord;

// An element of a circuit: a named instance of a function with its terminals.
// Made, renamed and removed through its Circuit, which keeps it findable by
// name.
class Element : public Linked<Element>, public NameIndexLinks<Element> {
  struct TerminalOrder {
    using is_transparent = void;
    bool operator()(const Terminal* a, const Terminal* b) const {
      return NameLessIgnoringCase(a->name(), b->name());
    }
    bool operator()(const Terminal* a, std::string_view b) const {
      return NameLessIgnoringCase(a->name(), b);
    }
    bool operator()(std::string_view a, const Terminal* b) const {
      return NameLessIgnoringCase(a, b->name());
    }
  };
  using TerminalSet = std::multiset<Terminal*, TerminalOrder>;

 public:
  // The terminals in name order.
  class TerminalRange {
   public:
    class Iterator {
     public:
      using iterator_category = std::bidirectional_iterator_tag;
      using value_type = Terminal;
      using difference_type = std::ptrdiff_t;
      using pointer = Terminal*;
      using reference = Terminal&;
      Iterator() = default;
      explicit Iterator(TerminalSet::const_iterator at) : at_(at) {}
      Terminal& operator*() const { return **at_; }
      Terminal* operator->() const { return *at_; }
      Iterator& operator++() {
        ++at_;
        return *this;
      }
      Iterator operator++(int) { return Iterator(at_++); }
      Iterator& operator--() {
        --at_;
        return *this;
      }
      Iterator operator--(int) { return Iterator(at_--); }
      bool operator==(const Iterator&) const = default;

     private:
      TerminalSet::const_iterator at_;
    };
    explicit TerminalRange(const TerminalSet& set) : set_(&set) {}
    Iterator begin() const { return Iterator(set_->begin()); }
    Iterator end() const { return Iterator(set_->end()); }

   private:
    const TerminalSet* set_;
  };

  Element(std::string name, FunctionRecord& function)
      : name_(std::move(name)), function_(&function) {}
  Element(const Element&) = delete;
  Element& operator=(const Element&) = delete;
  // Frees the terminals without touching their signals: only for a whole
  // circuit going away (Circuit::RemoveElement disconnects them first).
  ~Element();

  const std::string& name() const { return name_; }
  FunctionRecord& function() const { return *function_; }
  const std::string& function_name() const;

  // Adds an unconnected terminal in name order: before the first terminal
  // whose name is greater ignoring case, after every terminal whose name is
  // equal ignoring case. Logarithmic in the number of terminals.
  Terminal& AddTerminal(std::string name);
  // The first terminal, in name order, whose name equals `name` exactly.
  Terminal* FindTerminal(std::string_view name) const;
  std::size_t terminal_count() const { return terminals_.size(); }
  // A terminal added during a walk may or may not be met by it.
  TerminalRange terminals() const { return TerminalRange(terminals_); }

 private:
  friend class Circuit;

  std::string name_;
  FunctionRecord* function_;
  TerminalSet terminals_;
};

}  // namespace lumo
