#pragma once

#include <map>
#include <string>

#include "export/verilog_export.h"
#include "pattern/pat.h"
#include "schematic/draw.h"
#include "workflow/run_setup.h"

namespace lumo {

// The cell library in the system folder, copied beside every export.
inline constexpr const char* kVerilogCellsFile = "lumocad_cells.v";
// The input pattern an export reads, written into the working folder.
inline constexpr const char* kVerilogPatternFile = "LumoVer.tmp";

// The direction of every pin the schematic draws: _in, _out, _io.
std::map<std::string, PinDirection> PinDirections(const Draw& draw);

// Loads an expanded circuit with its delays, input pattern and commands as
// a run does, without running it, and writes it as Verilog. False after a
// message (the run's own) when something does not load.
bool ExportExpanded(const RunSetup& setup, const std::string& pattern_path,
                    const VerilogOptions& options, VerilogText& text);

// The pattern an export drives, as a run takes it: a row per input pin of
// the schematic, its memories, the file `path` when there is one, and 0 at
// time 0 for every input without a change. False when the file does not
// read whole (its warning has been shown).
bool ExportPattern(Pat& pattern, const Draw& draw, const std::string& path);

// The road of an export from a saved schematic: converts and expands its
// file, writes `pattern` as the run's input into the working folder, then
// ExportExpanded. The store is empty afterwards.
bool ExportSchematic(const RunSetup& setup, const Draw& draw, const Pat& pattern,
                     VerilogOptions options, VerilogText& text);

// Writes the module to `verilog_path`, the cell library beside it and, when
// `testbench_path` is not empty, the testbench; each file whole or not at
// all. False after a message naming the file that could not be written.
bool WriteVerilogFiles(MessageHost& messages, const VerilogText& text,
                       const std::string& system_folder, const std::string& verilog_path,
                       const std::string& testbench_path);

}  // namespace lumo
