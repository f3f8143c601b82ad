// lumo check: runs a schematic through the Simulate road in a working
// folder of its own and compares its output rows with an expected file.

#include "tools/lumo/check_command.h"

#include <stdlib.h>

#include <filesystem>
#include <sstream>
#include <thread>

#include "checking/checking_errors.h"
#include "checking/compare.h"
#include "checking/expected.h"
#include "common/atomic_file.h"
#include "common/file_path.h"
#include "common/system_folder.h"
#include "schematic/pattern_setup.h"
#include "tools/lumo/check_report.h"
#include "tools/lumo/commands.h"
#include "tools/lumo/workbench.h"
#include "workflow/run_lock.h"
#include "workflow/simulate_pipeline.h"

namespace lumo::cli {

namespace {

namespace fs = std::filesystem;

constexpr const char* kUsageText =
    "usage: lumo check SCHEMATIC.ldr --expect FILE.lex [--pattern P.lpt] [--report FILE.json]\n"
    "                  [--work DIR] [--sys DIR]\n"
    "       lumo check SCHEMATIC.ldr --write-expect FILE.lex [--pattern P.lpt]\n"
    "       lumo check --class DIR --expect FILE.lex [--jobs N] [--time-limit SECONDS]\n"
    "                  [--pattern P.lpt] [--out DIR] [--sys DIR] [--keep]\n"
    "  simulates the schematic in a working folder of its own (a new temporary\n"
    "  folder unless --work names one; nothing is written beside the schematic)\n"
    "  and compares its outputs with the expected file; exit 0 when all match,\n"
    "  1 when not, 2 when the circuit does not simulate. The inputs are P, else\n"
    "  the expected file's, else <circuit>[0].lpt beside the schematic.\n"
    "  --write-expect writes the run's outputs as an expected file.\n"
    "  --class checks every .ldr of DIR and of its sub-folders (one per student)\n"
    "  in parallel (default: one job per core), each stopped after the time\n"
    "  limit (default 10 s), and writes check-summary.csv and check-summary.html\n"
    "  to DIR of --out (default: the current folder)\n";

// Copies the schematic and the files a run may read beside it (user symbols,
// sub-circuits) into the working folder; the copy's path, or empty after a
// message.
std::string CopySubmission(const std::string& schematic, const std::string& work,
                           std::ostream& err) {
  std::error_code error;
  if (!fs::is_regular_file(schematic, error)) {
    err << "lumo check: cannot open " << schematic << "\n";
    return {};
  }
  const fs::path from =
      fs::path(schematic).parent_path().empty() ? fs::path(".") : fs::path(schematic).parent_path();
  if (fs::equivalent(from, work, error)) {
    err << "lumo check: the working folder must not be the schematic's folder\n";
    return {};
  }
  for (const auto& entry : fs::directory_iterator(from, error)) {
    const std::string extension = entry.path().extension().string();
    if ((extension == ".lsy" || extension == ".lcr") && entry.is_regular_file(error))
      CopyFileAtomically(entry.path().string(), JoinPath(work, entry.path().filename().string()));
  }
  const std::string copy = JoinPath(work, fs::path(schematic).filename().string());
  if (!CopyFileAtomically(schematic, copy)) {
    err << "lumo check: cannot copy " << schematic << " to " << work << "\n";
    return {};
  }
  return copy;
}

// The inputs: the pattern file, the expected file's input rows, or the
// schematic's own pattern; the pattern is then saved only into the working
// folder. False after a message.
bool SetInputs(Pat& pattern, const Draw& draw, const Expected* expected,
               const CheckRequest& request, const std::string& work, std::ostream& err) {
  std::string source = request.pattern;
  if (source.empty() && (expected == nullptr || expected->inputs.empty())) {
    const std::string own =
        JoinPath(FileFolder(request.schematic), draw.circuit_name() + "[0].lpt");
    std::error_code error;
    if (fs::is_regular_file(own, error)) source = own;
  }
  if (!source.empty()) {
    std::error_code error;
    if (!fs::is_regular_file(source, error)) {
      err << "lumo check: cannot open " << source << "\n";
      return false;
    }
    if (!pattern.ReadInputPat(source)) return false;
    if (!pattern.damaged_file().empty()) {
      err << "lumo check: " << source << " did not read whole\n";
      return false;
    }
  } else if (expected != nullptr) {
    for (const InputRow& input : expected->inputs) {
      const int row = pattern.FindRow(input.name);
      if (row < 0 || pattern.row(row).kind != RowKind::kInput) {
        err << "lumo check: the circuit has no input " << input.name << " (入力端子がありません)\n";
        return false;
      }
      pattern.row(row).events.Clear();
      for (const TimedValue& event : input.events)
        pattern.row(row).events.Insert(event.time, event.value);
    }
  }
  pattern.SetPath(JoinPath(work, draw.circuit_name() + "[0].lpt"));
  return true;
}

void Summarize(const Comparison& comparison, CheckSummary& summary) {
  summary.mismatches = comparison.MismatchCount();
  const Comparison::Place first = comparison.First();
  if (first.row < 0) return;
  const RowComparison& row = comparison.rows[static_cast<std::size_t>(first.row)];
  const Mismatch& mismatch = row.mismatches[static_cast<std::size_t>(first.mismatch)];
  summary.first_row = row.name;
  summary.first_time = mismatch.from;
  summary.expected = mismatch.expected;
  summary.actual = mismatch.actual;
}

// A new folder under the system's temporary folder; empty when none can be
// made.
std::string NewTemporaryFolder() {
  std::string pattern = (fs::temp_directory_path() / "lumo-check-XXXXXX").string();
  return mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
}

}  // namespace

int CheckSubmission(const CheckRequest& request, std::ostream& out, std::ostream& err,
                    CheckSummary* summary) {
  Workbench bench(err, request.system_folder);
  ErrorTable checking_errors;
  RegisterCheckingErrors(checking_errors);
  Expected expected;
  const bool comparing = !request.expect.empty();
  if (comparing) {
    if (!ReadExpectedFile(request.expect, bench.host(), checking_errors, expected))
      return kCheckNotSimulated;
    ExpandTruthTable(expected);
  }
  const std::string copy = CopySubmission(request.schematic, request.work_folder, err);
  if (copy.empty()) return kCheckNotSimulated;
  RunLock lock(request.work_folder);
  if (lock.TryTake() != RunLock::State::kHeld) {
    err << "lumo check: another run is using " << request.work_folder << "\n";
    return kCheckNotSimulated;
  }
  // Read where it lies, so that a message names the submission's own file;
  // the run then saves it only as the copy.
  Draw draw(bench.environment());
  if (!bench.ReadSchematic(request.schematic, draw)) return kCheckNotSimulated;
  draw.SetPath(copy);

  Pat pattern(bench.host(), bench.errors());
  if (!SetupInputs(pattern, draw)) {
    bench.host().Warn(TooManyInputsText());
    return kCheckNotSimulated;
  }
  SetupMemories(pattern.mem(), draw);
  if (!SetInputs(pattern, draw, comparing ? &expected : nullptr, request, request.work_folder, err))
    return kCheckNotSimulated;
  DefaultEvents(pattern, draw);

  std::ostringstream statistics;
  const RunSetup setup =
      bench.MakeRunSetup({request.system_folder, request.work_folder}, statistics);
  if (!Simulate(setup, draw, pattern)) {
    out << "circuit " << draw.circuit_name()
        << ": does not simulate (シミュレーションできません)\n";
    return kCheckNotSimulated;
  }

  if (!request.write_expect.empty()) {
    if (!WriteExpectedFile(request.write_expect,
                           ExpectedFromPattern(pattern, draw.circuit_name()))) {
      ShowError(bench.host(), checking_errors, "Expected::Write", request.write_expect);
      return kFailed;
    }
    out << "wrote the outputs of " << draw.circuit_name() << " to " << request.write_expect << "\n";
    if (!comparing) return kOk;
  }

  const Comparison comparison = Compare(expected, pattern, draw.circuit_name());
  PrintCheckReport(comparison, draw.circuit_name(), out);
  if (summary != nullptr) Summarize(comparison, *summary);
  if (!request.report.empty()) {
    const std::string json = CheckReportJson(comparison, draw.circuit_name());
    if (!WriteFileAtomically(request.report, [&json](std::ostream& file) {
          return static_cast<bool>(file << json);
        })) {
      err << "lumo check: cannot write " << request.report << "\n";
      return kFailed;
    }
  }
  return comparison.Matches() ? kOk : kFailed;
}

int CheckCommand(const Arguments& args, std::ostream& out, std::ostream& err) {
  CheckRequest request;
  ClassRequest class_request;
  std::string jobs, time_limit;
  std::vector<std::string> files;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string* value = args[i] == "--expect"         ? &request.expect
                         : args[i] == "--pattern"      ? &request.pattern
                         : args[i] == "--report"       ? &request.report
                         : args[i] == "--write-expect" ? &request.write_expect
                         : args[i] == "--work"         ? &request.work_folder
                         : args[i] == "--sys"          ? &request.system_folder
                         : args[i] == "--class"        ? &class_request.folder
                         : args[i] == "--out"          ? &class_request.out_folder
                         : args[i] == "--jobs"         ? &jobs
                         : args[i] == "--time-limit"   ? &time_limit
                                                       : nullptr;
    if (args[i] == "--keep") {
      class_request.keep = true;
    } else if (value != nullptr) {
      if (i + 1 >= args.size() || !value->empty() || args[i + 1].empty()) {
        err << kUsageText;
        return kUsage;
      }
      *value = args[++i];
    } else if (args[i].starts_with("--")) {
      err << kUsageText;
      return kUsage;
    } else {
      files.push_back(args[i]);
    }
  }
  if (request.system_folder.empty()) request.system_folder = SystemFolder();

