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
// The gate's terminals start at `first`, `count` of them with the output
// last; `output_delay` is the output's delay record.
[[gnu::always_inline]] inline int EvaluateOneBitGate(Kernel& kernel, std::uint32_t first,
                                                     std::uint32_t count, Primitive primitive,
                                                     const Delay& output_delay,
                                                     std::uint32_t terminal, ValueId value,
                                                     std::int32_t time) {
  const std::uint32_t inputs = count - 1;
  const std::uint32_t output = first + inputs;
  if (terminal == output || value > kValueZ) return -1;
  kernel.SetValue(terminal, value);
  std::uint32_t ones;
  if (inputs == 2) {
    const ValueId a = kernel.Value(first);
    const ValueId b = kernel.Value(first + 1);
    if ((a | b) > kValueZ) return -1;
    ones = (a == kValue1) + (b == kValue1);
  } else {
    ones = 0;
    ValueId widest = kValue0;
    for (std::uint32_t t = first; t < output; ++t) {
      const ValueId v = kernel.Value(t);
      widest = v > widest ? v : widest;
      ones += v == kValue1;
    }
    if (widest > kValueZ) return -1;
  }
  bool out;
  switch (primitive) {
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
  const ValueId next = out ? kValue1 : kValue0;
  if (kernel.Value(output) == next) return 1;
  const std::int32_t wait = out ? output_delay.to1 : output_delay.to0;
  kernel.Schedule(output, next, time, kernel.initial_phase() ? -wait : wait);
  return 1;
}

}  // namespace lumo
