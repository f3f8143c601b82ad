#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "common/recording_message_host.h"
#include "lists/list_errors.h"
#include "schematic/draw.h"
#include "schematic/draw_errors.h"
#include "symbol/symbol_errors.h"
#include "symbol/symbol_list.h"
#include "tests/lumo/lumo_test_util.h"
#include "tools/lumo/check_command.h"

namespace lumo::cli {
namespace {

using namespace testing;

// Submissions made from the samples with the schematic model: each variant
// is read from data/sample, changed and saved under a folder of the test.
class LumoCheck : public CommandTest {
 protected:
  void SetUp() override {
    RegisterListErrors(errors_);
    RegisterSymbolErrors(errors_);
    RegisterDrawErrors(errors_);
    ASSERT_TRUE(symbols_.Read(SystemData() + "/LumoCAD.lib", {host_, errors_, errors_}));
  }
  std::unique_ptr<Draw> Sample(const std::string& name) {
    auto draw = std::make_unique<Draw>(
        DrawEnvironment{symbols_, user_symbols_, host_, errors_, errors_, errors_});
    EXPECT_EQ(
        draw->Read((lumo::testing::SourceFolder() / "data" / "sample" / (name + ".ldr")).string()),
        DrawReadResult::kRead);
    return draw;
  }
  // Saves the drawing as <folder>/<file>; the circuit keeps its name.
  void Save(Draw& draw, const std::string& folder, const std::string& file) {
    fs::create_directories(Path(folder));
    ASSERT_EQ(draw.Save(Path(folder + "/" + file)), DrawSaveResult::kSaved);
  }
  static DrawElement& Element(Draw& draw, const std::string& name) {
    for (DrawElement& element : draw.elements())
      if (element.name() == name) return element;
    ADD_FAILURE() << "no element " << name;
    return *draw.first_element();
  }
  static const DrawTerminal& Pin(const DrawElement& element, const std::string& pin) {
    for (const DrawTerminal& terminal : element.terminals())
      if (terminal.name() == pin) return terminal;
    ADD_FAILURE() << "no pin " << pin;
    return *element.first_terminal();
  }
  void DeleteLine(Draw& draw, int x1, int y1, int x2, int y2) {
    for (DrawLine& line : draw.lines()) {
      if (line.x1() == x1 && line.y1() == y1 && line.x2() == x2 && line.y2() == y2) {
        draw.DeleteLine(line);
        return;
      }
    }
    ADD_FAILURE() << "no line " << x1 << "," << y1 << " " << x2 << "," << y2;
  }
  DrawElement& Place(Draw& draw, const std::string& symbol, const std::string& name, int x, int y) {
    DrawElement& element = draw.PlaceElement(*symbols_.Find(symbol), x, y, 0, 'p');
    draw.Rename(element, name);
    return element;
  }
  void Wire(Draw& draw, int x1, int y1, const DrawTerminal& to) {
    draw.AddLine(x1, y1, to.x(), to.y());
  }
  void Wire(Draw& draw, const DrawTerminal& from, const DrawTerminal& to) {
    draw.AddLine(from.x(), from.y(), to.x(), to.y());
  }
  std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size()))
      text.replace(at, from.size(), to);
    return text;
  }
  // The reference counter and its expected file, with a tolerance of 5.
  void MakeCounterExpectation() {
    Save(*Sample("counter4"), "reference", "counter4.ldr");
    fs::copy_file(lumo::testing::SourceFolder() / "data" / "sample" / "counter4[0].lpt",
                  Path("reference/counter4[0].lpt"));
    ASSERT_EQ(Call({"check", Path("reference/counter4.ldr"), "--write-expect", Path("counter4.lex"),
                    "--sys", SystemData()}),
              kOk)
        << err_.str();
    Write("counter4.lex", ReplaceAll(Read("counter4.lex"), "(tolerance 0)", "(tolerance 5)"));
  }
  // nRST reaches the flip-flops through an inverter.
  void InvertReset(Draw& draw) {
    DeleteLine(draw, 880, 756, 1000, 756);
    DrawElement& inverter = Place(draw, "_not", "NR", 940, 800);
    Wire(draw, 880, 756, Pin(inverter, "a"));
    draw.AddLine(Pin(inverter, "y").x(), Pin(inverter, "y").y(), 1000, 756);
  }
  int Check(const std::string& schematic, Arguments extra = {}) {
    Arguments args = {"check", Path(schematic), "--expect", Path("counter4.lex"),
                      "--sys", SystemData()};
    args.insert(args.end(), extra.begin(), extra.end());
    return Call(args);
  }

  ErrorTable errors_;
  RecordingMessageHost host_;
  SymbolList symbols_, user_symbols_;
};

