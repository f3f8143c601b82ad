#pragma once

#include <ostream>
#include <string>

#include "circuit/bus_signal_counter.h"
#include "circuit/circuit_store.h"
#include "schematic/draw.h"
#include "common/message_host.h"
#include "lists/error_table.h"
#include "pattern/pat.h"
#include "sim/register_transfer.h"

namespace lumo {

// What the Simulate command works with besides the schematic and its
// pattern: the two folders, the program's store and bus-signal numbering,
// where messages, register-transfer lines and statistics go.
struct SimulateSetup {
  MessageHost& messages;
  // The entries of every library a stage may report from: list, circuit,
  // converter, schematic, symbol and pattern tables (one table may hold all).
  const ErrorTable& errors;
  CircuitStore& store;
  BusSignalCounter& bus_signals;
  std::string system_folder;
  std::string work_folder;
  std::ostream& statistics;
  RegisterTransferSink* register_log = nullptr;
};

// The files of one run in the working folder.
inline constexpr const char* kExpandedFile = "LumoExp.tmp";
inline constexpr const char* kOutputFile = "LumoOut.tmp";
inline constexpr const char* kRegisterLogFile = "LumoReg.tmp";

// The whole road from a schematic to output waveforms: save the schematic
// and the input pattern, convert, expand, simulate. Each stage shows its own
// message and ends the road when it fails. Afterwards the pattern holds its
// input rows read back from its file and, only on success, the output rows
// of the run. Returns true on success.
bool Simulate(const SimulateSetup& setup, Draw& draw, Pat& pattern);

// Where a run writes its register-transfer log (the viewer saves there).
std::string RegisterLogPath(const SimulateSetup& setup);

}  // namespace lumo
