#include "tests/samples/sample_runner.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

#include "circuit/circuit_file.h"
#include "circuit/circuit_store.h"
#include "common/recording_message_host.h"
#include "lists/list_errors.h"
#include "pattern/pat.h"
#include "pattern/pattern_errors.h"
#include "schematic/draw.h"
#include "schematic/draw_errors.h"
#include "schematic/pattern_setup.h"
#include "symbol/symbol_errors.h"
#include "symbol/symbol_list.h"
#include "tools/lumo/commands.h"

namespace lumo::testing {

fs::path SourceFolder() {
  const char* source = std::getenv("LUMO_SOURCE_DIR");
  return fs::path(source != nullptr ? source : ".");
}
fs::path SystemFolder() {
  return SourceFolder() / "data" / "sys";
}
fs::path PartsFolder() {
  return SystemFolder() / "Parts";
}
fs::path SampleFolder() {
  return SourceFolder() / "data" / "sample";
}

std::string FileText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteText(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

WorkFolder::WorkFolder(const std::string& tag)
    : path_(fs::temp_directory_path() /
            ("lumo_samples_" + tag + "_" + std::to_string(::getpid()))) {
  fs::remove_all(path_);
  fs::create_directories(path_);
}

WorkFolder::~WorkFolder() {
  std::error_code error;
  fs::remove_all(path_, error);
}

void WorkFolder::CopyFilesOf(const fs::path& folder) const {
  for (const fs::directory_entry& entry : fs::directory_iterator(folder))
    if (entry.is_regular_file()) fs::copy_file(entry.path(), path_ / entry.path().filename());
}

std::string Waveform::At(std::int32_t time) const {
  std::string value;
  for (const Change& change : changes_) {
    if (change.time > time) break;
    value = change.value;
  }
  return value;
}

PatternFile ReadPatternFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(in) << path;
  PatternFile pattern;
  std::string word;
  while (in >> word && word != "e") {
    if (word == "a") {
      std::string name;
      int count = 0;
      in >> name >> count;
      for (int i = 0; i < count; ++i) {
        std::int32_t time = 0;
        std::string value;
        in >> time >> value;
        pattern.rows[name].Add(time, value);
      }
    } else if (word == "m") {
      std::string name, address, data;
      in >> name;
      auto& words = pattern.memories[name];
      while (in >> address && address != "z" && in >> data)
        words.emplace_back(address, data);
    } else {
      ADD_FAILURE() << path << ": unexpected word " << word;
      break;
    }
  }
  EXPECT_EQ(word, "e") << path << " ends without e";
  return pattern;
}

Waveforms ReadOutputFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  Waveforms outputs;
  std::string name, value;
  std::int32_t time = 0;
  while (in >> name >> time >> value)
    outputs[name].Add(time, value);
  return outputs;
}

std::string Decimal(std::uint64_t value) {
  return std::to_string(value);
}

std::int64_t NumberOf(const std::string& value) {
  if (value.empty() || value == "x" || value == "z") return -1;
  std::uint64_t number = 0;
  for (char c : value) {
    if (!std::isxdigit(static_cast<unsigned char>(c))) return -1;
    number = number * 16 + static_cast<std::uint64_t>(std::stoi(std::string(1, c), nullptr, 16));
  }
  return static_cast<std::int64_t>(number);
}

std::string Normal(const std::string& value) {
  const std::int64_t number = NumberOf(value);
  return number < 0 ? value : Decimal(static_cast<std::uint64_t>(number));
}

