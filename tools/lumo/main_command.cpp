#include <functional>
#include <ios>
#include <map>
#include <new>

#include "tools/lumo/commands.h"

namespace lumo::cli {

namespace {

struct Subcommand {
  std::function<int(const Arguments&, std::ostream&, std::ostream&)> run;
  const char* summary;
};

const std::map<std::string, Subcommand>& Subcommands() {
  static const std::map<std::string, Subcommand> commands = {
      {"expand",
       {ExpandCommand,
        "expand IN.lcr OUT [--parts DIR] [--work DIR]\n"
        "           flatten a hierarchical circuit file"}},
      {"convert",
       {ConvertCommand,
        "convert SCHEMATIC.ldr OUT.lcr [--sys DIR] [--work DIR]\n"
        "           convert a schematic into a circuit file"}},
      {"check",
       {CheckCommand,
        "check SCHEMATIC.ldr --expect FILE.lex [--pattern P] [--report FILE.json]\n"
        "           [--write-expect FILE.lex]  compare a run's outputs with expected ones\n"
        "  check --class DIR --expect FILE.lex [--jobs N] [--time-limit S] [--out DIR]\n"
        "           check every submission of a class folder"}},
      {"export",
       {ExportCommand,
        "export SCHEMATIC.ldr --verilog OUT.v [--testbench TB.v] [--pattern P.lpt] [--work DIR]\n"
        "           write a schematic as a Verilog module and testbench"}},
      {"list", {ListCommand, "list FILE  print every expression of a list file in file form"}},
      {"run",
       {RunCommand,
        "run SCHEMATIC.ldr [PATTERN.lpt] [--work DIR] [--vcd OUT.vcd] [--reglog FILE]\n"
        "           [--png OUT.png] [--changes] [--no-wait]  simulate a schematic and print\n"
        "           its waveforms"}},
      {"simulate",
       {SimulateCommand,
        "simulate --delays F --circuit F --pattern F [--commands F] --out F [--reglog F]\n"
        "           [--stats F]  run one simulation from files"}},
#ifdef LUMO_WITH_QT
      {"symbols",
       {[](const Arguments& args, std::ostream&, std::ostream& err) {
          return RunDrawingTool("symbols", args, err);
        },
        "symbols [--lib FILE] [--folder DIR] [--orientation 0-7] [--logic p|n] --png OUT.png\n"
        "           draw every symbol of a library or folder into a PNG"}},
#endif
  };
  return commands;
}

void PrintHelp(std::ostream& out) {
  out << "usage: lumo COMMAND [ARGS...]\n\ncommands:\n";
  for (const auto& [name, command] : Subcommands())
    out << "  " << command.summary << "\n";
}

}  // namespace

int RunGuarded(const std::string& name, const std::function<int()>& run, std::ostream& err) {
  try {
    return run();
  } catch (const std::bad_alloc&) {
    err << "lumo " << name << ": out of memory (メモリが足りません); " << name << " stopped\n";
    return kFailed;
  } catch (const std::ios_base::failure& failure) {
    // Files are opened through OpenInputFile; this is the last line only.
    err << "lumo " << name << ": read error (" << failure.what() << ")\n";
    return kFailed;
  }
}

int Main(const Arguments& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    PrintHelp(err);
    return kUsage;
  }
  if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    PrintHelp(out);
    return kOk;
  }
  const auto found = Subcommands().find(args[0]);
  if (found == Subcommands().end()) {
    err << "lumo: unknown command " << args[0] << "\n";
    PrintHelp(err);
    return kUsage;
  }
  const Arguments rest(args.begin() + 1, args.end());
  return RunGuarded(
      args[0], [&] { return found->second.run(rest, out, err); }, err);
}

}  // namespace lumo::cli
