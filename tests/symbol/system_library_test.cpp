// The shipped system symbol library, data/sys/LumoCAD.lib: the library
// circuits are there with their pins, the drawings are sound, and the file is
// in the writer's layout (tests/primitives checks the primitives' pins).

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <numbers>
#include <sstream>
#include <vector>

#include "common/recording_message_host.h"
#include "lists/list.h"
#include "lists/list_errors.h"
#include "primitives/primitive_table.h"
#include "symbol/name_text.h"
#include "symbol/symbol_errors.h"
#include "symbol/symbol_list.h"

namespace lumo {
namespace {

namespace fs = std::filesystem;

fs::path SystemFolder() {
  const char* root = std::getenv("LUMO_SOURCE_DIR");
  return fs::path(root != nullptr ? root : LUMO_SOURCE_ROOT) / "data" / "sys";
}

// The symbols of the library circuits in data/sys/Parts (see its README):
// their circuits' input/output terminals must carry these names.
const std::map<std::string, std::vector<std::string>>& PartPins() {
  static const std::map<std::string, std::vector<std::string>> pins = {
      {"half_adder", {"a", "b", "c", "s"}},
      {"full_adder", {"a", "b", "ci", "co", "s"}},
      {"adder4", {"a", "b", "ci", "co", "s"}},
      {"decoder2to4", {"a0", "a1", "y0", "y1", "y2", "y3"}},
      {"mux4to1", {"d0", "d1", "d2", "d3", "s0", "s1", "y"}},
  };
  return pins;
}

// Terminal names in the simulator's name order: lower-cased, byte-wise.
std::vector<std::string> PinsInNameOrder(const Symbol& symbol) {
  std::vector<std::string> names;
  for (const SymbolTerminal& terminal : symbol.terminals)
    names.push_back(LowerCaseName(terminal.name));
  std::sort(names.begin(), names.end());
  return names;
}

class SystemLibraryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterSymbolErrors(symbol_errors_);
    RegisterListErrors(list_errors_);
    path_ = (SystemFolder() / "LumoCAD.lib").string();
    ASSERT_TRUE(symbols_.Read(path_, {host_, symbol_errors_, list_errors_})) << host_.OnlyText();
  }

  RecordingMessageHost host_;
  ErrorTable symbol_errors_, list_errors_;
  std::string path_;
  SymbolList symbols_;
};

// The primitives' symbols are checked against their table in
// tests/primitives; here the rest: the library circuits' symbols, and
// nothing else.
TEST_F(SystemLibraryTest, EveryLibraryCircuitIsASystemSymbolWithItsCircuitsPins) {
  for (const auto& [name, pins] : PartPins()) {
    const Symbol* symbol = symbols_.Find(name);
    ASSERT_NE(symbol, nullptr) << name;
    EXPECT_EQ(PinsInNameOrder(*symbol), pins) << name;
  }
  EXPECT_EQ(symbols_.Count(), std::size(kPrimitiveFunctions) + PartPins().size());
  for (const Symbol& symbol : symbols_) {
    EXPECT_EQ(symbol.kind, 's') << symbol.name;
    EXPECT_EQ(symbols_.Find(symbol.name), &symbol) << "two symbols named " << symbol.name;
  }
}