int Replay(const PatternFile& pattern,
           const std::function<void(const std::string& row, const Inputs& inputs)>& change,
           const std::function<void(std::int32_t time, const Inputs& inputs)>& settled) {
  std::set<std::int32_t> times;
  for (const auto& [name, row] : pattern.rows)
    for (const Waveform::Change& c : row.changes())
      times.insert(c.time);
  Inputs inputs;
  int moments = 0;
  for (auto at = times.begin(); at != times.end(); ++at) {
    std::vector<std::string> changed;
    for (const auto& [name, row] : pattern.rows) {
      const std::string before = row.At(*at - 1), now = row.At(*at);
      bool here = false;
      for (const Waveform::Change& c : row.changes())
        here = here || c.time == *at;
      if (!here) continue;
      inputs[name] = NumberOf(now);
      if (now != before) changed.push_back(name);
    }
    for (const std::string& name : changed)
      change(name, inputs);
    const auto next = std::next(at);
    settled(next == times.end() ? *at + 99 : *next - 1, inputs);
    ++moments;
  }
  return moments;
}

namespace {

struct Outcome {
  int code;
  std::string out;
  std::string err;
};

Outcome Lumo(const cli::Arguments& args) {
  std::ostringstream out, err;
  const int code = cli::Main(args, out, err);
  return {code, out.str(), err.str()};
}

// Reports the register-transfer lines the simulation wrote.
std::string Text(const fs::path& path) {
  return fs::exists(path) ? FileText(path) : std::string();
}

}  // namespace

std::string Convert(const fs::path& schematic, const fs::path& circuit, const fs::path& work) {
  const Outcome converted = Lumo({"convert", schematic.string(), circuit.string(), "--sys",
                                  SystemFolder().string(), "--work", work.string()});
  if (converted.code != cli::kOk && converted.err.empty()) return "lumo convert failed";
  return converted.err;
}

RunResult RunCircuit(const WorkFolder& work, const std::string& title, const fs::path& pattern,
                     bool convert) {
  RunResult run;
  const fs::path circuit = work / (title + ".lcr");
  if (convert) {
    run.messages = Convert(work / (title + ".ldr"), circuit, work.path());
    if (!run.messages.empty()) return run;
  }
  const fs::path expanded = work / "LumoExp.tmp";
  const Outcome expand = Lumo({"expand", circuit.string(), expanded.string(), "--parts",
                               PartsFolder().string(), "--work", work.path().string()});
  run.statistics = expand.out;
  run.messages += expand.err;
  if (expand.code != cli::kOk) return run;
  const fs::path out = work / "LumoOut.tmp", log = work / "LumoReg.tmp";
  const Outcome simulate =
      Lumo({"simulate", "--delays", (SystemFolder() / "LumoCAD.dly").string(), "--circuit",
            expanded.string(), "--commands", (SystemFolder() / "LumoCAD.cmd").string(), "--pattern",
            pattern.string(), "--out", out.string(), "--reglog", log.string(), "--stats",
            (work / "LumoSta.tmp").string()});
  run.messages += simulate.err;
  run.outputs = ReadOutputFile(out);
  run.register_log = Text(log);
  run.ok = simulate.code == cli::kOk;
  return run;
}

std::vector<std::string> UnconnectedPrimitiveInputs(const fs::path& expanded) {
  // The inputs a primitive cannot do without.
  static const std::map<std::string, std::string> kInputs = {
      {"_not", "a"},        {"_and2", "ab"},      {"_nand2", "ab"},   {"_or2", "ab"},
      {"_nor2", "ab"},      {"_exor2", "ab"},     {"_and3", "abc"},   {"_nand3", "abc"},
      {"_or3", "abc"},      {"_nor3", "abc"},     {"_exor3", "abc"},  {"_and4", "abcd"},
      {"_nand4", "abcd"},   {"_or4", "abcd"},     {"_nor4", "abcd"},  {"_exor4", "abcd"},
      {"_ptri", "ac"},      {"_ntri", "ac"},      {"_ptriinv", "ac"}, {"_ntriinv", "ac"},
      {"_rslatch", "sr"},   {"_dffr", "dtr"},     {"_dffrs", "dtsr"}, {"_jkffr", "jktr"},
      {"_jkffrs", "jktsr"}, {"_jkffrs2", "jktsr"}};
  std::vector<std::string> findings;
  CircuitStore store;
  std::ifstream in(expanded, std::ios::binary);
  const Circuit* circuit = ReadCircuit(store, in);
  if (circuit == nullptr) return {"no circuit in " + expanded.string()};
  for (const Element& element : circuit->elements()) {
    const auto inputs = kInputs.find(element.function().name());
    if (inputs == kInputs.end()) continue;
    for (const Terminal& terminal : element.terminals()) {
      if (terminal.signal() != nullptr || terminal.name().size() != 1 ||
          inputs->second.find(terminal.name()[0]) == std::string::npos)
        continue;
      findings.push_back("素子 " + element.name() + "(" + element.function().name() +
                         ") の入力端子 " + terminal.name() + " が信号に接続していません。");
    }
  }
  return findings;
}

