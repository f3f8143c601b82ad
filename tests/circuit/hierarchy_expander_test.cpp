#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "circuit/circuit_file.h"
#include "circuit/flat_size.h"
#include "tests/circuit/expansion_fixture.h"

namespace lumo {
namespace {

using Texts = std::vector<std::string>;

// A half adder whose AND gate also reads the global "/vdd", which is one of
// its pins too; a global pin sorts first and is passed over.
const char kHalf[] =
    "(half)\n"
    "  (half half) (g1 _exor2) (g2 _and2) ()\n"
    "  (a) (b) (s) (c) (/vdd) ()\n"
    "  (half /vdd /vdd) (half a a) (half b b) (half c c) (half s s) (g1 a a) (g1 b b) (g1 y s)\n"
    "  (g2 a a) (g2 b /vdd) (g2 y c) ()\n";

TEST_F(Expansion, TwoInstancesGetPrefixedCopiesThatShareTheGlobalSignal) {
  Part("half", kHalf);
  ASSERT_TRUE(Expand("top",
                     "(top)\n"
                     "  (top top) (U1 half) (U2 half) ()\n"
                     "  (x) (y) (s1) (c1) (s2) (c2) ()\n"
                     "  (top x x) (top y y) (U1 a x) (U1 b y) (U1 c c1) (U1 s s1)\n"
                     "  (U2 a s1) (U2 b c1) (U2 c c2) (U2 s s2) ()\n"));
  EXPECT_EQ(Shown(), Texts{});
  // U2 comes first in list order; each copy goes to the head. The inside
  // signals are merged into the outside ones; "/vdd" is created once and
  // becomes a pin of the top circuit.
  EXPECT_EQ(Output(),
            "(top)\n"
            "  (U1-g1 _exor2) (U1-g2 _and2) (U2-g1 _exor2) (U2-g2 _and2) (top top) ()\n"
            "  (/vdd) (c2) (s2) (c1) (s1) (y) (x) ()\n"
            "  (U1-g1 a x) (U1-g1 b y) (U1-g1 y s1) (U1-g2 a x) (U1-g2 b /vdd)\n"
            "  (U1-g2 y c1) (U2-g1 a s1) (U2-g1 b c1) (U2-g1 y s2) (U2-g2 a s1)\n"
            "  (U2-g2 b /vdd) (U2-g2 y c2) (top /vdd /vdd) (top x x) (top y y)\n"
            "  ()\n");
  EXPECT_EQ(statistics_.str(),
            "展開前  素子数 = 2  信号数 = 6  端子数 = 8  端子数／素子数 = 4\n"
            "展開後  素子数 = 4  信号数 = 7  端子数 = 12  端子数／素子数 = 3\n"
            "\n"
            "実行時間 = 3 秒  素子展開 = 2  信号展開 = 0  実行時間／展開 = 1.5 秒\n");
}

TEST_F(Expansion, NestedLevelsPrefixAgainPartsWinAndFunctionNamesIgnoreCase) {
  const std::string leaf_body =
      "  (i) (o) ()\n"
      "  (leaf i i) (leaf o o) (n a i) (n y o) ()\n";
  Part("leaf", "(leaf)\n  (leaf leaf) (n _not) ()\n" + leaf_body);
  Work("leaf", "(leaf)\n  (leaf leaf) (n _and2) ()\n" + leaf_body);
  // LEAF finds leaf.lcr: file names and circuit names match ignoring case.
  Work("mid",
       "(mid)\n"
       "  (mid mid) (L1 leaf) (L2 LEAF) ()\n"
       "  (i) (m) (o) ()\n"
       "  (mid i i) (mid o o) (L1 i i) (L1 o m) (L2 i m) (L2 o o) ()\n");
  ASSERT_TRUE(Expand("top",
                     "(top)\n"
                     "  (top top) (M1 mid) ()\n"
                     "  (x) (z) ()\n"
                     "  (top x x) (top z z) (M1 i x) (M1 o z) ()\n"));
  EXPECT_EQ(Output(),
            "(top)\n"
            "  (M1-L2-n _not) (M1-L1-n _not) (top top) ()\n"
            "  (M1-m) (z) (x) ()\n"
            "  (M1-L2-n a M1-m) (M1-L2-n y z) (M1-L1-n a x) (M1-L1-n y M1-m)\n"
            "  (top x x) (top z z) ()\n");
  EXPECT_NE(statistics_.str().find("素子展開 = 3  信号展開 = 0"), std::string::npos);
}

TEST_F(Expansion, WithoutSubCircuitsOnlyTheGlobalSignalsBecomePins) {
  ASSERT_TRUE(Expand("flat",
                     "(flat)\n"
                     "  (flat flat) (g _and2) ()\n"
                     "  (a) (/clk) (y) ()\n"
                     "  (flat a a) (flat y y) (g a a) (g b /clk) (g y y) ()\n"));
  // Read and written once: both sections come out reversed.
  EXPECT_EQ(Output(),
            "(flat)\n"
            "  (g _and2) (flat flat) ()\n"
            "  (y) (/clk) (a) ()\n"
            "  (g a a) (g b /clk) (g y y) (flat /clk /clk) (flat a a) (flat y y)\n"
            "  ()\n");
  EXPECT_EQ(statistics_.str(),
            "展開前  素子数 = 1  信号数 = 3  端子数 = 3  端子数／素子数 = 3\n"
            "展開後  素子数 = 1  信号数 = 3  端子数 = 3  端子数／素子数 = 3\n"
            "\n"
            "実行時間 = 3 秒  素子展開 = 0  信号展開 = 0  実行時間／展開 = 3 秒\n");
}

TEST_F(Expansion, TheOutsideSignalSurvivesUnlessOnlyTheInsideOneIsRecorded) {
  Part("rec",
       "(rec)\n"
       "  (rec rec) (g _not) ()\n"
       "  (%in) (out) ()\n"
       "  (rec a %in) (rec y out) (g a %in) (g y out) ()\n");
  ASSERT_TRUE(Expand("top",
                     "(top)\n"
                     "  (top top) (U rec) (V rec) (k _not) ()\n"
                     "  (p) (%q) (r) ()\n"
                     "  (top p p) (U a p) (U y %q) (V a %q) (V y r) (k a r) (k y p) ()\n"));
  // V: both recorded, so %q stays; U: p gives way to the recorded U-%in.
  EXPECT_EQ(Output(),
            "(top)\n"
            "  (U-g _not) (V-g _not) (k _not) (top top) ()\n"
            "  (U-%in) (r) (%q) ()\n"
            "  (U-g a U-%in) (U-g y %q) (V-g a %q) (V-g y r) (k a r) (k y U-%in)\n"
            "  (top p U-%in) ()\n");
}

// A sub-circuit with pins a, b, y.
const char kBox[] =
    "(box)\n"
    "  (box box) (g _and2) ()\n"
    "  (a) (b) (y) ()\n"
    "  (box a a) (box b b) (box y y) (g a a) (g b b) (g y y) ()\n";

TEST_F(Expansion, PinMismatchesStopWithTheirMessageAndLeaveTheOldOutput) {
  struct Case {
    const char* pins;
    const char* message;
  };
  const Case cases[] = {
      {"(U a s) (U b s) (U y s) (U z s)",
       "シンボル box の端子数が回路 box の入出力端子数より多い。"},
      {"(U a s) (U b s)", "回路 box の入出力端子数がシンボル box の端子数より多い。"},
      {"(U a s) (U b s) (U x s)",
       "回路 box の入出力端子に x がないか，またはシンボル box の端子に y がありません。"},
      {"(U a s) (U b ()) (U y s)", "素子 U(box) の端子 b に信号が接続されていません。"},
  };
  Part("box", kBox);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pins);
    Put(OutputPath(), "old");
    host_.Clear();
    statistics_.str("");
    EXPECT_FALSE(Expand(
        "top", std::string("(top)\n  (top top) (U box) ()\n  (s) ()\n  ") + c.pins + " ()\n"));
    EXPECT_EQ(Shown(), Texts{c.message});
    EXPECT_EQ(Output(), "old");
    EXPECT_EQ(statistics_.str().find("展開後"), std::string::npos);
    EXPECT_EQ(statistics_.str().rfind("展開前  ", 0), 0u);
  }
}