// Every terminal is on the 4-unit grid, and its stub (or bubble) reaches the
// body: the point 3 units from the connection point towards the body lies on
// a line or an arc of each graphics set.
TEST_F(SystemLibraryTest, TerminalsLieOnTheGridAndMeetTheBody) {
  static constexpr int kVectors[4][2] = {{1, 0}, {0, -1}, {-1, 0}, {0, 1}};
  const auto on_line = [](const SymbolLine& line, double x, double y) {
    const double dx = line.x1 - line.x0, dy = line.y1 - line.y0;
    const double length2 = dx * dx + dy * dy;
    double t = length2 == 0 ? 0 : ((x - line.x0) * dx + (y - line.y0) * dy) / length2;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(x - (line.x0 + t * dx), y - (line.y0 + t * dy)) <= 0.5;
  };
  const auto on_arc = [](const SymbolArc& arc, double x, double y) {
    if (std::abs(std::hypot(x - arc.cx, y - arc.cy) - arc.r) > 1.0) return false;
    double angle = std::atan2(-(y - arc.cy), x - arc.cx) * 180 / std::numbers::pi;
    if (angle < 0) angle += 360;
    double start = arc.start, end = arc.end;
    if (end < start) end += 360;
    if (angle < start - 3) angle += 360;
    return angle >= start - 3 && angle <= end + 3;
  };
  for (const Symbol& symbol : symbols_) {
    ASSERT_NE(symbol.positive, nullptr) << symbol.name;
    for (const SymbolTerminal& terminal : symbol.terminals) {
      EXPECT_EQ(terminal.x % 4, 0) << symbol.name << " " << terminal.name;
      EXPECT_EQ(terminal.y % 4, 0) << symbol.name << " " << terminal.name;
      ASSERT_TRUE(terminal.direction >= 0 && terminal.direction < 4);
      ASSERT_TRUE(terminal.polarity == 'p' || terminal.polarity == 'n');
      const double x = terminal.x + 3 * kVectors[terminal.direction][0];
      const double y = terminal.y + 3 * kVectors[terminal.direction][1];
      for (const SymbolGraphics* graphics : {symbol.positive.get(), symbol.negative.get()}) {
        if (graphics == nullptr) continue;
        bool meets = false;
        for (const SymbolLine& line : graphics->lines)
          meets = meets || on_line(line, x, y);
        for (const SymbolArc& arc : graphics->arcs)
          meets = meets || on_arc(arc, x, y);
        EXPECT_TRUE(meets) << symbol.name << " " << terminal.name << " ends in the air";
      }
    }
  }
}

TEST_F(SystemLibraryTest, EverySymbolHasAnElementNameAnchorAndAFunctionName) {
  for (const Symbol& symbol : symbols_) {
    for (const SymbolGraphics* graphics : {symbol.positive.get(), symbol.negative.get()}) {
      if (graphics == nullptr) continue;
      int element = 0, function = 0;
      for (const SymbolText& text : graphics->texts) {
        element += text.kind == 'e';
        function += text.kind == 'f';
        EXPECT_TRUE(text.anchor == 'u' || text.anchor == 'd' || text.anchor == 'l' ||
                    text.anchor == 'r')
            << symbol.name;
        EXPECT_EQ(text.rotation, 0) << symbol.name;
      }
      EXPECT_EQ(element, 1) << symbol.name;
      EXPECT_EQ(function, 1) << symbol.name;
    }
  }
  // Every gate has its De Morgan body for negative logic.
  for (const char* gate : {"_and2", "_nand3", "_or4", "_nor2", "_exor2", "_exor3", "_exor4"})
    EXPECT_NE(symbols_.Find(gate)->negative, nullptr) << gate;
}

TEST_F(SystemLibraryTest, TheFileIsInTheWritersLayout) {
  std::ifstream in(path_, std::ios::binary);
  std::ostringstream original;
  original << in.rdbuf();
  // One round reverses the items of every symbol; the second restores them.
  std::ostringstream once;
  for (const Symbol& symbol : symbols_)
    ASSERT_TRUE(symbol.Write(once));
  const fs::path temporary = fs::temp_directory_path() / "lumo_system_library_once.lib";
  std::ofstream(temporary, std::ios::binary) << once.str();
  SymbolList again;
  ASSERT_TRUE(again.Read(temporary.string(), {host_, symbol_errors_, list_errors_}));
  fs::remove(temporary);
  std::ostringstream twice;
  for (const Symbol& symbol : again)
    ASSERT_TRUE(symbol.Write(twice));
  EXPECT_EQ(twice.str(), original.str());
}

}  // namespace
}  // namespace lumo