namespace {

// The symbol lists, tables and message host a schematic needs.
struct SchematicWorld {
  SchematicWorld() {
    RegisterDrawErrors(draw_errors);
    RegisterListErrors(list_errors);
    RegisterSymbolErrors(symbol_errors);
    RegisterPatternErrors(pattern_errors);
    RegisterMemoryErrors(pattern_errors);
    system_symbols.Read((SystemFolder() / "LumoCAD.lib").string(),
                        {host, symbol_errors, list_errors});
  }
  DrawEnvironment Environment() {
    return {system_symbols, user_symbols, host, draw_errors, list_errors, symbol_errors};
  }
  std::string Messages() const {
    std::string text;
    for (const Message& message : host.Messages())
      text += message.text + "\n";
    return text;
  }

  RecordingMessageHost host;
  ErrorTable draw_errors, list_errors, symbol_errors, pattern_errors;
  SymbolList system_symbols, user_symbols;
};

std::string LowerCase(std::string text) {
  for (char& c : text)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

bool IsPin(const DrawElement& element) {
  return element.symbol_name() == "_in" || element.symbol_name() == "_out" ||
         element.symbol_name() == "_io";
}

}  // namespace

std::vector<std::string> PinFindings(const fs::path& schematic) {
  SchematicWorld world;
  Draw draw(world.Environment());
  EXPECT_EQ(draw.Read(schematic.string()), DrawReadResult::kRead) << world.Messages();
  std::vector<std::string> findings;
  std::map<std::string, int> names;
  for (const DrawElement& element : draw.elements()) {
    if (element.symbol() == nullptr) findings.push_back("no symbol " + element.symbol_name());
    if (IsPin(element)) {
      if (element.name().empty() || element.name() == "?")
        findings.push_back("a pin without a name");
      else if (element.first_terminal() == nullptr || element.first_terminal()->line() == nullptr)
        findings.push_back("pin " + element.name() + " on no line");
    }
    if (!element.name().empty() && element.name() != "?" && ++names[LowerCase(element.name())] == 2)
      findings.push_back("two elements named " + element.name());
  }
  return findings;
}

std::string SchematicRewrittenTwice(const fs::path& schematic) {
  SchematicWorld world;
  Draw first(world.Environment());
  EXPECT_EQ(first.Read(schematic.string()), DrawReadResult::kRead) << world.Messages();
  std::ostringstream once;
  EXPECT_TRUE(first.Write(once));
  Draw second(world.Environment());
  std::istringstream in(once.str());
  EXPECT_EQ(second.ReadSections(in), DrawReadResult::kRead) << world.Messages();
  std::ostringstream twice;
  EXPECT_TRUE(second.Write(twice));
  EXPECT_EQ(world.Messages(), "");
  return twice.str();
}

std::string PatternRewritten(const fs::path& schematic, const fs::path& pattern, int* rows) {
  SchematicWorld world;
  Draw draw(world.Environment());
  EXPECT_EQ(draw.Read(schematic.string()), DrawReadResult::kRead) << world.Messages();
  Pat pat(world.host, world.pattern_errors);
  SetupInputs(pat, draw);
  SetupMemories(pat.mem(), draw);
  EXPECT_TRUE(pat.ReadInputPat(pattern.string()));
  *rows = pat.count();
  std::ostringstream text;
  pat.WriteInputPat(text);
  EXPECT_EQ(world.Messages(), "");
  return text.str();
}

}  // namespace lumo::testing
