// The expander finds instances, candidates and bus signals through indexes
// instead of walking the lists again after every change. This test expands
// thousands of random hierarchies both ways and requires the same files,
// messages, statistics and "*ms" numbers: the direct way below starts every
// scan at the head of the list and finds every name by walking it.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "circuit/bus_signal_counter.h"
#include "circuit/circuit_errors.h"
#include "circuit/circuit_file.h"
#include "circuit/circuit_statistics.h"
#include "circuit/circuit_store.h"
#include "circuit/global_signals.h"
#include "circuit/hierarchy_expander.h"
#include "circuit/instance_replacer.h"
#include "common/recording_message_host.h"
#include "lists/list_errors.h"

namespace lumo {
namespace {

namespace fs = std::filesystem;

struct Outcome {
  bool ok = false;
  std::vector<std::string> messages;
  std::string statistics;
  std::string output;
  std::uint64_t bus_signals = 0;
};

bool operator==(const Outcome& a, const Outcome& b) {
  return a.ok == b.ok && a.messages == b.messages && a.statistics == b.statistics &&
         a.output == b.output && a.bus_signals == b.bus_signals;
}

std::ostream& operator<<(std::ostream& out, const Outcome& outcome) {
  out << (outcome.ok ? "ok\n" : "failed\n");
  for (const std::string& message : outcome.messages)
    out << message << "\n";
  return out << outcome.statistics << outcome.output << "*ms: " << outcome.bus_signals << "\n";
}

bool IsGlobal(const std::string& name) {
  return !name.empty() && name.front() == '/';
}

class DirectExpansion {
 public:
  DirectExpansion(const fs::path& parts, const fs::path& work) : folders_{parts, work} {}

  Outcome Run(const fs::path& top_path) {
    Circuit* top = Read(top_path);
    out_.statistics = "展開前  ";
    out_.statistics += Statistics(*top);
    std::size_t elements = 0;
    for (bool again = true; again;) {
      again = false;
      const Element* pins = top->IoPseudoElement();
      for (Element* element = top->first_element(); element != nullptr; element = element->next()) {
        if (element == pins) continue;
        const fs::path path = Lookup(element->function_name());
        if (path.empty()) continue;
        const Circuit* sub = Read(path);
        const auto replaced = ExpandInstances(*sub, *top);
        if (!replaced) return out_;
        elements += *replaced;
        again = true;
        break;
      }
    }
    const std::size_t signals = MergeBusLines(*top);
    PromoteGlobalSignals(*top);
    std::ostringstream text;
    WriteCircuit(*top, text);
    out_.output = text.str();
    out_.statistics += "展開後  " + Statistics(*top) +
                       "\n実行時間 = 3 秒  素子展開 = " + std::to_string(elements) +
                       "  信号展開 = " + std::to_string(signals) + "  実行時間／展開 = ";
    std::ostringstream ratio;
    ratio << (elements + signals == 0 ? 3.0 : 3.0 / static_cast<double>(elements + signals));
    out_.statistics += ratio.str() + " 秒\n";
    out_.ok = true;
    out_.bus_signals = counter_.next();
    return out_;
  }

 private:
  static std::string Statistics(const Circuit& circuit) {
    std::ostringstream out;
    WriteStatistics(out, circuit);
    return out.str();
  }

  void Fail(const std::string& message) { out_.messages.push_back(message); }

  Circuit* Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return ReadCircuit(store_, in);
  }

  // The generator names every file in lower case.
  fs::path Lookup(const std::string& function) const {
    for (const fs::path& folder : folders_)
      for (const std::string& name : {function, FunctionNameKey(function)})
        if (fs::exists(folder / (name + ".lcr"))) return folder / (name + ".lcr");
    return {};
  }

  static Signal* FindSignal(Circuit& circuit, const std::string& name) {
    for (Signal& signal : circuit.signals())
      if (signal.name() == name) return &signal;
    return nullptr;
  }

