#pragma once

#include "pattern/pat.h"
#include "schematic/draw.h"
#include "workflow/run_setup.h"

namespace lumo {

// The whole road from a schematic to output waveforms: save the schematic
// and the input pattern, convert, expand, simulate. Each stage shows its own
// message and ends the road when it fails. Afterwards the pattern holds its
// input rows read back from its file and, only on success, the output rows
// of the run. Returns true on success. A schematic with more input pins
// than the pattern has rows is refused before anything is saved. The caller
// holds the working folder's RunLock (workflow/run_lock.h) throughout.
bool Simulate(const RunSetup& setup, Draw& draw, Pat& pattern);

}  // namespace lumo
