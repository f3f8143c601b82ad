#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace lumo::cli {

// Exit codes of every subcommand.
inline constexpr int kOk = 0;
inline constexpr int kFailed = 1;
inline constexpr int kUsage = 2;

using Arguments = std::vector<std::string>;

// Each subcommand takes its arguments (without the subcommand word) and the
// two output streams, and returns the exit code.
int ListCommand(const Arguments& args, std::ostream& out, std::ostream& err);
int RunCommand(const Arguments& args, std::ostream& out, std::ostream& err);
int SimulateCommand(const Arguments& args, std::ostream& out, std::ostream& err);

// Flattens a hierarchical circuit file.
int ExpandCommand(const Arguments& args, std::ostream& out, std::ostream& err);

// Draws symbols into a PNG; only in builds with Qt (LUMO_WITH_QT), in the
// program lumo-draw beside lumo, so that lumo itself loads no Qt.
int SymbolsCommand(const Arguments& args, std::ostream& out, std::ostream& err);

// Draws the rows of a run (its input pattern file read back, and its output
// file when given) into a PNG; in lumo-draw, started by lumo run --png.
int WaveformsCommand(const Arguments& args, std::ostream& out, std::ostream& err);

// Runs `command` of lumo-draw in place of this process; returns only when
// lumo-draw cannot be started.
int RunDrawingTool(const std::string& command, const Arguments& args, std::ostream& err);
// Runs `command` of lumo-draw as a child and waits for it: its exit code,
// or kFailed after a message when it cannot be started.
int CallDrawingTool(const std::string& command, const Arguments& args, std::ostream& err);

// Converts a schematic file into a circuit file.
int ConvertCommand(const Arguments& args, std::ostream& out, std::ostream& err);

// Checks schematics against an expected-output file (one, or a class folder).
int CheckCommand(const Arguments& args, std::ostream& out, std::ostream& err);
// Writes a schematic as a Verilog module and testbench.
int ExportCommand(const Arguments& args, std::ostream& out, std::ostream& err);

// Runs one subcommand `name`; running out of memory or a stream's read error
// ends it with a message and kFailed instead of aborting the process.
int RunGuarded(const std::string& name, const std::function<int()>& run, std::ostream& err);

// Runs the tool: argv without the program name.
int Main(const Arguments& args, std::ostream& out, std::ostream& err);

}  // namespace lumo::cli
