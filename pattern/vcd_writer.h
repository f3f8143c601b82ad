#pragma once

#include <ostream>
#include <string>

#include "pattern/pat.h"

namespace lumo {

// Writes the named rows of a pattern (input and output rows alike) as an
// IEEE 1364 value change dump that waveform viewers open. A row whose
// values are all "0", "1", "x" or "z" is a one-bit wire; any other row is a
// vector as wide as its widest hexadecimal value. The dump starts at time
// 0: changes before it (the settling of the circuit) give the values at 0.
void WriteVcd(const Pat& pattern, const std::string& scope, std::ostream& out);

// The dump's short identifier of the `index`-th variable, and a name as the
// dump may reference it (escaped when it is not a plain identifier).
std::string VcdIdentifier(std::size_t index);
std::string VcdReference(const std::string& name);

}  // namespace lumo
