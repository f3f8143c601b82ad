#pragma once

#include <ostream>
#include <string>
#include <utility>

#include "circuit/bus_signal_counter.h"
#include "circuit/circuit_store.h"
#include "common/stream_message_host.h"
#include "lists/error_table.h"
#include "schematic/draw.h"
#include "symbol/symbol_list.h"
#include "workflow/run_setup.h"

namespace lumo::cli {

// What the schematic commands share: one table with every library's
// messages, messages printed to standard error, and the symbol lists a
// schematic's elements are bound to.
class Workbench {
 public:
  Workbench(std::ostream& err, std::string system_folder);
  Workbench(const Workbench&) = delete;
  Workbench& operator=(const Workbench&) = delete;

  const std::string& system_folder() const { return system_folder_; }
  const ErrorTable& errors() const { return errors_; }
  MessageHost& host() { return host_; }
  DrawEnvironment environment() {
    return {system_symbols_, user_symbols_, host_, errors_, errors_, errors_};
  }

  // What a run from this command works with: its messages and tables, a
  // circuit store and bus-signal numbering of the workbench's own, the two
  // folders, and where the statistics go.
  RunSetup MakeRunSetup(RunFolders folders, std::ostream& statistics) {
    return RunSetup{.messages = host_,
                    .errors = errors_,
                    .store = store_,
                    .bus_signals = bus_signals_,
                    .folders = std::move(folders),
                    .statistics = statistics};
  }

  // Reads an existing schematic, with LumoCAD.lib of the system folder and
  // the user symbols of the schematic's folder; false after a message.
  bool ReadSchematic(const std::string& path, Draw& draw);

 private:
  std::ostream& err_;
  std::string system_folder_;
  ErrorTable errors_;
  StreamMessageHost host_;
  SymbolList system_symbols_;
  SymbolList user_symbols_;
  CircuitStore store_;
  BusSignalCounter bus_signals_;
};

}  // namespace lumo::cli