TEST_F(Expansion, AnUnconnectedPinInsideTheSubCircuitIsReported) {
  Part("box",
       "(box)\n"
       "  (box box) (g _not) ()\n"
       "  (a) ()\n"
       "  (box a a) (box c ()) (g a a) (g y ()) ()\n");
  EXPECT_FALSE(
      Expand("top", "(top)\n  (top top) (U box) ()\n  (s) (t) ()\n  (U a s) (U c t) ()\n"));
  EXPECT_EQ(Shown(),
            Texts{"回路 box の入出力端子 c が回路内の信号に接続されていません（素子 U）。"});
}

TEST_F(Expansion, ACircuitContainingItselfIsReportedWithItsCycle) {
  Part("self", "(self)\n  (self self) (S self) ()\n  ()\n  ()\n");
  EXPECT_FALSE(Expand("top", "(top)\n  (top top) (U self) ()\n  ()\n  ()\n"));
  EXPECT_EQ(Shown(), Texts{"回路 self は自分自身を含んでいます（self → self）。\n"
                           "素子 U-S を展開できません。"});

  host_.Clear();
  Part("a", "(a)\n  (a a) (B b) ()\n  ()\n  ()\n");
  // Function A finds the file a.lcr: file names match ignoring case.
  Work("b", "(b)\n  (b b) (A A) (g _not) ()\n  ()\n  ()\n");
  EXPECT_FALSE(Expand("top", "(top)\n  (top top) (U a) ()\n  ()\n  ()\n"));
  EXPECT_EQ(Shown(), Texts{"回路 a は自分自身を含んでいます（a → b → a）。\n"
                           "素子 U-B-A を展開できません。"});

  // The circuit being expanded is found in the work folder too.
  host_.Clear();
  EXPECT_FALSE(Expand("loop", "(loop)\n  (loop loop) (X loop) ()\n  ()\n  ()\n"));
  EXPECT_EQ(Shown(), Texts{"回路 loop は自分自身を含んでいます（loop → loop）。\n"
                           "素子 X を展開できません。"});
}

