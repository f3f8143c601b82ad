// lumo run: the Simulate command without a window. Opens the schematic and
// its input pattern as the waveform editor would, runs the whole road (save,
// convert, expand, simulate) and prints the waveforms as a text chart.

#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

#include "circuit/bus_signal_counter.h"
#include "circuit/circuit_store.h"
#include "schematic/pattern_setup.h"
#include "common/file_path.h"
#include "common/system_folder.h"
#include "pattern/vcd_writer.h"
#include "workflow/simulate_pipeline.h"
#include "tools/lumo/commands.h"
#include "tools/lumo/waveform_chart.h"
#include "tools/lumo/workbench.h"

namespace lumo::cli {

namespace {

constexpr const char* kUsageText =
    "usage: lumo run SCHEMATIC.ldr [PATTERN.lpt] [--work DIR] [--vcd OUT.vcd] [--reglog FILE]\n"
    "                [--sys DIR]\n"
    "  simulates the schematic with its input pattern (default: <circuit>[0].lpt\n"
    "  beside the schematic) and prints the input and output waveforms; the\n"
    "  intermediate files go to the working folder (default: the schematic's)\n";

struct Options {
  std::string schematic;
  std::string pattern;
  std::string work_folder;
  std::string vcd;
  std::string register_log;
  std::string system_folder;
};

bool Parse(const Arguments& args, Options& options) {
  std::vector<std::string> files;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string* value = args[i] == "--work"     ? &options.work_folder
                         : args[i] == "--vcd"    ? &options.vcd
                         : args[i] == "--reglog" ? &options.register_log
                         : args[i] == "--sys"    ? &options.system_folder
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
  if (files.empty() || files.size() > 2) return false;
  options.schematic = files[0];
  if (files.size() == 2) options.pattern = files[1];
  if (options.system_folder.empty()) options.system_folder = SystemFolder();
  if (options.work_folder.empty()) {
    const std::string folder = FileFolder(options.schematic);
    options.work_folder = folder.empty() ? std::string(".") : folder;
  }
  return true;
}

// Register-transfer lines to a file, one per line.
class FileLog : public RegisterTransferSink {
 public:
  explicit FileLog(const std::string& path) : out_(path, std::ios::binary) {}
  bool ok() const { return static_cast<bool>(out_); }
  void Line(const std::string& line) override { out_ << line << '\n'; }

 private:
  std::ofstream out_;
};

}  // namespace

int RunCommand(const Arguments& args, std::ostream& out, std::ostream& err) {
  Options options;
  if (!Parse(args, options)) {
    err << kUsageText;
    return kUsage;
  }
  Workbench bench(err, options.system_folder);
  Draw draw(bench.environment());
  if (!bench.ReadSchematic(options.schematic, draw)) return kFailed;

  // The pattern as the waveform editor opens it: a row per input pin, the
  // memories, then the file when there is one, and 0 at time 0 for every
  // input without a change.
  Pat pattern(bench.host(), bench.errors());
  SetupInputs(pattern, draw);
  SetupMemories(pattern.mem(), draw);
  const std::string pattern_path = options.pattern.empty()
                                       ? JoinPath(draw.folder(), draw.circuit_name() + "[0].lpt")
                                       : options.pattern;
  std::error_code error;
  if (std::filesystem::is_regular_file(pattern_path, error))
    pattern.ReadInputPat(pattern_path);
  else
    pattern.SetPath(pattern_path);
  DefaultEvents(pattern, draw);

  std::unique_ptr<FileLog> log;
  if (!options.register_log.empty()) {
    log = std::make_unique<FileLog>(options.register_log);
    if (!log->ok()) {
      err << "lumo run: cannot write " << options.register_log << "\n";
      return kFailed;
    }
  }
  std::ofstream statistics(JoinPath(options.work_folder, "LumoSta.tmp"), std::ios::binary);
  CircuitStore store;
  BusSignalCounter bus_signals;
  const SimulateSetup setup{bench.host(),          bench.errors(),      store,      bus_signals,
                            options.system_folder, options.work_folder, statistics, log.get()};
  const bool simulated = Simulate(setup, draw, pattern);

  out << "circuit " << draw.circuit_name() << ", pattern " << pattern.path() << "\n";
  PrintWaveformChart(pattern, out);
  if (!options.vcd.empty()) {
    std::ofstream vcd(options.vcd, std::ios::binary);
    WriteVcd(pattern, draw.circuit_name(), vcd);
    if (!vcd) {
      err << "lumo run: cannot write " << options.vcd << "\n";
      return kFailed;
    }
  }
  return simulated ? kOk : kFailed;
}

}  // namespace lumo::cli