  if (!class_request.folder.empty()) {
    if (!files.empty() || request.expect.empty() || !request.report.empty() ||
        !request.write_expect.empty() || !request.work_folder.empty()) {
      err << kUsageText;
      return kUsage;
    }
    try {
      class_request.jobs = jobs.empty()
                               ? static_cast<int>(std::max(1u, std::thread::hardware_concurrency()))
                               : std::stoi(jobs);
      class_request.time_limit = time_limit.empty() ? 10.0 : std::stod(time_limit);
    } catch (const std::exception&) {
      class_request.jobs = 0;
    }
    if (class_request.jobs < 1 || class_request.jobs > 256 || !(class_request.time_limit > 0)) {
      err << kUsageText;
      return kUsage;
    }
    class_request.expect = request.expect;
    class_request.pattern = request.pattern;
    class_request.system_folder = request.system_folder;
    if (class_request.out_folder.empty()) class_request.out_folder = ".";
    return CheckClass(class_request, out, err);
  }

  if (files.size() != 1 || !jobs.empty() || !time_limit.empty() || class_request.keep ||
      !class_request.out_folder.empty() ||
      (request.expect.empty() && request.write_expect.empty())) {
    err << kUsageText;
    return kUsage;
  }
  request.schematic = files[0];
  const bool own_folder = request.work_folder.empty();
  if (own_folder) {
    request.work_folder = NewTemporaryFolder();
    if (request.work_folder.empty()) {
      err << "lumo check: cannot make a working folder\n";
      return kCheckNotSimulated;
    }
  }
  const int code = CheckSubmission(request, out, err, nullptr);
  if (own_folder) {
    std::error_code error;
    fs::remove_all(request.work_folder, error);
  }
  return code;
}

}  // namespace lumo::cli
