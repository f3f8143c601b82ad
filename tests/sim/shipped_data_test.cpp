// The delay table and command file shipped in the system folder.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>

#include "lists/list.h"
#include "sim/netlist.h"
#include "tests/sim/sim_test_util.h"

namespace lumo::testing {
namespace {

std::filesystem::path SystemData() {
  return SourceFolder() / "data" / "sys";
}

// Every primitive has one entry with a delay per terminal; nothing else is
// there (an unknown name would fail every run); and every output changes to
// 0 as fast as to 1, so no change can overtake an earlier one.
TEST(ShippedDelays, CoverEveryPrimitiveWithEqualRiseAndFall) {
  std::ifstream in(SystemData() / "LumoCAD.dly", std::ios::binary);
  ASSERT_TRUE(in);
  List table;
  table.Read(in);
  std::set<std::string> seen;
  for (ListPosition entry = table.Top(); !entry.Nil(); entry = entry.Cdr()) {
    const std::string name(entry.Cxr("aa").String());
    EXPECT_TRUE(seen.insert(name).second) << name << " twice";
    Primitive primitive;
    ASSERT_TRUE(LookUpPrimitive(name, primitive)) << name;
    int terminals = 0;
    for (ListPosition item = entry.Cxr("ad"); !item.Nil(); item = item.Cdr(), ++terminals)
      EXPECT_EQ(item.Cxr("ada").Long(), item.Cxr("adda").Long()) << name;
    if (primitive != Primitive::kNone) {
      EXPECT_EQ(terminals, TerminalsOf(primitive, name)) << name;
    }
  }
  for (const char* name : {"_not", "_and4", "_nor3", "_exor2", "_ntriinv", "_cmp", "_rslatch",
                           "_dffrs", "_jkffrs2", "_mux", "_line8", "_reg", "_cnt", "_mem", "_0"})
    EXPECT_EQ(seen.count(name), 1u) << name;
  EXPECT_EQ(seen.size(), 40u);
}

class ShippedFilesTest : public SimulationTest {};

// A full adder from gates runs with the shipped files and gives correct
// sums for all eight inputs.
TEST_F(ShippedFilesTest, AFullAdderAddsCorrectly) {
  std::ifstream in(SystemData() / "LumoCAD.dly", std::ios::binary);
  delays.assign(std::istreambuf_iterator<char>(in), {});
  std::ifstream cmd(SystemData() / "LumoCAD.cmd", std::ios::binary);
  commands.assign(std::istreambuf_iterator<char>(cmd), {});
  const std::string circuit = CircuitText("fa", {"A", "B", "C", "S", "CO"},
                                          {{"x1", "_exor2", {{"a", "A"}, {"b", "B"}, {"y", "P"}}},
                                           {"x2", "_exor2", {{"a", "P"}, {"b", "C"}, {"y", "S"}}},
                                           {"a1", "_and2", {{"a", "A"}, {"b", "B"}, {"y", "G"}}},
                                           {"a2", "_and2", {{"a", "P"}, {"b", "C"}, {"y", "K"}}},
                                           {"o1", "_or2", {{"a", "G"}, {"b", "K"}, {"y", "CO"}}}});
  // Input k (0..7) is applied at 100 k: A is bit 0, B bit 1, C bit 2.
  std::string pattern;
  for (const char* pin : {"A", "B", "C"}) {
    const int bit = pin[0] == 'A' ? 0 : pin[0] == 'B' ? 1 : 2;
    pattern += std::string("a ") + pin + " 8";
    for (int k = 0; k < 8; ++k)
      pattern += " " + std::to_string(100 * k) + " " + std::to_string((k >> bit) & 1);
    pattern += "\n";
  }
  ASSERT_TRUE(Run(circuit, pattern + "e\n")) << messages.OnlyText();
  // The last value of S and CO before each next input time.
  std::map<std::string, std::map<int, char>> last;
  for (const std::string& line : OutputLines()) {
    std::istringstream words(line);
    std::string name, value;
    int time;
    words >> name >> time >> value;
    last[name][time] = value[0];
  }
  for (int k = 0; k < 8; ++k) {
    const int sum = (k & 1) + ((k >> 1) & 1) + ((k >> 2) & 1);
    auto value_at = [&](const std::string& name) {
      char value = 'x';
      for (const auto& [time, v] : last[name])
        if (time < 100 * (k + 1)) value = v;
      return value;
    };
    EXPECT_EQ(value_at("fa.S"), '0' + (sum & 1)) << k;
    EXPECT_EQ(value_at("fa.CO"), '0' + (sum >> 1)) << k;
  }
}

}  // namespace
}  // namespace lumo::testing
