#pragma once

#include <map>
#include <string>

#include "sim/simulator.h"

namespace lumo {

// How a circuit pin is seen from outside its module.
enum class PinDirection { kInput, kOutput, kInout };

struct VerilogOptions {
  // The circuit's pins by name; a pin not named here (a global signal made
  // a pin by the expansion) is an output.
  std::map<std::string, PinDirection> pins;
  // Where the testbench dumps its waveforms; empty: no dump.
  std::string vcd_file;
  // The testbench ends the simulation at the stop time; false leaves that to
  // whoever runs several testbenches at once.
  bool finish = true;
  // Print the outputs' x and z too, which the output pattern never shows
  // for pins: what a pin settles on at a time can then be compared with
  // its driver's last change.
  bool pins_show_unknown = false;
};

struct VerilogText {
  std::string module_name;  // as written in Verilog
  std::string module;       // the structural module
  std::string testbench_name;
  std::string testbench;
};

// Writes the circuit `simulator` has loaded (delays, expanded circuit,
// input pattern with its memory data, commands, constants and evaluators
// bound, nothing run yet) as a structural Verilog module over the cells of
// lumocad_cells.v, and a testbench that drives the pattern's inputs, loads
// the memories, and prints every change of the outputs and recorded
// signals as "name time value", as the output pattern lists them.
VerilogText WriteVerilog(Simulator& simulator, const VerilogOptions& options);

}  // namespace lumo