TEST_F(LumoCheck, CounterVariantsGetTheirVerdictsAndFirstMismatches) {
  MakeCounterExpectation();
  const std::string reference_folder = Read("reference/counter4.ldr");
  ASSERT_EQ(Check("reference/counter4.ldr", {"--report", Path("reference.json")}), kOk)
      << err_.str();
  EXPECT_NE(out_.str().find("verdict: pass"), std::string::npos) << out_.str();
  EXPECT_NE(Read("reference.json").find("\"verdict\": \"pass\""), std::string::npos);
  // Nothing was written beside the submission.
  EXPECT_EQ(Read("reference/counter4.ldr"), reference_folder);
  EXPECT_FALSE(fs::exists(Path("reference/LumoOut.tmp")));
  EXPECT_FALSE(fs::exists(Path("reference/counter4.lcr")));

  // Reset taken as active high: an inverter between nRST and the flip-flops.
  // Nothing resets them while nRST is 0, and once it is 1 they stay reset.
  {
    std::unique_ptr<Draw> draw = Sample("counter4");
    InvertReset(*draw);
    Save(*draw, "polarity", "counter4.ldr");
  }
  EXPECT_EQ(Check("polarity/counter4.ldr", {"--report", Path("polarity.json")}), kFailed);
  // Unknown until the reset at 20 (past the tolerance of 5 around 3), then
  // 0 where Q0 should count.
  EXPECT_NE(out_.str().find("Q0    first mismatch at 8: expected 0, actual x; 11 mismatching"),
            std::string::npos)
      << out_.str();
  EXPECT_NE(out_.str().find("verdict: fail (不一致 23 箇所)"), std::string::npos);
  EXPECT_NE(Read("polarity.json")
                .find("{\"from\": 48, \"to\": 78, \"expected\": \"1\", \"actual\": \"0\"}"),
            std::string::npos)
      << Read("polarity.json");

  // Wraps early: at 15 the next rising clock edge already resets the
  // count (NAND of J3 = Q0 Q1 Q2, Q3 and CLK, ANDed into nRST), so every
  // count after the wrap is one ahead.
  {
    std::unique_ptr<Draw> draw = Sample("counter4");
    DeleteLine(*draw, 880, 756, 1000, 756);
    DrawElement& wrap = Place(*draw, "_nand3", "GW", 1560, 820);
    DrawElement& reset = Place(*draw, "_and2", "GR", 940, 800);
    Wire(*draw, 1440, 636, Pin(wrap, "a"));  // J3
    Wire(*draw, 1520, 612, Pin(wrap, "b"));  // Q3
    Wire(*draw, 1448, 740, Pin(wrap, "c"));  // CLK
    Wire(*draw, 880, 756, Pin(reset, "a"));
    Wire(*draw, Pin(wrap, "y"), Pin(reset, "b"));
    draw->AddLine(Pin(reset, "y").x(), Pin(reset, "y").y(), 1000, 756);
    Save(*draw, "wrap", "counter4.ldr");
  }
  EXPECT_EQ(Check("wrap/counter4.ldr"), kFailed) << err_.str();
  // 15 from 603, reset at 620 + 2 + 2 + 3 instead of counting on at 643.
  for (const char* row : {"Q0", "Q1", "Q2", "Q3"})
    EXPECT_NE(out_.str().find(std::string(row) + "    first mismatch at 627: expected 1, actual 0"),
              std::string::npos)
        << out_.str();

  // Q3 through two inverters: 2 later than the reference, within the
  // tolerance of 5; without it, it fails where Q3 settles and changes.
  {
    std::unique_ptr<Draw> draw = Sample("counter4");
    DeleteLine(*draw, 1520, 612, 1592, 612);
    DrawElement& first = Place(*draw, "_not", "N1", 1550, 640);
    DrawElement& second = Place(*draw, "_not", "N2", 1580, 660);
    Wire(*draw, 1520, 612, Pin(first, "a"));
    Wire(*draw, Pin(first, "y"), Pin(second, "a"));
    Wire(*draw, Pin(second, "y"), Pin(Element(*draw, "Q3"), "a"));
    Save(*draw, "delay", "counter4.ldr");
  }
  EXPECT_EQ(Check("delay/counter4.ldr"), kOk) << out_.str() << err_.str();
  Write("strict.lex", ReplaceAll(Read("counter4.lex"), "(tolerance 5)", "(tolerance 0)"));
  EXPECT_EQ(Call({"check", Path("delay/counter4.ldr"), "--expect", Path("strict.lex"), "--sys",
                  SystemData()}),
            kFailed);
  EXPECT_NE(
      out_.str().find("Q3    first mismatch at 3: expected 0, actual x; 3 mismatching intervals"),
      std::string::npos)
      << out_.str();
}

