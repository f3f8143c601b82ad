// Times the expansion of a 4-level hierarchy: the top holds N blocks, a block
// 10 rows, a row 10 cells and a bus (two _line2 elements), a cell 10 gates;
// so the flat circuit has 1,000 N elements. Runs N = 25, 50 and 100 (100,000
// elements) to show that the time grows linearly. Usage: expand [folder
// [blocks...]] (default: the temporary folder, 25 50 100); the files are
// removed afterwards. Each size is timed again with the log of renamed
// signals that a traced run of the windows keeps.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "circuit/circuit_errors.h"
#include "circuit/circuit_file.h"
#include "circuit/circuit_store.h"
#include "circuit/hierarchy_expander.h"
#include "circuit/signal_merge_log.h"
#include "common/recording_message_host.h"
#include "lists/list_errors.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kRepeats = 3;

// Builds one circuit file: `pins` become the pins of the circuit, each
// element is (name, function, {terminal, signal}...) with "" for no signal.
struct ElementPlan {
  std::string name;
  std::string function;
  std::vector<std::pair<std::string, std::string>> pins;
};

void WriteFile(const fs::path& path, const std::string& name,
               const std::vector<std::pair<std::string, std::string>>& pins,
               const std::vector<ElementPlan>& elements) {
  lumo::CircuitStore store;
  lumo::Circuit& circuit = store.AddCircuit(name);
  const auto signal = [&circuit](const std::string& signal_name) -> lumo::Signal& {
    if (lumo::Signal* found = circuit.FindSignal(signal_name)) return *found;
    return circuit.AddSignal(signal_name);
  };
  for (const ElementPlan& plan : elements) {
    lumo::Element& element = circuit.AddElement(plan.name, store.Function(plan.function));
    for (const auto& [terminal, signal_name] : plan.pins) {
      lumo::Terminal& pin = element.AddTerminal(terminal);
      if (!signal_name.empty()) pin.ConnectTo(signal(signal_name));
    }
  }
  lumo::Element& io = circuit.AddElement(name, store.Function(name));
  for (const auto& [terminal, signal_name] : pins)
    io.AddTerminal(terminal).ConnectTo(signal(signal_name));
  if (!lumo::WriteCircuitFile(circuit, path.string())) throw std::runtime_error(path.string());
}

std::string Indexed(const char* stem, int i) {
  return stem + std::to_string(i);
}

// cell: a full adder, a flip-flop on the global clock and four inverters.
void WriteCell(const fs::path& folder) {
  WriteFile(folder / "cell.lcr", "cell",
            {{"a", "a"}, {"b", "b"}, {"ci", "ci"}, {"co", "co"}, {"s", "s"}},
            {{"x1", "_exor2", {{"a", "a"}, {"b", "b"}, {"y", "t1"}}},
             {"x2", "_exor2", {{"a", "t1"}, {"b", "ci"}, {"y", "s"}}},
             {"n1", "_and2", {{"a", "a"}, {"b", "b"}, {"y", "t2"}}},
             {"n2", "_and2", {{"a", "t1"}, {"b", "ci"}, {"y", "t3"}}},
             {"o1", "_or2", {{"a", "t2"}, {"b", "t3"}, {"y", "co"}}},
             {"d1", "_dffr", {{"d", "s"}, {"q", "%q"}, {"qn", ""}, {"r", "/rst"}, {"t", "/clk"}}},
             {"i1", "_not", {{"a", "%q"}, {"y", "u1"}}},
             {"i2", "_not", {{"a", "u1"}, {"y", "u2"}}},
             {"i3", "_not", {{"a", "u2"}, {"y", "u3"}}},
             {"i4", "_not", {{"a", "u3"}, {"y", "u4"}}}});
}

// row: ten cells in a ripple chain; two sums reach the pins through a bus.
void WriteRow(const fs::path& folder) {
  std::vector<ElementPlan> elements;
  for (int k = 0; k < 10; ++k)
    elements.push_back({Indexed("C", k),
                        "cell",
                        {{"a", "a"},
                         {"b", "b"},
                         {"ci", k == 0 ? "ci" : Indexed("c", k)},
                         {"co", k == 9 ? "co" : Indexed("c", k + 1)},
                         {"s", Indexed("s", k)}}});
  elements.push_back({"L1", "_line2", {{"a", "s0"}, {"b", "s1"}, {"y", "bus"}}});
  elements.push_back({"L2", "_line2", {{"a", "m0"}, {"b", "m1"}, {"y", "bus"}}});
  WriteFile(folder / "row.lcr", "row",
            {{"a", "a"}, {"b", "b"}, {"ci", "ci"}, {"co", "co"}, {"q0", "m0"}, {"q1", "m1"}},
            elements);
}

