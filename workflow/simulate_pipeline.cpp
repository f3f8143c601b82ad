#include "workflow/simulate_pipeline.h"

#include "common/file_path.h"
#include "lists/error_message.h"
#include "schematic/pattern_setup.h"
#include "sim/simulator.h"
#include "workflow/store_guard.h"

namespace lumo {

namespace {

void ClearPattern(Pat& pattern) {
  pattern.Clear();
  pattern.mem().Clear();
}

bool Run(const RunSetup& setup, Pat& pattern) {
  EmptyAfter empty(setup.store);
  Simulator simulator({setup.messages, setup.store, setup.register_log, &setup.statistics,
                       [&pattern] { ClearPattern(pattern); }});
  try {
    const RunFolders& files = setup.folders;
    return simulator.Run(files.Delays(), files.Expanded(), files.Commands(), pattern.path(),
                         files.Output());
  } catch (const ListError& error) {
    // A damaged delay table or expanded circuit ends the run like a failed
    // stage.
    ShowError(setup.messages, setup.errors, error.tag(), error.detail());
    return false;
  }
}

}  // namespace

bool Simulate(const RunSetup& setup, Draw& draw, Pat& pattern) {
  if (draw.IsEmpty()) {
    setup.messages.Warn("回路図が入力されていません。");
    return false;
  }
  if (!draw.HasCircuitName() || draw.path().empty() || draw.path() == "?") {
    setup.messages.Warn("回路図に名前が付けられていません。");
    return false;
  }
  // Saving would drop the waveforms of the inputs past the last row.
  if (InputPinCount(draw) > kPatRows) {
    setup.messages.Warn(TooManyInputsText());
    return false;
  }
  // The road goes on whether or not these two saves succeed: each reports
  // its own failure, and the files on disk are what the stages read.
  draw.Save(draw.path());
  if (!pattern.HasFile()) pattern.SetPath(JoinPath(draw.folder(), draw.circuit_name() + "[0].lpt"));
  pattern.WriteInputPat(pattern.path());

  setup.store.Clear();
  const std::string circuit_path = setup.folders.Circuit(draw.circuit_name());
  const bool simulated = ConvertSchematic(setup, draw.path(), circuit_path) &&
                         ExpandCircuit(setup, circuit_path) && Run(setup, pattern);

  // Read back as the schematic's pattern: input rows are named after it,
  // and the run's echoes of the inputs are recognised by those names.
  ClearPattern(pattern);
  pattern.set_schematic_name(draw.circuit_name());
  const std::string input = pattern.path();
  pattern.ReadInputPat(input);
  if (simulated) pattern.ReadOutputPat(setup.folders.Output());
  return simulated;
}

}  // namespace lumo