TEST_F(LumoCheck, FullAdderTruthTableAndAMissingOutputOrInput) {
  Write("fulladd.lex",
        "(LumoExpect 1)\n"
        "(table (settle 100) (dontcare 40) (inputs A B CI) (outputs S CO)\n"
        " (line 0 0 0 0 0) (line 0 0 1 1 0) (line 0 1 0 1 0) (line 0 1 1 0 1)\n"
        " (line 1 0 0 1 0) (line 1 0 1 0 1) (line 1 1 0 0 1) (line 1 1 1 1 1))\n");
  Save(*Sample("fulladd"), "good", "fulladd.ldr");
  ASSERT_EQ(Call({"check", Path("good/fulladd.ldr"), "--expect", Path("fulladd.lex"), "--sys",
                  SystemData()}),
            kOk)
      << out_.str() << err_.str();
  EXPECT_NE(out_.str().find("compared from 0 to 800"), std::string::npos) << out_.str();

  // A ∧ B drawn as an OR: the carry is wrong where exactly one of A, B is 1
  // and CI is 0, first in the line 0 1 0 (from 200, after the don't-care).
  std::string text = Read("good/fulladd.ldr");
  const std::size_t gate = text.find("G1 _and2");
  ASSERT_NE(gate, std::string::npos);
  text.replace(gate, 8, "G1 _or2 ");
  Write("swapped/fulladd.ldr", (fs::create_directories(Path("swapped")), text));
  EXPECT_EQ(Call({"check", Path("swapped/fulladd.ldr"), "--expect", Path("fulladd.lex"), "--sys",
                  SystemData()}),
            kFailed);
  EXPECT_NE(out_.str().find("  S     ok\n"), std::string::npos) << out_.str();
  EXPECT_NE(out_.str().find("  CO    first mismatch at 240: expected 0, actual 1"),
            std::string::npos)
      << out_.str();

  // An expected output the circuit lacks is a named mismatch; an input it
  // lacks stops the check before the run.
  Write("extra.lex",
        "(LumoExpect 1)\n(input A (0 0))\n(row S 0 (events (0 0)))\n"
        "(row COUT 0 (events (0 0)))\n");
  EXPECT_EQ(Call({"check", Path("good/fulladd.ldr"), "--expect", Path("extra.lex"), "--sys",
                  SystemData()}),
            kFailed);
  EXPECT_NE(out_.str().find("COUT  missing: the circuit has no output COUT"), std::string::npos)
      << out_.str();
  Write("input.lex", "(LumoExpect 1)\n(input D (0 0))\n(row S 0 (events (0 0)))\n");
  EXPECT_EQ(Call({"check", Path("good/fulladd.ldr"), "--expect", Path("input.lex"), "--sys",
                  SystemData()}),
            kCheckNotSimulated);
  EXPECT_NE(err_.str().find("the circuit has no input D"), std::string::npos) << err_.str();
}