// block: ten rows in a chain.
void WriteBlock(const fs::path& folder) {
  std::vector<ElementPlan> elements;
  for (int k = 0; k < 10; ++k)
    elements.push_back({Indexed("R", k),
                        "row",
                        {{"a", "a"},
                         {"b", "b"},
                         {"ci", k == 0 ? "ci" : Indexed("c", k)},
                         {"co", k == 9 ? "co" : Indexed("c", k + 1)},
                         {"q0", Indexed("p", k)},
                         {"q1", Indexed("%r", k)}}});
  WriteFile(folder / "block.lcr", "block", {{"a", "a"}, {"b", "b"}, {"ci", "ci"}, {"co", "co"}},
            elements);
}

// top: `blocks` blocks in a chain between the pins cin and cout.
void WriteTop(const fs::path& folder, int blocks) {
  std::vector<ElementPlan> elements;
  for (int k = 0; k < blocks; ++k)
    elements.push_back({Indexed("B", k),
                        "block",
                        {{"a", Indexed("x", k % 8)},
                         {"b", Indexed("y", k % 8)},
                         {"ci", k == 0 ? "cin" : Indexed("c", k)},
                         {"co", k == blocks - 1 ? "cout" : Indexed("c", k + 1)}}});
  std::vector<std::pair<std::string, std::string>> pins = {{"cin", "cin"}, {"cout", "cout"}};
  for (int k = 0; k < std::min(blocks, 8); ++k) {
    pins.emplace_back(Indexed("x", k), Indexed("x", k));
    pins.emplace_back(Indexed("y", k), Indexed("y", k));
  }
  WriteFile(folder / "top.lcr", "top", pins, elements);
}

}  // namespace

int main(int argc, char** argv) {
  const fs::path root =
      (argc > 1 ? fs::path(argv[1]) : fs::temp_directory_path()) / "lumo_expand_bench";
  const fs::path parts = root / "Parts", work = root / "work";
  fs::remove_all(root);
  fs::create_directories(parts);
  fs::create_directories(work);
  WriteCell(parts);
  WriteRow(parts);
  WriteBlock(work);

  lumo::ErrorTable errors;
  lumo::RegisterListErrors(errors);
  lumo::RegisterCircuitErrors(errors);
  lumo::BusSignalCounter bus_signals;
  std::printf("%7s %9s %9s %10s %10s %10s %12s %12s\n", "blocks", "elements", "signals",
              "instances", "buses", "best ms", "ns/element", "logged ms");
  int status = 0;
  std::vector<int> sizes = {25, 50, 100};
  if (argc > 2) sizes.clear();
  for (int i = 2; i < argc; ++i)
    sizes.push_back(std::max(1, std::atoi(argv[i])));
  for (int blocks : sizes) {
    WriteTop(work, blocks);
    double best = 1e300, best_logged = 1e300;
    std::string last_statistics;
    std::size_t elements = 0, signals = 0;
    for (int run = 0; run < 2 * kRepeats; ++run) {
      const bool logged = run >= kRepeats;
      lumo::CircuitStore store;
      lumo::RecordingMessageHost host;
      std::ostringstream statistics;
      lumo::SignalMergeLog log;
      lumo::HierarchyExpander expander(store, host, errors, statistics, bus_signals);
      if (logged) expander.set_merge_log(&log);
      const auto start = Clock::now();
      const bool ok = expander.Expand((work / "top.lcr").string(), (work / "LumoExp.tmp").string(),
                                      parts.string(), work.string());
      const auto elapsed = Clock::now() - start;
      if (!ok) {
        std::fprintf(stderr, "expansion failed: %s\n",
                     host.Messages().empty() ? "" : host.Messages().front().text.c_str());
        status = 1;
        break;
      }
      double& kept = logged ? best_logged : best;
      kept = std::min(kept, std::chrono::duration<double, std::milli>(elapsed).count());
      last_statistics = statistics.str();
      // The first circuit the store read in is the flat one.
      for (const lumo::Circuit& circuit : store.circuits())
        if (circuit.name() == "top") {
          elements = circuit.element_count() - 1;
          signals = circuit.signal_count();
        }
    }
    if (status != 0) break;
    const auto number_after = [&last_statistics](const char* label) {
      const auto at = last_statistics.find(label);
      return at == std::string::npos
                 ? 0UL
                 : std::stoul(last_statistics.substr(at + std::string(label).size()));
    };
    std::printf("%7d %9zu %9zu %10lu %10lu %10.1f %12.0f %12.1f\n", blocks, elements, signals,
                number_after("素子展開 = "), number_after("信号展開 = "), best,
                best * 1e6 / static_cast<double>(elements), best_logged);
  }
  fs::remove_all(root);
  return status;
}
