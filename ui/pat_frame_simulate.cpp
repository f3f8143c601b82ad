// PatFrame: the Simulate command.

#include "ui/application.h"
#include "ui/draw_frame.h"
#include "ui/pat_frame.h"
#include "workflow/run_lock.h"
#include "workflow/simulate_pipeline.h"

namespace lumo {

// Saves the schematic and the pattern, converts, expands and simulates;
// the pattern then holds its inputs read back and, after a run that
// succeeded, the output rows. Every message of the run goes over this
// window. The working folder is locked for the whole road.
void PatFrame::Simulate() {
  RunLock lock(app_.work_folder());
  if (lock.TryTake() == RunLock::State::kBusy) {
    host_->Warn(kRunFolderBusyText);
    return;
  }
  const RunSetup setup{.messages = *host_,
                       .errors = app_.errors(),
                       .store = app_.store(),
                       .bus_signals = app_.bus_signals(),
                       .folders = {app_.system_folder(), app_.work_folder()},
                       .statistics = app_.statistics(),
                       .register_log = nullptr};
  ::lumo::Simulate(setup, schematic_.draw(), *pat_);
  schematic_.UpdateTitles();
  // The pattern was read back from its file: nothing to undo across it.
  Reloaded();
  Compared();
}

}  // namespace lumo
