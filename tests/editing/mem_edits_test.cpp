#include "editing/mem_edits.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>

#include "common/recording_message_host.h"

namespace lumo {
namespace {

std::string Written(const Mem& mem) {
  std::ostringstream out;
  mem.WriteMemories(out);
  return out.str();
}

// Every entry of the table with its count, so that empty rows and words of
// empty data (which the file leaves out) are compared too.
std::string Dump(const Mem& mem) {
  std::string text = "count " + std::to_string(mem.count()) + "\n";
  for (int i = 0; i < kMemCapacity; ++i) {
    const Memory& memory = mem.memory(i);
    if (memory.name.empty() && memory.words.empty()) continue;
    text += std::to_string(i) + " [" + memory.name + "]";
    for (const MemWord& word : memory.words)
      text += " " + std::to_string(word.address) + ":" + word.address_text + "=" + word.data_text;
    text += "\n";
  }
  return text;
}

void Read(Mem& mem, const std::string& records) {
  std::istringstream in(records);
  std::string m;
  while (in >> m)
    ASSERT_EQ(mem.ReadMemoryRecord(in), Mem::RecordEnd::kComplete);
}

struct MemFixture : ::testing::Test {
  RecordingMessageHost host;
  Mem mem{host};
  UndoHistory history;
  std::shared_ptr<MemDeleteSlot> slot = std::make_shared<MemDeleteSlot>();
  void Do(std::unique_ptr<EditStep> step) {
    if (step) history.Done(std::move(step));
  }
};

TEST_F(MemFixture, TypingIntoACellReplacesItsWordAndDeleteMakesAnUnsavedEmptyWord) {
  Read(mem, "m ram z");
  Do(AppendToMemCell(mem, 0, 10, '1'));
  Do(AppendToMemCell(mem, 0, 10, '2'));
  ASSERT_EQ(mem.memory(0).words.size(), 1u);
  EXPECT_EQ(mem.FindWord(0, 10)->address_text, "a");
  EXPECT_EQ(mem.FindWord(0, 10)->data_text, "12");
  EXPECT_EQ(Written(mem), "m  ram\n   a 12  z\n");

  // A blank or a byte above 126 is not typed.
  EXPECT_EQ(AppendToMemCell(mem, 0, 10, ' '), nullptr);
  EXPECT_EQ(AppendToMemCell(mem, 0, 10, static_cast<char>(0xe3)), nullptr);

  Do(ShortenMemCell(mem, 0, 3));
  ASSERT_NE(mem.FindWord(0, 3), nullptr);
  EXPECT_EQ(mem.FindWord(0, 3)->data_text, "");
  EXPECT_EQ(Written(mem), "m  ram\n   a 12  z\n");
  // Shortening an empty word again changes nothing and leaves no step.
  EXPECT_EQ(ShortenMemCell(mem, 0, 3), nullptr);

  EXPECT_EQ(history.undo_count(), 3u);
  while (history.Undo()) {
  }
  EXPECT_TRUE(mem.memory(0).words.empty());
}

// Words of one address read from a file (0010 and 10 are both 16): the cell
// edits the first, which keeps its place, and undo gives back both texts.
TEST_F(MemFixture, ACellWithTwoWordsOfOneAddressEditsTheFirstInPlace) {
  Read(mem, "m ram 0010 a1 10 b2 11 c3 z");
  const std::string before = Dump(mem);
  Do(AppendToMemCell(mem, 0, 16, '7'));
  Do(AppendToMemCell(mem, 0, 16, '8'));
  EXPECT_EQ(Written(mem), "m  ram\n   10 a178  10 b2  11 c3  z\n");
  EXPECT_EQ(mem.FindWord(0, 16)->data_text, "a178");
  history.Undo();
  history.Undo();
  EXPECT_EQ(Dump(mem), before);
}

TEST_F(MemFixture, NamesTypedIntoAnEmptyRowMakeANewMemorySavedOnceItHasData) {
  Read(mem, "m a 1 1 z");
  Do(JoinMemRow(mem, 2));
  EXPECT_EQ(mem.count(), 3);
  Do(AppendToMemName(mem, 2, 'x'));
  Do(AppendToMemName(mem, 2, 'y'));
  Do(ShortenMemName(mem, 2));
  EXPECT_EQ(mem.memory(2).name, "x");
  EXPECT_EQ(Written(mem), "m  a\n   1 1  z\n");
  Do(AppendToMemCell(mem, 2, 0, '5'));
  EXPECT_EQ(Written(mem), "m  a\n   1 1  z\nm  x\n   0 5  z\n");
  while (history.Undo()) {
  }
  EXPECT_EQ(mem.count(), 1);
  EXPECT_EQ(mem.memory(2).name, "");
}

TEST_F(MemFixture, RowDeleteKeepsOneLevelForTheRightButtonAndNeverLosesARow) {
  Read(mem, "m a 1 1 z m b 2 2 z m c 3 3 z");
  Do(DeleteMemRow(mem, slot, 0));
  Do(DeleteMemRow(mem, slot, 1));
  EXPECT_EQ(Dump(mem), "count 1\n0 [b] 2:2=2\n");
  Do(RestoreMemRow(mem, slot));
  EXPECT_EQ(Dump(mem), "count 2\n0 [b] 2:2=2\n1 [c] 3:3=3\n");
  // The slot is empty now: a second restore does nothing.
  EXPECT_EQ(RestoreMemRow(mem, slot), nullptr);

  // Undo goes back through the restore and both deletes, slot included: the
  // right button then gives back what it would have given then.
  history.Undo();
  history.Undo();
  EXPECT_EQ(slot->row, 0);
  EXPECT_EQ(slot->saved.name, "a");
  EXPECT_EQ(Dump(mem), "count 2\n0 [b] 2:2=2\n1 [c] 3:3=3\n");
  history.Undo();
  EXPECT_EQ(Dump(mem), "count 3\n0 [a] 1:1=1\n1 [b] 2:2=2\n2 [c] 3:3=3\n");
  EXPECT_EQ(slot->row, -1);

  // A row at or beyond the count holds nothing to delete; deleting it must
  // not take the last memory with it.
  EXPECT_EQ(DeleteMemRow(mem, slot, 3), nullptr);
  EXPECT_EQ(DeleteMemRow(mem, slot, 499), nullptr);
  EXPECT_EQ(mem.count(), 3);
}

TEST_F(MemFixture, RestoreIntoAFullTableIsRefusedRatherThanPushingAMemoryOut) {
  for (int i = 0; i < kMemCapacity; ++i)
    mem.Append("m" + std::to_string(i));
  Do(DeleteMemRow(mem, slot, 5));
  Do(JoinMemRow(mem, 499));
  Do(AppendToMemName(mem, 499, 'n'));
  const std::string full = Dump(mem);
  EXPECT_EQ(RestoreMemRow(mem, slot), nullptr);
  EXPECT_EQ(Dump(mem), full);
  EXPECT_EQ(slot->saved.name, "m5");
}

TEST_F(MemFixture, RowMoveShiftsTheRowsBetweenAndDropsTrailingEmptyRows) {
  Read(mem, "m a 1 1 z m b 2 2 z m c 3 3 z");
  // The last row moved to the row below it: the count grows by one.
  Do(MoveMemRow(mem, 2, 3));
  EXPECT_EQ(Dump(mem), "count 4\n0 [a] 1:1=1\n1 [b] 2:2=2\n3 [c] 3:3=3\n");
  // Moved back up, the empty row left at the end is dropped.
  Do(MoveMemRow(mem, 3, 0));
  EXPECT_EQ(Dump(mem), "count 3\n0 [c] 3:3=3\n1 [a] 1:1=1\n2 [b] 2:2=2\n");
  // An empty row from beyond the count pushes the rows below it down.
  Do(MoveMemRow(mem, 7, 1));
  EXPECT_EQ(Dump(mem), "count 4\n0 [c] 3:3=3\n2 [a] 1:1=1\n3 [b] 2:2=2\n");
  history.Undo();
  history.Undo();
  history.Undo();
  EXPECT_EQ(Dump(mem), "count 3\n0 [a] 1:1=1\n1 [b] 2:2=2\n2 [c] 3:3=3\n");
}

// Random edits of every kind, undone to the start and redone to the end,
// against the file's bytes and every entry of the table.
TEST_F(MemFixture, RandomEditsUndoToTheFileReadAndRedoToTheEndState) {
  std::mt19937 random(20261207);
  for (int round = 0; round < 40; ++round) {
    mem.Clear();
    history.Clear();
    *slot = MemDeleteSlot{};
    Read(mem, "m ram 0010 a1 10 b2 0 00 ff 1234 z m rom 1 x z m io z");
    const std::string start_file = Written(mem);
    const std::string start = Dump(mem);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    const std::string chars = "0123456789abcdefXYZ_";
    for (int i = 0; i < 80; ++i) {
      const int row = pick(7);
      switch (pick(8)) {
        case 0:
          Do(JoinMemRow(mem, row));
          break;
        case 1:
          Do(AppendToMemName(mem, row, chars[pick(20)]));
          break;
        case 2:
          Do(ShortenMemName(mem, row));
          break;
        case 3:
          Do(AppendToMemCell(mem, row, pick(20), chars[pick(20)]));
          break;
        case 4:
          Do(ShortenMemCell(mem, row, pick(20)));
          break;
        case 5:
          Do(DeleteMemRow(mem, slot, row));
          break;
        case 6:
          Do(RestoreMemRow(mem, slot));
          break;
        case 7:
          Do(MoveMemRow(mem, row, pick(7)));
          break;
      }
    }
    const std::string end_file = Written(mem);
    const std::string end = Dump(mem);
    while (history.Undo()) {
    }
    ASSERT_EQ(Written(mem), start_file) << "round " << round;
    ASSERT_EQ(Dump(mem), start) << "round " << round;
    while (history.Redo()) {
    }
    ASSERT_EQ(Written(mem), end_file) << "round " << round;
    ASSERT_EQ(Dump(mem), end) << "round " << round;
  }
}

}  // namespace
}  // namespace lumo
