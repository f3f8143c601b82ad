#include <gtest/gtest.h>

#include <string>

#include "tests/pattern/pattern_test_util.h"

namespace lumo {
namespace {

class OutputPatternTest : public PatternFileTest {
 protected:
  void SetUp() override {
    PatternFileTest::SetUp();
    Read("a B 1 0 1 a A 2 0 0 50 1 e");
    ASSERT_EQ(Names(), (std::vector<std::string>{"B", "A"}));
  }
  bool ReadOutput(const std::string& text) {
    std::istringstream in(text);
    return pat_.ReadOutputPat(in);
  }
};

TEST_F(OutputPatternTest, SeparatorThenSortedOutputRowsWithoutTheInputsEcho) {
  EXPECT_TRUE(
      ReadOutput("adder.A 0 0\n"  // the simulator's echo of an input: dropped
                 "sum 3 1\n"
                 "g1.y 3 x\n"
                 "carry 5 0\n"
                 "adder.B 0 1\n"
                 "sum 8 0\n"
                 "B 9 z\n"  // names an input row by its name: goes there
                 "bus 9 a3\n"
                 "sum 8 1\n"
                 "\x83\x41 10 1\n"));
  EXPECT_TRUE(host_.Messages().empty());
  // Byte order: the Shift-JIS name sorts last.
  EXPECT_EQ(Names(),
            (std::vector<std::string>{"B", "A", "", "bus", "carry", "g1.y", "sum", "\x83\x41"}));
  const PatRow& separator = pat_.row(2);
  EXPECT_TRUE(separator.events.empty());
  EXPECT_TRUE(separator.full_name.empty());
  for (int i = 3; i < pat_.count(); ++i) {
    EXPECT_EQ(pat_.row(i).kind, RowKind::kOutput);
    EXPECT_TRUE(pat_.row(i).full_name.empty());
  }
  EXPECT_EQ(Events(0), (EventPairs{{0, "1"}, {9, "z"}}));
  EXPECT_EQ(Events(1), (EventPairs{{0, "0"}, {50, "1"}}));
  EXPECT_EQ(Events(6), (EventPairs{{3, "1"}, {8, "0"}, {8, "1"}}));
  EXPECT_EQ(Events(3), (EventPairs{{9, "a3"}}));

  // Output rows are never written to the input pattern file.
  EXPECT_EQ(Written(), "a  B  2\n   0 1  9 z  \na  A  2\n   0 0  50 1  \ne\n");
}

TEST_F(OutputPatternTest, ALineCutShortEndsTheReadingSilently) {
  EXPECT_TRUE(ReadOutput("s 1 0\nt 2 1\ns 3"));
  EXPECT_EQ(Names(), (std::vector<std::string>{"B", "A", "", "s", "t"}));
  EXPECT_EQ(Events(3), (EventPairs{{1, "0"}}));

  pat_.set_count(2);
  EXPECT_TRUE(ReadOutput("s 1 0\nt x 1\nu 3 1\n"));
  EXPECT_EQ(Names(), (std::vector<std::string>{"B", "A", "", "s"}));
  EXPECT_TRUE(host_.Messages().empty());
}

TEST_F(OutputPatternTest, MissingFileChangesNothing) {
  EXPECT_FALSE(pat_.ReadOutputPat(PathOf("LumoOut.tmp")));
  EXPECT_EQ(pat_.count(), 2);

  Put(PathOf("LumoOut.tmp"), "s 0 1\n");
  EXPECT_TRUE(pat_.ReadOutputPat(PathOf("LumoOut.tmp")));
  EXPECT_EQ(Names(), (std::vector<std::string>{"B", "A", "", "s"}));
  EXPECT_TRUE(host_.Messages().empty());
}

TEST_F(OutputPatternTest, OutputRowsBeyondTheTableAreRefusedWithOneWarning) {
  pat_.set_count(kPatRows - 3);  // room for the separator and two rows
  std::string text;
  for (int time = 0; time < 5; ++time)
    for (const char* name : {"d", "c", "b", "a", "B"})
      text += std::string(name) + " " + std::to_string(time) + " 1\n";
  EXPECT_TRUE(ReadOutput(text));
  EXPECT_EQ(Shown(), std::vector<std::string>{kDamagedPatternText});
  EXPECT_EQ(pat_.count(), kPatRows);
  EXPECT_EQ(pat_.row(kPatRows - 2).name, "c");
  EXPECT_EQ(pat_.row(kPatRows - 1).name, "d");
  EXPECT_EQ(pat_.row(kPatRows - 1).events.size(), 5u);
  EXPECT_EQ(Events(0).size(), 6u);  // rows that exist still get their events

  host_.Clear();
  EXPECT_FALSE(ReadOutput("s 0 1\n"));
  EXPECT_EQ(Shown(), std::vector<std::string>{kDamagedPatternText});
  EXPECT_EQ(pat_.count(), kPatRows);
}

TEST_F(OutputPatternTest, TheFirstMatchingRowDecides) {
  // An output row named like an input row's full name sits after that input
  // row, so the input row wins and the line is dropped.
  pat_.AppendRow("adder.A", "", RowKind::kOutput);
  // An earlier row named like a later input row's full name takes the line.
  pat_.row(0).name = "adder.X";
  pat_.AppendRow("X", "adder.X", RowKind::kInput);
  // A row matching by name and by full name takes the line.
  pat_.AppendRow("self", "self", RowKind::kInput);
  EXPECT_TRUE(ReadOutput("adder.A 1 1\nadder.X 2 1\nself 3 0\n"));
  EXPECT_TRUE(pat_.row(2).events.empty());
  EXPECT_EQ(Events(0), (EventPairs{{0, "1"}, {2, "1"}}));
  EXPECT_EQ(Events(4), (EventPairs{{3, "0"}}));
}

}  // namespace
}  // namespace lumo
