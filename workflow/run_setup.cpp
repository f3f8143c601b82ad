#include "workflow/run_setup.h"

#include "circuit/hierarchy_expander.h"
#include "schematic/circuit_converter.h"
#include "workflow/store_guard.h"

namespace lumo {

bool ConvertSchematic(const RunSetup& setup, const std::string& schematic_path,
                      const std::string& circuit_path) {
  EmptyAfter empty(setup.store);
  CircuitConverter converter(setup.store, setup.messages, setup.errors, setup.folders.work_folder);
  return converter.Convert(schematic_path, circuit_path);
}

bool ExpandCircuit(const RunSetup& setup, const std::string& circuit_path, SignalMergeLog* merged) {
  EmptyAfter empty(setup.store);
  HierarchyExpander expander(setup.store, setup.messages, setup.errors, setup.statistics,
                             setup.bus_signals);
  expander.set_merge_log(merged);
  return expander.Expand(circuit_path, setup.folders.Expanded(), setup.folders.Parts(),
                         setup.folders.work_folder);
}

}  // namespace lumo
