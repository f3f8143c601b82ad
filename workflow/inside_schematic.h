#pragma once

#include <string>

#include "common/message_host.h"
#include "lists/error_table.h"
#include "workflow/run_files.h"

namespace lumo {

// Whether the inside of a placed element can be shown with a run's values.
enum class InsideFound {
  kFound,
  kNoCircuit,  // no circuit file in either folder: a primitive
  // Its circuit comes from the parts folder: its schematic is not opened,
  // as reading a schematic reads the user symbols of its folder.
  kLibraryPart,
  kNoSchematic,  // no schematic beside its circuit file
  kChanged,      // the schematic no longer converts into the circuit file the run read
};

struct InsideSchematic {
  InsideFound found = InsideFound::kNoCircuit;
  std::string schematic_path;
  std::string circuit_path;
};

// Finds the circuit file of `function` as the expansion does (the parts
// folder first, then the working folder) and the schematic beside it, and
// makes sure the schematic still converts into that file byte for byte, so
// that its nets are named as the run named them. The conversion uses a
// store of its own and a scratch file of the working folder; its messages
// are not shown.
InsideSchematic FindInsideSchematic(const RunFolders& folders, const std::string& function,
                                    const ErrorTable& errors);

// The message that says why the inside of instance `instance` of
// `function` cannot be shown; empty when it can, or when the element is a
// primitive.
std::string InsideRefusal(const InsideSchematic& inside, const std::string& instance,
                          const std::string& function);

}  // namespace lumo
