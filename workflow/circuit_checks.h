#pragma once

#include <ostream>
#include <string>

#include "circuit/bus_signal_counter.h"
#include "circuit/circuit_store.h"
#include "schematic/draw.h"
#include "common/message_host.h"
#include "lists/error_table.h"

namespace lumo {

// What the circuit checks need from the program.
struct CircuitCheckContext {
  CircuitStore& store;
  MessageHost& host;
  const ErrorTable& errors;  // list, symbol, schematic, circuit and converter entries
  std::ostream& statistics;
  BusSignalCounter& bus_signals;
  std::string system_folder;
  std::string work_folder;
};

// What the checks found: the elements to draw highlighted (at most two) and
// whether everything passed.
struct CircuitCheckResult {
  bool passed = false;
  const DrawElement* marked[2] = {nullptr, nullptr};
};

// The schematic editor's circuit checks, stopping at the first finding with
// its message: an empty schematic, a missing circuit name, an input/output
// pin without name or line, two elements of one name; then the schematic is
// saved, converted into <work>/<name>.lcr and expanded into
// <work>/LumoExp.tmp, and every primitive input left without a signal is
// reported. When nothing is found the checks say so.
CircuitCheckResult RunCircuitChecks(Draw& draw, const CircuitCheckContext& context);

// True when the terminal is an input of a primitive that must be connected.
bool IsRequiredInput(const std::string& function, const std::string& terminal);

}  // namespace lumo
