// Icarus Verilog, run on what lumo export writes, must print the same output
// changes as the simulator: for every sample, every library circuit and a
// few hundred seeded random circuits.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <set>
#include <sstream>

#include "circuit/bus_signal_counter.h"
#include "circuit/circuit_errors.h"
#include "circuit/circuit_store.h"
#include "common/recording_message_host.h"
#include "export/verilog_road.h"
#include "lists/error_table.h"
#include "tests/export/verilog_check.h"
#include "tests/samples/sample_runner.h"
#include "tools/lumo/commands.h"

namespace lumo::testing {
namespace {

void Report(const std::string& what, const Agreement& agreement) {
  std::cout << what << ": " << agreement.circuits << " circuits, " << agreement.changes
            << " output changes compared, " << agreement.mismatches << " mismatches\n";
  if (agreement.mismatches > 0) std::cout << "  first: " << agreement.first_difference << "\n";
}

int Lumo(const cli::Arguments& args) {
  std::ostringstream out, err;
  return cli::Main(args, out, err);
}

// Runs and exports every schematic of `folder` (already holding its
// patterns), one Icarus run each, and compares.
void AgreeOnSchematics(const WorkFolder& work, const std::vector<std::string>& names,
                       Agreement& agreement) {
  const std::string sys = SystemFolder().string();
  for (const std::string& name : names) {
    const std::string schematic = (work / (name + ".ldr")).string();
    Lumo({"run", schematic, "--sys", sys, "--work", work.path().string()});
    const std::string ours = FileText(work / "LumoOut.tmp");
    const fs::path out = work / ("v_" + name);
    fs::create_directories(out);
    ASSERT_EQ(
        Lumo({"export", schematic, "--verilog", (out / (name + ".v")).string(), "--testbench",
              (out / (name + "_tb.v")).string(), "--sys", sys, "--work", work.path().string()}),
        0)
        << name;
    const std::string printed =
        RunIcarus(out.string(), {name + ".v", name + "_tb.v", kVerilogCellsFile}, {name + "_tb"});
    ASSERT_FALSE(ours.empty()) << name;
    Compare(name, ReadChanges(ours), ReadChanges(printed), agreement);
    WriteText(out / "lumo.txt", ours);
  }
  if (const char* keep = std::getenv("LUMO_KEEP_EXPORTS"); keep != nullptr)
    fs::copy(work.path(), keep, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

TEST(VerilogAgreement, Samples) {
  WorkFolder work("vlog_samples");
  work.CopyFilesOf(SampleFolder());
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(work.path()))
    if (entry.path().extension() == ".ldr") names.push_back(entry.path().stem().string());
  std::sort(names.begin(), names.end());
  ASSERT_GE(names.size(), 9u);
  Agreement agreement;
  AgreeOnSchematics(work, names, agreement);
  Report("samples", agreement);
  EXPECT_EQ(agreement.mismatches, 0) << agreement.first_difference;
}

// Each library circuit with random values on its inputs: a first run writes
// the pattern with a row per input pin, which is then filled.
TEST(VerilogAgreement, LibraryCircuits) {
  WorkFolder work("vlog_parts");
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(PartsFolder()))
    if (entry.path().extension() == ".ldr") {
      fs::copy_file(entry.path(), work / entry.path().filename());
      names.push_back(entry.path().stem().string());
    }
  std::sort(names.begin(), names.end());
  ASSERT_GE(names.size(), 5u);
  std::mt19937 random(7);
  for (const std::string& name : names) {
    const fs::path pattern = work / (name + "[0].lpt");
    Lumo({"run", (work / (name + ".ldr")).string(), "--sys", SystemFolder().string(), "--work",
          work.path().string()});
    std::istringstream rows(FileText(pattern));
    std::ostringstream filled;
    std::string word, pin;
    while (rows >> word)
      if (word == "a" && rows >> pin) {
        filled << "a " << pin << " 24\n";
        for (int i = 0; i < 24; ++i)
          filled << " " << i * 30 + static_cast<int>(random() % 3) * 5 << " " << random() % 2;
        filled << "\n";
      }
    filled << "e\n";
    WriteText(pattern, filled.str());
  }
  Agreement agreement;
  AgreeOnSchematics(work, names, agreement);
  Report("library circuits", agreement);
  EXPECT_EQ(agreement.mismatches, 0) << agreement.first_difference;
}

// A small generator of flat circuits: input pins, then elements whose
// inputs come from pins, constants and earlier outputs, each output on a
// signal of its own and an output pin on every one.
struct RandomCircuit {
  std::string lcr;
  std::string pattern;
  std::map<std::string, PinDirection> pins;
  // The output pins by the terminal that drives them ("g0.y").
  std::map<std::string, std::string> drivers;
};

RandomCircuit MakeCircuit(int index, std::mt19937& random) {
  struct Kind {
    const char* function;
    std::vector<const char*> inputs;
    std::vector<const char*> outputs;
  };
  static const std::vector<Kind> kinds = {
      {"_not", {"a"}, {"y"}},
      {"_and2", {"a", "b"}, {"y"}},
      {"_nand3", {"a", "b", "c"}, {"y"}},
      {"_or2", {"a", "b"}, {"y"}},
      {"_nor4", {"a", "b", "c", "d"}, {"y"}},
      {"_exor2", {"a", "b"}, {"y"}},
      {"_exor3", {"a", "b", "c"}, {"y"}},
      {"_mux", {"a", "b", "s"}, {"y"}},
      {"_ptri", {"a", "c"}, {"y"}},
      {"_ntriinv", {"a", "c"}, {"y"}},
      {"_cmp", {"a", "b"}, {"eq", "gt", "lt"}},
      {"_rslatch", {"r", "s"}, {"q", "qn"}},
      {"_dffr", {"d", "r", "t"}, {"q", "qn"}},
      {"_dffrs", {"d", "r", "s", "t"}, {"q", "qn"}},
      {"_jkffr", {"j", "k", "r", "t"}, {"q", "qn"}},
      {"_jkffrs", {"j", "k", "r", "s", "t"}, {"q", "qn"}},
      {"_jkffrs2", {"j", "k", "r", "s", "t"}, {"q", "qn"}},
      {"_reg", {"d", "k", "r"}, {"q"}},
      {"_cnt", {"d", "l", "r", "t"}, {"q"}},
      {"_mem", {"a", "d", "r", "w"}, {"q"}},
  };
  const std::string circuit = "r" + std::to_string(index);
  RandomCircuit result;
  std::vector<std::string> sources;  // signals that have a driver
  std::vector<std::string> elements, signals, terminals;
  const int inputs = 2 + static_cast<int>(random() % 4);
  for (int i = 0; i < inputs; ++i) {
    const std::string pin = "i" + std::to_string(i);
    result.pins[pin] = PinDirection::kInput;
    signals.push_back("n" + pin);
    sources.push_back("n" + pin);
    terminals.push_back("(" + circuit + " " + pin + " n" + pin + ")");
    std::ostringstream row;
    const int changes = 3 + static_cast<int>(random() % 8);
    row << "a " << pin << " " << changes << "\n";
    int time = 0;
    for (int c = 0; c < changes; ++c) {
      row << " " << time << " " << (random() % 9 == 0 ? "x" : std::to_string(c % 2 ^ i % 2));
      time += 1 + static_cast<int>(random() % 12);
    }
    result.pattern += row.str() + "\n";
  }
  if (random() % 2 == 0) {
    elements.push_back("(k1 _1)");
    signals.push_back("one");
    sources.push_back("one");
    terminals.push_back("(k1 y one)");
  }
  const int count = 2 + static_cast<int>(random() % 7);
  int outputs = 0;
  // Data inputs of flip-flops, registers and memories left to be fed from
  // any output, later ones too: loops that only a clock closes. Each with
  // its place among the terminals and the signals its element uses.
  struct Feedback {
    std::size_t terminal;
    std::string element, input;
    std::set<std::string> used;
  };
  std::vector<Feedback> feedback;
  for (int e = 0; e < count; ++e) {
    // Two inputs of one element on one signal take its value in the
    // signal's order, which Verilog leaves open: every input has a signal
    // of its own, and an element with more inputs than there are signals
    // yet is drawn again.
    const Kind* pick = &kinds[random() % kinds.size()];
    while (pick->inputs.size() > sources.size())
      pick = &kinds[random() % kinds.size()];
    const Kind& kind = *pick;
    const std::string name = "g" + std::to_string(e);
    elements.push_back("(" + name + " " + kind.function + ")");
    std::vector<std::pair<std::string, std::string>> pins;
    std::set<std::string> used;
    for (const char* input : kind.inputs) {
      std::string source = sources[random() % sources.size()];
      while (used.count(source) != 0)
        source = sources[random() % sources.size()];
      used.insert(source);
      pins.emplace_back(input, source);
    }
    for (const char* output : kind.outputs) {
      const std::string signal = name + "_" + output;
      pins.emplace_back(output, signal);
      signals.push_back(signal);
      // Tristate outputs feed nothing but their pin (z is not passed on),
      // nor do values wider than a bit (a gate fed values of two widths is
      // outside what Verilog says the same way).
      const std::string function = kind.function;
      if (function.find("tri") == std::string::npos && function != "_cnt")
        sources.push_back(signal);
      const std::string pin = "o" + std::to_string(outputs++);
      result.pins[pin] = PinDirection::kOutput;
      result.drivers[name + "." + output] = circuit + "." + pin;
      terminals.push_back("(" + circuit + " " + pin + " " + signal + ")");
    }
    std::sort(pins.begin(), pins.end());
    for (const auto& [terminal, signal] : pins) {
      const bool data = terminal == "d" || terminal == "j" || terminal == "k";
      const bool clocked = kind.outputs[0] == std::string("q") &&
                           kind.function != std::string("_cnt") &&
                           kind.function != std::string("_rslatch");
      if (data && clocked && random() % 3 == 0)
        feedback.push_back({terminals.size(), name, terminal, used});
      terminals.push_back("(" + name + " " + terminal + " " + signal + ")");
    }
  }
  for (Feedback& loop : feedback) {
    std::string source = sources[random() % sources.size()];
    for (int tries = 0; loop.used.count(source) != 0 && tries < 20; ++tries)
      source = sources[random() % sources.size()];
    if (loop.used.count(source) == 0)
      terminals[loop.terminal] = "(" + loop.element + " " + loop.input + " " + source + ")";
  }
  std::ostringstream lcr;
  lcr << "(" << circuit << ")\n  (" << circuit << " " << circuit << ")";
  for (const std::string& element : elements)
    lcr << " " << element;
  lcr << " ()\n ";
  for (const std::string& signal : signals)
    lcr << " (" << signal << ")";
  lcr << " ()\n ";
  for (const std::string& terminal : terminals)
    lcr << " " << terminal;
  lcr << " ()\n";
  result.lcr = lcr.str();
  result.pattern += "e\n";
  return result;
}

TEST(VerilogAgreement, RandomCircuits) {
  WorkFolder work("vlog_random");
  const fs::path out = work / "verilog";
  fs::create_directories(out);
  ErrorTable errors;
  RegisterCircuitErrors(errors);
  std::mt19937 random(20261207);
  std::map<std::string, Changes> ours;
  std::map<std::string, std::string> sources;  // to show a circuit that disagrees
  std::vector<std::string> files = {(SystemFolder() / kVerilogCellsFile).string()};
  std::vector<std::string> tops;
  // Every driver's changes written, x and z too: what a pin settles on at a
  // time is its driver's last change then.
  WriteText(work / "commands.txt", "save_all\nend\n");
  constexpr int kCircuits = 300;
  for (int i = 0; i < kCircuits; ++i) {
    const RandomCircuit circuit = MakeCircuit(i, random);
    WriteText(work / "LumoExp.tmp", circuit.lcr);
    WriteText(work / "pattern.lpt", circuit.pattern);
    RecordingMessageHost messages;
    CircuitStore store;
    BusSignalCounter bus_signals;
    std::ostringstream statistics;
    const RunSetup setup{.messages = messages,
                         .errors = errors,
                         .store = store,
                         .bus_signals = bus_signals,
                         .folders = {SystemFolder().string(), work.path().string()},
                         .statistics = statistics};
    {
      Simulator simulator({messages, store, nullptr, nullptr, {}});
      simulator.Run(setup.folders.Delays(), setup.folders.Expanded(),
                    (work / "commands.txt").string(), (work / "pattern.lpt").string(),
                    (work / "out.tmp").string());
      store.Clear();
    }
    // A run that ends only in the report of unknown values has written all
    // its output; any other failure would be a fault of the generator.
    for (const Message& message : messages.Messages())
      ASSERT_NE(message.text.find("不定"), std::string::npos) << circuit.lcr << message.text;
    VerilogOptions options;
    options.pins = circuit.pins;
    options.finish = false;
    options.pins_show_unknown = true;
    VerilogText text;
    ASSERT_TRUE(ExportExpanded(setup, (work / "pattern.lpt").string(), options, text));
    const std::string name = "r" + std::to_string(i);
    WriteText(out / (name + ".v"), text.module + text.testbench);
    files.push_back(name + ".v");
    tops.push_back(text.testbench_name);
    std::istringstream lines(FileText(work / "out.tmp"));
    std::string line, settled;
    while (std::getline(lines, line)) {
      const std::string who = line.substr(0, line.find(' '));
      const auto driver = circuit.drivers.find(who);
      if (driver != circuit.drivers.end())
        settled += driver->second + line.substr(who.size()) + "\n";
      else if (who.starts_with(name + ".i"))
        settled += line + "\n";
    }
    ours[name] = ReadChanges(settled, true);
    WriteText(out / (name + ".lumo"), FileText(work / "out.tmp"));
    sources[name] = circuit.lcr + circuit.pattern + FileText(work / "out.tmp");
  }
  // One compile for all: every testbench prints its own circuit's names.
  const Changes theirs = ReadChanges(RunIcarus(out.string(), files, tops), true);
  Agreement agreement;
  std::string shown;
  for (const auto& [name, changes] : ours) {
    Changes mine;
    for (const auto& [line, row] : theirs)
      if (line.starts_with(name + ".")) mine[line] = row;
    const long before = agreement.mismatches;
    Compare(name, changes, mine, agreement);
    if (before == 0 && agreement.mismatches > 0) {
      shown = sources[name] + "Icarus:\n";
      for (const auto& [line, row] : mine)
        for (const auto& [time, value] : row)
          shown += line + " " + std::to_string(time) + " " + value + "\n";
    }
  }
  Report("random circuits", agreement);
  // LUMO_KEEP_EXPORTS=DIR keeps the circuits and both sides' lines there.
  if (const char* keep = std::getenv("LUMO_KEEP_EXPORTS"); keep != nullptr) {
    WriteText(out / "printed.txt", FileText(out / "printed.txt"));
    fs::copy(out, keep, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  }
  EXPECT_EQ(agreement.circuits, kCircuits);
  EXPECT_GT(agreement.changes, 10 * kCircuits);
  EXPECT_EQ(agreement.mismatches, 0) << agreement.first_difference << "\n" << shown;
}

}  // namespace
}  // namespace lumo::testing
