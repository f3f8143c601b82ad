// What lumo export writes apart from its behaviour: legal and distinct
// Verilog names, byte-identical files for the same schematic, and refusals.

#include <gtest/gtest.h>

#include <sstream>

#include "circuit/bus_signal_counter.h"
#include "circuit/circuit_store.h"
#include "common/recording_message_host.h"
#include "export/verilog_names.h"
#include "export/verilog_road.h"
#include "lists/error_table.h"
#include "primitives/primitive_table.h"
#include "tests/export/verilog_check.h"
#include "tests/samples/sample_runner.h"
#include "tools/lumo/commands.h"
#include "workflow/run_lock.h"

namespace lumo::testing {
namespace {

TEST(VerilogNames, IllegalNamesAreEscapedOrSpelledInBytes) {
  EXPECT_EQ(VerilogIdentifier("CLK"), "CLK");
  EXPECT_EQ(VerilogIdentifier("_a$1"), "_a$1");
  // Generated names, leading digits, keywords and expanded names escape.
  EXPECT_EQ(VerilogIdentifier("*s0"), "\\*s0 ");
  EXPECT_EQ(VerilogIdentifier("1st"), "\\1st ");
  EXPECT_EQ(VerilogIdentifier("wire"), "\\wire ");
  EXPECT_EQ(VerilogIdentifier("U1-g2"), "\\U1-g2 ");
  // Bytes outside printable ASCII cannot be escaped: "ル" and a blank.
  EXPECT_EQ(VerilogIdentifier("ル"), "n_e383ab");
  EXPECT_EQ(VerilogIdentifier("a b"), "n_612062");
  EXPECT_EQ(VerilogString("a\"b\\ル"), "\"a\\042b\\134\\343\\203\\253\"");
}

TEST(VerilogNames, ScopeNeverHandsOutANameTwice) {
  VerilogScope scope;
  scope.Reserve("lumo_ctl");
  EXPECT_EQ(scope.Take("A"), "A");
  EXPECT_EQ(scope.Take("A"), "A_2");
  EXPECT_EQ(scope.Take("A_2"), "A_2_2");
  EXPECT_EQ(scope.Take("lumo_ctl"), "lumo_ctl_2");
  EXPECT_EQ(scope.Take("*s1"), "\\*s1 ");
  EXPECT_EQ(scope.Take("*s1"), "\\*s1_2 ");
  // A name spelled like the bytes of another does not take its place.
  EXPECT_EQ(scope.Take("n_e383ab"), "n_e383ab");
  EXPECT_EQ(scope.Take("ル"), "n_e383ab_2");
}

// Every primitive a circuit can hold once expanded has its cell, with a port
// for each of its pins: a primitive added to the table without one would be
// exported into a module that does not elaborate.
TEST(VerilogCells, EveryPrimitiveHasItsCell) {
  const std::string cells = FileText(SystemFolder() / kVerilogCellsFile);
  int checked = 0;
  for (const PrimitiveFunction& function : kPrimitiveFunctions) {
    if (function.simulation == Simulation::kCircuitPin) continue;
    const std::string module = "module lumo" + std::string(function.name) + " ";
    const std::size_t start = cells.find(module);
    ASSERT_NE(start, std::string::npos) << function.name;
    const std::string header = cells.substr(start, cells.find(");", start) - start);
    for (const auto& pin : function.pins) {
      const std::string name(pin.name);
      // The port in the port list: after a blank or "]" and before "," or
      // the end of the list.
      bool found = false;
      for (std::size_t at = header.find(name); at != std::string::npos;
           at = header.find(name, at + 1)) {
        const char before = header[at - 1];
        const char after = at + name.size() < header.size() ? header[at + name.size()] : ',';
        found |= (before == ' ' || before == ']') && (after == ',' || after == '\n');
      }
      EXPECT_TRUE(found) << function.name << " lacks the port " << name;
    }
    ++checked;
  }
  EXPECT_GE(checked, 40);
}

int Lumo(const cli::Arguments& args, std::string* err_text = nullptr) {
  std::ostringstream out, err;
  const int code = cli::Main(args, out, err);
  if (err_text != nullptr) *err_text = err.str();
  return code;
}

// Two exports of one schematic are the same bytes; names of every kind
// appear in the header beside their Verilog names.
TEST(VerilogExport, SameSchematicSameBytes) {
  WorkFolder work("vlog_bytes");
  work.CopyFilesOf(SampleFolder());
  const std::string sys = SystemFolder().string();
  for (const std::string name : {"regmem", "add4"}) {
    std::string texts[2];
    for (int i = 0; i < 2; ++i) {
      const fs::path out = work / (name + std::to_string(i));
      fs::create_directories(out);
      ASSERT_EQ(Lumo({"export", (work / (name + ".ldr")).string(), "--verilog",
                      (out / "c.v").string(), "--testbench", (out / "tb.v").string(), "--sys", sys,
                      "--work", work.path().string()}),
                0);
      texts[i] = FileText(out / "c.v") + FileText(out / "tb.v");
      EXPECT_EQ(FileText(out / kVerilogCellsFile), FileText(SystemFolder() / kVerilogCellsFile));
    }
    EXPECT_EQ(texts[0], texts[1]) << name;
    EXPECT_NE(texts[0].find("module " + std::string(name) + " ("), std::string::npos);
  }
  // The generated names of regmem and their Verilog spelling.
  const std::string text = FileText(work / "regmem0" / "c.v");
  EXPECT_NE(text.find("//   net       \\*s"), std::string::npos) << text;
  // The memory data of the pattern reaches the testbench.
  EXPECT_NE(FileText(work / "regmem0" / "tb.v").find(".words[1] = 8'b00110100;"),
            std::string::npos);
}

// A circuit named like a cell and pins named like the testbench's own
// names still make a module and testbench that compile and run.
TEST(VerilogExport, NamesOfTheCellsAndTestbenchStayTheirs) {
  WorkFolder work("vlog_taken");
  WriteText(work / "LumoExp.tmp",
            "(lumo_not)\n  (lumo_not lumo_not) (g _not) ()\n  (dut) (shown) ()\n"
            "  (lumo_not dut dut) (lumo_not shown shown) (g a dut) (g y shown) ()\n");
  WriteText(work / "p.lpt", "a dut 2\n 0 0 10 1\ne\n");
  RecordingMessageHost messages;
  ErrorTable errors;
  CircuitStore store;
  BusSignalCounter bus_signals;
  std::ostringstream statistics;
  const RunSetup setup{.messages = messages,
                       .errors = errors,
                       .store = store,
                       .bus_signals = bus_signals,
                       .folders = {SystemFolder().string(), work.path().string()},
                       .statistics = statistics};
  VerilogOptions options;
  options.pins = {{"dut", PinDirection::kInput}, {"shown", PinDirection::kOutput}};
  VerilogText text;
  ASSERT_TRUE(ExportExpanded(setup, (work / "p.lpt").string(), options, text));
  EXPECT_EQ(text.module_name, "lumo_not_2");
  WriteText(work / "t.v", text.module + text.testbench);
  const std::string printed =
      RunIcarus(work.path().string(), {"t.v", (SystemFolder() / kVerilogCellsFile).string()},
                {text.testbench_name});
  EXPECT_NE(printed.find("lumo_not.shown 11 0"), std::string::npos) << printed;
}

TEST(VerilogExport, RefusesWhatCannotBeExported) {
  WorkFolder work("vlog_refuse");
  work.CopyFilesOf(SampleFolder());
  const std::string sys = SystemFolder().string();
  std::string err;
  // No --verilog, or two schematics.
  EXPECT_EQ(Lumo({"export", (work / "fulladd.ldr").string()}), cli::kUsage);
  EXPECT_EQ(Lumo({"export", "a.ldr", "b.ldr", "--verilog", "x.v"}), cli::kUsage);
  // A sub-circuit whose circuit file is nowhere cannot be simulated, so it
  // cannot be exported either; nothing is written.
  fs::remove(work / "nandxor.lcr");
  fs::remove(work / "nandxor.ldr");
  const fs::path out = work / "out" / "p.v";
  fs::create_directories(out.parent_path());
  EXPECT_EQ(Lumo({"export", (work / "parity4.ldr").string(), "--verilog", out.string(), "--sys",
                  sys, "--work", work.path().string()},
                 &err),
            cli::kFailed);
  EXPECT_NE(err.find("nandxor"), std::string::npos) << err;
  EXPECT_FALSE(fs::exists(out));
  // Not while another run uses the working folder.
  {
    RunLock other(work.path().string());
    ASSERT_EQ(other.TryTake(), RunLock::State::kHeld);
    EXPECT_EQ(Lumo({"export", (work / "fulladd.ldr").string(), "--verilog",
                    (work / "out" / "f.v").string(), "--sys", sys, "--work", work.path().string()},
                   &err),
              cli::kFailed);
    EXPECT_NE(err.find("another run"), std::string::npos) << err;
    EXPECT_FALSE(fs::exists(work / "out" / "f.v"));
  }
  // A folder that cannot be written is reported, not passed over.
  EXPECT_EQ(
      Lumo({"export", (work / "fulladd.ldr").string(), "--verilog",
            (work / "no" / "such" / "f.v").string(), "--sys", sys, "--work", work.path().string()},
           &err),
      cli::kFailed);
  EXPECT_NE(err.find("f.v"), std::string::npos) << err;
}

}  // namespace
}  // namespace lumo::testing
