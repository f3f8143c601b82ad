#pragma once

#include <iostream>
#include <string>

#include "common/file_path.h"
#include "common/stream_message_host.h"
#include "common/system_folder.h"
#include "lists/list_errors.h"
#include "schematic/draw.h"
#include "schematic/draw_errors.h"
#include "symbol/symbol_errors.h"
#include "symbol/symbol_list.h"

namespace lumo::bench {

// What the benchmarks that build schematics share: the message tables of
// the list, symbol and schematic libraries (a benchmark adds others), a
// host printing to standard error, and the symbol lists.
struct SchematicBench {
  SchematicBench() {
    RegisterListErrors(errors);
    RegisterSymbolErrors(errors);
    RegisterDrawErrors(errors);
  }

  // Reads LumoCAD.lib of the system folder and the user symbols of
  // `user_folder` (none when it is empty); false after a message.
  bool ReadSymbols(const std::string& system_folder, const std::string& user_folder = {}) {
    const SymbolMessages messages{host, errors, errors};
    if (!system_symbols.Read(JoinPath(system_folder, kSymbolLibraryFile), messages)) return false;
    if (!user_folder.empty()) user_symbols.ReadFolder(user_folder, messages);
    return true;
  }
  DrawEnvironment environment() {
    return {system_symbols, user_symbols, host, errors, errors, errors};
  }

  ErrorTable errors;
  StreamMessageHost host{std::cerr};
  SymbolList system_symbols;
  SymbolList user_symbols;
};

}  // namespace lumo::bench
