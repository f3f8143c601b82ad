#pragma once

#include <cstdint>

namespace lumo {

// What the simulator evaluates an element of a primitive function with: one
// evaluator per kind, chosen once when a run is loaded. Functions that differ
// only in their input count ("_and2", "_and3", "_and4") share a kind; the
// evaluator finds the count from the element's terminals.
//
// The one-bit gates are kNot to kExor, consecutive: the simulator's fast path
// tells a gate from everything else by that range.
enum class Primitive : std::uint8_t {
  kNone,  // the constant sources and the circuit's own pins
  kNot,
  kAnd,
  kNand,
  kOr,
  kNor,
  kExor,
  kPtri,
  kNtri,
  kPtriInv,
  kNtriInv,
  kCmp,
  kRsLatch,
  kDffr,
  kDffrs,
  kJkffr,
  kJkffrs,
  kJkffrs2,
  kMux,
  kLine,
  kReg,
  kCnt,
  kMem,
};

}  // namespace lumo
