// The primitives' rules, each run in a small circuit of its own.

#include <gtest/gtest.h>

#include "tests/sim/sim_test_util.h"

namespace lumo::testing {
namespace {

using ::testing::ElementsAre;

class GateModelTest : public SimulationTest {
 protected:
  // Runs and returns the output lines of pin Y only.
  std::vector<std::string> Changes(const std::string& circuit, const std::string& pattern,
                                   const std::string& pin = "Y") {
    Run(circuit, pattern);
    std::vector<std::string> lines;
    for (const std::string& line : OutputLines())
      if (line.rfind("c." + pin + " ", 0) == 0) lines.push_back(line.substr(pin.size() + 3));
    return lines;
  }
};

TEST_F(GateModelTest, UndrivenGateInputsCountAsZero) {
  const std::string circuit = CircuitText("c", {"A", "Y", "Z"},
                                          {{"g", "_and2", {{"a", "A"}, {"b", "U"}, {"y", "Y"}}},
                                           {"h", "_nand2", {{"a", "A"}, {"b", "U"}, {"y", "Z"}}}});
  EXPECT_THAT(Changes(circuit, "a A 1 0 1\ne\n", "Y"), ElementsAre("-1 0"));
  EXPECT_THAT(Changes(circuit, "a A 1 0 1\ne\n", "Z"), ElementsAre("-1 1"));
}

TEST_F(GateModelTest, WideInputsFoldFromTheFirst) {
  // NAND of three = NAND(AND(a, b), c); EXOR of two multi-bit values.
  const std::string circuit =
      CircuitText("c", {"A", "B", "C", "Y", "X"},
                  {{"g", "_nand3", {{"a", "A"}, {"b", "B"}, {"c", "C"}, {"y", "Y"}}},
                   {"h", "_exor2", {{"a", "A"}, {"b", "B"}, {"y", "X"}}}});
  const std::string pattern = "a A 1 0 c\na B 1 0 a\na C 1 0 f\ne\n";
  // Bit 0 first A = 0011, B = 0101, C = 1111: AND = 0001, NAND with C =
  // 1110 (hex 7); EXOR = 0110. Before B and C arrive the result is one bit.
  EXPECT_THAT(Changes(circuit, pattern, "Y"), ElementsAre("-1 1", "-1 7"));
  EXPECT_EQ(ValueOf("h", "y"), "0110");
}

TEST_F(GateModelTest, TristatesPassReleaseAndShareASignal) {
  const std::string circuit = CircuitText("c", {"D", "E", "Y", "N", "V"},
                                          {{"p", "_ptri", {{"a", "D"}, {"c", "E"}, {"y", "Y"}}},
                                           {"n", "_ntri", {{"a", "D"}, {"c", "E"}, {"y", "Y"}}},
                                           {"i", "_ptriinv", {{"a", "U"}, {"c", "E"}, {"y", "N"}}},
                                           {"v", "_ntri", {{"a", "D"}, {"c", "W"}, {"y", "V"}}}});
  // E high: p passes, n releases; E low: the other way round. Both drive Y
  // without a collision.
  Run(circuit, "a D 2 0 1 20 0\na E 3 0 1 10 0 30 1\ne\n");
  std::vector<std::string> y, n, v;
  for (const std::string& line : OutputLines()) {
    if (line.rfind("c.Y ", 0) == 0) y.push_back(line.substr(4));
    if (line.rfind("c.N ", 0) == 0) n.push_back(line.substr(4));
    if (line.rfind("c.V ", 0) == 0) v.push_back(line.substr(4));
  }
  // Released outputs ("z") are not passed on, so the pin never shows them.
  EXPECT_THAT(y, ElementsAre("1 1", "1 1", "11 1", "21 0", "31 0"));
  // An enabled inverting tristate with undriven data outputs NOT "x" = 1.
  EXPECT_THAT(n, ElementsAre("1 1", "31 1"));
  // An _ntri whose enable was never driven passes its data.
  EXPECT_THAT(v, ElementsAre("1 1", "21 0"));
}

TEST_F(GateModelTest, ComparatorDecidesOnTheCommonBits) {
  // "01" (2) against "1" (1): only bit 0 counts, so A < B.
  const std::string circuit =
      CircuitText("c", {"A", "B", "Q", "G", "L"},
                  {{"k", "_cmp", {{"a", "A"}, {"b", "B"}, {"eq", "Q"}, {"gt", "G"}, {"lt", "L"}}}});
  Run(circuit, "a A 1 0 2\na B 1 0 1\ne\n");
  EXPECT_EQ(ValueOf("k", "lt"), "1");
  EXPECT_EQ(ValueOf("k", "gt"), "0");
  EXPECT_EQ(ValueOf("k", "eq"), "0");
}

TEST_F(GateModelTest, LatchHoldsWhenBothInputsAreActive) {
  const std::string circuit =
      CircuitText("c", {"R", "S", "Q", "P"},
                  {{"l", "_rslatch", {{"q", "Q"}, {"qn", "P"}, {"r", "R"}, {"s", "S"}}}});
  // Set at 0, both active at 20 (hold), reset alone at 30.
  EXPECT_THAT(Changes(circuit, "a R 3 0 1 20 0 40 1\na S 2 0 0 30 1\ne\n", "Q"),
              ElementsAre("1 1", "31 0"));
  EXPECT_EQ(ValueOf("l", "qn"), "1");
}

TEST_F(GateModelTest, DFlipFlopTakesDWhileTheClockIsHigh) {
  const std::string circuit =
      CircuitText("c", {"D", "R", "T", "Q", "P"},
                  {{"f", "_dffr", {{"d", "D"}, {"q", "Q"}, {"qn", "P"}, {"r", "R"}, {"t", "T"}}}});
  // Clock rises at 10 (D=1), falls at 20 (no change), D changes at 25 (only
  // stored), rises at 30 (D=0); reset at 40.
  EXPECT_THAT(
      Changes(circuit, "a D 2 0 1 25 0\na R 2 0 1 40 0\na T 4 0 0 10 1 20 0 30 1\ne\n", "Q"),
      ElementsAre("11 1", "31 0"));
  EXPECT_EQ(ValueOf("f", "qn"), "1");
}

TEST_F(GateModelTest, DFlipFlopWithAnUndrivenResetStaysAtZeroAndFailsTheRun) {
  const std::string circuit =
      CircuitText("c", {"D", "T", "Q"},
                  {{"f", "_dffr", {{"d", "D"}, {"q", "Q"}, {"qn", ""}, {"r", ""}, {"t", "T"}}}});
  EXPECT_THAT(Changes(circuit, "a D 1 0 1\na T 3 0 0 10 1 20 0\ne\n", "Q"), ElementsAre("1 0"));
  EXPECT_NE(messages.OnlyText().find("素子=f 機能=_dffr 端子=r\n"), std::string::npos);
}

TEST_F(GateModelTest, DFlipFlopKeepsQWhenClockedWithAnUnknownD) {
  const std::string circuit =
      CircuitText("c", {"R", "T", "Q"},
                  {{"f", "_dffr", {{"d", ""}, {"q", "Q"}, {"qn", ""}, {"r", "R"}, {"t", "T"}}}});
  // Reset to 0, released at 5; the clock rises at 10 with D still "x". The
  // flip-flop's own q is recorded, as an "x" would not reach the pin.
  commands = "save_ele_ter 1 f q end";
  Run(circuit, "a R 2 0 0 5 1\na T 2 0 0 10 1\ne\n");
  EXPECT_THAT(OutputLines(),
              ElementsAre("c.R 0 0", "c.T 0 0", "f.q 1 0", "c.Q 1 0", "c.R 5 1", "c.T 10 1"));
}

TEST_F(GateModelTest, JkFlipFlopsToggleOnTheirEdges) {
  const std::string circuit = CircuitText(
      "c", {"J", "K", "R", "S", "T", "Q", "Y"},
      {{"f", "_jkffr", {{"j", "J"}, {"k", "K"}, {"q", "Q"}, {"qn", ""}, {"r", "R"}, {"t", "T"}}},
       {"g",
        "_jkffrs2",
        {{"j", "J"}, {"k", "K"}, {"q", "Y"}, {"qn", ""}, {"r", "R"}, {"s", "S"}, {"t", "T"}}}});
  // J = K = 1, reset and set high: _jkffr toggles on every clock event to 0
  // (and is never set); _jkffrs2 (K = NOT 1 = 0) sets on a clock event to 1.
  // The set event comes while the reset is still unknown, so Y starts at 0.
  const std::string pattern =
      "a S 1 0 1\na R 1 0 1\na J 1 0 1\na K 1 0 1\n"
      "a T 5 0 0 10 1 20 0 30 1 40 0\ne\n";
  EXPECT_THAT(Changes(circuit, pattern, "Q"), ElementsAre("1 1", "21 0", "41 1"));
  EXPECT_THAT(Changes(circuit, pattern, "Y"), ElementsAre("1 0", "11 1"));
}

TEST_F(GateModelTest, MultiplexerWithAnUnknownSelectPassesTheLatestInput) {
  const std::string circuit = CircuitText(
      "c", {"A", "B", "S", "Y"}, {{"m", "_mux", {{"a", "A"}, {"b", "B"}, {"s", "S"}, {"y", "Y"}}}});
  EXPECT_THAT(Changes(circuit, "a A 2 0 0 10 1\na B 2 0 1 20 0\na S 2 0 x 30 1\ne\n"),
              ElementsAre("-1 0", "-1 1", "1 0", "1 1", "21 0"));
}

TEST_F(GateModelTest, BusPrimitivesSplitAndMergeAtOnce) {
  const std::string circuit =
      CircuitText("c", {"B", "P", "Q", "L1", "L2", "M"},
                  {{"s", "_line2", {{"a", "P"}, {"b", "Q"}, {"y", "B"}}},
                   {"m", "_line2", {{"a", "L1"}, {"b", "L2"}, {"y", "M"}}}});
  // The bus 5 (bit 0 first "1010") gives line 1 its bit 0 and line 2 the
  // rest. The merge's first value "1x" is unknown and not passed on.
  Run(circuit, "a B 1 0 5\na L1 2 0 1 10 0\na L2 1 0 0\ne\n");
  EXPECT_EQ(ValueOf("s", "a"), "1");
  EXPECT_EQ(ValueOf("s", "b"), "010");
  EXPECT_EQ(ValueOf("m", "y"), "00");
  std::vector<std::string> merged;
  for (const std::string& line : OutputLines())
    if (line.rfind("c.M ", 0) == 0) merged.push_back(line.substr(4));
  EXPECT_THAT(merged, ElementsAre("0 1", "10 0"));
}

TEST_F(GateModelTest, ConstantsDriveFromTimeZero) {
  const std::string circuit = CircuitText("c", {"Y"},
                                          {{"one", "_1", {{"y", "H"}}},
                                           {"zero", "_0", {{"y", "L"}}},
                                           {"g", "_or2", {{"a", "H"}, {"b", "L"}, {"y", "Y"}}}});
  EXPECT_TRUE(Run(circuit, "e\n")) << messages.OnlyText();
  EXPECT_THAT(OutputLines(), ElementsAre("c.Y -1 0", "c.Y -1 1"));
}

}  // namespace
}  // namespace lumo::testing
