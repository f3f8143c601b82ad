// lumo export: writes a schematic as a structural Verilog module over the
// cells of lumocad_cells.v (copied beside it) and, on request, a testbench
// that drives its input pattern.

#include <sstream>
#include <vector>

#include "common/file_path.h"
#include "common/system_folder.h"
#include "export/verilog_road.h"
#include "tools/lumo/commands.h"
#include "tools/lumo/workbench.h"
#include "workflow/run_lock.h"

namespace lumo::cli {

namespace {

constexpr const char* kUsageText =
    "usage: lumo export SCHEMATIC.ldr --verilog OUT.v [--testbench TB.v] [--pattern P.lpt]\n"
    "                   [--work DIR] [--sys DIR]\n"
    "  converts and expands the schematic as a run does and writes it as a Verilog\n"
    "  module (lumocad_cells.v beside it); --testbench also writes a testbench for\n"
    "  the input pattern (default: <circuit>[0].lpt beside the schematic)\n";

struct Options {
  std::string schematic;
  std::string verilog;
  std::string testbench;
  std::string pattern;
  std::string work_folder;
  std::string system_folder;
};

bool Parse(const Arguments& args, Options& options) {
  std::vector<std::string> files;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string* value = args[i] == "--verilog"     ? &options.verilog
                         : args[i] == "--testbench" ? &options.testbench
                         : args[i] == "--pattern"   ? &options.pattern
                         : args[i] == "--work"      ? &options.work_folder
                         : args[i] == "--sys"       ? &options.system_folder
                                                    : nullptr;
    if (value != nullptr) {
      if (i + 1 >= args.size() || !value->empty()) return false;
      *value = args[++i];
    } else if (args[i].starts_with("--")) {
      return false;
    } else {
      files.push_back(args[i]);
    }
  }
  if (files.size() != 1 || options.verilog.empty()) return false;
  options.schematic = files[0];
  if (options.system_folder.empty()) options.system_folder = SystemFolder();
  if (options.work_folder.empty()) {
    const std::string folder = FileFolder(options.schematic);
    options.work_folder = folder.empty() ? std::string(".") : folder;
  }
  return true;
}

}  // namespace

int ExportCommand(const Arguments& args, std::ostream& out, std::ostream& err) {
  Options options;
  if (!Parse(args, options)) {
    err << kUsageText;
    return kUsage;
  }
  // The export writes the run's circuit files: not while a run uses them.
  RunLock lock(options.work_folder);
  const RunLock::State state = lock.TryTake();
  if (state == RunLock::State::kBusy)
    err << "lumo export: another run is using " << options.work_folder << "\n";
  if (state == RunLock::State::kFailed) err << "lumo export: cannot lock " << lock.path() << "\n";
  if (state != RunLock::State::kHeld) return kFailed;
  Workbench bench(err, options.system_folder);
  Draw draw(bench.environment());
  if (!bench.ReadSchematic(options.schematic, draw)) return kFailed;

  Pat pattern(bench.host(), bench.errors());
  const std::string pattern_path = options.pattern.empty()
                                       ? JoinPath(draw.folder(), draw.circuit_name() + "[0].lpt")
                                       : options.pattern;
  if (!ExportPattern(pattern, draw, pattern_path)) {
    err << "lumo export: the pattern " << pattern_path << " cannot be used\n";
    return kFailed;
  }

  std::ostringstream statistics;
  const RunSetup setup =
      bench.MakeRunSetup({options.system_folder, options.work_folder}, statistics);
  VerilogOptions verilog;
  if (!options.testbench.empty()) verilog.vcd_file = FileTitle(options.testbench) + ".vcd";
  VerilogText text;
  if (!ExportSchematic(setup, draw, pattern, verilog, text) ||
      !WriteVerilogFiles(bench.host(), text, options.system_folder, options.verilog,
                         options.testbench))
    return kFailed;
  out << "module " << text.module_name << " written to " << options.verilog << "\n";
  if (!options.testbench.empty())
    out << "testbench " << text.testbench_name << " written to " << options.testbench << "\n";
  return kOk;
}

}  // namespace lumo::cli
