#pragma once

#include "pattern/pat.h"
#include "schematic/draw.h"
#include "ui/run_thread_bridge.h"
#include "workflow/run_setup.h"

class QWidget;

namespace lumo {

// The Simulate command of a window: the whole road of Simulate()
// (workflow/simulate_pipeline.h), with the simulation itself on a thread of
// its own so that a long run never freezes the program. Returns when the run
// is over, with the pattern read back as Simulate() leaves it; true on
// success.
//
// Everything before and after the simulation runs here, on the GUI thread.
// While the simulation runs:
// - input to every window is held back (no edit of the pattern being
//   simulated, no closing), except for the dialogs below;
// - after half a second a progress dialog over `owner` shows the simulated
//   time against the stop time; its キャンセル button stops the run before
//   its next event, which then fails like any stage with a short message and
//   the inputs read back;
// - every message of the run goes to setup.messages on this thread, in the
//   order the run raised them, and the run waits while one is open: give a
//   host whose boxes belong to `owner`;
// - register-transfer lines reach `register_line` here in order, in batches
//   as they come; setup.register_log is not used;
// - setup.trace, when given, is filled on the worker: leave it alone until
//   this returns.
//
// The working folder's RunLock is held from start to end; while another run
// holds it the command is refused with kRunFolderBusyText.
bool RunSimulateInWindow(QWidget* owner, const RunSetup& setup, Draw& draw, Pat& pattern,
                         RegisterLineSink register_line);

// The message shown when the run was cancelled.
inline constexpr const char* kSimulateCancelledText = "シミュレーションを中止しました。";

}  // namespace lumo
