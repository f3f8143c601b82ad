#pragma once

#include <cstdint>

#include "sim/kernel.h"

namespace lumo {

inline bool IsGate(Primitive primitive) {
  return primitive >= Primitive::kNot && primitive <= Primitive::kExor;
}

// One-bit gate evaluations are nearly all of a circuit's traffic; they are
// decided here on value ids alone, without strings. Returns -1 when the
// inputs are not all one bit wide (the general evaluator takes over), else
// what the evaluator returns.
inline int EvaluateOneBitGate(Kernel& kernel, const Netlist::Element& e, std::uint32_t element,
                              std::uint32_t terminal, ValueId value, std::int32_t time) {
  const std::uint32_t inputs = e.terminal_count - 1;
  const std::uint32_t position = terminal - e.first_terminal;
  if (position == inputs || value > kValueZ) return -1;
  std::uint32_t ones = 0;
  for (std::uint32_t p = 0; p < inputs; ++p) {
    const ValueId v = p == position ? value : kernel.Value(e.first_terminal + p);
    if (v > kValueZ) return -1;
    ones += v == kValue1;
  }
  kernel.SetValue(terminal, value);
  bool out;
  switch (e.primitive) {
    case Primitive::kAnd:
      out = ones == inputs;
      break;
    case Primitive::kNot:
    case Primitive::kNand:
      out = ones != inputs;
      break;
    case Primitive::kOr:
      out = ones != 0;
      break;
    case Primitive::kNor:
      out = ones == 0;
      break;
    default:
      out = (ones & 1) != 0;
      break;
  }
  kernel.Drive(element, inputs, out ? kValue1 : kValue0, time);
  return 1;
}

}  // namespace lumo
