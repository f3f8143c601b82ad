#pragma once

#include <ostream>

#include "circuit/bus_signal_counter.h"
#include "circuit/circuit_store.h"
#include "circuit/signal_merge_log.h"
#include "common/message_host.h"
#include "lists/error_table.h"
#include "sim/register_transfer.h"
#include "sim/signal_trace.h"
#include "workflow/run_files.h"

namespace lumo {

// What the stages of a run work with besides the schematic and its pattern:
// where messages go, the error entries they report from, the program's
// circuit store and bus-signal numbering, the two folders, and where
// statistics and register-transfer lines go.
struct RunSetup {
  MessageHost& messages;
  // The entries of every library a stage may report from: list, circuit,
  // converter, schematic, symbol and pattern tables (one table may hold all).
  const ErrorTable& errors;
  CircuitStore& store;
  BusSignalCounter& bus_signals;
  RunFolders folders;
  std::ostream& statistics;
  RegisterTransferSink* register_log = nullptr;
  // Filled with every signal change of the simulation when given; left as
  // it was by a run that never reached the simulation.
  SignalTrace* trace = nullptr;
};

// The first two stages after the schematic is saved. Each shows its own
// message when it fails and leaves the store empty behind it.
//
// Converts the schematic file into <work>/<circuit>.lcr.
bool ConvertSchematic(const RunSetup& setup, const std::string& schematic_path,
                      const std::string& circuit_path);
// Flattens <work>/<circuit>.lcr into <work>/LumoExp.tmp, sub-circuits from
// <sys>/Parts, then from <work>.
// With `merged`, the expansion writes there what it renamed.
bool ExpandCircuit(const RunSetup& setup, const std::string& circuit_path,
                   SignalMergeLog* merged = nullptr);

}  // namespace lumo