  std::optional<std::size_t> ExpandInstances(const Circuit& sub, Circuit& parent) {
    const std::string& c = sub.name();
    std::size_t count = 0;
    for (;;) {
      Element* q = nullptr;
      for (Element& element : parent.elements())
        if (FunctionNameKey(element.function_name()) == FunctionNameKey(c)) {
          q = &element;
          break;
        }
      if (q == nullptr) return count;
      const Element* inside_pins = nullptr;
      for (const Element& element : sub.elements())
        if (element.name() == c) {
          inside_pins = &element;
          break;
        }
      Element* r = nullptr;
      for (const Element& x : sub.elements()) {
        Element& copy =
            parent.AddElement(q->name() + "-" + x.name(), store_.Function(x.function_name()));
        if (&x == inside_pins) r = &copy;
        for (const Terminal& terminal : x.terminals()) {
          Terminal& pin = copy.AddTerminal(terminal.name());
          const Signal* signal = terminal.signal();
          if (signal == nullptr) continue;
          const std::string name =
              IsGlobal(signal->name()) ? signal->name() : q->name() + "-" + signal->name();
          Signal* target = FindSignal(parent, name);
          if (target == nullptr) target = &parent.AddSignal(name);
          pin.ConnectTo(*target);
        }
      }
      std::vector<Terminal*> rs, qs;
      if (r != nullptr)
        for (Terminal& terminal : r->terminals())
          rs.push_back(&terminal);
      for (Terminal& terminal : q->terminals())
        qs.push_back(&terminal);
      for (std::size_t i = 0, j = 0;;) {
        if (i < rs.size() && IsGlobal(rs[i]->name())) {
          ++i;
          continue;
        }
        if (i == rs.size() && j == qs.size()) break;
        if (i == rs.size()) {
          Fail("シンボル " + c + " の端子数が回路 " + c + " の入出力端子数より多い。");
          return std::nullopt;
        }
        if (j == qs.size()) {
          Fail("回路 " + c + " の入出力端子数がシンボル " + c + " の端子数より多い。");
          return std::nullopt;
        }
        if (rs[i]->name() != qs[j]->name()) {
          Fail("回路 " + c + " の入出力端子に " + qs[j]->name() + " がないか，またはシンボル " + c +
               " の端子に " + rs[i]->name() + " がありません。");
          return std::nullopt;
        }
        Signal* outside = qs[j]->signal();
        Signal* inside = rs[i]->signal();
        if (outside == nullptr) {
          Fail("素子 " + q->name() + "(" + c + ") の端子 " + qs[j]->name() +
               " に信号が接続されていません。");
          return std::nullopt;
        }
        if (inside == nullptr) {
          Fail("回路 " + c + " の入出力端子 " + rs[i]->name() +
               " が回路内の信号に接続されていません（素子 " + q->name() + "）。");
          return std::nullopt;
        }
        qs[j]->Disconnect();
        rs[i]->Disconnect();
        const bool outside_recorded = outside->name().find('%') != std::string::npos;
        const bool inside_recorded = inside->name().find('%') != std::string::npos;
        if (outside != inside) {
          if (!outside_recorded && inside_recorded)
            parent.MergeSignal(*outside, *inside);
          else
            parent.MergeSignal(*inside, *outside);
        }
        ++i;
        ++j;
      }
      if (r != nullptr) parent.RemoveElement(*r);
      parent.RemoveElement(*q);
      ++count;
    }
  }

  static bool IsBus(const Signal& signal) {
    if (!signal.HasTerminals()) return false;
    const std::string& function = signal.first_terminal()->element().function_name();
    if (function.size() < 5 || function.compare(0, 5, "_line") != 0) return false;
    for (const Terminal& terminal : signal.terminals())
      if (terminal.name() != "y" || terminal.element().function_name() != function) return false;
    return true;
  }

