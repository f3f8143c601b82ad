#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string_view>

#include "primitives/primitive.h"

namespace lumo {

// The one table of primitive functions: for each its name, the kind the
// simulator evaluates it with, how the simulator treats it, the symbol
// chooser's label and its pins in name order with their roles. The rows live
// in primitive_rows.inc, one per line, so that scripts/make_symbol_library.py
// reads the same pins the simulator, the circuit checks and the chooser use.
// The rows are built at compile time, so a malformed pin list does not
// compile; FindPrimitive indexes them by name on first use. The simulator
// looks rows up only while loading a run; in its event loop it reads the
// kind it stored then, and ActsWhileSettling's array built from the rows.
//
// Adding a primitive:
//   1. its row in primitives/primitive_rows.inc (and a new Primitive kind in
//      primitive.h when no evaluator fits yet);
//   2. for a new kind, its evaluator in sim/ (a case of Evaluate in
//      sim/gate_models.cpp, storage in sim/storage_models.cpp), finding its
//      terminals by their position in the row's pin order;
//   3. its symbol in scripts/make_symbol_library.py, then running the script
//      to rewrite data/sys/LumoCAD.lib (it refuses pins that differ from the
//      row);
//   4. unless it is a circuit pin, its entry in data/sys/LumoCAD.dly, one
//      item per pin in the row's order.
// primitives_tests checks the rows against both shipped files.

enum class PinRole : std::uint8_t { kInput, kClock, kOutput, kInOut };

struct Pin {
  std::string_view name;
  PinRole role = PinRole::kInput;
  // An input that the circuit checks report when nothing drives it.
  bool required = false;
};

// How the simulator treats a function (see primitive_rows.inc).
enum class Simulation : std::uint8_t { kSettling, kEvaluated, kConstant, kCircuitPin };

// A function's pins in name order, parsed from the row's text
// ("d=in! q=out ... t=clock!").
class PinList {
 public:
  static constexpr std::size_t kMaxPins = 9;  // "_line8": eight lines and the bus

  constexpr explicit PinList(std::string_view text) {
    while (!text.empty()) {
      const std::size_t space = text.find(' ');
      Add(text.substr(0, space));
      text = space == std::string_view::npos ? std::string_view() : text.substr(space + 1);
    }
  }

  constexpr std::size_t size() const { return count_; }
  constexpr const Pin& operator[](std::size_t position) const { return pins_[position]; }
  constexpr const Pin* begin() const { return pins_.data(); }
  constexpr const Pin* end() const { return pins_.data() + count_; }

  // The pin of that exact name, or nullptr.
  constexpr const Pin* Find(std::string_view name) const {
    for (const Pin& pin : *this)
      if (pin.name == name) return &pin;
    return nullptr;
  }

 private:
  // One "name=role" word, "!" after the role marking a required input.
  constexpr void Add(std::string_view word) {
    const std::size_t equals = word.find('=');
    if (equals == 0 || equals == std::string_view::npos || count_ == kMaxPins)
      throw std::invalid_argument("a pin is name=role, at most nine of them");
    Pin pin{word.substr(0, equals)};
    std::string_view role = word.substr(equals + 1);
    pin.required = role.ends_with('!');
    if (pin.required) role.remove_suffix(1);
    pin.role = RoleNamed(role);
    if (pin.required && pin.role != PinRole::kInput && pin.role != PinRole::kClock)
      throw std::invalid_argument("only inputs and clocks can be required");
    pins_[count_++] = pin;
  }

  static constexpr PinRole RoleNamed(std::string_view role) {
    if (role == "in") return PinRole::kInput;
    if (role == "clock") return PinRole::kClock;
    if (role == "out") return PinRole::kOutput;
    if (role == "inout") return PinRole::kInOut;
    throw std::invalid_argument("a pin's role is in, clock, out or inout");
  }

  std::array<Pin, kMaxPins> pins_{};
  std::size_t count_ = 0;
};

struct PrimitiveFunction {
  std::string_view name;
  Primitive kind;
  Simulation simulation;
  std::string_view chooser_label;
  PinList pins;
};

inline constexpr PrimitiveFunction kPrimitiveFunctions[] = {
#define LUMO_PRIMITIVE(name, kind, simulation, label, pins) \
  {name, Primitive::kind, Simulation::simulation, label, PinList(pins)},
#include "primitives/primitive_rows.inc"
#undef LUMO_PRIMITIVE
};

// The row of the function of exactly that name (letter case counts), or
// nullptr.
const PrimitiveFunction* FindPrimitive(std::string_view name);

namespace primitive_table_detail {

// Indexed by kind; as long as every value a kind can have, so any kind reads
// inside it.
inline constexpr auto kSettlingKinds = [] {
  std::array<bool, 256> settling{};
  for (const PrimitiveFunction& function : kPrimitiveFunctions)
    if (function.simulation == Simulation::kSettling)
      settling[static_cast<std::size_t>(function.kind)] = true;
  return settling;
}();

}  // namespace primitive_table_detail

// Whether elements of `kind` are evaluated while the initial values settle:
// one array read, cheap enough for the simulator's event loop.
constexpr bool ActsWhileSettling(Primitive kind) {
  return primitive_table_detail::kSettlingKinds[static_cast<std::size_t>(kind)];
}

}  // namespace lumo