TEST_F(Expansion, ACircuitFileNamedOtherwiseThanItsCircuitIsReported) {
  Part("gate", "(other)\n  (other other) ()\n  ()\n  ()\n");
  EXPECT_FALSE(Expand("top", "(top)\n  (top top) (U gate) ()\n  ()\n  ()\n"));
  EXPECT_EQ(Shown(), Texts{"回路ファイル " + (parts_ / "gate.lcr").string() +
                           " の回路名 other がファイル名と違います。"});
}

TEST_F(Expansion, PinsOnOneSignalInsideAndOutsideKeepThatSignal) {
  Part("tie",
       "(tie)\n"
       "  (tie tie) (g _not) ()\n"
       "  (n) (m) ()\n"
       "  (tie a n) (tie b n) (g a n) (g y m) ()\n");
  ASSERT_TRUE(Expand("top",
                     "(top)\n"
                     "  (top top) (T tie) (k _not) ()\n"
                     "  (w) (v) ()\n"
                     "  (top v v) (T a w) (T b w) (k a v) (k y w) ()\n"));
  EXPECT_EQ(Output(),
            "(top)\n"
            "  (T-g _not) (k _not) (top top) ()\n"
            "  (T-m) (v) (w) ()\n"
            "  (T-g a w) (T-g y T-m) (k a v) (k y w) (top v v) ()\n");
}

