#include "schematic/pattern_setup.h"

#include <algorithm>
#include <vector>

namespace lumo {

namespace {

bool IsInputPin(const DrawElement& element) {
  return element.symbol_name() == "_in" || element.symbol_name() == "_io";
}

}  // namespace

int InputPinCount(const Draw& draw) {
  int count = 0;
  for (const DrawElement& element : draw.elements())
    if (IsInputPin(element)) ++count;
  return count;
}

std::string TooManyInputsText() {
  return "入力端子が多すぎます。\n入力パターンに入る入力端子は " + std::to_string(kPatRows) +
         " 個までです。";
}

bool SetupInputs(Pat& pat, const Draw& draw) {
  pat.set_schematic_name(draw.circuit_name());
  pat.set_count(0);
  for (const DrawElement& element : draw.elements()) {
    if (!IsInputPin(element)) continue;
    if (pat.AppendRow(element.name(), draw.circuit_name() + "." + element.name(), RowKind::kInput) <
        0)
      break;
  }
  pat.SortRows(RowKind::kInput);
  return InputPinCount(draw) <= kPatRows;
}

void DefaultEvents(Pat& pat, const Draw& draw) {
  for (const DrawElement& element : draw.elements()) {
    if (element.symbol_name() != "_in") continue;
    const int row = pat.FindRow(element.name());
    if (row >= 0 && pat.row(row).events.empty()) pat.row(row).events.Insert(0, "0");
  }
}

void SetupMemories(Mem& mem, const Draw& draw) {
  mem.set_count(0);
  for (const DrawElement& element : draw.elements()) {
    if (element.symbol_name() != "_mem") continue;
    if (mem.Append(element.name()) < 0) break;
  }
  std::vector<Memory> memories;
  memories.reserve(mem.count());
  for (int i = 0; i < mem.count(); ++i)
    memories.push_back(std::move(mem.memory(i)));
  // Byte order: std::string compares its characters as unsigned bytes.
  std::stable_sort(memories.begin(), memories.end(),
                   [](const Memory& a, const Memory& b) { return a.name < b.name; });
  for (int i = 0; i < mem.count(); ++i)
    mem.memory(i) = std::move(memories[i]);
}

}  // namespace lumo
