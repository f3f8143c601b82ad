#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "tests/pattern/pattern_test_util.h"

namespace lumo {
namespace {

TEST_F(PatternTest, SortRowsMovesOnlyRowsOfThatKindWithTheirNamesAndEvents) {
  const struct {
    const char* name;
    RowKind kind;
    int time;
  } rows[] = {
      {"b", RowKind::kInput, 1}, {"z", RowKind::kOutput, 2}, {"\x83\x41", RowKind::kInput, 3},
      {"a", RowKind::kInput, 4}, {"y", RowKind::kOutput, 5}, {"a", RowKind::kInput, 6},
      {"B", RowKind::kInput, 7},
  };
  for (const auto& row : rows) {
    const int index = pat_.AppendRow(row.name, std::string("full.") + row.name, row.kind);
    pat_.row(index).events.Insert(row.time, "1");
  }
  pat_.SortRows(RowKind::kInput);
  EXPECT_EQ(Names(), (std::vector<std::string>{"B", "z", "a", "a", "y", "b", "\x83\x41"}));
  // Equal names keep their order; full names and events travel with the row.
  EXPECT_EQ(Events(2), (EventPairs{{4, "1"}}));
  EXPECT_EQ(Events(3), (EventPairs{{6, "1"}}));
  EXPECT_EQ(pat_.row(6).full_name, "full.\x83\x41");
  EXPECT_EQ(Events(6), (EventPairs{{3, "1"}}));
  EXPECT_EQ(Events(1), (EventPairs{{2, "1"}}));
  EXPECT_EQ(pat_.row(1).kind, RowKind::kOutput);

  pat_.SortRows(RowKind::kOutput);
  EXPECT_EQ(Names(), (std::vector<std::string>{"B", "y", "a", "a", "z", "b", "\x83\x41"}));
  EXPECT_EQ(Events(1), (EventPairs{{5, "1"}}));
}

TEST_F(PatternTest, SortRowsKeepsTheOrderOfEqualNamesInABigTable) {
  for (int i = 0; i < kPatRows; ++i)
    pat_.AppendRow(std::string(1, "cab"[i * 7 % 3]), std::to_string(i), RowKind::kInput);
  pat_.SortRows(RowKind::kInput);
  int last = -1;
  for (int i = 0; i < kPatRows; ++i) {
    const int serial = std::stoi(pat_.row(i).full_name);
    if (i > 0 && pat_.row(i).name == pat_.row(i - 1).name) {
      EXPECT_GT(serial, last) << i;
    } else if (i > 0) {
      EXPECT_LT(pat_.row(i - 1).name, pat_.row(i).name);
    }
    last = serial;
  }
}

TEST_F(PatternTest, ClearEmptiesTheRowsButNotTheMemories) {
  Read("a A 1 0 1 a B 1 0 0 m ram 0 1 z e");
  pat_.AppendRow("out", "", RowKind::kOutput);
  pat_.Clear();
  EXPECT_EQ(pat_.count(), 0);
  for (int i = 0; i < 3; ++i) {
    EXPECT_TRUE(pat_.row(i).name.empty());
    EXPECT_TRUE(pat_.row(i).full_name.empty());
    EXPECT_TRUE(pat_.row(i).events.empty());
    EXPECT_EQ(pat_.row(i).kind, RowKind::kInput);
  }
  EXPECT_EQ(pat_.row(3).kind, RowKind::kUnused);  // never used
  EXPECT_EQ(pat_.mem().count(), 1);
}

TEST_F(PatternTest, IsEmptyUnlessSomeNamedRowHasAnEvent) {
  EXPECT_TRUE(pat_.IsEmpty());
  pat_.AppendRow("A", "adder.A", RowKind::kInput);
  EXPECT_TRUE(pat_.IsEmpty());
  const int unnamed = pat_.AppendRow("", "", RowKind::kInput);
  pat_.row(unnamed).events.Insert(0, "1");
  EXPECT_TRUE(pat_.IsEmpty());
  pat_.row(0).events.Insert(0, "1");
  EXPECT_FALSE(pat_.IsEmpty());
}

TEST_F(PatternTest, RowsAreReachedOnlyInsideTheTable) {
  pat_.set_count(kPatRows + 10);
  EXPECT_EQ(pat_.count(), kPatRows);
  pat_.set_count(-1);
  EXPECT_EQ(pat_.count(), 0);
  EXPECT_NO_THROW(pat_.row(kPatRows - 1));
  EXPECT_THROW(pat_.row(kPatRows), std::out_of_range);
  EXPECT_THROW(pat_.row(-1), std::out_of_range);
  EXPECT_THROW(pat_.mem().memory(kMemCapacity), std::out_of_range);
  pat_.mem().set_count(kMemCapacity + 1);
  EXPECT_EQ(pat_.mem().count(), kMemCapacity);
  EXPECT_EQ(pat_.mem().Append("more"), -1);
}

TEST_F(PatternTest, NearestEventOfARow) {
  Read("a A 3 0 0 100 1 250 0 e");
  EXPECT_EQ(pat_.NearestEvent(0, 170).event->time, 100);
  EXPECT_EQ(pat_.NearestEvent(0, 175).event->time, 100);  // a tie: the earlier one
  EXPECT_EQ(pat_.NearestEvent(0, 176).distance, 74);
  EXPECT_EQ(pat_.NearestEvent(1, 0).event, pat_.row(1).events.end());
}

TEST(PatternErrors, TablesHoldTheirEntries) {
  ErrorTable table;
  RegisterPatternErrors(table);
  RegisterMemoryErrors(table);
  EXPECT_EQ(ErrorText(table, "Pat::ReadOutputPat"),
            "パターンライブラリー内でエラーが発生しました。\n\n"
            "関数 : pat.ReadOutputPat(char *path)\n"
            "内容 : 出力パターンファイルが読めません。\n\n処理を中断します。\n");
  EXPECT_EQ(ErrorText(table, "Pat::WriteInputPat", "a.lpt"),
            "パターンライブラリー内でエラーが発生しました。\n\n"
            "関数 : pat.WriteInputPat(char *path)\n"
            "内容 : 入力パターンファイルに書き込めません。\na.lpt\n\n処理を中断します。\n");
  const struct {
    const char* tag;
    const char* call;
    const char* message;
  } memory[] = {
      {"Mem::ReadInputMem", "pat.ReadInputMem(char *path)", "メモリファイルが読めません。"},
      {"Mem::ReadOutputMem", "pat.ReadOutputMem(char *path)", "メモリファイルが読めません。"},
      {"Mem::WriteInputMem", "pat.WriteInputMem(char *path)", "メモリファイルに書き込めません。"},
  };
  for (const auto& entry : memory) {
    const ErrorEntry* found = table.Find(entry.tag);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->library, "メモリライブラリー");
    EXPECT_EQ(found->call, entry.call);
    EXPECT_EQ(found->message, entry.message);
  }
  EXPECT_EQ(table.Find("Pat::ReadInputPat")->library, "パターンライブラリー");
}

}  // namespace
}  // namespace lumo
