#include "workflow/circuit_checks.h"

#include <fstream>
#include <unordered_map>

#include "circuit/circuit_file.h"
#include "circuit/sub_circuit_files.h"
#include "common/input_file.h"
#include "lists/error_message.h"
#include "primitives/primitive_table.h"
#include "schematic/circuit_converter.h"
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
constexpr const char* kMissingCircuits =
    "回路ファイルが部品フォルダーにも作業フォルダーにもない素子があります。";
constexpr const char* kAllPassed =
    "回路の各種検査が終了しました。異常な箇所は見つかりませんでした。";
constexpr const char* kChecksCaption = "回路の各種検査";

bool IsNamed(const std::string& name) {
  return !name.empty() && name != "?";
}

bool IsPin(const DrawElement& element) {
  const std::string symbol = LowerCaseName(element.symbol_name());
  return symbol == "_in" || symbol == "_out" || symbol == "_io";
}

// The first pin (in list order) without a name or without a line.
bool CheckPins(const Draw& draw, const RunSetup& context, CircuitCheckResult& result) {
  for (const DrawElement& element : draw.elements()) {
    if (!IsPin(element)) continue;
    const char* finding = nullptr;
    if (!IsNamed(element.name()))
      finding = kUnnamedPin;
    else if (element.first_terminal() == nullptr || element.first_terminal()->line() == nullptr)
      finding = kUnconnectedPin;
    if (finding != nullptr) {
      result.marked[0] = &element;
      context.messages.Warn(finding);
      return false;
    }
  }
  return true;
}

// The first element (in list order) whose name another element bears too,
// ignoring letter case, and the first such other element.
bool CheckDuplicates(const Draw& draw, const RunSetup& context, CircuitCheckResult& result) {
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
    context.messages.Warn(kDuplicateNames);
    return false;
  }
  return true;
}

// One line of the missing-circuit message.
void AddMissing(std::string& missing, const std::string& element, const std::string& function) {
  missing += "\n  " + element + "(" + function + ")";
}

bool WarnMissing(const std::string& missing, MessageHost& messages) {
  if (missing.empty()) return true;
  messages.Warn(kMissingCircuits + missing);
  return false;
}

bool SaveConvertAndExpand(Draw& draw, const RunSetup& context) {
  if (draw.Save(draw.path()) != DrawSaveResult::kSaved) return false;
  const std::string circuit_path = context.folders.Circuit(draw.circuit_name());
  return ConvertSchematic(context, draw.path(), circuit_path) &&
         ExpandCircuit(context, circuit_path);
}

// Every element the expansion left standing is a primitive; one that is not
// had no circuit file in the parts or working folder, and would stop the
// simulation. All of them are named in one message.
bool CheckFunctionsFound(const Circuit& circuit, const RunSetup& context) {
  std::string missing;
  for (const Element& element : circuit.elements())
    if (&element != circuit.IoPseudoElement() && FindPrimitive(element.function_name()) == nullptr)
      AddMissing(missing, element.name(), element.function_name());
  return WarnMissing(missing, context.messages);
}

// The first primitive input without a signal.
bool CheckRequiredInputs(const Circuit& circuit, const RunSetup& context) {
  for (const Element& element : circuit.elements()) {
    for (const Terminal& terminal : element.terminals()) {
      if (terminal.signal() != nullptr ||
          !IsRequiredInput(element.function_name(), terminal.name()))
        continue;
      context.messages.Warn("素子 " + element.name() + "(" + element.function_name() +
                            ") の入力端子 " + terminal.name() + " が信号に接続していません。");
      return false;
    }
  }
  return true;
}

// Reads the expanded circuit back and checks its elements.
bool CheckInputs(const RunSetup& context) {
  const std::string path = context.folders.Expanded();
  std::ifstream in = OpenInputFile(path);
  const Circuit* circuit = nullptr;
  try {
    circuit = ReadCircuit(context.store, in);
  } catch (const ListError& error) {
    context.store.Clear();
    ShowError(context.messages, context.errors, error.tag(), error.detail() + '\n' + path);
    return false;
  }
  const bool passed = circuit == nullptr || (CheckFunctionsFound(*circuit, context) &&
                                             CheckRequiredInputs(*circuit, context));
  context.store.Clear();
  return passed;
}

}  // namespace

bool CheckSubCircuitFiles(const Draw& draw, const RunFolders& folders, MessageHost& messages) {
  SubCircuitFiles files(folders.Parts(), folders.work_folder);
  std::string missing;
  for (const DrawElement& element : draw.elements()) {
    const std::string& function = element.symbol_name();
    if (IsPin(element) || FindPrimitive(function) != nullptr || !files.PathOf(function).empty())
      continue;
    AddMissing(missing, element.name(), function);
  }
  return WarnMissing(missing, messages);
}

bool IsRequiredInput(const std::string& function, const std::string& terminal) {
  const PrimitiveFunction* primitive = FindPrimitive(function);
  const Pin* pin = primitive != nullptr ? primitive->pins.Find(terminal) : nullptr;
  return pin != nullptr && pin->required;
}

CircuitCheckResult RunCircuitChecks(Draw& draw, const RunSetup& context) {
  CircuitCheckResult result;
  if (draw.IsEmpty()) {
    context.messages.Warn(kEmptyCircuit);
    return result;
  }
  if (!draw.HasCircuitName()) {
    context.messages.Warn(kUnnamedCircuit);
    return result;
  }
  if (!CheckPins(draw, context, result)) return result;
  if (!CheckDuplicates(draw, context, result)) return result;
  if (!SaveConvertAndExpand(draw, context)) return result;
  if (!CheckInputs(context)) return result;
  context.messages.Show(
      Message{kAllPassed, kChecksCaption, MessageIcon::kInformation, MessageButtons::kOk});
  result.passed = true;
  return result;
}

}  // namespace lumo