TEST_F(Expansion, AGlobalPinSortingAfterTheSymbolPinsIsPassedOver) {
  Part("clr",
       "(clr)\n"
       "  (clr clr) (g _and2) ()\n"
       "  (#a) (#b) (/rst) ()\n"
       "  (clr #a #a) (clr #b #b) (clr /rst /rst) (g a #a) (g b /rst) (g y #b) ()\n");
  ASSERT_TRUE(Expand("top",
                     "(top)\n"
                     "  (top top) (C clr) ()\n"
                     "  (p) (q) ()\n"
                     "  (top p p) (top q q) (C #a p) (C #b q) ()\n"));
  EXPECT_EQ(Shown(), Texts{});
  EXPECT_EQ(Output(),
            "(top)\n"
            "  (C-g _and2) (top top) ()\n"
            "  (/rst) (q) (p) ()\n"
            "  (C-g a p) (C-g b /rst) (C-g y q) (top /rst /rst) (top p p)\n"
            "  (top q q) ()\n");
}

TEST_F(Expansion, BusSignalNumbersRunOnAcrossExpansions) {
  const std::string top =
      "(top)\n"
      "  (top top) (B1 _line2) (B2 _line2) (d _not) ()\n"
      "  (bus) (p) (*s1) (*s2) ()\n"
      "  (top p p) (B1 a p) (B1 b *s1) (B1 y bus) (B2 a p) (B2 b *s2) (B2 y bus)\n"
      "  (d a *s1) (d y *s2) ()\n";
  ASSERT_TRUE(Expand("top", top));
  EXPECT_NE(Output().find("(d a *ms1) (d y *ms1)"), std::string::npos) << Output();
  EXPECT_NE(statistics_.str().find("素子展開 = 0  信号展開 = 1  実行時間／展開 = 3 秒"),
            std::string::npos);
  ASSERT_TRUE(Expand("top", top));
  EXPECT_NE(Output().find("(d a *ms3) (d y *ms3)"), std::string::npos) << Output();
  EXPECT_EQ(bus_signals_.next(), 4u);
}

TEST_F(Expansion, UnreadableFilesAreReportedWithTheirPath) {
  const std::string missing = (work_ / "none.lcr").string();
  EXPECT_FALSE(expander_.Expand(missing, OutputPath(), parts_.string(), work_.string()));
  EXPECT_EQ(Shown(), Texts{"回路ファイル " + missing + " がありません。"});
  EXPECT_EQ(statistics_.str(), "");

  host_.Clear();
  EXPECT_FALSE(Expand("empty", "()"));
  EXPECT_EQ(Shown(),
            Texts{"回路ファイル " + (work_ / "empty.lcr").string() + " に回路がありません。"});

  host_.Clear();
  Part("bad", "(bad)\n  (bad bad) (g) ()\n");
  EXPECT_FALSE(Expand("top", "(top)\n  (top top) (U bad) ()\n  ()\n  ()\n"));
  ASSERT_EQ(Shown().size(), 1u);
  const std::string text = Shown()[0];
  EXPECT_EQ(text.rfind("回路ライブラリー内でエラーが発生しました。", 0), 0u) << text;
  EXPECT_NE(text.find("素子の記述（素子名 機能名）が正しくありません。"), std::string::npos);
  EXPECT_NE(text.find((parts_ / "bad.lcr").string()), std::string::npos);
}

TEST_F(Expansion, FunctionNamesWithAFolderSeparatorArePrimitives) {
  Put(root_ / "evil.lcr", "(evil)\n  (evil evil) (g _not) ()\n  ()\n  ()\n");
  ASSERT_TRUE(Expand("top", "(top)\n  (top top) (U ../evil) ()\n  ()\n  ()\n"));
  EXPECT_EQ(Output(), "(top)\n  (U ../evil) (top top) ()\n  ()\n  ()\n");
}

