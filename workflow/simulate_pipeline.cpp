#include "workflow/simulate_pipeline.h"

#include "schematic/circuit_converter.h"
#include "circuit/hierarchy_expander.h"
#include "common/file_path.h"
#include "lists/error_message.h"
#include "sim/simulator.h"

namespace lumo {

namespace {

void ClearPattern(Pat& pattern) {
  pattern.Clear();
  pattern.mem().Clear();
}

// Every stage leaves the store empty behind it, failed or not.
class EmptyAfter {
 public:
  explicit EmptyAfter(CircuitStore& store) : store_(store) {}
  ~EmptyAfter() { store_.Clear(); }
  EmptyAfter(const EmptyAfter&) = delete;
  EmptyAfter& operator=(const EmptyAfter&) = delete;

 private:
  CircuitStore& store_;
};

bool Convert(const SimulateSetup& setup, const Draw& draw, const std::string& circuit_path) {
  EmptyAfter empty(setup.store);
  CircuitConverter converter(setup.store, setup.messages, setup.errors, setup.work_folder);
  return converter.Convert(draw.path(), circuit_path);
}

bool Expand(const SimulateSetup& setup, const std::string& circuit_path) {
  EmptyAfter empty(setup.store);
  HierarchyExpander expander(setup.store, setup.messages, setup.errors, setup.statistics,
                             setup.bus_signals);
  return expander.Expand(circuit_path, JoinPath(setup.work_folder, kExpandedFile),
                         JoinPath(setup.system_folder, "Parts"), setup.work_folder);
}

bool Run(const SimulateSetup& setup, Pat& pattern) {
  EmptyAfter empty(setup.store);
  Simulator simulator({setup.messages, setup.store, setup.register_log, &setup.statistics,
                       [&pattern] { ClearPattern(pattern); }});
  try {
    return simulator.Run(JoinPath(setup.system_folder, "LumoCAD.dly"),
                         JoinPath(setup.work_folder, kExpandedFile),
                         JoinPath(setup.system_folder, "LumoCAD.cmd"), pattern.path(),
                         JoinPath(setup.work_folder, kOutputFile));
  } catch (const ListError& error) {
    // A damaged delay table or expanded circuit ends the run like a failed
    // stage.
    ShowError(setup.messages, setup.errors, error.tag(), error.detail());
    return false;
  }
}

}  // namespace

std::string RegisterLogPath(const SimulateSetup& setup) {
  return JoinPath(setup.work_folder, kRegisterLogFile);
}

bool Simulate(const SimulateSetup& setup, Draw& draw, Pat& pattern) {
  if (draw.IsEmpty()) {
    setup.messages.Warn("回路図が入力されていません。");
    return false;
  }
  if (!draw.HasCircuitName() || draw.path().empty() || draw.path() == "?") {
    setup.messages.Warn("回路図に名前が付けられていません。");
    return false;
  }
  // The road goes on whether or not these two saves succeed: each reports
  // its own failure, and the files on disk are what the stages read.
  draw.Save(draw.path());
  if (!pattern.HasFile()) pattern.SetPath(JoinPath(draw.folder(), draw.circuit_name() + "[0].lpt"));
  pattern.WriteInputPat(pattern.path());

  setup.store.Clear();
  const std::string circuit_path = JoinPath(setup.work_folder, draw.circuit_name() + ".lcr");
  const bool simulated =
      Convert(setup, draw, circuit_path) && Expand(setup, circuit_path) && Run(setup, pattern);

  // Read back as the schematic's pattern: input rows are named after it,
  // and the run's echoes of the inputs are recognised by those names.
  ClearPattern(pattern);
  pattern.set_schematic_name(draw.circuit_name());
  const std::string input = pattern.path();
  pattern.ReadInputPat(input);
  if (simulated) pattern.ReadOutputPat(JoinPath(setup.work_folder, kOutputFile));
  return simulated;
}

}  // namespace lumo
