// lumo expand IN.lcr OUT [--parts DIR] [--work DIR]: flattens a hierarchical
// circuit file into one circuit, as the Simulate command does before
// simulating. The statistics lines go to standard output, messages to
// standard error.

#include <filesystem>
#include <optional>

#include "circuit/circuit_errors.h"
#include "circuit/circuit_store.h"
#include "circuit/hierarchy_expander.h"
#include "common/file_path.h"
#include "common/stream_message_host.h"
#include "common/system_folder.h"
#include "lists/list_errors.h"
#include "tools/lumo/commands.h"
#include "workflow/run_files.h"

namespace lumo::cli {

namespace {

constexpr const char* kUsageText =
    "usage: lumo expand IN.lcr OUT [--parts DIR] [--work DIR]\n"
    "  replaces every sub-circuit element of IN by the circuit it stands for and\n"
    "  writes the flat circuit to OUT; sub-circuits are looked up in DIR of --parts\n"
    "  (default: Parts in the system folder), then in DIR of --work (default: the\n"
    "  folder of IN)\n";

struct Options {
  std::string input;
  std::string output;
  std::optional<std::string> parts;
  std::optional<std::string> work;
};

std::optional<Options> Parse(const Arguments& args, std::ostream& err) {
  Options options;
  std::vector<std::string> files;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& word = args[i];
    if (word == "--parts" || word == "--work") {
      if (i + 1 >= args.size()) {
        err << "lumo expand: " << word << " needs a folder\n";
        return std::nullopt;
      }
      (word == "--parts" ? options.parts : options.work) = args[++i];
    } else if (word.size() > 1 && word.front() == '-') {
      err << "lumo expand: unknown option " << word << "\n";
      return std::nullopt;
    } else {
      files.push_back(word);
    }
  }
  if (files.size() != 2) return std::nullopt;
  options.input = files[0];
  options.output = files[1];
  return options;
}

}  // namespace

int ExpandCommand(const Arguments& args, std::ostream& out, std::ostream& err) {
  const std::optional<Options> options = Parse(args, err);
  if (!options) {
    err << kUsageText;
    return kUsage;
  }
  const std::string parts =
      options->parts ? *options->parts : JoinPath(SystemFolder(), kPartsFolder);
  const std::string work = options->work ? *options->work : FileFolder(options->input);

  ErrorTable errors;
  RegisterListErrors(errors);
  RegisterCircuitErrors(errors);
  StreamMessageHost host(err);
  CircuitStore store;
  BusSignalCounter bus_signals;
  HierarchyExpander expander(store, host, errors, out, bus_signals);
  return expander.Expand(options->input, options->output, parts, work) ? kOk : kFailed;
}

}  // namespace lumo::cli
