#pragma once

// Running Icarus Verilog on exports and comparing what it prints with the
// simulator's output pattern.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace lumo::testing {

// The changes of every name of an output pattern ("name time value" lines):
// per name and time the value it settles on, multi-bit values as numbers
// (the simulator's values have no declared width), and only values that
// differ from the one before.
// With `settled_only`, a time at which a name settles on x or z gives no
// change, as pins show no x or z: only then do a driver's lines and a pin's
// agree where the driver changes more than once at one time.
using Changes = std::map<std::string, std::vector<std::pair<std::int64_t, std::string>>>;
Changes ReadChanges(const std::string& lines, bool settled_only = false);

struct Agreement {
  int circuits = 0;
  long changes = 0;     // on the simulator's side
  long mismatches = 0;  // changes missing, extra or different on either side
  std::string first_difference;
};
void Compare(const std::string& circuit, const Changes& ours, const Changes& theirs,
             Agreement& agreement);

// Compiles the files with iverilog, runs every top module with vvp and gives
// what they printed; fails the test with the compiler's words when it fails.
std::string RunIcarus(const std::string& folder, const std::vector<std::string>& files,
                      const std::vector<std::string>& tops);

}  // namespace lumo::testing
