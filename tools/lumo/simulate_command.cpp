// lumo simulate: one simulation run from files, without a window.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>

#include "circuit/circuit_errors.h"
#include "circuit/circuit_store.h"
#include "common/stream_message_host.h"
#include "lists/error_message.h"
#include "lists/list_errors.h"
#include "sim/signal_trace.h"
#include "sim/simulator.h"
#include "tools/lumo/commands.h"

namespace lumo::cli {

namespace {

// Writes each register-transfer line to a file, one per line.
class FileRegisterTransferSink : public RegisterTransferSink {
 public:
  explicit FileRegisterTransferSink(std::ostream& out) : out_(out) {}
  void Line(const std::string& line) override { out_ << line << '\n'; }

 private:
  std::ostream& out_;
};

constexpr const char* kSimulateUsage =
    "usage: lumo simulate --delays FILE --circuit FILE --pattern FILE [--commands FILE]\n"
    "                     --out FILE [--reglog FILE] [--stats FILE] [--trace FILE]\n"
    "  --trace FILE records every signal change of the run into FILE\n";

}  // namespace

int SimulateCommand(const Arguments& args, std::ostream& /*out*/, std::ostream& err) {
  std::map<std::string, std::string> options;
  for (std::size_t i = 0; i < args.size(); i += 2) {
    static const char* const kKnown[] = {"--delays", "--circuit", "--pattern", "--commands",
                                         "--out",    "--reglog",  "--stats",   "--trace"};
    if (std::find(std::begin(kKnown), std::end(kKnown), args[i]) == std::end(kKnown) ||
        i + 1 == args.size() || options.count(args[i]) != 0) {
      err << kSimulateUsage;
      return kUsage;
    }
    options[args[i]] = args[i + 1];
  }
  for (const char* required : {"--delays", "--circuit", "--pattern", "--out"}) {
    if (options.count(required) == 0) {
      err << kSimulateUsage;
      return kUsage;
    }
  }

  // The output replaces a file of that name; a device or a FIFO in its
  // place, met directly or through a link, is never replaced.
  std::error_code error;
  const std::filesystem::file_status out_status = std::filesystem::status(options["--out"], error);
  if (std::filesystem::exists(out_status) && !std::filesystem::is_regular_file(out_status)) {
    err << "lumo simulate: " << options["--out"] << " is not a regular file\n";
    return kFailed;
  }

  std::unique_ptr<std::ofstream> reglog, stats;
  std::unique_ptr<FileRegisterTransferSink> sink;
  if (options.count("--reglog") != 0) {
    reglog = std::make_unique<std::ofstream>(options["--reglog"], std::ios::binary);
    if (!*reglog) {
      err << "lumo simulate: cannot write " << options["--reglog"] << "\n";
      return kFailed;
    }
    sink = std::make_unique<FileRegisterTransferSink>(*reglog);
  }
  if (options.count("--stats") != 0) {
    stats = std::make_unique<std::ofstream>(options["--stats"], std::ios::binary);
    if (!*stats) {
      err << "lumo simulate: cannot write " << options["--stats"] << "\n";
      return kFailed;
    }
  }

  StreamMessageHost messages(err);
  CircuitStore store;
  std::unique_ptr<SignalTrace> trace;
  if (options.count("--trace") != 0) trace = std::make_unique<SignalTrace>();
  Simulator simulator({messages, store, sink.get(), stats.get(), {}, nullptr, trace.get()});
  try {
    bool simulated = simulator.Run(options["--delays"], options["--circuit"], options["--commands"],
                                   options["--pattern"], options["--out"]);
    if (trace) {
      // Written for a failed run too: what led up to the failure is in it.
      if (trace->capped()) err << "lumo simulate: " << TraceCapNotice(trace->cap()) << "\n";
      if (!trace->Save(options["--trace"])) {
        err << "lumo simulate: cannot write " << options["--trace"] << "\n";
        simulated = false;
      }
    }
    return simulated ? kOk : kFailed;
  } catch (const ListError& error) {
    ErrorTable table;
    RegisterListErrors(table);
    RegisterCircuitErrors(table);
    err << ErrorText(table, error.tag(), error.detail());
    return kFailed;
  }
}

}  // namespace lumo::cli
