#include "editing/pat_edits.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "common/recording_message_host.h"
#include "pattern/pattern_errors.h"

namespace lumo {
namespace {

class PatEditsTest : public ::testing::Test {
 protected:
  PatEditsTest() : pat(host, errors) {}

  void Read(const char* text) {
    std::istringstream in(text);
    ASSERT_TRUE(pat.ReadInputPat(in));
  }
  std::string Values(int row) const {
    std::string values;
    for (const PatEvent& event : pat.row(row).events)
      values += std::to_string(event.time) + ":" + event.value + " ";
    return values;
  }
  std::string Written() const {
    std::ostringstream out;
    pat.WriteInputPat(out);
    return out.str();
  }

  RecordingMessageHost host;
  ErrorTable errors;
  Pat pat;
};

TEST_F(PatEditsTest, SingleValuesStartAtZeroAlternateAndFlipAtTimeZero) {
  Read("a A 0\ne\n");
  ASSERT_EQ(pat.count(), 1);
  EXPECT_TRUE(SetSingleValue(pat, 0, 50));
  EXPECT_EQ(Values(0), "50:0 ");
  EXPECT_TRUE(SetSingleValue(pat, 0, 0));
  EXPECT_TRUE(SetSingleValue(pat, 0, 100));
  EXPECT_EQ(Values(0), "0:0 50:1 100:0 ");
  // A click at 0 flips the whole row; elsewhere on an event nothing changes.
  EXPECT_TRUE(SetSingleValue(pat, 0, 0));
  EXPECT_EQ(Values(0), "0:1 50:0 100:1 ");
  EXPECT_FALSE(SetSingleValue(pat, 0, 50));
  // An x after the first event is overwritten; an x first keeps the row.
  Read("a X 3 0 x 5 0 9 1\na Y 3 0 1 5 x 9 1\ne\n");
  EXPECT_TRUE(SetSingleValue(pat, 1, 20));
  EXPECT_EQ(Values(1), "0:x 5:0 9:1 20:0 ");
  EXPECT_TRUE(SetSingleValue(pat, 2, 20));
  EXPECT_EQ(Values(2), "0:1 5:0 9:1 20:0 ");
  // The right button of mode 1 takes the nearest event away, however far,
  // and alternates again.
  EXPECT_TRUE(RemoveNearest(pat, 2, 1000000, true));
  EXPECT_TRUE(RemoveNearest(pat, 2, 4, true));
  EXPECT_EQ(Values(2), "0:1 9:0 ");
  EXPECT_FALSE(RemoveNearest(pat, 3, 0, true));  // no events
}

TEST_F(PatEditsTest, BusRowsIgnoreModeOneAndModeTwoTakesTheFirstWord) {
  Read("a D 2 0 a3 10 0\na S 1 0 0\ne\n");
  const std::string before = Written();
  EXPECT_FALSE(SetSingleValue(pat, 0, 5));
  EXPECT_FALSE(SetSingleValue(pat, 0, 0));
  EXPECT_FALSE(RemoveNearest(pat, 0, 0, true));
  EXPECT_EQ(Written(), before);
  // Mode 2 on a one-bit row: the value goes in as typed, no alternation.
  EXPECT_TRUE(SetMultiValue(pat, 1, 30, "  0  ff"));
  EXPECT_TRUE(SetMultiValue(pat, 1, 0, ""));  // replaces the event at 0
  EXPECT_EQ(Values(1), "0:0 30:0 ");
  EXPECT_EQ(ValueOfField(std::string(120, 'f')), std::string(99, 'f'));
  EXPECT_EQ(ValueOfField(" \t "), "0");
  EXPECT_TRUE(RemoveNearest(pat, 0, 9, false));
  EXPECT_EQ(Values(0), "0:a3 ");
  // A value set past the count takes the row into the pattern.
  EXPECT_TRUE(SetMultiValue(pat, 4, 0, "7"));
  EXPECT_EQ(pat.count(), 5);
  EXPECT_EQ(pat.row(3).kind, RowKind::kInput);
}

TEST_F(PatEditsTest, RowDeleteKeepsOneRowAndMovesDropTrailingEmptyRows) {
  Read("a A 1 0 0\na B 1 0 1\na C 1 0 0\ne\n");
  auto first = DeleteRow(pat, 0);
  auto second = DeleteRow(pat, 0);
  ASSERT_TRUE(first && second);
  EXPECT_EQ(second->name, "B");
  EXPECT_EQ(pat.count(), 1);
  EXPECT_EQ(pat.row(0).name, "C");
  EXPECT_TRUE(pat.row(1).name.empty() && pat.row(1).events.empty());
  EXPECT_TRUE(RestoreDeletedRow(pat, 0, *second));
  EXPECT_EQ(pat.count(), 2);
  EXPECT_EQ(pat.row(0).name, "B");
  EXPECT_EQ(pat.row(1).name, "C");
  EXPECT_FALSE(DeleteRow(pat, 5).has_value());

  // The last row moved one below the end enlarges the pattern.
  MoveRow(pat, 1, 2);
  EXPECT_EQ(pat.count(), 3);
  EXPECT_EQ(pat.row(2).name, "C");
  EXPECT_TRUE(pat.row(1).name.empty());
  // Moved up again, the empty row it leaves at the end is dropped.
  MoveRow(pat, 2, 0);
  EXPECT_EQ(pat.count(), 2);
  EXPECT_EQ(pat.row(0).name, "C");
  EXPECT_EQ(pat.row(1).name, "B");
  EXPECT_EQ(Values(1), "0:1 ");
}

TEST_F(PatEditsTest, MemoryDataAloneIsWorthSaving) {
  Read("a A 0\ne\n");
  EXPECT_TRUE(NothingToSave(pat));
  Read("m RAM 0 12 z\ne\n");
  EXPECT_TRUE(pat.IsEmpty());
  EXPECT_FALSE(NothingToSave(pat));
}

TEST_F(PatEditsTest, TypingTakesPrintableBytesOnly) {
  Read("a A 1 0 0\ne\n");
  EXPECT_TRUE(AppendToName(pat, 0, '2'));
  EXPECT_FALSE(AppendToName(pat, 0, ' '));
  EXPECT_FALSE(AppendToName(pat, 0, 127));
  EXPECT_FALSE(AppendToName(pat, 0, 0xe3));
  EXPECT_EQ(pat.row(0).name, "A2");
  EXPECT_TRUE(EraseFromName(pat, 0));
  EXPECT_TRUE(EraseFromName(pat, 0));
  EXPECT_FALSE(EraseFromName(pat, 0));
}

// Random edits of every kind, each recorded; undone to the start the file
// is the one before, byte for byte, and redone it is the end state.
TEST_F(PatEditsTest, UndoingEveryEditGivesTheFileBackByteForByte) {
  Read("a A 4 0 0 10 1 10 0 30 1\na B 2 0 5 20 a\na C 1 0 z\nm RAM 0 12 1 34 z\ne\n");
  const std::string start = Written();
  UndoHistory history;
  std::mt19937 random(7);
  auto pick = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  std::optional<SavedRow> slot;
  int slot_row = -1;
  for (int i = 0; i < 400; ++i) {
    const int row = pick(6);
    const std::int64_t time = pick(8) * 10;
    const int kind = pick(8);
    const int other = pick(6);
    // A restore may land above both rows: record from the top.
    RowsRecorder recorder(pat, 0, std::max({row, other, pat.count()}));
    switch (kind) {
      case 0:
        SetSingleValue(pat, row, time);
        break;
      case 1:
        SetMultiValue(pat, row, time, pick(2) ? "3f" : "1");
        break;
      case 2:
        RemoveNearest(pat, row, time, pick(2) == 0);
        break;
      case 3:
        if ((slot = DeleteRow(pat, row))) slot_row = row;
        break;
      case 4:
        if (slot && RestoreDeletedRow(pat, slot_row, *slot)) slot.reset();
        break;
      case 5:
        MoveRow(pat, row, other);
        break;
      case 6: {
        EventList& events = pat.row(row).events;
        if (!events.empty()) events.Move(events.begin(), EventTime(time));
        break;
      }
      default:
        pick(2) ? AppendToName(pat, row, 'a' + pick(26)) : EraseFromName(pat, row);
    }
    if (auto step = recorder.Finish()) history.Done(std::move(step));
  }
  const std::string end = Written();
  ASSERT_NE(end, start);
  ASSERT_GT(history.undo_count(), 100u);
  while (history.Undo()) {
  }
  EXPECT_EQ(Written(), start);
  while (history.Redo()) {
  }
  EXPECT_EQ(Written(), end);
}

}  // namespace
}  // namespace lumo
