#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "primitives/primitive.h"
#include "sim/value_table.h"

namespace lumo {

// The kind a function is simulated with, from the primitives' table. False
// for a name that cannot be simulated: one outside the table, or a drawn
// circuit's pin ("_in", "_out", "_io"); the circuit's own name is the caller's
// to accept.
bool LookUpPrimitive(const std::string& function, Primitive& primitive);

// The number of terminals an element of `function` must have for its
// evaluator to find every role by position: its pins in the table (0 for
// kNone, whose elements are not evaluated).
int TerminalsOf(Primitive primitive, const std::string& function);

struct Delay {
  std::int32_t to0 = 0;
  std::int32_t to1 = 0;
};

// The circuit in the arrays the kernel walks: an element's terminals are
// consecutive, in name order, so the terminal at position k of element e is
// `first_terminal + k`; a signal's terminals are a consecutive run of
// `signal_terminals`, in the order the circuit model keeps them.
struct Netlist {
  static constexpr std::int32_t kNoSignal = -1;

  struct Terminal {
    std::int32_t signal = kNoSignal;
    std::uint32_t element = 0;
    // Where a value leaving this terminal goes: the index of its own entry
    // among the fan-out entries, or kUnconnected with the terminal's index.
    std::uint32_t route = 0;
    bool save = false;
  };
  static constexpr std::uint32_t kUnconnected = 0x80000000u;
  struct Element {
    std::uint32_t first_terminal = 0;
    std::uint32_t terminal_count = 0;
    std::uint32_t function = 0;
    Primitive primitive = Primitive::kNone;
    bool io = false;  // the circuit's own pins
    // The function's delays in terminal order, set when evaluators are
    // bound; the k-th belongs to the k-th terminal.
    const Delay* delays = nullptr;
  };
  struct Signal {
    std::uint32_t first = 0;  // into signal_terminals
    std::uint32_t count = 0;
    bool save = false;
  };
  // One terminal of a signal with what delivering a value to it needs of
  // its element, so a delivery along a signal reads one record per
  // receiver (filled when the evaluators are bound).
  struct Fanout {
    std::uint32_t terminal = 0;
    std::uint32_t element = 0;
    std::uint32_t first_terminal = 0;
    std::uint32_t terminal_count = 0;
    Delay output_delay;  // the last terminal's: a gate's output
    std::uint32_t signal = 0;
    Primitive primitive = Primitive::kNone;
    bool io = false;
    bool recorded = false;  // the terminal's own changes are written
  };
  struct Function {
    std::string name;
    std::vector<Delay> delays;  // in terminal name order
  };

  std::vector<Terminal> terminals;
  // The current value of every terminal, apart from the rest so that the
  // values evaluators read most stay close together.
  std::vector<ValueId> terminal_values;
  std::vector<Element> elements;
  std::vector<Signal> signals;
  std::vector<Fanout> signal_terminals;
  std::vector<Function> functions;

  // Names for messages and output lines.
  std::vector<std::string> element_names;
  std::vector<std::string> terminal_names;
  std::vector<std::string> signal_names;
};

}  // namespace lumo
