// lumo run: the Simulate command without a window. Opens the schematic and
// its input pattern as the waveform editor would, runs the whole road (save,
// convert, expand, simulate) and prints the waveforms as a text chart, and
// with --png draws them into a picture through lumo-draw.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <vector>

#include "common/atomic_file.h"
#include "common/file_path.h"
#include "common/system_folder.h"
#include "pattern/vcd_writer.h"
#include "schematic/pattern_setup.h"
#include "sim/signal_trace.h"
#include "sim/trace_vcd.h"
#include "tools/lumo/commands.h"
#include "tools/lumo/waveform_chart.h"
#include "tools/lumo/workbench.h"
#include "workflow/run_lock.h"
#include "workflow/simulate_pipeline.h"

namespace lumo::cli {

namespace {

constexpr const char* kUsageText =
    "usage: lumo run SCHEMATIC.ldr [PATTERN.lpt] [--work DIR] [--vcd OUT.vcd] [--reglog FILE]\n"
    "                [--png OUT.png] [--changes] [--sys DIR] [--no-wait] [--trace FILE]\n"
    "                [--all-signals]\n"
    "  simulates the schematic with its input pattern (default: <circuit>[0].lpt\n"
    "  beside the schematic) and prints the input and output waveforms as a chart\n"
    "  as wide as $COLUMNS (default 80); --changes prints every change as\n"
    "  time:value instead, --png draws the waveforms into a picture too; the\n"
    "  intermediate files go to the working folder (default: the schematic's),\n"
    "  one run at a time: another run's end is waited for, or with --no-wait\n"
    "  the run is refused; --trace writes every signal change of the expanded\n"
    "  circuit to FILE, --all-signals puts every signal into the --vcd dump\n";

struct Options {
  std::string schematic;
  std::string pattern;
  std::string work_folder;
  std::string vcd;
  std::string register_log;
  std::string system_folder;
  std::string png;
  std::string trace;
  bool no_wait = false;
  bool all_signals = false;
  bool changes = false;
};

bool Parse(const Arguments& args, Options& options) {
  std::vector<std::string> files;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string* value = args[i] == "--work"     ? &options.work_folder
                         : args[i] == "--vcd"    ? &options.vcd
                         : args[i] == "--reglog" ? &options.register_log
                         : args[i] == "--sys"    ? &options.system_folder
                         : args[i] == "--png"    ? &options.png
                         : args[i] == "--trace"  ? &options.trace
                                                 : nullptr;
    if (args[i] == "--no-wait") {
      options.no_wait = true;
    } else if (args[i] == "--all-signals") {
      options.all_signals = true;
    } else if (args[i] == "--changes") {
      options.changes = true;
    } else if (value != nullptr) {
      if (i + 1 >= args.size() || !value->empty()) return false;
      *value = args[++i];
    } else if (args[i].starts_with("--")) {
      return false;
    } else {
      files.push_back(args[i]);
    }
  }
  if (files.empty() || files.size() > 2) return false;
  if (options.all_signals && options.vcd.empty()) return false;
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
  // False when some line could not be written.
  bool Close() {
    out_.close();
    return static_cast<bool>(out_);
  }
  void Line(const std::string& line) override { out_ << line << '\n'; }

 private:
  std::ofstream out_;
};

// Takes the working folder's lock for the whole run; false after a message
// when another run holds it and --no-wait was given, or when it cannot be
// had.
bool LockWorkFolder(RunLock& lock, const Options& options, std::ostream& err) {
  const RunLock::State state =
      options.no_wait ? lock.TryTake() : lock.Take(std::chrono::seconds(1), [&] {
        err << "lumo run: waiting for another run in " << options.work_folder << " to finish\n";
      });
  if (state == RunLock::State::kBusy)
    err << "lumo run: another run is using " << options.work_folder << " (--no-wait)\n";
  if (state == RunLock::State::kFailed) err << "lumo run: cannot lock " << lock.path() << "\n";
  return state == RunLock::State::kHeld;
}

// Reads the pattern file when there is one. False after a message when it
// cannot be read, or did not read whole: then it is left as it was, for
// saving would replace the waveforms that could not be read.
bool ReadPattern(Pat& pattern, const std::string& path, std::ostream& err) {
  std::error_code error;
  if (std::filesystem::symlink_status(path, error).type() ==
      std::filesystem::file_type::not_found) {
    pattern.SetPath(path);
    return true;
  }
  if (!pattern.ReadInputPat(path)) return false;
  if (pattern.damaged_file().empty()) return true;
  err << "lumo run: " << path << " did not read whole; it is left as it was\n";
  return false;
}

// Draws the rows the run left through lumo-draw, which reads them back as
// the run did: the input pattern file, and the output file after success.
bool DrawWaveforms(const Options& options, const Pat& pattern, const std::string& circuit,
                   const std::string& output, std::ostream& err) {
#ifdef LUMO_WITH_QT
  std::error_code error;
  if (!pattern.HasFile() || !std::filesystem::is_regular_file(pattern.path(), error)) {
    err << "lumo run: no pattern file to draw from; " << options.png << " is not drawn\n";
    return false;
  }
  Arguments args{"--name", circuit, "--input", pattern.path(), "--png", options.png};
  if (!output.empty()) args.insert(args.end(), {"--output", output});
  return CallDrawingTool("waveforms", args, err) == kOk;
#else
  (void)pattern, (void)circuit, (void)output;
  err << "lumo run: --png needs a build with Qt; " << options.png << " is not drawn\n";
  return false;
#endif
}

}  // namespace

