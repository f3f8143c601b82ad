// The table against the system folder's data: the delay table and the symbol
// library must give every primitive exactly the table's pins, since the
// simulator finds both a terminal and its delay by position in that order.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "common/recording_message_host.h"
#include "lists/list.h"
#include "lists/list_errors.h"
#include "primitives/primitive_table.h"
#include "symbol/name_text.h"
#include "symbol/symbol_errors.h"
#include "symbol/symbol_list.h"
#include "tests/support/test_folder.h"

namespace lumo::testing {
namespace {

fs::path SystemData() {
  return SourceFolder() / "data" / "sys";
}

std::vector<std::string> TablePins(const PrimitiveFunction& function) {
  std::vector<std::string> names;
  for (const Pin& pin : function.pins)
    names.emplace_back(pin.name);
  return names;
}

// Pin names in the simulator's order: lower-cased, byte-wise.
std::vector<std::string> InNameOrder(std::vector<std::string> names) {
  for (std::string& name : names)
    name = LowerCaseName(name);
  std::sort(names.begin(), names.end());
  return names;
}

// The pins of each entry of LumoCAD.dly; a second entry of a name is kept
// apart, to be reported.
struct DelayEntries {
  std::map<std::string, std::vector<std::string>> pins;
  std::vector<std::string> repeated;
};

DelayEntries ReadDelayEntries() {
  std::ifstream in(SystemData() / "LumoCAD.dly", std::ios::binary);
  List table;
  table.Read(in);
  DelayEntries entries;
  for (ListPosition entry = table.Top(); !entry.Nil(); entry = entry.Cdr()) {
    const std::string function(entry.Cxr("aa").String());
    std::vector<std::string> pins;
    for (ListPosition item = entry.Car().Cdr(); !item.Nil(); item = item.Cdr())
      pins.emplace_back(item.Cxr("aa").String());
    if (!entries.pins.emplace(function, InNameOrder(pins)).second)
      entries.repeated.push_back(function);
  }
  return entries;
}

// Every function the simulator runs has one delay entry with its pins; the
// drawn circuit's pins have none, and no entry names anything else (an
// unknown name fails every run).
TEST(ShippedData, TheDelayTableHasAnEntryWithThePinsOfEveryFunction) {
  ASSERT_TRUE(fs::exists(SystemData() / "LumoCAD.dly"));
  const DelayEntries entries = ReadDelayEntries();
  EXPECT_TRUE(entries.repeated.empty()) << entries.repeated.front() << " twice";
  for (const PrimitiveFunction& function : kPrimitiveFunctions) {
    const auto entry = entries.pins.find(std::string(function.name));
    if (function.simulation == Simulation::kCircuitPin) {
      EXPECT_EQ(entry, entries.pins.end()) << function.name << " has a delay entry";
    } else if (entry == entries.pins.end()) {
      ADD_FAILURE() << function.name << " has no delay entry";
    } else {
      EXPECT_EQ(entry->second, TablePins(function)) << function.name;
    }
  }
  for (const auto& [name, pins] : entries.pins)
    EXPECT_NE(FindPrimitive(name), nullptr) << name << " is no primitive";
}

// Every primitive is a system symbol of exactly its name with exactly the
// table's pins, and every system symbol named like a primitive is one.
TEST(ShippedData, EveryPrimitiveSymbolHasTheTablesPins) {
  RecordingMessageHost host;
  ErrorTable symbol_errors, list_errors;
  RegisterSymbolErrors(symbol_errors);
  RegisterListErrors(list_errors);
  SymbolList symbols;
  ASSERT_TRUE(
      symbols.Read((SystemData() / "LumoCAD.lib").string(), {host, symbol_errors, list_errors}))
      << host.OnlyText();
  for (const PrimitiveFunction& function : kPrimitiveFunctions) {
    const Symbol* symbol = symbols.Find(function.name);
    ASSERT_NE(symbol, nullptr) << function.name;
    EXPECT_EQ(symbol->name, function.name);  // the converter takes it as the function name
    std::vector<std::string> pins;
    for (const SymbolTerminal& terminal : symbol->terminals)
      pins.push_back(terminal.name);
    EXPECT_EQ(InNameOrder(pins), TablePins(function)) << function.name;
  }
  for (const Symbol& symbol : symbols) {
    if (symbol.name.starts_with('_')) {
      EXPECT_NE(FindPrimitive(symbol.name), nullptr) << symbol.name << " is no primitive";
    }
  }
}

}  // namespace
}  // namespace lumo::testing