TEST_F(LumoCheck, AClassWithAHangingSubmissionFinishesWithinItsTimeLimit) {
  MakeCounterExpectation();
  Save(*Sample("counter4"), "class/alice", "counter4.ldr");
  {
    std::unique_ptr<Draw> draw = Sample("counter4");
    InvertReset(*draw);
    Save(*draw, "class/bob", "counter4.ldr");
  }
  // Carol's Q0 also feeds a NAND whose output comes back to its other
  // input: it oscillates every time unit while nRST is 1. With the last
  // input change far away, the run would go on for minutes.
  {
    std::unique_ptr<Draw> draw = Sample("counter4");
    DrawElement& ring = Place(*draw, "_nand2", "OSC", 1000, 840);
    Wire(*draw, 880, 756, Pin(ring, "a"));
    Wire(*draw, Pin(ring, "y"), Pin(ring, "b"));
    Save(*draw, "class/carol", "counter4.ldr");
  }
  // Erin's folder holds another schematic too, first by name: the one named
  // like the expected file is checked.
  Save(*Sample("counter4"), "class/erin", "counter4.ldr");
  Save(*Sample("fulladd"), "class/erin", "adder.ldr");
  fs::create_directories(Path("class/dave"));
  Write("class/notes.txt", "not a submission");
  Write("class/frank.ldr", "(frank) junk");
  // The last input change far away keeps the run going to there.
  Write("counter4.lex", ReplaceAll(Read("counter4.lex"), "(input nRST (0 \"0\") (20 \"1\"))",
                                   "(input nRST (0 \"0\") (20 \"1\") (2000000000 \"1\"))"));
  const std::string before = Read("class/alice/counter4.ldr");

  const auto started = std::chrono::steady_clock::now();
  EXPECT_EQ(Call({"check", "--class", Path("class"), "--expect", Path("counter4.lex"), "--jobs",
                  "2", "--time-limit", "2", "--out", Path("summary"), "--sys", SystemData()}),
            kFailed)
      << err_.str();
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  EXPECT_LT(seconds, 8.0);
  EXPECT_NE(out_.str().find("alice  pass\nbob  fail"), std::string::npos) << out_.str();
  EXPECT_NE(out_.str().find(
                "carol  timeout\ndave  error\nerin  pass\nfrank  error\n2 of 6 submissions pass"),
            std::string::npos)
      << out_.str();

  const std::string csv = Read("summary/check-summary.csv");
  EXPECT_NE(csv.find("\nalice," + Path("class/alice/counter4.ldr") + ",pass,0,"), std::string::npos)
      << csv;
  EXPECT_NE(csv.find(",fail,23,Q0,8,0,x,"), std::string::npos) << csv;
  EXPECT_NE(csv.find("\ncarol,"), std::string::npos);
  EXPECT_NE(csv.find(",timeout,"), std::string::npos) << csv;
  const std::string html = Read("summary/check-summary.html");
  EXPECT_NE(html.find("<tr class=\"timeout\"><td>carol</td>"), std::string::npos) << html;
  EXPECT_NE(html.find("一致 2 / 6"), std::string::npos);
  // Frank's message names his file, not its copy in a working folder gone.
  EXPECT_NE(html.find(Path("class/frank.ldr")), std::string::npos) << html;
  EXPECT_EQ(html.find("lumo-class-"), std::string::npos) << html;
  // The submissions' folders hold what they held.
  EXPECT_EQ(Read("class/alice/counter4.ldr"), before);
  EXPECT_EQ(std::distance(fs::directory_iterator(Path("class/alice")), fs::directory_iterator()),
            1);
}

}  // namespace
}  // namespace lumo::cli