TEST_F(Expansion, AnOutputThatCannotBeWrittenFailsWithAMessage) {
  Work("top", "(top)\n  (top top) (g _not) ()\n  ()\n  ()\n");
  const std::string output = (root_ / "no folder" / "LumoExp.tmp").string();
  EXPECT_FALSE(
      expander_.Expand((work_ / "top.lcr").string(), output, parts_.string(), work_.string()));
  EXPECT_EQ(Shown(), Texts{"ファイル " + output + " に書き込めません。"});
  EXPECT_EQ(statistics_.str().find("展開後"), std::string::npos);

  // Copied names longer than a file token can hold.
  host_.Clear();
  const std::string inner(60, 'g'), outer(60, 'U');
  Part("deep", "(deep)\n  (deep deep) (" + inner + " _not) ()\n  ()\n  ()\n");
  EXPECT_FALSE(Expand("top", "(top)\n  (top top) (" + outer + " deep) ()\n  ()\n  ()\n"));
  ASSERT_EQ(Shown().size(), 1u);
  EXPECT_NE(Shown()[0].find("ファイルに書くと読み戻せない名前があります。"), std::string::npos);
  EXPECT_NE(Shown()[0].find(outer + "-" + inner), std::string::npos);
}

TEST_F(Expansion, AHierarchyGrowingPastTheElementLimitStops) {
  Part("half", kHalf);
  const std::string top =
      "(top)\n  (top top) (U1 half) (U2 half) ()\n  (x) ()\n"
      "  (U1 a x) (U1 b x) (U1 c x) (U1 s x) (U2 a x) (U2 b x) (U2 c x) (U2 s x) ()\n";
  // Four gates and the pin element.
  expander_.set_element_limit(5);
  EXPECT_TRUE(Expand("top", top));
  expander_.set_element_limit(4);
  EXPECT_FALSE(Expand("top", top));
  EXPECT_EQ(Shown(),
            Texts{"展開した回路の素子数が 4 を超えるため、素子 U1(half) を展開できません。"});
}

// Three mids of three leaves of two inverters: 18 gates and the top's pins
// (19 elements, 38 terminals); 43 signals before pins are joined.
class ExpansionLimits : public Expansion {
 protected:
  void SetUp() override {
    Part("leaf",
         "(leaf)\n  (leaf leaf) (n1 _not) (n2 _not) ()\n  (i) (m) (o) ()\n"
         "  (leaf i i) (leaf o o) (n1 a i) (n1 y m) (n2 a m) (n2 y o) ()\n");
    Part("mid",
         "(mid)\n  (mid mid) (L1 leaf) (L2 leaf) (L3 leaf) ()\n  (i) (p) (q) (o) ()\n"
         "  (mid i i) (mid o o) (L1 i i) (L1 o p) (L2 i p) (L2 o q) (L3 i q) (L3 o o) ()\n");
  }
  bool ExpandTop() {
    return Expand("top",
                  "(top)\n  (top top) (M1 mid) (M2 mid) (M3 mid) ()\n  (x) (p) (q) (z) ()\n"
                  "  (top x x) (top z z) (M1 i x) (M1 o p) (M2 i p) (M2 o q) (M3 i q) (M3 o z)"
                  " ()\n");
  }
  // Refused before anything was copied: only the top was read, as it was.
  void ExpectRefusedUntouched(const std::string& message) {
    EXPECT_FALSE(ExpandTop());
    EXPECT_EQ(Shown(), Texts{message});
    EXPECT_EQ(store_.circuit_count(), 1u);
    ASSERT_NE(store_.first_circuit(), nullptr);
    EXPECT_EQ(store_.first_circuit()->element_count(), 4u);
    EXPECT_FALSE(std::filesystem::exists(OutputPath()));
  }
};