  std::size_t MergeBusLines(Circuit& circuit) {
    std::size_t count = 0;
    for (;;) {
      Signal* bus = nullptr;
      for (Signal& signal : circuit.signals())
        if (IsBus(signal)) {
          bus = &signal;
          break;
        }
      if (bus == nullptr) return count;
      std::vector<Signal*> wires;
      for (const Terminal& pin : bus->first_terminal()->element().terminals())
        if (pin.name() != "y") wires.push_back(&circuit.AddSignal(counter_.NextName()));
      std::vector<Element*> elements;
      for (Terminal& terminal : bus->terminals())
        if (std::find(elements.begin(), elements.end(), &terminal.element()) == elements.end())
          elements.push_back(&terminal.element());
      for (Element* element : elements) {
        std::size_t k = 0;
        for (Terminal& pin : element->terminals()) {
          if (pin.name() == "y") continue;
          if (k == wires.size()) break;
          Signal* wire = wires[k++];
          Signal* met = pin.signal();
          if (met == nullptr || met == wire) continue;
          if (met->name().find('*') == std::string::npos) circuit.RenameSignal(*wire, met->name());
          circuit.MergeSignal(*met, *wire);
          std::replace(wires.begin(), wires.end(), met, wire);
        }
      }
      for (Element* element : elements)
        circuit.RemoveElement(*element);
      circuit.RemoveSignal(*bus);
      ++count;
    }
  }

  fs::path folders_[2];
  CircuitStore store_;
  BusSignalCounter counter_;
  Outcome out_;
};

// Random hierarchies: leaves of gates and buses, circuits of instances of
// the levels below, pins joined in every way (two pins on one signal,
// recorded and global signals), and now and then a fault.
class Generator {
 public:
  Generator(unsigned seed, fs::path parts, fs::path work)
      : random_(seed), parts_(std::move(parts)), work_(std::move(work)) {}

  void Make() {
    for (int level = 3; level >= 0; --level) {
      const int count = level == 0 ? 1 : level == 1 ? 1 : 2;
      for (int i = 0; i < count; ++i) {
        Design design;
        design.name = level == 0 ? "top" : "c" + std::to_string(level) + std::to_string(i);
        design.level = level;
        for (const char* pin : {"a", "b", "c", "y", "#p"})
          if (Chance(0.45)) design.pins.push_back(pin);
        if (design.pins.empty()) design.pins.push_back("a");
        design.global_pin = Chance(0.3);
        const bool in_parts = level != 0 && Chance(0.5);
        Write(design, in_parts ? parts_ : work_);
        // A second version in the work folder, which the parts version hides.
        if (in_parts && Chance(0.3)) Write(design, work_);
        designs_.push_back(design);
      }
    }
  }

 private:
  struct Design {
    std::string name;
    int level = 0;
    std::vector<std::string> pins;
    bool global_pin = false;
  };

  bool Chance(double p) { return std::bernoulli_distribution(p)(random_); }
  int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

  Signal* Pick(const std::vector<Signal*>& signals, double unconnected) {
    if (Chance(unconnected)) return nullptr;
    return signals[Uniform(0, static_cast<int>(signals.size()) - 1)];
  }

  static void Connect(Terminal& terminal, Signal* signal) {
    if (signal != nullptr) terminal.ConnectTo(*signal);
  }

