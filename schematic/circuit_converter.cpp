// CircuitConverter: schematic file -> LumoDraw.tmp -> LumoCir.tmp -> circuit
// file.

#include "schematic/circuit_converter.h"

#include "schematic/element_names.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "circuit/circuit_errors.h"
#include "circuit/circuit_file.h"
#include "common/atomic_file.h"
#include "common/file_path.h"
#include "common/input_file.h"
#include "common/read_word.h"
#include "lists/error_message.h"
#include "lists/list.h"
#include "lists/list_printer.h"
#include "schematic/list_strings.h"
#include "schematic/net_grouping.h"
#include "schematic/net_names.h"

namespace lumo {

namespace {

constexpr const char* kNoCircuitName = "回路図ファイルに回路名がありません。";
constexpr const char* kNamesDiffer = "同一の信号線に異なる名前が付けられています。\n";
constexpr const char* kUnnamedPin = "入出力端子に名前が付けられていません。";

// The run's output lines are split at blanks: a pin, or the circuit whose
// name prefixes every output, named with one would lose all outputs.
bool HasBlank(std::string_view name) {
  return std::any_of(name.begin(), name.end(),
                     [](char c) { return IsWhiteSpace(static_cast<unsigned char>(c)); });
}

// "*s" and "*e" names are made here for unnamed nets and elements; a name
// of the user's starting with * could silently join one of them.
bool IsGeneratedName(std::string_view name) {
  return name.starts_with('*');
}

std::string GeneratedNameMessage(const char* kind, const std::string& name) {
  return std::string(kind) + "の名前「" + name +
         "」は * で始まっています。\n* で始まる名前は使えません。";
}

// The whole file as text in memory (the list reader asks its stream for its
// position at every expression, which is free there). False when it cannot
// be opened.
bool ReadWholeFile(const std::string& path, std::string& text) {
  std::ifstream in = OpenInputFile(path);
  if (!in) return false;
  text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return true;
}

// The first name, in the order given, that occurs more than once: the first
// of a pair found by comparing each name with the ones after it.
template <class Names>
const std::string* FirstRepeated(const Names& names) {
  std::unordered_map<std::string_view, int> seen;
  for (const std::string* name : names)
    ++seen[*name];
  for (const std::string* name : names)
    if (seen[*name] > 1) return name;
  return nullptr;
}

}  // namespace

void RegisterConverterErrors(ErrorTable& table) {
  RegisterError(table, kCircuitLibrary, kConvertRead,
                "converter.Convert(char *drawPath, char *circuitPath)", "ファイルが読めません。");
  RegisterError(table, kCircuitLibrary, kConvertWrite,
                "converter.Convert(char *drawPath, char *circuitPath)",
                "ファイルに書き込めません。");
}

CircuitConverter::CircuitConverter(CircuitStore& store, MessageHost& host, const ErrorTable& errors,
                                   std::string work_folder)
    : store_(store), host_(host), errors_(errors), work_folder_(std::move(work_folder)) {}

void CircuitConverter::Warn(const std::string& text) {
  host_.Warn(text);
}

bool CircuitConverter::Convert(const std::string& schematic_path, const std::string& circuit_path) {
  counts_ = {};
  const std::string flat_path = JoinPath(work_folder_, kFlatSchematicFile);
  const std::string circuit_tmp_path = JoinPath(work_folder_, kConvertedCircuitFile);
  const std::string* reading = &schematic_path;
  try {
    if (!Flatten(schematic_path, flat_path)) return false;
    reading = &flat_path;
    if (!Build(flat_path, circuit_tmp_path)) return false;
    reading = &circuit_tmp_path;
    return Prune(circuit_tmp_path, circuit_path);
  } catch (const ListError& error) {
    // A list or circuit error of one of the files: shown with its own entry
    // and the file of the step.
    const ListError named = error.tag() == kWriteCircuitName ? error : InFile(error, *reading);
    ShowError(host_, errors_, named.tag(), named.detail());
    return false;
  }
}

// Step 1: (name elements lines) as one expression, every element and line
// expression on a line of its own.
bool CircuitConverter::Flatten(const std::string& schematic_path, const std::string& flat_path) {
  std::string source;
  if (!ReadWholeFile(schematic_path, source)) {
    ShowError(host_, errors_, kConvertRead, schematic_path);
    return false;
  }
  std::istringstream in(source);
  std::ostringstream flat;
  List expression;
  // A bare word of a hand-made file that no writer can give back (4bit")
  // would leave LumoDraw.tmp unreadable.
  const auto check = [&expression]() {
    if (const auto name = FirstUnwritableString(expression.Top().cell()))
      throw ListError(kWriteCircuitName, std::string(*name));
  };
  expression.Read(in);
  check();
  flat << '(';
  PrintFileForm(expression.Top().Car().cell(), flat);
  flat << "\n(";
  for (int section = 0; section < 2; ++section) {
    if (section == 1) flat << ")(";
    for (;;) {
      expression.Read(in);
      if (expression.IsNil()) break;
      check();
      expression.Print(flat);
      flat << '\n';
    }
  }
  flat << ")\n)";
  const std::string text = flat.str();
  if (!WriteFileAtomically(
          flat_path,
          [&text](std::ostream& out) {
            out.write(text.data(), static_cast<std::streamsize>(text.size()));
            return true;
          },
          LinkHandling::kReplaceEntry)) {
    ShowError(host_, errors_, kConvertWrite, flat_path);
    return false;
  }
  return true;
}

// Step 2: the circuit of the flattened schematic, written to LumoCir.tmp.
bool CircuitConverter::Build(const std::string& flat_path, const std::string& circuit_tmp_path) {
  std::string source;
  if (!ReadWholeFile(flat_path, source)) {
    ShowError(host_, errors_, kConvertRead, flat_path);
    return false;
  }
  std::istringstream in(source);
  List whole;
  whole.Read(in);
  const ListPosition top = whole.Top();

  const ListPosition name_item = top.Car();
  if (!name_item.IsString() || name_item.String() == "?" || name_item.String().empty()) {
    Warn(kNoCircuitName);
    return false;
  }
  const std::string circuit_name(name_item.String());
  if (HasBlank(circuit_name)) {
    Warn("回路名「" + circuit_name +
         "」に空白があります。\n空白のないファイル名で保存してください。");
    return false;
  }
  Circuit& circuit = store_.AddCircuit(circuit_name);

  // Nets: lines touching end to end, in file order.
  std::vector<NetLine> lines;
  std::vector<std::string_view> line_names;
  for (ListPosition at = top.Cxr("dda"); !at.Nil(); at = at.Cdr()) {
    const ListPosition line = at.Car();
    lines.push_back({line.Car().Long(), line.Cxr("da").Long(), line.Cxr("dda").Long(),
                     line.Cxr("ddda").Long()});
    line_names.push_back(line.Cxr("dddddda").String());
    if (IsGeneratedName(line_names.back())) {
      Warn(GeneratedNameMessage("信号線", std::string(line_names.back())));
      return false;
    }
  }
  counts_.lines = lines.size();
  const NetGrouping nets(lines);
  counts_.nets = nets.group_count();

  // Signals: the net's one user-given name, else "*s" and a number.
  const NetNames net_names = NameNets(nets, line_names);
  if (net_names.clash_first) {
    Warn(kNamesDiffer + std::string(*net_names.clash_first) + ",  " +
         std::string(*net_names.clash_second));
    return false;
  }
  std::vector<Signal*> signals;
  signals.reserve(nets.group_count());
  for (const std::string& name : net_names.names)
    signals.push_back(&circuit.AddSignal(name));
  const auto signal_at = [&](ListPosition x, ListPosition y) -> Signal* {
    const int group = nets.GroupAt(x.Long(), y.Long());
    return group < 0 ? nullptr : signals[group];
  };

  // Elements: every element but the pins, with its terminals.
  int unnamed_elements = 0;
  const ListPosition elements = top.Cxr("da");
  for (ListPosition at = elements; !at.Nil(); at = at.Cdr()) {
    ++counts_.elements;
    const std::string symbol(at.Cxr("addda").String());
    if (IsPinSymbol(symbol)) continue;
    const std::string given(at.Cxr("adda").String());
    if (IsGeneratedName(given)) {
      Warn(GeneratedNameMessage("素子", given));
      return false;
    }
    Element& element = circuit.AddElement(
        given == "?" ? "*e" + std::to_string(unnamed_elements++) : given, store_.Function(symbol));
    for (ListPosition pin = at.Cxr("adddddda"); !pin.Nil(); pin = pin.Cdr()) {
      const ListPosition fields = pin.Car();
      const std::string pin_name(fields.Cxr("dda").String());
      Signal* signal = signal_at(fields.Car(), fields.Cxr("da"));
      Terminal& terminal = element.AddTerminal(pin_name);
      if (signal != nullptr) terminal.ConnectTo(*signal);
    }
  }

  // The pins: terminals of the element named like the circuit, on the
  // signal at each pin's first terminal.
  Element& pins = circuit.AddElement(circuit_name, store_.Function(circuit_name));
  for (ListPosition at = elements; !at.Nil(); at = at.Cdr()) {
    if (!IsPinSymbol(at.Cxr("addda").String())) continue;
    const std::string name(at.Cxr("adda").String());
    if (name == "?") {
      Warn(kUnnamedPin);
      return false;
    }
    if (HasBlank(name)) {
      Warn("入出力端子の名前「" + name + "」に空白があります。\n空白のない名前を付けてください。");
      return false;
    }
    if (IsGeneratedName(name)) {
      Warn(GeneratedNameMessage("入出力端子", name));
      return false;
    }
    Terminal& terminal = pins.AddTerminal(name);
    // A pin element without terminals (a hand-made file) stays unconnected.
    const ListPosition first = at.Cxr("adddddda");
    if (first.Nil()) continue;
    if (Signal* signal = signal_at(first.Cxr("aa"), first.Cxr("ada"))) terminal.ConnectTo(*signal);
  }

  std::vector<const std::string*> names;
  for (const Terminal& terminal : pins.terminals())
    names.push_back(&terminal.name());
  if (const std::string* repeated = FirstRepeated(names)) {
    Warn("２つの入出力端子に同じ名前 " + *repeated + " が付けられています。\n");
    return false;
  }
  names.clear();
  for (const Element& element : circuit.elements())
    names.push_back(&element.name());
  if (const std::string* repeated = FirstRepeated(names)) {
    Warn("２つの素子に同じ名前 " + *repeated + " が付けられています。\n");
    return false;
  }

  if (!WriteCircuitFile(circuit, circuit_tmp_path)) {
    ShowError(host_, errors_, kConvertWrite, circuit_tmp_path);
    return false;
  }
  store_.RemoveCircuit(circuit);
  return true;
}

// Step 3: LumoCir.tmp read back, without its signals that reach no terminal.
bool CircuitConverter::Prune(const std::string& circuit_tmp_path, const std::string& circuit_path) {
  std::string source;
  if (!ReadWholeFile(circuit_tmp_path, source)) {
    ShowError(host_, errors_, kConvertRead, circuit_tmp_path);
    return false;
  }
  std::istringstream in(source);
  Circuit* circuit = ReadCircuit(store_, in);
  if (circuit == nullptr) {
    ShowError(host_, errors_, kConvertRead, circuit_tmp_path);
    return false;
  }
  for (Signal* signal = circuit->first_signal(); signal != nullptr;) {
    Signal* next = signal->next();
    if (!signal->HasTerminals()) circuit->RemoveSignal(*signal);
    signal = next;
  }
  counts_.signals = circuit->signal_count();
  if (!WriteCircuitFile(*circuit, circuit_path)) {
    ShowError(host_, errors_, kConvertWrite, circuit_path);
    return false;
  }
  return true;
}

}  // namespace lumo