TEST_F(ExpansionLimits, EachLimitIsCheckedOnTheFlatSizeBeforeCopying) {
  // M3 and M2 come first in list order; M1 takes the total past the limit.
  expander_.set_element_limit(18);
  ExpectRefusedUntouched("展開した回路の素子数が 18 を超えるため、素子 M1(mid) を展開できません。");
  expander_.set_element_limit(19);

  host_.Clear();
  store_.Clear();
  expander_.set_terminal_limit(37);
  ExpectRefusedUntouched("展開した回路の端子数が 37 を超えるため、素子 M1(mid) を展開できません。");
  expander_.set_terminal_limit(38);

  host_.Clear();
  store_.Clear();
  expander_.set_signal_limit(42);
  ExpectRefusedUntouched("展開した回路の信号数が 42 を超えるため、素子 M1(mid) を展開できません。");
  expander_.set_signal_limit(43);

  host_.Clear();
  store_.Clear();
  ASSERT_TRUE(ExpandTop());
  EXPECT_EQ(Shown(), Texts{});
  // The statistics leave out the pin element; the pins joined 24 signals.
  EXPECT_NE(statistics_.str().find("展開後  素子数 = 18  信号数 = 19  端子数 = 36"),
            std::string::npos);
}

TEST_F(ExpansionLimits, SizesOfDeepHierarchiesStopAtTheLargestCount) {
  // Forty levels of ten instances: far past any count, yet read at once.
  std::string inner = "leaf";
  for (int level = 0; level < 40; ++level) {
    const std::string name = "w" + std::to_string(level);
    std::string text = "(" + name + ")\n  (" + name + " " + name + ")";
    for (int i = 0; i < 10; ++i)
      text += " (U" + std::to_string(i) + " " + inner + ")";
    Part(name, text + " ()\n  ()\n  ()\n");
    inner = name;
  }
  FlatSizeCounter counter([this](const std::string& function) {
    const std::filesystem::path path = parts_ / (function + ".lcr");
    return std::filesystem::exists(path) ? path.string() : std::string();
  });
  std::istringstream text("(top)\n  (top top) (U " + inner + ") (g _not) ()\n  ()\n  ()\n");
  const Circuit* top = ReadCircuit(store_, text);
  ASSERT_NE(top, nullptr);
  for (const Element& element : top->elements()) {
    if (&element == top->IoPseudoElement()) continue;
    const FlatSize size = counter.SizeOf(element);
    const bool sub = element.name() == "U";
    EXPECT_EQ(size.elements, sub ? UINT64_MAX : 1u) << element.name();
    EXPECT_EQ(size.terminals, sub ? UINT64_MAX : 0u) << element.name();
    EXPECT_EQ(size.signals, sub ? UINT64_MAX : 0u) << element.name();
  }
  EXPECT_FALSE(Expand("big", "(big)\n  (big big) (U " + inner + ") ()\n  ()\n  ()\n"));
  EXPECT_EQ(Shown().back(), "展開した回路の素子数が 10000000 を超えるため、素子 U(" + inner +
                                ") を展開できません。");
}

TEST_F(Expansion, ExpandInstancesReplacesEveryInstanceAndCatchesSelfContainment) {
  Part("box", kBox);
  std::istringstream sub_text(kBox);
  const Circuit* box = ReadCircuit(store_, sub_text);
  std::istringstream top_text(
      "(top)\n  (top top) (U box) (V BOX) ()\n  (s) ()\n"
      "  (U a s) (U b s) (U y s) (V a s) (V b s) (V y s) ()\n");
  Circuit* top = ReadCircuit(store_, top_text);
  ASSERT_NE(box, nullptr);
  ASSERT_NE(top, nullptr);
  EXPECT_EQ(expander_.ExpandInstances(*box, *top), 2u);
  EXPECT_EQ(top->element_count(), 3u);
  EXPECT_EQ(top->first_element()->name(), "U-g");
  EXPECT_EQ(expander_.ExpandInstances(*box, *top), 0u);

  std::istringstream self_text("(self)\n  (self self) (S self) ()\n  ()\n  ()\n");
  const Circuit* self = ReadCircuit(store_, self_text);
  std::istringstream user_text("(user)\n  (W self) ()\n  ()\n  ()\n");
  Circuit* user = ReadCircuit(store_, user_text);
  EXPECT_EQ(expander_.ExpandInstances(*self, *user), std::nullopt);
  EXPECT_EQ(Shown(), Texts{"回路 self は自分自身を含んでいます（self → self）。\n"
                           "素子 W-S を展開できません。"});
}

}  // namespace
}  // namespace lumo
