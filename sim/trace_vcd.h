#pragma once

#include <ostream>
#include <string>

#include "sim/signal_trace.h"

namespace lumo {

// Writes every signal of a trace as a value change dump in one scope: a
// signal that only ever held one-bit values is a wire of width 1, any other
// a vector as wide as its widest value. As in the dump of a pattern, the
// settling before time 0 gives the values at 0.
void WriteTraceVcd(const SignalTrace& trace, const std::string& scope, std::ostream& out);

}  // namespace lumo
