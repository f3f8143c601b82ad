#pragma once

#include <string>

#include "common/message_host.h"
#include "schematic/draw.h"
#include "workflow/run_files.h"
#include "workflow/run_setup.h"

namespace lumo {

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
// <work>/LumoExp.tmp; every element left in it that is no primitive (its
// circuit file was in neither the parts nor the working folder) is named,
// else the first primitive input left without a signal is reported. When
// nothing is found the checks say so.
CircuitCheckResult RunCircuitChecks(Draw& draw, const RunSetup& setup);

// Names, in one warning, every element of the schematic (pins aside) whose
// function is neither a primitive nor has a circuit file in the parts or the
// working folder: the simulation would stop at it. False when there is one.
bool CheckSubCircuitFiles(const Draw& draw, const RunFolders& folders, MessageHost& messages);

// True when the terminal is an input of a primitive that must be connected.
bool IsRequiredInput(const std::string& function, const std::string& terminal);

}  // namespace lumo
