#include "export/verilog_road.h"

#include <filesystem>

#include "common/atomic_file.h"
#include "common/file_path.h"
#include "lists/error_message.h"
#include "schematic/pattern_setup.h"
#include "workflow/simulate_pipeline.h"
#include "workflow/store_guard.h"

namespace lumo {

std::map<std::string, PinDirection> PinDirections(const Draw& draw) {
  std::map<std::string, PinDirection> pins;
  for (const DrawElement& element : draw.elements()) {
    const std::string& symbol = element.symbol_name();
    if (symbol == "_in") pins[element.name()] = PinDirection::kInput;
    if (symbol == "_out") pins[element.name()] = PinDirection::kOutput;
    if (symbol == "_io") pins[element.name()] = PinDirection::kInout;
  }
  return pins;
}

bool ExportPattern(Pat& pattern, const Draw& draw, const std::string& path) {
  if (!SetupInputs(pattern, draw)) return false;
  SetupMemories(pattern.mem(), draw);
  std::error_code missing;
  if (std::filesystem::exists(path, missing) &&
      (!pattern.ReadInputPat(path) || !pattern.damaged_file().empty()))
    return false;
  DefaultEvents(pattern, draw);
  return true;
}

bool ExportExpanded(const RunSetup& setup, const std::string& pattern_path,
                    const VerilogOptions& options, VerilogText& text) {
  EmptyAfter empty(setup.store);
  Simulator simulator({setup.messages, setup.store, nullptr, nullptr, {}});
  const RunFolders& files = setup.folders;
  try {
    if (!simulator.LoadDelays(files.Delays()) || !simulator.LoadCircuit(files.Expanded()) ||
        !simulator.ApplyInputPattern(pattern_path) || !simulator.ReadCommands(files.Commands()))
      return false;
    simulator.ScheduleConstants();
    if (!simulator.BindEvaluators()) return false;
  } catch (const ListError& error) {
    ShowError(setup.messages, setup.errors, error.tag(), error.detail());
    return false;
  }
  text = WriteVerilog(simulator, options);
  return true;
}

bool ExportSchematic(const RunSetup& setup, const Draw& draw, const Pat& pattern,
                     VerilogOptions options, VerilogText& text) {
  if (!MayConvert(setup, draw)) return false;
  setup.store.Clear();
  const std::string circuit_path = setup.folders.Circuit(draw.circuit_name());
  if (!ConvertSchematic(setup, draw.path(), circuit_path) || !ExpandCircuit(setup, circuit_path))
    return false;
  const std::string pattern_path = JoinPath(setup.folders.work_folder, kVerilogPatternFile);
  if (!WriteFileAtomically(
          pattern_path,
          [&pattern](std::ostream& out) {
            pattern.WriteInputPat(out);
            return static_cast<bool>(out);
          },
          LinkHandling::kReplaceEntry)) {
    setup.messages.Warn("入力パターンファイル " + pattern_path + " に書き込めません。");
    return false;
  }
  for (const auto& [name, direction] : PinDirections(draw))
    options.pins.emplace(name, direction);
  return ExportExpanded(setup, pattern_path, options, text);
}

bool WriteVerilogFiles(MessageHost& messages, const VerilogText& text,
                       const std::string& system_folder, const std::string& verilog_path,
                       const std::string& testbench_path) {
  auto write = [&messages](const std::string& path, const std::string& content) {
    const bool written = WriteFileAtomically(
        path, [&content](std::ostream& out) { return static_cast<bool>(out << content); });
    if (!written) messages.Warn("ファイル " + path + " に書き込めません。");
    return written;
  };
  if (!write(verilog_path, text.module)) return false;
  const std::string folder = FileFolder(verilog_path);
  const std::string cells_to =
      JoinPath(folder.empty() ? std::string(".") : folder, kVerilogCellsFile);
  const std::string cells_from = JoinPath(system_folder, kVerilogCellsFile);
  if (cells_to != cells_from && !CopyFileAtomically(cells_from, cells_to)) {
    messages.Warn("ファイル " + cells_to + " に書き込めません。");
    return false;
  }
  return testbench_path.empty() || write(testbench_path, text.testbench);
}

}  // namespace lumo
