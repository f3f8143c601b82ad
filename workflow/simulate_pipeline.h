#pragma once

#include <string>

#include "pattern/pat.h"
#include "schematic/draw.h"
#include "sim/run_control.h"
#include "workflow/run_setup.h"

namespace lumo {

// The refusals of every road that starts from a drawn schematic: nothing
// drawn, or no name yet. False after the message.
bool MayConvert(const RunSetup& setup, const Draw& draw);

// The whole road from a schematic to output waveforms: save the schematic
// and the input pattern, convert, expand, simulate. Each stage shows its own
// message and ends the road when it fails. Afterwards the pattern holds its
// input rows read back from its file and, only on success, the output rows
// of the run. Returns true on success. A schematic with more input pins
// than the pattern has rows is refused before anything is saved. The caller
// holds the working folder's RunLock (workflow/run_lock.h) throughout.
//
// It is the three stages below called in a row; a window calls them one by
// one to run the middle one on a thread of its own.
bool Simulate(const RunSetup& setup, Draw& draw, Pat& pattern);

// What the stages hand on to each other.
struct SimulateRun {
  std::string circuit_name;
  // The input pattern file the run reads and the pattern is read back from.
  std::string pattern_path;
  // The refusals passed and the files were saved: the pattern is read back
  // from its file afterwards, whatever happens next.
  bool saved = false;
  // Converted and expanded: the simulation may run.
  bool ready = false;
  // What the expansion renamed, when the run is traced: the trace finds
  // the schematic's merged nets by it.
  SignalMergeLog merged;
};

// Lets the trace of a run find the signals the expansion renamed under
// their names before it.
void NameMergedSignals(SignalTrace& trace, const SignalMergeLog& merged);

// Before the simulation: the refusals (empty, unnamed, too many inputs),
// the saves of the schematic and its input pattern, then the conversion and
// the expansion. Touches the schematic and the pattern.
SimulateRun PrepareSimulate(const RunSetup& setup, Draw& draw, Pat& pattern);

// The simulation of a prepared run, into <work>/LumoOut.tmp. It reads only
// files and touches neither the schematic nor the pattern, so it may run on
// another thread while they stay on screen; everything of `setup` it uses
// (messages, store, statistics, register log) is then that thread's for the
// length of the call. `control` (none: not watched) shows its progress and
// stops it before its next event when cancelled; a cancelled run fails
// without a message. False when the run was not ready.
bool RunSimulateStage(const RunSetup& setup, const SimulateRun& run, RunControl* control = nullptr);

// After the simulation: empties the pattern and its memory data and reads
// the input pattern file back, then, only when `simulated`, the run's output
// rows. Does nothing for a run that was refused before saving.
void FinishSimulate(const RunSetup& setup, const SimulateRun& run, Pat& pattern, bool simulated);

}  // namespace lumo
