// The event kernel's rules, seen through whole runs: delivery order, the
// transport delays, settling before time 0, the stop time, collisions and
// the end-of-run checks.

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "tests/sim/sim_test_util.h"

namespace lumo::testing {
namespace {

using ::testing::ElementsAre;

class KernelTest : public SimulationTest {};

TEST_F(KernelTest, ALaterChangeCanOvertakeAnEarlierOne) {
  // Delay to 1 is 5 and to 0 is 1: the fall computed at 12 arrives at 13,
  // before the rise computed at 10 arrives at 15.
  delays = "((_or2 (a 0 0) (b 0 0) (y 1 5)))";
  const std::string circuit =
      CircuitText("c", {"A", "B", "Y"}, {{"g", "_or2", {{"a", "A"}, {"b", "B"}, {"y", "Y"}}}});
  ASSERT_TRUE(Run(circuit, "a A 3 0 0 10 1 12 0\na B 1 0 0\ne\n")) << messages.OnlyText();
  EXPECT_THAT(OutputLines(), ElementsAre("c.Y -1 0", "c.A 0 0", "c.B 0 0", "c.A 10 1", "c.A 12 0",
                                         "c.Y 13 0", "c.Y 15 1"));
  EXPECT_EQ(ValueOf("c", "Y"), "1");  // the receiver keeps the stale 1
  EXPECT_EQ(ValueOf("g", "y"), "0");
  EXPECT_EQ(simulator_->event_count(), 7u);
  EXPECT_EQ(statistics.str().rfind("実行時間 = ", 0), 0u);
  EXPECT_NE(statistics.str().find(" 秒  イベント総数 = 7  実行時間／１イベント = "),
            std::string::npos);
}

TEST_F(KernelTest, AnOscillatingLoopIsStoppedAtTheStopTime) {
  const std::string circuit =
      CircuitText("c", {"A"}, {{"g", "_nand2", {{"a", "A"}, {"b", "N"}, {"y", "N"}}}});
  EXPECT_FALSE(Run(circuit, "a A 1 0 1\ne\n"));
  EXPECT_EQ(messages.OnlyText(),
            "時間 100 で強制終了しました。\n"
            "回路が発振しているか，回路の中に長い遅延パスがあります。\n");
  EXPECT_TRUE(statistics.str().empty());

  // A stop command overrides the pattern's stop time, even below it.
  messages.Clear();
  commands = "stop 7 end";
  EXPECT_FALSE(Run(circuit, "a A 2 0 1 50 1\ne\n"));
  EXPECT_EQ(messages.OnlyText().rfind("時間 7 で", 0), 0u);
}

TEST_F(KernelTest, AnOscillatingLoopIsStoppedByItsEventAndOutputBudgets) {
  const std::string circuit =
      CircuitText("c", {"A"}, {{"g", "_nand2", {{"a", "A"}, {"b", "N"}, {"y", "N"}}}});
  const auto last_time = [this] {
    const std::string last = OutputLines().back();
    return last.substr(last.find(' ') + 1, last.rfind(' ') - last.find(' ') - 1);
  };
  commands = "save_all stop 2000000000 event_limit 50 end";
  EXPECT_FALSE(Run(circuit, "a A 1 0 1\ne\n"));
  // The 51st event, at time 48, is not delivered.
  EXPECT_EQ(messages.OnlyText(),
            "イベント数が上限 50 に達したため，時間 48 で強制終了しました。\n"
            "回路が発振している可能性があります。\n");
  EXPECT_EQ(simulator_->event_count(), 51u);
  EXPECT_EQ(last_time(), "47");

  messages.Clear();
  commands = "save_all stop 2000000000 output_limit 300 end";
  EXPECT_FALSE(Run(circuit, "a A 1 0 1\ne\n"));
  EXPECT_EQ(messages.OnlyText(),
            "出力パターンが上限 300 バイトを超えたため，時間 " + last_time() +
                " で強制終了しました。\n回路が発振している可能性があります。\n");
  const auto size = std::filesystem::file_size(Path("out.tmp"));
  EXPECT_GT(size, 300u);
  EXPECT_LT(size, 320u);  // stopped at the line that passed the limit

  // A budget must be a positive count.
  for (const char* bad : {"event_limit 0 end", "output_limit -5 end", "event_limit end"}) {
    messages.Clear();
    commands = bad;
    EXPECT_FALSE(Run(circuit, "a A 1 0 1\ne\n")) << bad;
    EXPECT_EQ(messages.OnlyText().rfind("コマンド ", 0), 0u) << messages.OnlyText();
  }
}

TEST_F(KernelTest, ACancelledRunStopsBeforeItsNextEventWithoutAMessage) {
  const std::string circuit =
      CircuitText("c", {"A"}, {{"g", "_nand2", {{"a", "A"}, {"b", "N"}, {"y", "N"}}}});
  commands = "stop 2000000000 end";

  // Asked before the events start: not one is delivered, nothing is said.
  RunControl early;
  early.Cancel();
  control = &early;
  EXPECT_FALSE(Run(circuit, "a A 1 0 1\ne\n"));
  EXPECT_TRUE(messages.Messages().empty()) << messages.OnlyText();
  EXPECT_EQ(simulator_->event_count(), 0u);
  EXPECT_TRUE(OutputLines().empty());
  EXPECT_TRUE(statistics.str().empty());
  EXPECT_EQ(early.stop_time(), 2000000000);

  // Asked from another thread while the ring oscillates towards a stop time
  // it would take minutes to reach: the watcher sees the time move on, and
  // the run ends soon after the request.
  RunControl watched;
  control = &watched;
  bool result = true;
  std::thread run([&] { result = Run(circuit, "a A 1 0 1\ne\n"); });
  const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (watched.time() < 10000 && std::chrono::steady_clock::now() < give_up)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  EXPECT_TRUE(watched.running());
  EXPECT_GE(watched.time(), 10000);
  watched.Cancel();
  run.join();
  EXPECT_FALSE(result);
  EXPECT_TRUE(messages.Messages().empty()) << messages.OnlyText();
  EXPECT_TRUE(statistics.str().empty());
  EXPECT_GT(simulator_->event_count(), 10000u);
  EXPECT_LT(simulator_->event_count(), 1'000'000'000u);  // not its event budget
  EXPECT_FALSE(OutputLines().empty());                   // the pin's lines before the request
}

TEST_F(KernelTest, TwoOutputsOnOneSignalCollide) {
  const std::string circuit = CircuitText(
      "c", {"A"},
      {{"g1", "_not", {{"a", "A"}, {"y", "Y"}}}, {"g2", "_not", {{"a", "A"}, {"y", "Y"}}}});
  EXPECT_FALSE(Run(circuit, "a A 1 0 1\ne\n"));
  // Settling makes g2 (first in element order) change first, at -1.
  EXPECT_EQ(messages.OnlyText(),
            "素子 g1 (_not) の出力端子 y に信号（値=0 時間=-1）が入りました。");
}

TEST_F(KernelTest, UnknownAndBlockedValuesAreRecordedButNotPassedOn) {
  const std::string circuit =
      CircuitText("c", {"A", "Y"}, {{"g", "_not", {{"a", "A"}, {"y", "Y"}}}});
  // The "x" at 10 is written but reaches no gate.
  ASSERT_TRUE(Run(circuit, "a A 3 0 0 10 x 20 1\ne\n")) << messages.OnlyText();
  EXPECT_THAT(OutputLines(),
              ElementsAre("c.Y -1 1", "c.A 0 0", "c.A 10 x", "c.A 20 1", "c.Y 21 0"));
}

TEST_F(KernelTest, SettlingSkipsAnUnknownOrReleasedFirstValue) {
  const std::string circuit =
      CircuitText("c", {"A", "Y"}, {{"g", "_not", {{"a", "A"}, {"y", "Y"}}}});
  for (const std::string first : {"x", "z"}) {
    SCOPED_TRACE(first);
    Run(circuit, "a A 2 0 " + first + " 10 1\ne\n");
    // Nothing settles at -1: the gate first hears of A at 10.
    EXPECT_THAT(OutputLines(), ElementsAre("c.A 0 " + first, "c.A 10 1", "c.Y 11 0"));
  }
}

TEST_F(KernelTest, AnEventAtTheStopTimeIsStillDelivered) {
  commands = "stop 10 end";
  ASSERT_EQ(Run(CircuitText("c", {"A"}, {}), "a A 2 0 0 10 1\ne\n"), 1) << messages.OnlyText();
  EXPECT_THAT(OutputLines(), ElementsAre("c.A 0 0", "c.A 10 1"));
}

TEST_F(KernelTest, MultiBitValuesAreWrittenInHexadecimal) {
  // "10" AND "1" is "1": the shorter width wins.
  const std::string circuit =
      CircuitText("c", {"A", "B", "Y"}, {{"g", "_and2", {{"a", "A"}, {"b", "B"}, {"y", "Y"}}}});
  ASSERT_TRUE(Run(circuit, "a A 1 0 1\na B 1 0 1f\ne\n")) << messages.OnlyText();
  // Settling sees A first (and B still "x"), then B.
  EXPECT_THAT(OutputLines(), ElementsAre("c.Y -1 0", "c.Y -1 1", "c.A 0 1", "c.B 0 1f"));
}

TEST_F(KernelTest, UnknownTerminalsFailTheRun) {
  // An unconnected input stays "x": reported first, ten lines at most.
  std::vector<Part> parts;
  for (int i = 0; i < 12; ++i)
    parts.push_back({"g" + std::to_string(i), "_and2", {{"a", "A"}, {"b", ""}, {"y", ""}}});
  EXPECT_FALSE(Run(CircuitText("c", {"A"}, parts), "a A 1 0 0\ne\n"));
  const std::string report = messages.OnlyText();
  EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 13);
  EXPECT_NE(report.find("素子=g11 機能=_and2 端子=b\n"), std::string::npos);
  EXPECT_NE(
      report.find("以上の素子の端子の値が不定(x)のままです．\n端子に信号線が接続していません．\n"
                  "回路を訂正して，回路のすべてが動作するようにしてください．\n"),
      std::string::npos);

  // A connected terminal that never got a value: an input pin without a
  // waveform.
  messages.Clear();
  const std::string circuit =
      CircuitText("c", {"A", "B", "Y"}, {{"g", "_and2", {{"a", "A"}, {"b", "B"}, {"y", "Y"}}}});
  EXPECT_FALSE(Run(circuit, "a A 1 0 0\ne\n"));
  EXPECT_EQ(messages.OnlyText(),
            "素子=g 機能=_and2 端子=b 信号線=B\n"
            "素子=c 機能=c 端子=B 信号線=B\n"
            "以上の素子につながる信号線の値が不定(x)のままです．\n"
            "回路の一部に動作していない部分があります．\n"
            "入力パターンを追加して、回路のすべてが動作するようにしてください．\n");
}

}  // namespace
}  // namespace lumo::testing
