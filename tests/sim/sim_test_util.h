#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "circuit/circuit_store.h"
#include "common/recording_message_host.h"
#include "sim/register_transfer.h"
#include "sim/simulator.h"
#include "tests/support/test_folder.h"

namespace lumo::testing {

// One element of a test circuit: its pins and the signal each lies on ("" for
// none).
struct Part {
  std::string name;
  std::string function;
  std::vector<std::pair<std::string, std::string>> pins;
};

// A circuit file named `name` whose pins lie on signals of the same names.
inline std::string CircuitText(const std::string& name, const std::vector<std::string>& pins,
                               const std::vector<Part>& parts) {
  std::vector<std::string> signals = pins;
  for (const Part& part : parts)
    for (const auto& [pin, signal] : part.pins)
      if (!signal.empty() && std::find(signals.begin(), signals.end(), signal) == signals.end())
        signals.push_back(signal);
  std::string text = "(" + name + ")\n  (" + name + " " + name + ")";
  for (const Part& part : parts)
    text += " (" + part.name + " " + part.function + ")";
  text += " ()\n  ";
  for (const std::string& signal : signals)
    text += "(" + signal + ") ";
  text += "()\n  ";
  for (const std::string& pin : pins)
    text += "(" + name + " " + pin + " " + pin + ") ";
  for (const Part& part : parts)
    for (const auto& [pin, signal] : part.pins)
      text += "(" + part.name + " " + pin + " " + (signal.empty() ? "()" : signal) + ") ";
  return text + "()\n";
}

// Delays for every primitive: gates and flip-flops 1, storage outputs 2.
inline const char* kTestDelays =
    "((_not (a 0 0) (y 1 1))\n"
    " (_and2 (a 0 0) (b 0 0) (y 1 1)) (_and3 (a 0 0) (b 0 0) (c 0 0) (y 1 1))\n"
    " (_nand2 (a 0 0) (b 0 0) (y 1 1)) (_or2 (a 0 0) (b 0 0) (y 1 1))\n"
    " (_nor2 (a 0 0) (b 0 0) (y 1 1)) (_exor2 (a 0 0) (b 0 0) (y 1 1))\n"
    " (_nand3 (a 0 0) (b 0 0) (c 0 0) (y 1 1))\n"
    " (_ptri (a 0 0) (c 0 0) (y 1 1)) (_ntri (a 0 0) (c 0 0) (y 1 1))\n"
    " (_ptriinv (a 0 0) (c 0 0) (y 1 1)) (_ntriinv (a 0 0) (c 0 0) (y 1 1))\n"
    " (_cmp (a 0 0) (b 0 0) (eq 1 1) (gt 1 1) (lt 1 1))\n"
    " (_rslatch (q 1 1) (qn 1 1) (r 0 0) (s 0 0))\n"
    " (_dffr (d 0 0) (q 1 1) (qn 1 1) (r 0 0) (t 0 0))\n"
    " (_dffrs (d 0 0) (q 1 1) (qn 1 1) (r 0 0) (s 0 0) (t 0 0))\n"
    " (_jkffr (j 0 0) (k 0 0) (q 1 1) (qn 1 1) (r 0 0) (t 0 0))\n"
    " (_jkffrs (j 0 0) (k 0 0) (q 1 1) (qn 1 1) (r 0 0) (s 0 0) (t 0 0))\n"
    " (_jkffrs2 (j 0 0) (k 0 0) (q 1 1) (qn 1 1) (r 0 0) (s 0 0) (t 0 0))\n"
    " (_mux (a 0 0) (b 0 0) (s 0 0) (y 1 1))\n"
    " (_line2 (a 0 0) (b 0 0) (y 0 0)) (_line3 (a 0 0) (b 0 0) (c 0 0) (y 0 0))\n"
    " (_reg (d 0 0) (k 0 0) (q 2 2) (r 0 0))\n"
    " (_cnt (d 0 0) (l 0 0) (q 2 2) (r 0 0) (t 0 0))\n"
    " (_mem (a 0 0) (d 0 0) (q 2 2) (r 0 0) (w 0 0))\n"
    " (_0 (y 0 0)) (_1 (y 0 0)))\n";

// Runs the simulator on files written from text, in a fresh folder.
class SimulationTest : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) const { return folder_.Path(name); }
  void Write(const std::string& name, const std::string& text) const { folder_.Write(name, text); }

  // Runs with `delays` (default kTestDelays) and, when set, `commands`.
  bool Run(const std::string& circuit, const std::string& pattern) {
    store.Clear();
    Write("delays.dly", delays);
    Write("circuit.lcr", circuit);
    Write("pattern.lpt", pattern);
    if (!commands.empty()) Write("commands.cmd", commands);
    simulator_ = std::make_unique<Simulator>(
        SimulatorSetup{messages, store, &log, &statistics, {}, control, trace});
    return simulator_->Run(Path("delays.dly"), Path("circuit.lcr"), Path("commands.cmd"),
                           Path("pattern.lpt"), Path("out.tmp"));
  }

  std::vector<std::string> OutputLines() const {
    std::ifstream in(Path("out.tmp"), std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
      lines.push_back(line);
    return lines;
  }

  // The value left on terminal `element`.`terminal` after the run.
  std::string ValueOf(const std::string& element, const std::string& terminal) {
    const Netlist& netlist = simulator_->kernel().netlist();
    for (std::uint32_t t = 0; t < netlist.terminals.size(); ++t)
      if (netlist.element_names[netlist.terminals[t].element] == element &&
          netlist.terminal_names[t] == terminal)
        return simulator_->kernel().Text(t);
    ADD_FAILURE() << "no terminal " << element << "." << terminal;
    return {};
  }

  std::string delays = kTestDelays;
  std::string commands;
  RunControl* control = nullptr;
  SignalTrace* trace = nullptr;
  RecordingMessageHost messages;
  RecordingRegisterTransferSink log;
  std::ostringstream statistics;
  CircuitStore store;
  std::unique_ptr<Simulator> simulator_;

 private:
  TemporaryFolder folder_;
};

}  // namespace lumo::testing
