// Loading a run: the delay table, the circuit, the input pattern and the
// commands, and the binding of evaluators.

#include <gtest/gtest.h>

#include <climits>

#include "lists/error_message.h"
#include "tests/sim/sim_test_util.h"

namespace lumo::testing {
namespace {

using ::testing::ElementsAre;

class LoadingTest : public SimulationTest {
 protected:
  std::string Inverter() const {
    return CircuitText("c", {"A", "Y"}, {{"g", "_not", {{"a", "A"}, {"y", "Y"}}}});
  }
};

TEST_F(LoadingTest, MissingFilesAreReportedByName) {
  Write("circuit.lcr", Inverter());
  Write("pattern.lpt", "e\n");
  Simulator simulator({messages, store, nullptr, nullptr, {}});
  EXPECT_FALSE(simulator.Run(Path("none.dly"), Path("circuit.lcr"), "", Path("pattern.lpt"),
                             Path("out.tmp")));
  EXPECT_EQ(messages.OnlyText(), "遅延ファイル " + Path("none.dly") + " がありません。");

  messages.Clear();
  Write("delays.dly", kTestDelays);
  EXPECT_TRUE(simulator.LoadDelays(Path("delays.dly")));
  EXPECT_FALSE(simulator.LoadCircuit(Path("none.lcr")));
  EXPECT_EQ(messages.OnlyText(), "回路ファイル " + Path("none.lcr") + " がありません。");
}

TEST_F(LoadingTest, TheFirstDelayEntryOfANameWins) {
  delays = "((_not (a 0 0) (y 3 3)) (_not (a 0 0) (y 9 9)))";
  ASSERT_TRUE(Run(Inverter(), "a A 2 0 0 10 1\ne\n")) << messages.OnlyText();
  EXPECT_THAT(OutputLines(), ElementsAre("c.Y -3 1", "c.A 0 0", "c.A 10 1", "c.Y 13 0"));
}

TEST_F(LoadingTest, DelaysAreMatchedByPositionInNameOrder) {
  // "Y" sorts after "a" ignoring case, so it is the output's record even
  // though it is listed first.
  delays = "((_not (Y 4 4) (a 0 0)))";
  ASSERT_TRUE(Run(Inverter(), "a A 1 0 0\ne\n")) << messages.OnlyText();
  EXPECT_THAT(OutputLines(), ElementsAre("c.Y -4 1", "c.A 0 0"));
}

TEST_F(LoadingTest, ADelayWithADoubledSignIsNoNumberAndRaisesTheListError) {
  delays = "((_not (a 0 0) (y +-5 1)))";
  try {
    Run(Inverter(), "a A 1 0 0\ne\n");
    ADD_FAILURE() << "+-5 read as a delay";
  } catch (const ListError& error) {
    EXPECT_EQ(error.tag(), "ListPosition::Long");
  }
}

TEST_F(LoadingTest, ShortDelayEntriesAndUnknownFunctionsAreRefused) {
  delays = "((_not (a 0 0)))";
  EXPECT_FALSE(Run(Inverter(), "a A 1 0 0\ne\n"));
  EXPECT_EQ(messages.OnlyText(), "遅延ファイル " + Path("delays.dly") +
                                     " において，機能 _not の端子の遅延が足りません。");

  messages.Clear();
  delays = kTestDelays;
  EXPECT_FALSE(Run(CircuitText("c", {"A"}, {{"h", "half_adder", {{"a", "A"}}}}), "e\n"));
  EXPECT_EQ(messages.OnlyText(),
            "half_adder は模擬できません。\nhalf_adder の階層設計が不完全です。");

  // An element missing one of its function's terminals cannot be evaluated.
  messages.Clear();
  EXPECT_FALSE(Run(CircuitText("c", {"A"}, {{"g", "_and2", {{"a", "A"}, {"y", ""}}}}), "e\n"));
  EXPECT_EQ(messages.OnlyText(), "素子 g (_and2) の端子の数が正しくありません。");
}

// The primitives' table also names a drawn circuit's pins; the converter
// turns those into the circuit's own terminals, so an element of one is a
// function the simulator does not run.
TEST_F(LoadingTest, DrawnCircuitPinsAreNotSimulated) {
  for (const std::string pin : {"_in", "_out", "_io"}) {
    messages.Clear();
    EXPECT_EQ(Run(CircuitText("c", {"A"}, {{"p", pin, {{"a", "A"}}}}), "e\n"), 0) << pin;
    EXPECT_EQ(messages.OnlyText(),
              pin + " は模擬できません。\n" + pin + " の階層設計が不完全です。");
  }
}

TEST_F(LoadingTest, PatternWordsAndStopTime) {
  // No waveform: stop time 100; "i" and "s" words are skipped.
  EXPECT_FALSE(Run(Inverter(), "i s e\n"));  // A stays unknown
  EXPECT_EQ(simulator_->kernel().stop_time(), 100);

  messages.Clear();
  EXPECT_FALSE(Run(Inverter(), "a B 1 0 0\ne\n"));
  EXPECT_EQ(messages.OnlyText(), "入力パターンファイルにおいて，端子名 B が間違っています。");

  // A waveform cut off before its last value makes no empty event.
  messages.Clear();
  EXPECT_FALSE(Run(Inverter(), "a A 2 0 0 10"));
  EXPECT_EQ(
      messages.OnlyText(),
      "パターンデータの入力中にエラーが起こりました。\n"
      "パターンファイルの一部が壊れているため，パターンデータの全てを読むことができませんでした。");

  // The pattern's counts and times are read like every other number: a
  // doubled sign is damage.
  for (const char* pattern : {"a A +-1 0 0\ne\n", "a A 1 +-5 0\ne\n"}) {
    messages.Clear();
    EXPECT_FALSE(Run(Inverter(), pattern)) << pattern;
    EXPECT_EQ(
        messages.OnlyText(),
        "パターンデータの入力中にエラーが起こりました。\n"
        "パターンファイルの一部が壊れているため，パターンデータの全てを読むことができませんでし"
        "た。")
        << pattern;
  }

  messages.Clear();
  Write("circuit.lcr", Inverter());
  Simulator simulator({messages, store, nullptr, nullptr, {}});
  Write("delays.dly", kTestDelays);
  simulator.LoadDelays(Path("delays.dly"));
  simulator.LoadCircuit(Path("circuit.lcr"));
  EXPECT_FALSE(simulator.ApplyInputPattern(Path("missing.lpt")));
  EXPECT_EQ(messages.OnlyText(), "コマンドファイル " + Path("missing.lpt") + " がありません。");
}

TEST_F(LoadingTest, TimesThatWouldPassTheEndOfTheTimeRangeAreDamage) {
  // The run goes on 100 past the latest input: later inputs have no stop time.
  for (const char* time : {"2147483548", "2147483647"}) {
    messages.Clear();
    EXPECT_FALSE(Run(Inverter(), std::string("a A 2 0 0 ") + time + " 1\ne\n")) << time;
    EXPECT_EQ(messages.OnlyText(),
              "パターンデータの入力中にエラーが起こりました。\n"
              "パターンファイルの一部が壊れているため，パターンデータの全てを読むことができませ"
              "んでした。")
        << time;
  }
  messages.Clear();
  EXPECT_TRUE(Run(Inverter(), "a A 2 0 0 2147483547 1\ne\n")) << messages.OnlyText();
  EXPECT_EQ(simulator_->kernel().stop_time(), INT32_MAX);
  EXPECT_EQ(OutputLines().back(), "c.Y 2147483548 0");

  // Settling negates every delay; the most negative number has no negation.
  messages.Clear();
  delays = "((_not (a 0 0) (y 1 -2147483648)))";
  EXPECT_FALSE(Run(Inverter(), "a A 1 0 0\ne\n"));
  EXPECT_EQ(messages.OnlyText(), "遅延ファイル " + Path("delays.dly") +
                                     " において，機能 _not の端子 y の遅延が範囲外です。");
  Write("delays.dly", "((_not (a 0 0) (y 1 -2147483647)))");
  CircuitStore fresh;
  EXPECT_TRUE(Simulator({messages, fresh, nullptr, nullptr, {}}).LoadDelays(Path("delays.dly")));
}

TEST_F(LoadingTest, CommandsChooseWhatIsRecorded) {
  const std::string circuit = CircuitText(
      "c", {"A", "Y"},
      {{"g", "_not", {{"a", "A"}, {"y", "M%"}}}, {"h", "_not", {{"a", "M%"}, {"y", "Y"}}}});
  // A signal whose name holds "%" is always recorded; save_ele_ter adds one
  // terminal.
  commands = "save_ele_ter 1 g y stop 20 end";
  ASSERT_TRUE(Run(circuit, "a A 2 0 0 10 1\ne\n")) << messages.OnlyText();
  EXPECT_THAT(OutputLines(), ElementsAre("M% -1 1", "g.y -1 1", "c.A 0 0", "c.Y 0 0", "c.A 10 1",
                                         "M% 11 0", "g.y 11 0", "c.Y 12 1"));
}

TEST_F(LoadingTest, BadCommandsFailTheRun) {
  const struct {
    const char* commands;
    const char* message;
  } cases[] = {
      {"", "コマンド  が誤っています。"},
      {"stop 5", "コマンド  が誤っています。"},
      {"frob end", "コマンド frob が誤っています。"},
      {"save_sig 1 Q end", "save_sig コマンドが誤っています。\n信号 Q はありません。"},
      {"save_ele_ter 1 g q end",
       "savEele_ter コマンドが誤っています。\n素子.端子 g.q はありません。"},
      // A number is a whole decimal word with at most one sign.
      {"stop +-5 end", "コマンド stop が誤っています。"},
      {"save_sig +-1 A end", "コマンド save_sig が誤っています。"},
      {"stop 2147483648 end", "コマンド stop が誤っています。"},
  };
  for (const auto& c : cases) {
    messages.Clear();
    commands = c.commands;
    Write("commands.cmd", c.commands);
    EXPECT_FALSE(Run(Inverter(), "a A 1 0 0\ne\n")) << c.commands;
    EXPECT_EQ(messages.OnlyText(), c.message) << c.commands;
  }
}

}  // namespace
}  // namespace lumo::testing
