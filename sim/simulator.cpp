#include "sim/simulator.h"

#include <climits>
#include <ctime>
#include <fstream>
#include <optional>
#include <sstream>

#include "circuit/circuit_file.h"
#include "common/atomic_file.h"
#include "common/decimal.h"
#include "common/input_file.h"
#include "common/read_word.h"
#include "lists/error_message.h"
#include "lists/list.h"
#include "pattern/hex.h"
#include "sim/storage_models.h"

namespace lumo {

namespace {

bool ReadInt(std::istream& in, std::int32_t& value) {
  std::string word;
  if (!ReadWord(in, word)) return false;
  const std::optional<std::int32_t> parsed = ParseDecimal(word);
  if (parsed) value = *parsed;
  return parsed.has_value();
}

// Hexadecimal text as a value string, bit 0 first.
std::string BitsOfHex(const std::string& hex) {
  std::string bits = HexToBits(hex);
  return std::string(bits.rbegin(), bits.rend());
}

// How long a run goes on after its latest input event.
constexpr std::int32_t kRunOn = 100;

// A delay is negated while the circuit settles: the most negative 32-bit
// number has no negation.
bool DelayInRange(std::int32_t delay) {
  return delay != INT32_MIN;
}

std::string Replace(std::string text, const std::string& with) {
  const auto at = text.find("%s");
  if (at != std::string::npos) text.replace(at, 2, with);
  return text;
}

}  // namespace

Simulator::Simulator(SimulatorSetup setup)
    : setup_(std::move(setup)), kernel_(setup_.messages, setup_.register_log) {
  if (setup_.control != nullptr) kernel_.set_control(*setup_.control);
  kernel_.set_trace(setup_.trace);
}

bool Simulator::Run(const std::string& delay_path, const std::string& circuit_path,
                    const std::string& command_path, const std::string& pattern_path,
                    const std::string& output_path) {
  const std::time_t start = std::time(nullptr);
  if (!LoadDelays(delay_path) || !LoadCircuit(circuit_path) || !ApplyInputPattern(pattern_path) ||
      !ReadCommands(command_path))
    return false;
  ScheduleConstants();
  if (!BindEvaluators() || !kernel_.InitialSimulation()) return false;
  // The output lines go to a file of the run's own, replaced whole: a link
  // there is never written through, and a disk that fills up fails the run
  // instead of leaving outputs cut short. A run stopped early keeps the
  // lines it wrote, as the file of a stopped run always has.
  AtomicFile out(output_path, LinkHandling::kReplaceEntry);
  const bool ran = out.is_open() && kernel_.RunEvents(out.stream(), event_count_);
  if (!out.Commit()) {
    kernel_.Warn("出力パターンファイル " + output_path + " に書き込めません。");
    return false;
  }
  if (!ran || !kernel_.ReportUnknowns()) return false;
  WriteStatistics(static_cast<std::int64_t>(std::time(nullptr) - start));
  return true;
}

bool Simulator::LoadDelays(const std::string& path) {
  delay_path_ = path;
  std::ifstream in = OpenInputFile(path);
  if (!in) {
    kernel_.Warn(Replace("遅延ファイル %s がありません。", path));
    return false;
  }
  try {
    return ReadDelays(in);
  } catch (const ListError& error) {
    throw InFile(error, path);
  }
}

bool Simulator::ReadDelays(std::istream& in) {
  List list;
  list.Read(in);
  for (ListPosition entry = list.Top(); !entry.Nil(); entry = entry.Cdr()) {
    const std::string name(entry.Cxr("aa").String());
    if (setup_.store.FindFunction(name) != nullptr) continue;  // the first entry wins
    FunctionRecord& record = setup_.store.Function(name);
    for (ListPosition item = entry.Cxr("ad"); !item.Nil(); item = item.Cdr()) {
      const ListPosition terminal = item.Car();
      DelayRecord delay{std::string(terminal.Cxr("a").String()), terminal.Cxr("da").Long(),
                        terminal.Cxr("dda").Long()};
      if (!DelayInRange(delay.to0) || !DelayInRange(delay.to1)) {
        kernel_.Warn("遅延ファイル " + delay_path_ + " において，機能 " + name + " の端子 " +
                     delay.terminal + " の遅延が範囲外です。");
        return false;
      }
      record.AddDelay(std::move(delay));
    }
  }
  return true;
}

bool Simulator::LoadCircuit(const std::string& path) {
  std::ifstream in = OpenInputFile(path);
  try {
    if (in) circuit_ = ReadCircuit(setup_.store, in);
  } catch (const ListError& error) {
    throw InFile(error, path);
  }
  io_ = circuit_ != nullptr ? circuit_->IoPseudoElement() : nullptr;
  // A file without a circuit or without its pins cannot be run either.
  if (io_ == nullptr) {
    kernel_.Warn(Replace("回路ファイル %s がありません。", path));
    return false;
  }

  // The kernel's arrays: elements in the circuit's order, each one's
  // terminals consecutive in name order, signals with their terminals in
  // the order the signal keeps them.
  Netlist& netlist = kernel_.netlist();
  for (const FunctionRecord& record : setup_.store.functions()) {
    function_index_.emplace(&record, static_cast<std::uint32_t>(netlist.functions.size()));
    netlist.functions.push_back({record.name(), {}});
  }
  for (Element& element : circuit_->elements()) {
    const auto index = static_cast<std::uint32_t>(netlist.elements.size());
    element_index_.emplace(&element, index);
    Netlist::Element e;
    e.first_terminal = static_cast<std::uint32_t>(netlist.terminals.size());
    e.terminal_count = static_cast<std::uint32_t>(element.terminal_count());
    e.function = function_index_.at(&element.function());
    e.io = &element == io_;
    netlist.elements.push_back(e);
    netlist.element_names.push_back(element.name());
    for (const Terminal& terminal : element.terminals()) {
      terminal_index_.emplace(&terminal, static_cast<std::uint32_t>(netlist.terminals.size()));
      const auto t = static_cast<std::uint32_t>(netlist.terminals.size());
      netlist.terminals.push_back({Netlist::kNoSignal, index, Netlist::kUnconnected | t, e.io});
      netlist.terminal_values.push_back(kValueX);
      netlist.terminal_names.push_back(terminal.name());
    }
  }
  for (const Signal& signal : circuit_->signals()) {
    const auto index = static_cast<std::int32_t>(netlist.signals.size());
    signal_index_.emplace(&signal, index);
    Netlist::Signal s;
    s.first = static_cast<std::uint32_t>(netlist.signal_terminals.size());
    // A signal whose name holds '%' has its changes recorded.
    s.save = signal.name().find('%') != std::string::npos;
    for (const Terminal& terminal : signal.terminals()) {
      const std::uint32_t t = terminal_index_.at(&terminal);
      Netlist::Fanout fanout;
      fanout.terminal = t;
      fanout.element = netlist.terminals[t].element;
      fanout.signal = static_cast<std::uint32_t>(index);
      netlist.terminals[t].route = static_cast<std::uint32_t>(netlist.signal_terminals.size());
      netlist.signal_terminals.push_back(fanout);
      netlist.terminals[t].signal = index;
    }
    s.count = static_cast<std::uint32_t>(netlist.signal_terminals.size()) - s.first;
    netlist.signals.push_back(s);
    netlist.signal_names.push_back(signal.name());
  }
  kernel_.memories().assign(netlist.elements.size(), {});
  return true;
}

bool Simulator::PatternDamaged() {
  kernel_.Warn(
      "パターンデータの入力中にエラーが起こりました。\n"
      "パターンファイルの一部が壊れているため，パターンデータの全てを読むことができませんでした。");
  return false;
}

bool Simulator::ApplyInputPattern(const std::string& path) {
  if (setup_.clear_pattern) setup_.clear_pattern();
  std::ifstream in = OpenInputFile(path);
  if (!in) {
    kernel_.Warn(Replace("コマンドファイル %s がありません。", path));
    return false;
  }
  latest_input_time_ = 0;
  std::string word;
  // The end of the file ends the pattern like "e" does.
  while (ReadWord(in, word) && word != "e") {
    if (word == "a" && !ReadWaveform(in)) return false;
    if (word == "m" && !LoadMemoryData(in)) return false;
  }
  kernel_.set_stop_time(latest_input_time_ + kRunOn);
  return true;
}

bool Simulator::ReadWaveform(std::istream& in) {
  std::string name;
  std::int32_t count = 0;
  if (!ReadWord(in, name)) return PatternDamaged();
  Terminal* pin = io_->FindTerminal(name);
  if (pin == nullptr) {
    kernel_.Warn(Replace("入力パターンファイルにおいて，端子名 %s が間違っています。", name));
    return false;
  }
  if (!ReadInt(in, count)) return PatternDamaged();
  const std::uint32_t terminal = terminal_index_.at(pin);
  std::string value;
  for (std::int32_t i = 0; i < count; ++i) {
    std::int32_t time = 0;
    // An empty value would make an empty event: the file is damaged.
    if (!ReadInt(in, time) || !ReadWord(in, value)) return PatternDamaged();
    if (value != "0" && value != "1" && value != "x" && value != "z") value = BitsOfHex(value);
    if (value.empty()) return PatternDamaged();
    // The run goes on 100 past the latest input, which must stay a time.
    if (time > INT32_MAX - kRunOn) return PatternDamaged();
    const ValueId id = kernel_.values().Intern(value);
    kernel_.Enqueue(time, terminal, id);
    kernel_.SetValue(terminal, id);
    if (time > latest_input_time_) latest_input_time_ = time;
  }
  return true;
}

bool Simulator::LoadMemoryData(std::istream& in) {
  static const char* const kWrongForm =
      "メモリデータの記述が間違っています。\n正しい書き方は以下のとおりです。\n"
      "m <素子名> <番地1> <値1> ... <番地n> <値n> z\n";
  std::string name;
  Element* element = ReadWord(in, name) ? circuit_->FindElement(name) : nullptr;
  if (element == nullptr) {
    kernel_.Warn(kWrongForm);
    return false;
  }
  // Memory data for anything but a memory is skipped; the rest of its line
  // is read as ordinary words.
  if (element->function_name() != "_mem") return true;
  const std::uint32_t index = element_index_.at(element);
  MemoryContents& memory = kernel_.memories()[index];
  std::string address_word, value_word;
  while (true) {
    if (!ReadWord(in, address_word)) return PatternDamaged();
    if (address_word == "z") break;
    if (!ReadWord(in, value_word)) return PatternDamaged();
    const std::string address = BitsOfHex(address_word);
    const std::string value = BitsOfHex(value_word);
    if (address.empty() || value.empty()) return PatternDamaged();
    if (memory.count(address) != 0) {
      kernel_.Warn("メモリデータが２重に記述されています。\n番地 = " + address_word);
      return false;
    }
    memory.emplace(address, MemoryEntry{address, value});
  }
  kernel_.LogMemoryTrace(index, "0", "(input)", 0);
  return true;
}

void Simulator::SaveSignal(const Signal& signal) {
  for (const Terminal& terminal : signal.terminals())
    kernel_.netlist().terminals[terminal_index_.at(&terminal)].save = true;
}

bool Simulator::ReadCommands(const std::string& path) {
  std::ifstream in = OpenInputFile(path);
  if (path.empty() || !in) return true;  // no command file: no commands
  std::string word;
  ReadWord(in, word);
  while (word != "end" && word != "e") {
    std::int32_t count = 0;
    if (word == "save_all") {
      for (const Signal& signal : circuit_->signals())
        if (signal.name().empty() || signal.name()[0] != '*') SaveSignal(signal);
    } else if (word == "save_sig" && ReadInt(in, count)) {
      std::string name;
      for (std::int32_t i = 0; i < count; ++i) {
        ReadWord(in, name);
        const Signal* signal = circuit_->FindSignal(name);
        if (signal == nullptr) {
          kernel_.Warn("save_sig コマンドが誤っています。\n信号 " + name + " はありません。");
          return false;
        }
        SaveSignal(*signal);
      }
    } else if (word == "save_ele_ter" && ReadInt(in, count)) {
      std::string element_name, terminal_name;
      for (std::int32_t i = 0; i < count; ++i) {
        ReadWord(in, element_name);
        ReadWord(in, terminal_name);
        const Element* element = circuit_->FindElement(element_name);
        const Terminal* terminal =
            element != nullptr ? element->FindTerminal(terminal_name) : nullptr;
        if (terminal == nullptr) {
          kernel_.Warn("savEele_ter コマンドが誤っています。\n素子.端子 " + element_name + "." +
                       terminal_name + " はありません。");
          return false;
        }
        kernel_.netlist().terminals[terminal_index_.at(terminal)].save = true;
      }
    } else if (word == "stop" && ReadInt(in, count)) {
      kernel_.set_stop_time(count);
    } else if (word == "event_limit" && ReadInt(in, count) && count > 0) {
      kernel_.budget().events = static_cast<std::uint64_t>(count);
    } else if (word == "output_limit" && ReadInt(in, count) && count > 0) {
      kernel_.budget().output_bytes = static_cast<std::uint64_t>(count);
    } else {
      kernel_.Warn(Replace("コマンド %s が誤っています。", word));
      return false;
    }
    ReadWord(in, word);
  }
  return true;
}

void Simulator::ScheduleConstants() {
  const Netlist& netlist = kernel_.netlist();
  for (std::uint32_t e = 0; e < netlist.elements.size(); ++e) {
    const std::string& function = netlist.functions[netlist.elements[e].function].name;
    if ((function != "_0" && function != "_1") || netlist.elements[e].terminal_count == 0) continue;
    const ValueId value = function == "_0" ? kValue0 : kValue1;
    const std::uint32_t terminal = netlist.elements[e].first_terminal;
    kernel_.Enqueue(0, terminal, value);
    kernel_.SetValue(terminal, value);
  }
}

bool Simulator::BindEvaluators() {
  Netlist& netlist = kernel_.netlist();
  std::vector<Primitive> primitives(netlist.functions.size(), Primitive::kNone);
  // Looked up once per function, not per element.
  std::vector<std::uint32_t> terminal_counts(netlist.functions.size(), 0);
  // In the store's order, so the first function that cannot be simulated is
  // the one reported.
  for (FunctionRecord& record : setup_.store.functions()) {
    Primitive primitive = Primitive::kNone;
    if (!LookUpPrimitive(record.name(), primitive) && record.name() != io_->function_name()) {
      kernel_.Warn(record.name() + " は模擬できません。\n" + record.name() +
                   " の階層設計が不完全です。");
      return false;
    }
    const std::uint32_t index = function_index_.at(&record);
    primitives[index] = primitive;
    terminal_counts[index] = static_cast<std::uint32_t>(TerminalsOf(primitive, record.name()));
    for (const DelayRecord& delay : record.delays())
      netlist.functions[index].delays.push_back({delay.to0, delay.to1});
  }
  // Evaluators find terminals and delays by position: an element must have
  // every terminal of its function and a delay for each.
  for (std::uint32_t e = 0; e < netlist.elements.size(); ++e) {
    Netlist::Element& element = netlist.elements[e];
    element.primitive = primitives[element.function];
    if (element.primitive == Primitive::kNone) continue;
    const Netlist::Function& function = netlist.functions[element.function];
    element.delays = function.delays.data();
    if (element.terminal_count != terminal_counts[element.function]) {
      kernel_.Warn("素子 " + netlist.element_names[e] + " (" + function.name +
                   ") の端子の数が正しくありません。");
      return false;
    }
    if (function.delays.size() < element.terminal_count) {
      kernel_.Warn("遅延ファイル " + delay_path_ + " において，機能 " + function.name +
                   " の端子の遅延が足りません。");
      return false;
    }
  }
  for (Netlist::Fanout& fanout : netlist.signal_terminals) {
    const Netlist::Element& element = netlist.elements[fanout.element];
    fanout.first_terminal = element.first_terminal;
    fanout.terminal_count = element.terminal_count;
    fanout.primitive = element.primitive;
    fanout.io = element.io;
    fanout.recorded = netlist.terminals[fanout.terminal].save;
    if (element.delays != nullptr && element.terminal_count > 0)
      fanout.output_delay = element.delays[element.terminal_count - 1];
  }
  return true;
}

void Simulator::WriteStatistics(std::int64_t seconds) {
  if (setup_.statistics == nullptr) return;
  std::ostringstream per_event;
  per_event << (event_count_ == 0
                    ? static_cast<double>(seconds)
                    : static_cast<double>(seconds) / static_cast<double>(event_count_));
  *setup_.statistics << "実行時間 = " << seconds << " 秒  イベント総数 = " << event_count_
                     << "  実行時間／１イベント = " << per_event.str() << " 秒\n";
  setup_.statistics->flush();
}

}  // namespace lumo