int RunCommand(const Arguments& args, std::ostream& out, std::ostream& err) {
  Options options;
  if (!Parse(args, options)) {
    err << kUsageText;
    return kUsage;
  }
  RunLock lock(options.work_folder);
  if (!LockWorkFolder(lock, options, err)) return kFailed;
  Workbench bench(err, options.system_folder);
  Draw draw(bench.environment());
  if (!bench.ReadSchematic(options.schematic, draw)) return kFailed;

  // The pattern as the waveform editor opens it: a row per input pin, the
  // memories, then the file when there is one, and 0 at time 0 for every
  // input without a change.
  Pat pattern(bench.host(), bench.errors());
  if (!SetupInputs(pattern, draw)) {
    bench.host().Warn(TooManyInputsText());
    return kFailed;
  }
  SetupMemories(pattern.mem(), draw);
  const std::string pattern_path = options.pattern.empty()
                                       ? JoinPath(draw.folder(), draw.circuit_name() + "[0].lpt")
                                       : options.pattern;
  if (!ReadPattern(pattern, pattern_path, err)) return kFailed;
  DefaultEvents(pattern, draw);

  std::unique_ptr<FileLog> log;
  if (!options.register_log.empty()) {
    log = std::make_unique<FileLog>(options.register_log);
    if (!log->ok()) {
      err << "lumo run: cannot write " << options.register_log << "\n";
      return kFailed;
    }
  }
  const RunFolders folders{options.system_folder, options.work_folder};
  // Written whole after the run, as the run's other files are.
  std::ostringstream statistics;
  // Recorded only when asked for: the run is as fast as without otherwise.
  std::unique_ptr<SignalTrace> trace;
  if (!options.trace.empty() || options.all_signals) trace = std::make_unique<SignalTrace>();
  RunSetup setup = bench.MakeRunSetup(folders, statistics);
  setup.register_log = log.get();
  setup.trace = trace.get();
  bool simulated = Simulate(setup, draw, pattern);
  if (trace && trace->capped()) err << "lumo run: " << TraceCapNotice(trace->cap()) << "\n";
  if (!options.trace.empty() && !trace->Save(options.trace)) {
    err << "lumo run: cannot write " << options.trace << "\n";
    simulated = false;
  }
  if (!WriteFileAtomically(
          folders.Statistics(),
          [&statistics](std::ostream& file) { return static_cast<bool>(file << statistics.str()); },
          LinkHandling::kReplaceEntry)) {
    err << "lumo run: cannot write " << folders.Statistics() << "\n";
    simulated = false;
  }
  if (log && !log->Close()) {
    err << "lumo run: cannot write " << options.register_log << "\n";
    simulated = false;
  }

  out << "circuit " << draw.circuit_name() << ", pattern " << pattern.path() << "\n";
  if (options.changes)
    PrintChangeList(pattern, out);
  else
    PrintWaveformChart(pattern, ChartWidth(std::getenv("COLUMNS")), out);
  out.flush();
  if (!options.png.empty() &&
      !DrawWaveforms(options, pattern, draw.circuit_name(), simulated ? folders.Output() : "", err))
    return kFailed;
  if (!options.vcd.empty()) {
    std::ofstream vcd(options.vcd, std::ios::binary);
    if (options.all_signals)
      WriteTraceVcd(*trace, draw.circuit_name(), vcd);
    else
      WriteVcd(pattern, draw.circuit_name(), vcd);
    vcd.close();
    if (!vcd) {
      err << "lumo run: cannot write " << options.vcd << "\n";
      return kFailed;
    }
  }
  return simulated ? kOk : kFailed;
}

}  // namespace lumo::cli
