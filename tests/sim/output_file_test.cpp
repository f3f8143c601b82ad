// The output pattern file: a run's own file, written whole or the run fails.

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/sim/sim_test_util.h"
#include "tests/support/file_size_limit.h"

namespace lumo::testing {
namespace {

namespace fs = std::filesystem;

class OutputFileTest : public SimulationTest {
 protected:
  // An inverter whose input changes `changes` times: two output lines each.
  void WriteInverter(int changes) {
    std::string pattern = "a A " + std::to_string(changes);
    for (int i = 0; i < changes; ++i)
      pattern += " " + std::to_string(i * 10) + " " + std::to_string(i % 2);
    Write("delays.dly", kTestDelays);
    Write("circuit.lcr", CircuitText("c", {"A", "Y"}, {{"g", "_not", {{"a", "A"}, {"y", "Y"}}}}));
    Write("pattern.lpt", pattern + "\ne\n");
  }
  bool RunWritten() {
    store.Clear();
    Simulator simulator({messages, store, nullptr, &statistics, {}});
    return simulator.Run(Path("delays.dly"), Path("circuit.lcr"), "", Path("pattern.lpt"),
                         Path("out.tmp"));
  }
};

TEST_F(OutputFileTest, AFullDiskFailsTheRunNamingTheFileAndKeepsTheOldOne) {
  Write("out.tmp", "old\n");
  WriteInverter(2000);
  {
    FileSizeLimit limit(4000);
    EXPECT_FALSE(RunWritten());
  }
  EXPECT_EQ(messages.OnlyText(), "出力パターンファイル " + Path("out.tmp") + " に書き込めません。");
  EXPECT_EQ(FileText(Path("out.tmp")), "old\n");
  EXPECT_EQ(statistics.str(), "");

  // With room, the same run writes every line.
  messages.Clear();
  ASSERT_TRUE(RunWritten()) << messages.OnlyText();
  EXPECT_EQ(OutputLines().size(), 4000u);
}

TEST_F(OutputFileTest, ALinkInItsPlaceIsReplacedNotWrittenThrough) {
  Write("victim", "victim\n");
  fs::create_symlink(Path("victim"), Path("out.tmp"));
  WriteInverter(2);
  ASSERT_TRUE(RunWritten()) << messages.OnlyText();
  EXPECT_FALSE(fs::is_symlink(Path("out.tmp")));
  EXPECT_EQ(OutputLines().size(), 4u);
  EXPECT_EQ(FileText(Path("victim")), "victim\n");
}

}  // namespace
}  // namespace lumo::testing
