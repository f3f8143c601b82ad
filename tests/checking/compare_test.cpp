#include <gtest/gtest.h>

#include "checking/compare.h"
#include "common/recording_message_host.h"
#include "pattern/pattern_errors.h"

namespace lumo {
namespace {

// A pattern with output rows made from (name, {time, value}...).
class CompareTest : public ::testing::Test {
 protected:
  CompareTest() { RegisterPatternErrors(errors_); }
  void Output(const std::string& name, std::vector<TimedValue> events) {
    const int row = pattern_.AppendRow(name, "", RowKind::kOutput);
    for (const TimedValue& e : events)
      pattern_.row(row).events.Insert(e.time, e.value);
  }
  ErrorTable errors_;
  RecordingMessageHost host_;
  Pat pattern_{host_, errors_};
};

TEST_F(CompareTest, ToleranceAndDontCareExcuseOnlyTheirSpans) {
  Output("c.Q", {{-2, "0"}, {103, "1"}, {203, "0"}, {290, "1"}});
  Expected expected{.end = 400};
  expected.rows.push_back({.name = "Q", .events = {{0, "0"}, {100, "1"}, {200, "0"}}});

  // Late by 3: outside a tolerance of 2, inside one of 3.
  expected.tolerance = 2;
  Comparison result = Compare(expected, pattern_, "c");
  ASSERT_EQ(result.rows.size(), 1u);
  EXPECT_EQ(result.rows[0].pattern_row, 0);
  ASSERT_EQ(result.rows[0].mismatches.size(), 3u);
  const Mismatch& late = result.rows[0].mismatches[0];
  EXPECT_EQ(late.from, 102);
  EXPECT_EQ(late.to, 103);
  EXPECT_EQ(late.expected, "1");
  EXPECT_EQ(late.actual, "0");
  // The change at 290 has no expected change near it: never excused.
  EXPECT_EQ(result.rows[0].mismatches[2].from, 290);
  EXPECT_EQ(result.rows[0].mismatches[2].to, 400);

  expected.tolerance = 3;
  result = Compare(expected, pattern_, "c");
  ASSERT_EQ(result.MismatchCount(), 1u);
  EXPECT_EQ(result.rows[0].mismatches[0].from, 290);
  expected.rows[0].dont_care.push_back({280, 400});
  EXPECT_TRUE(Compare(expected, pattern_, "c").Matches());

  // Without an end the compared time runs one past the last event.
  expected.end.reset();
  EXPECT_EQ(Compare(expected, pattern_, "c").to, 291);
}

TEST_F(CompareTest, BusValuesCompareAsNumbersOfTheRowsWidthAndAMissingRowIsNamed) {
  EXPECT_TRUE(SameValue("0f", "F", 0));
  EXPECT_TRUE(SameValue("X", "x", 1));
  EXPECT_FALSE(SameValue("x", "0", 1));
  EXPECT_FALSE(SameValue("z", "x", 1));
  EXPECT_FALSE(SameValue("1f", "f", 0));
  EXPECT_TRUE(SameValue("1f", "f", 4));
  EXPECT_FALSE(SameValue("1f", "f", 5));

  Output("S", {{0, "0"}, {10, "1f"}, {20, "5"}});
  Output("c.T", {{0, "1"}});
  Expected expected{.end = 30};
  expected.rows.push_back({.name = "S", .width = 4, .events = {{0, "00"}, {10, "f"}, {20, "4"}}});
  expected.rows.push_back({.name = "T", .events = {{0, "1"}}});
  expected.rows.push_back({.name = "GONE", .events = {{5, "1"}}});
  const Comparison result = Compare(expected, pattern_, "c");
  ASSERT_EQ(result.rows.size(), 3u);
  ASSERT_EQ(result.rows[0].mismatches.size(), 1u);
  EXPECT_EQ(result.rows[0].mismatches[0].from, 20);
  EXPECT_EQ(result.rows[0].mismatches[0].actual, "5");
  // "c.T" is the circuit's row T.
  EXPECT_EQ(result.rows[1].pattern_row, 1);
  EXPECT_TRUE(result.rows[1].mismatches.empty());
  EXPECT_TRUE(result.rows[2].missing);
  ASSERT_EQ(result.rows[2].mismatches.size(), 1u);
  EXPECT_EQ(result.rows[2].mismatches[0].from, 5);
  EXPECT_EQ(result.rows[2].mismatches[0].to, 30);
  EXPECT_EQ(result.rows[2].mismatches[0].actual, "-");

  // The first mismatch, and the next one after a time, across rows.
  EXPECT_EQ(result.First().row, 2);
  EXPECT_EQ(result.NextAfter(5).row, 0);
  EXPECT_EQ(result.NextAfter(20).row, -1);
}

TEST_F(CompareTest, ARunsOutputsMakeAnExpectedFileThatMatchesThem) {
  const int input = pattern_.AppendRow("A", "c.A", RowKind::kInput);
  pattern_.row(input).events.Insert(0, "0");
  pattern_.row(input).events.Insert(50, "1");
  Output("c.Y", {{-2, "1"}, {52, "0"}});
  const Expected expected = ExpectedFromPattern(pattern_, "c");
  ASSERT_EQ(expected.rows.size(), 1u);
  EXPECT_EQ(expected.rows[0].name, "Y");
  ASSERT_EQ(expected.inputs.size(), 1u);
  EXPECT_EQ(expected.inputs[0].name, "A");
  EXPECT_EQ(expected.end, 53);
  const Comparison result = Compare(expected, pattern_, "c");
  EXPECT_EQ(result.from, -2);
  EXPECT_TRUE(result.Matches());
}

}  // namespace
}  // namespace lumo