  void Write(const Design& design, const fs::path& folder) {
    CircuitStore store;
    Circuit& circuit = store.AddCircuit(design.name);
    std::vector<Signal*> signals;
    const int signal_count = Uniform(2, 7);
    for (int i = 0; i < signal_count; ++i) {
      const char* prefix = Chance(0.15) ? "%n" : Chance(0.15) ? "*s" : "n";
      signals.push_back(&circuit.AddSignal(prefix + std::to_string(i)));
    }
    for (const char* global : {"/g", "/h"})
      if (Chance(0.2)) signals.push_back(&circuit.AddSignal(global));

    int serial = 0;
    const auto name = [&serial](const char* prefix) { return prefix + std::to_string(serial++); };
    for (int i = Uniform(0, 3); i > 0; --i) {
      const bool two_inputs = Chance(0.5);
      Element& gate = circuit.AddElement(name("g"), store.Function(two_inputs ? "_and2" : "_not"));
      for (const char* pin : {"a", "b", "y"})
        if (two_inputs || pin[0] != 'b') Connect(gate.AddTerminal(pin), Pick(signals, 0.05));
    }
    // Buses, the later ones possibly wired to the earlier: buses of buses.
    for (int b = Chance(0.4) ? Uniform(1, 3) : 0; b > 0; --b) {
      Signal& bus = circuit.AddSignal(name("bus"));
      const char* function = Chance(0.05) ? "_line3" : "_line2";
      for (int i = Uniform(1, 3); i > 0; --i) {
        Element& line = circuit.AddElement(name("B"), store.Function(function));
        line.AddTerminal("y").ConnectTo(bus);
        Connect(line.AddTerminal("a"), Pick(signals, 0.05));
        Connect(line.AddTerminal("b"), Pick(signals, 0.05));
      }
      signals.push_back(&bus);
    }
    std::vector<const Design*> below;
    for (const Design& other : designs_)
      if (other.level > design.level) below.push_back(&other);
    if (!below.empty()) {
      for (int i = Uniform(design.level == 0 ? 1 : 0, 3); i > 0; --i) {
        const Design& sub = *below[Uniform(0, static_cast<int>(below.size()) - 1)];
        std::string function = sub.name;
        if (Chance(0.2)) function[0] = 'C';
        Element& instance = circuit.AddElement(name("U"), store.Function(function));
        for (const std::string& pin : sub.pins)
          if (!Chance(0.005)) Connect(instance.AddTerminal(pin), Pick(signals, 0.005));
        if (Chance(0.005)) Connect(instance.AddTerminal("z"), Pick(signals, 0));
      }
    }
    Element& pins = circuit.AddElement(design.name, store.Function(design.name));
    for (const std::string& pin : design.pins)
      Connect(pins.AddTerminal(pin), Pick(signals, 0.005));
    if (design.global_pin) {
      Signal* global = circuit.FindSignal("/g");
      pins.AddTerminal("/g").ConnectTo(global != nullptr ? *global : circuit.AddSignal("/g"));
    }
    std::ofstream out(folder / (design.name + ".lcr"), std::ios::binary);
    WriteCircuit(circuit, out);
  }

  std::mt19937 random_;
  fs::path parts_, work_;
  std::vector<Design> designs_;
};

Outcome Indexed(const fs::path& parts, const fs::path& work) {
  CircuitStore store;
  RecordingMessageHost host;
  ErrorTable errors;
  RegisterListErrors(errors);
  RegisterCircuitErrors(errors);
  std::ostringstream statistics;
  BusSignalCounter counter;
  HierarchyExpander expander(store, host, errors, statistics, counter);
  std::int64_t now = 100;
  expander.set_clock([&now] { return (now += 3) - 3; });
  Outcome outcome;
  const fs::path output = work / "LumoExp.tmp";
  outcome.ok =
      expander.Expand((work / "top.lcr").string(), output.string(), parts.string(), work.string());
  for (const Message& message : host.Messages())
    outcome.messages.push_back(message.text);
  outcome.statistics = statistics.str();
  if (outcome.ok) {
    std::ifstream in(output, std::ios::binary);
    outcome.output.assign(std::istreambuf_iterator<char>(in), {});
    outcome.bus_signals = counter.next();
  }
  return outcome;
}

TEST(ExpansionEquivalence, IndexedExpansionMatchesTheDirectOneOnRandomHierarchies) {
  const fs::path root =
      fs::temp_directory_path() / ("lumo_expansion_equivalence_" + std::to_string(::getpid()));
  const fs::path parts = root / "Parts", work = root / "work";
  int failures = 0, buses = 0;
  for (unsigned seed = 1; seed <= 2000; ++seed) {
    for (const fs::path& folder : {parts, work}) {
      fs::create_directories(folder);
      for (const auto& entry : fs::directory_iterator(folder))
        fs::remove(entry.path());
    }
    Generator(seed, parts, work).Make();
    const Outcome indexed = Indexed(parts, work);
    Outcome direct = DirectExpansion(parts, work).Run(work / "top.lcr");
    ASSERT_EQ(indexed, direct) << "seed " << seed;
    failures += indexed.ok ? 0 : 1;
    buses += indexed.bus_signals > 0 ? 1 : 0;
  }
  fs::remove_all(root);
  // The cases cover both outcomes and bus merges.
  EXPECT_GT(failures, 50);
  EXPECT_LT(failures, 1000);
  EXPECT_GT(buses, 200);
}

}  // namespace
}  // namespace lumo
