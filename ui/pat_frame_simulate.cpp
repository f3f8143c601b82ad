// PatFrame: the Simulate command and the register-transfer viewer it fills.

#include "ui/application.h"
#include "ui/draw_frame.h"
#include "ui/pat_frame.h"
#include "ui/reg_frame.h"
#include "ui/simulate_runner.h"

namespace lumo {

// Saves the schematic and the pattern, converts, expands and simulates (the
// simulation on a worker thread, with a progress dialog for long runs); the
// pattern then holds its inputs read back and, after a run that succeeded,
// the output rows. Every message of the run goes over this window; the
// register-transfer lines go to the viewer, opened by the first of them.
void PatFrame::Simulate() {
  // Every signal's changes are kept for the schematic's values; the cap
  // bounds what a long run may take.
  auto trace = std::make_shared<SignalTrace>();
  // The probes the pattern still shows come back over the new run; before a
  // first run (or after a failed one) none is shown, and all are kept.
  if (value_overlay_->trace() != nullptr) {
    probes_ = ProbesShown();
    StoreProbes();
  }
  RunSetup setup = app_.MakeRunSetup(*host_);
  setup.trace = trace.get();
  register_log_path_ = setup.folders.RegisterLog();
  const bool simulated =
      RunSimulateInWindow(this, setup, schematic_.draw(), *pat_,
                          [this](const std::string& line) { RegisterViewer().AddLine(line); });
  KeepTrace(simulated ? std::move(trace) : nullptr);
  for (const std::string& net : probes_)
    AddProbeRow(net);
  schematic_.UpdateTitles();
  // The pattern was read back from its file: nothing to undo across it.
  Reloaded();
  Compared();
}

RegFrame& PatFrame::RegisterViewer() {
  if (register_viewer_ == nullptr) {
    register_viewer_ = OpenRegFrame(app_, schematic_, register_log_path_);
    connect(register_viewer_, &RegFrame::Closed, this, [this] { register_viewer_ = nullptr; });
  }
  register_viewer_->set_log_path(register_log_path_);
  return *register_viewer_;
}

}  // namespace lumo
