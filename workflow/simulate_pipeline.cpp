#include "workflow/simulate_pipeline.h"

#include <algorithm>

#include "common/file_path.h"
#include "lists/error_message.h"
#include "schematic/pattern_setup.h"
#include "sim/simulator.h"
#include "workflow/store_guard.h"

namespace lumo {

bool MayConvert(const RunSetup& setup, const Draw& draw) {
  if (draw.IsEmpty()) {
    setup.messages.Warn("回路図が入力されていません。");
    return false;
  }
  if (!draw.HasCircuitName() || draw.path().empty() || draw.path() == "?") {
    setup.messages.Warn("回路図に名前が付けられていません。");
    return false;
  }
  return true;
}

namespace {

// The refusals before anything is saved; false after the message.
bool MaySimulate(const RunSetup& setup, const Draw& draw) {
  if (!MayConvert(setup, draw)) return false;
  // Saving would drop the waveforms of the inputs past the last row.
  if (InputPinCount(draw) > kPatRows) {
    setup.messages.Warn(TooManyInputsText());
    return false;
  }
  return true;
}

}  // namespace

void NameMergedSignals(SignalTrace& trace, const SignalMergeLog& merged) {
  // The wires a final name stands for: its signal, or the wires of a bus
  // that was itself merged later (a wire of one bus can be another bus).
  const auto wires_of = [&trace](const std::string& name, std::vector<std::uint32_t>& wires) {
    const std::int32_t signal = trace.FindSignal(name);
    if (signal != SignalTrace::kNoSignal) {
      wires.push_back(static_cast<std::uint32_t>(signal));
      return true;
    }
    const std::span<const std::uint32_t> bus = trace.FindBus(name);
    wires.insert(wires.end(), bus.begin(), bus.end());
    return !bus.empty();
  };
  // The later buses first, so that an earlier one finds those among its
  // wires.
  const std::vector<SignalMergeLog::Bus> buses = merged.FinalBuses();
  for (auto bus = buses.rbegin(); bus != buses.rend(); ++bus) {
    std::vector<std::uint32_t> wires;
    // A wire that became no signal leaves the bus without a value.
    if (std::all_of(bus->wires.begin(), bus->wires.end(),
                    [&](const std::string& wire) { return wires_of(wire, wires); }))
      trace.AddBus(bus->name, std::move(wires));
  }
  for (const auto& [name, final_name] : merged.FinalNames()) {
    std::vector<std::uint32_t> wires;
    if (!wires_of(final_name, wires)) continue;
    if (trace.FindBus(final_name).empty())
      trace.AddAlias(name, wires.front());
    else
      trace.AddBus(name, std::move(wires));
  }
}

SimulateRun PrepareSimulate(const RunSetup& setup, Draw& draw, Pat& pattern) {
  SimulateRun run;
  if (!MaySimulate(setup, draw)) return run;
  // The road goes on whether or not these two saves succeed: each reports
  // its own failure, and the files on disk are what the stages read.
  draw.Save(draw.path());
  if (!pattern.HasFile()) pattern.SetPath(JoinPath(draw.folder(), draw.circuit_name() + "[0].lpt"));
  pattern.WriteInputPat(pattern.path());
  run.circuit_name = draw.circuit_name();
  run.pattern_path = pattern.path();
  run.saved = true;

  setup.store.Clear();
  const std::string circuit_path = setup.folders.Circuit(run.circuit_name);
  run.ready = ConvertSchematic(setup, draw.path(), circuit_path) &&
              ExpandCircuit(setup, circuit_path, setup.trace != nullptr ? &run.merged : nullptr);
  return run;
}

bool RunSimulateStage(const RunSetup& setup, const SimulateRun& run, RunControl* control) {
  if (!run.ready) return false;
  EmptyAfter empty(setup.store);
  // The pattern is emptied and read back by FinishSimulate on the caller's
  // side, never here: a window may be painting it meanwhile.
  Simulator simulator({setup.messages,
                       setup.store,
                       setup.register_log,
                       &setup.statistics,
                       {},
                       control,
                       setup.trace});
  try {
    const RunFolders& files = setup.folders;
    const bool simulated = simulator.Run(files.Delays(), files.Expanded(), files.Commands(),
                                         run.pattern_path, files.Output());
    if (simulated && setup.trace != nullptr) NameMergedSignals(*setup.trace, run.merged);
    return simulated;
  } catch (const ListError& error) {
    // A damaged delay table or expanded circuit ends the run like a failed
    // stage.
    ShowError(setup.messages, setup.errors, error.tag(), error.detail());
    return false;
  }
}

void FinishSimulate(const RunSetup& setup, const SimulateRun& run, Pat& pattern, bool simulated) {
  if (!run.saved) return;
  // Read back as the schematic's pattern: input rows are named after it,
  // and the run's echoes of the inputs are recognised by those names.
  pattern.Clear();
  pattern.mem().Clear();
  pattern.set_schematic_name(run.circuit_name);
  pattern.ReadInputPat(run.pattern_path);
  if (simulated) pattern.ReadOutputPat(setup.folders.Output());
}

bool Simulate(const RunSetup& setup, Draw& draw, Pat& pattern) {
  const SimulateRun run = PrepareSimulate(setup, draw, pattern);
  const bool simulated = RunSimulateStage(setup, run);
  FinishSimulate(setup, run, pattern, simulated);
  return simulated;
}

}  // namespace lumo
