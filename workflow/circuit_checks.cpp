#include "workflow/circuit_checks.h"

#include <fstream>
#include <unordered_map>

#include "schematic/circuit_converter.h"
#include "circuit/circuit_file.h"
#include "circuit/hierarchy_expander.h"
#include "common/file_path.h"
#include "lists/error_message.h"
#include "symbol/name_text.h"

namespace lumo {

namespace {

constexpr const char* kEmptyCircuit = "回路が空です。回路を作るか，入力してください。";
constexpr const char* kUnnamedCircuit =
    "回路に名前が付いていません。\nメニューの [ファイル]-[名前を付けて保存する] "
    "で名前を付けてください。";
constexpr const char* kUnnamedPin =
    "名前の付いていない入出力素子があります。\n名前を付けてください。";
constexpr const char* kUnconnectedPin = "信号に接続していない入出力素子があります。";
constexpr const char* kDuplicateNames = "同じ名前の素子があります。\n名前を変えてください。";
constexpr const char* kAllPassed =
    "回路の各種検査が終了しました。異常な箇所は見つかりませんでした。";
constexpr const char* kChecksCaption = "回路の各種検査";
constexpr const char* kExpandedFile = "LumoExp.tmp";

bool IsNamed(const std::string& name) {
  return !name.empty() && name != "?";
}

bool IsPin(const DrawElement& element) {
  const std::string symbol = LowerCaseName(element.symbol_name());
  return symbol == "_in" || symbol == "_out" || symbol == "_io";
}

// The first pin (in list order) without a name or without a line.
bool CheckPins(const Draw& draw, const CircuitCheckContext& context, CircuitCheckResult& result) {
  for (const DrawElement& element : draw.elements()) {
    if (!IsPin(element)) continue;
    const char* finding = nullptr;
    if (!IsNamed(element.name()))
      finding = kUnnamedPin;
    else if (element.first_terminal() == nullptr || element.first_terminal()->line() == nullptr)
      finding = kUnconnectedPin;
    if (finding != nullptr) {
      result.marked[0] = &element;
      context.host.Warn(finding);
      return false;
    }
  }
  return true;
}

// The first element (in list order) whose name another element bears too,
// ignoring letter case, and the first such other element.
bool CheckDuplicates(const Draw& draw, const CircuitCheckContext& context,
                     CircuitCheckResult& result) {
  std::unordered_map<std::string, int> uses;
  for (const DrawElement& element : draw.elements())
    if (IsNamed(element.name())) ++uses[LowerCaseName(element.name())];
  for (const DrawElement& element : draw.elements()) {
    if (!IsNamed(element.name())) continue;
    const std::string name = LowerCaseName(element.name());
    if (uses[name] < 2) continue;
    for (const DrawElement& other : draw.elements()) {
      if (&other != &element && IsNamed(other.name()) && LowerCaseName(other.name()) == name) {
        result.marked[0] = &element;
        result.marked[1] = &other;
        break;
      }
    }
    context.host.Warn(kDuplicateNames);
    return false;
  }
  return true;
}

bool SaveConvertAndExpand(Draw& draw, const CircuitCheckContext& context) {
  if (draw.Save(draw.path()) != DrawSaveResult::kSaved) return false;
  const std::string circuit_path = JoinPath(context.work_folder, draw.circuit_name() + ".lcr");
  bool converted = false;
  {
    CircuitConverter converter(context.store, context.host, context.errors, context.work_folder);
    converted = converter.Convert(draw.path(), circuit_path);
  }
  context.store.Clear();
  if (!converted) return false;
  HierarchyExpander expander(context.store, context.host, context.errors, context.statistics,
                             context.bus_signals);
  const bool expanded =
      expander.Expand(circuit_path, JoinPath(context.work_folder, kExpandedFile),
                      JoinPath(context.system_folder, "Parts"), context.work_folder);
  context.store.Clear();
  return expanded;
}

// Reads the expanded circuit back and reports the first primitive input
// without a signal.
bool CheckInputs(const CircuitCheckContext& context) {
  const std::string path = JoinPath(context.work_folder, kExpandedFile);
  std::ifstream in(path, std::ios::binary);
  const Circuit* circuit = nullptr;
  try {
    circuit = ReadCircuit(context.store, in);
  } catch (const ListError& error) {
    context.store.Clear();
    ShowError(context.host, context.errors, error.tag(), error.detail() + '\n' + path);
    return false;
  }
  bool passed = true;
  if (circuit != nullptr) {
    for (const Element& element : circuit->elements()) {
      for (const Terminal& terminal : element.terminals()) {
        if (terminal.signal() != nullptr ||
            !IsRequiredInput(element.function_name(), terminal.name()))
          continue;
        context.host.Warn("素子 " + element.name() + "(" + element.function_name() +
                          ") の入力端子 " + terminal.name() + " が信号に接続していません。");
        passed = false;
        break;
      }
      if (!passed) break;
    }
  }
  context.store.Clear();
  return passed;
}

}  // namespace

bool IsRequiredInput(const std::string& function, const std::string& terminal) {
  struct Inputs {
    const char* functions[5];
    const char* terminals;  // one letter per terminal
  };
  static const Inputs kTable[] = {
      {{"_not"}, "a"},
      {{"_and2", "_nand2", "_or2", "_nor2", "_exor2"}, "ab"},
      {{"_and3", "_nand3", "_or3", "_nor3", "_exor3"}, "abc"},
      {{"_and4", "_nand4", "_or4", "_nor4", "_exor4"}, "abcd"},
      {{"_ptri", "_ntri", "_ptriinv", "_ntriinv"}, "ac"},
      {{"_rslatch"}, "sr"},
      {{"_dffr"}, "dtr"},
      {{"_dffrs"}, "dtsr"},
      {{"_jkffr"}, "jktr"},
      {{"_jkffrs", "_jkffrs2"}, "jktsr"},
  };
  if (terminal.size() != 1) return false;
  for (const Inputs& inputs : kTable) {
    for (const char* name : inputs.functions) {
      if (name == nullptr || function != name) continue;
      for (const char* letter = inputs.terminals; *letter != '\0'; ++letter)
        if (terminal[0] == *letter) return true;
      return false;
    }
  }
  return false;
}

CircuitCheckResult RunCircuitChecks(Draw& draw, const CircuitCheckContext& context) {
  CircuitCheckResult result;
  if (draw.IsEmpty()) {
    context.host.Warn(kEmptyCircuit);
    return result;
  }
  if (!draw.HasCircuitName()) {
    context.host.Warn(kUnnamedCircuit);
    return result;
  }
  if (!CheckPins(draw, context, result)) return result;
  if (!CheckDuplicates(draw, context, result)) return result;
  if (!SaveConvertAndExpand(draw, context)) return result;
  if (!CheckInputs(context)) return result;
  context.host.Show(
      Message{kAllPassed, kChecksCaption, MessageIcon::kInformation, MessageButtons::kOk});
  result.passed = true;
  return result;
}

}  // namespace lumo
