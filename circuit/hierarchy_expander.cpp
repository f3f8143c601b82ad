#include "circuit/hierarchy_expander.h"

#include <ctime>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <unordered_map>

#include "circuit/bus_merge.h"
#include "circuit/circuit_file.h"
#include "circuit/circuit_statistics.h"
#include "circuit/global_signals.h"
#include "circuit/instance_replacer.h"
#include "circuit/sub_circuit_files.h"
#include "common/file_path.h"
#include "common/input_file.h"
#include "lists/error_message.h"

namespace lumo {

namespace {

void WriteTiming(std::ostream& out, std::int64_t seconds, std::size_t element_expansions,
                 std::size_t signal_expansions) {
  const std::size_t expansions = element_expansions + signal_expansions;
  const double per_expansion = expansions == 0
                                   ? static_cast<double>(seconds)
                                   : static_cast<double>(seconds) / static_cast<double>(expansions);
  out << "実行時間 = " << seconds << " 秒  素子展開 = " << element_expansions
      << "  信号展開 = " << signal_expansions << "  実行時間／展開 = " << per_expansion << " 秒\n";
  out.flush();
}

}  // namespace

HierarchyExpander::HierarchyExpander(CircuitStore& store, MessageHost& host,
                                     const ErrorTable& errors, std::ostream& statistics,
                                     BusSignalCounter& bus_signals)
    : store_(store),
      host_(host),
      errors_(errors),
      statistics_(statistics),
      bus_signals_(bus_signals),
      clock_([] { return static_cast<std::int64_t>(std::time(nullptr)); }) {}

bool HierarchyExpander::Expand(const std::string& circuit_path, const std::string& output_path,
                               const std::string& parts_folder, const std::string& work_folder) {
  const std::int64_t start = clock_();
  Circuit* top = ReadTop(circuit_path);
  if (top == nullptr) return false;
  statistics_ << "展開前  ";
  WriteStatistics(statistics_, *top);

  SubCircuitFiles files(parts_folder, work_folder);
  if (!FitsLimits(*top, [&files](const std::string& function) { return files.PathOf(function); }))
    return false;
  InstanceReplacer replacer(store_, *top, host_, [&files](const FunctionRecord& function) {
    return !files.PathOf(function.name()).empty();
  });
  replacer.set_element_limit(element_limit_);
  replacer.set_merge_log(merge_log_);
  std::size_t element_expansions = 0;
  while (Element* candidate = replacer.NextCandidate()) {
    const std::string function = candidate->function_name();
    const std::string& path = files.PathOf(function);
    std::ifstream in = OpenInputFile(path);
    if (!in) {
      // Gone since it was first looked for: a primitive after all.
      replacer.SkipCandidate();
      continue;
    }
    const Circuit* sub = ReadFrom(path, in);
    if (sub == nullptr) return false;
    if (FunctionNameKey(sub->name()) != FunctionNameKey(function)) {
      // Its instances would never be found.
      host_.Warn("回路ファイル " + path + " の回路名 " + sub->name() + " がファイル名と違います。");
      return false;
    }
    const std::optional<std::size_t> replaced = replacer.Replace(*sub);
    if (!replaced) return false;
    element_expansions += *replaced;
  }
  const std::size_t signal_expansions = MergeBusLines(*top);
  PromoteGlobalSignals(*top);
  if (!WriteResult(*top, output_path)) return false;

  statistics_ << "展開後  ";
  WriteStatistics(statistics_, *top);
  const std::int64_t end = clock_();
  statistics_ << '\n';
  WriteTiming(statistics_, end - start, element_expansions, signal_expansions);
  return true;
}

std::optional<std::size_t> HierarchyExpander::ExpandInstances(const Circuit& sub, Circuit& parent) {
  InstanceReplacer replacer(store_, parent, host_);
  replacer.set_element_limit(element_limit_);
  replacer.set_merge_log(merge_log_);
  return replacer.Replace(sub);
}

std::size_t HierarchyExpander::MergeBusLines(Circuit& circuit) {
  return lumo::MergeBusLines(circuit, bus_signals_, merge_log_);
}

// Adds up what the top's instances become, first in list order first as
// they are expanded, and names the instance that takes the total past a
// limit.
bool HierarchyExpander::FitsLimits(const Circuit& top, FlatSizeCounter::PathOf path_of) {
  FlatSizeCounter counter(std::move(path_of));
  FlatSize total{top.element_count(), 0, top.signal_count()};
  for (const Element& element : top.elements())
    total.terminals += element.terminal_count();
  const Element* pins = top.IoPseudoElement();
  for (const Element& element : top.elements()) {
    if (&element == pins) continue;
    // The instance goes, its inside comes.
    total.elements -= 1;
    total.terminals -= element.terminal_count();
    total.Add(counter.SizeOf(element));
    const struct {
      const char* what;
      std::uint64_t count;
      std::size_t limit;
    } limits[] = {{"素子数", total.elements, element_limit_},
                  {"端子数", total.terminals, terminal_limit_},
                  {"信号数", total.signals, signal_limit_}};
    for (const auto& limit : limits) {
      if (limit.count <= limit.limit) continue;
      host_.Warn(std::string("展開した回路の") + limit.what + "が " + std::to_string(limit.limit) +
                 " を超えるため、素子 " + element.name() + "(" + element.function_name() +
                 ") を展開できません。");
      return false;
    }
  }
  return true;
}

Circuit* HierarchyExpander::ReadTop(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::error_code error;
  if (!in || std::filesystem::is_directory(path, error)) {
    host_.Warn("回路ファイル " + path + " がありません。");
    return nullptr;
  }
  return ReadFrom(path, in);
}

// A damaged file is shown with the reader's error and the file's path; a
// file that holds no circuit is reported too.
Circuit* HierarchyExpander::ReadFrom(const std::string& path, std::istream& in) {
  Circuit* circuit = nullptr;
  try {
    circuit = ReadCircuit(store_, in);
  } catch (const ListError& error) {
    std::string detail = error.detail();
    if (!detail.empty() && detail.back() != '\n') detail += '\n';
    ShowError(host_, errors_, error.tag(), detail + path);
    return nullptr;
  }
  if (circuit == nullptr) host_.Warn("回路ファイル " + path + " に回路がありません。");
  return circuit;
}

bool HierarchyExpander::WriteResult(const Circuit& circuit, const std::string& path) {
  try {
    if (WriteCircuitFile(circuit, path)) return true;
    host_.Warn("ファイル " + path + " に書き込めません。");
  } catch (const ListError& error) {
    ShowError(host_, errors_, error.tag(), error.detail() + '\n' + path);
  }
  return false;
}

}  // namespace lumo
