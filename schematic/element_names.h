#pragma once

#include <string>
#include <string_view>

#include "schematic/draw.h"

namespace lumo {

// The input, output and bidirectional pins of a schematic: they become the
// terminals of the circuit itself, not elements of it.
inline bool IsPinSymbol(std::string_view symbol) {
  return symbol == "_in" || symbol == "_out" || symbol == "_io";
}

// The name the conversion gives an element of the schematic: its own, or
// for an unnamed one "*e" and its number among the unnamed elements that are
// not pins, counted in the order of the file it converts; empty for an
// element of another schematic.
std::string CircuitElementName(const Draw& draw, const DrawElement& element);

}  // namespace lumo
