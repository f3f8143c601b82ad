#pragma once

#include <ostream>

#include "circuit/circuit.h"

namespace lumo {

// One statistics line: the number of elements (the circuit's own pin element
// left out), of signals and of those elements' terminals, and terminals per
// element. Flushes the stream.
void WriteStatistics(std::ostream& out, const Circuit& circuit);

}  // namespace lumo
