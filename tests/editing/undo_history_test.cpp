#include "editing/undo_history.h"

#include <gtest/gtest.h>

#include <string>

namespace lumo {
namespace {

// A document of one string; each step appends a letter, as editors record a
// change after making it.
struct Text {
  std::string value;
  UndoHistory history;
  void Append(char c, std::size_t bytes = 1) {
    value.push_back(c);
    history.Done(
        MakeEditStep([this] { value.pop_back(); }, [this, c] { value.push_back(c); }, bytes));
  }
};

TEST(UndoHistory, UndoesAndRedoesInOrderAndANewChangeForgetsTheRedo) {
  Text text;
  EXPECT_FALSE(text.history.Undo());
  text.Append('a');
  text.Append('b');
  text.Append('c');
  EXPECT_TRUE(text.history.Undo());
  EXPECT_TRUE(text.history.Undo());
  EXPECT_EQ(text.value, "a");
  EXPECT_TRUE(text.history.Redo());
  EXPECT_EQ(text.value, "ab");
  text.Append('x');
  EXPECT_FALSE(text.history.CanRedo());
  EXPECT_FALSE(text.history.Redo());
  EXPECT_EQ(text.value, "abx");
  while (text.history.Undo()) {
  }
  EXPECT_EQ(text.value, "");
  while (text.history.Redo()) {
  }
  EXPECT_EQ(text.value, "abx");
}

TEST(UndoHistory, AGroupIsOneStepUndoneBackwards) {
  std::string log;
  UndoHistory history;
  history.BeginGroup();
  history.Done(MakeEditStep([&] { log += "-1"; }, [&] { log += "+1"; }, 0));
  history.BeginGroup();  // nested groups join the outer one
  history.Done(MakeEditStep([&] { log += "-2"; }, [&] { log += "+2"; }, 0));
  history.EndGroup();
  EXPECT_FALSE(history.CanUndo());  // not while the group is open
  history.EndGroup();
  history.BeginGroup();
  history.EndGroup();  // an empty group leaves nothing
  EXPECT_EQ(history.undo_count(), 1u);
  history.Undo();
  history.Redo();
  EXPECT_EQ(log, "-2-1+1+2");
}

TEST(UndoHistory, TheCleanMarkFollowsUndoAndIsLostWhenItsStateIsGone) {
  Text text;
  text.Append('a');
  text.history.MarkClean();
  EXPECT_TRUE(text.history.IsClean());
  text.Append('b');
  EXPECT_FALSE(text.history.IsClean());
  text.history.Undo();
  EXPECT_TRUE(text.history.IsClean());
  text.history.Undo();
  EXPECT_FALSE(text.history.IsClean());
  // A new change after undoing past the saved state: that state cannot come
  // back, whatever is undone or redone.
  text.Append('z');
  text.history.Undo();
  EXPECT_FALSE(text.history.IsClean());
  text.history.Redo();
  EXPECT_FALSE(text.history.IsClean());
  text.history.Clear();
  EXPECT_TRUE(text.history.IsClean());
  EXPECT_FALSE(text.history.CanUndo());
}

TEST(UndoHistory, TheByteBoundDropsTheOldestStepsButKeepsTheNewest) {
  Text text;
  text.history = UndoHistory(1000);
  text.Append('a', 400);
  text.history.MarkClean();
  text.Append('b', 400);
  text.Append('c', 400);
  EXPECT_LE(text.history.bytes(), 1000u);
  EXPECT_EQ(text.history.undo_count(), 2u);
  EXPECT_TRUE(text.history.Undo());
  EXPECT_FALSE(text.history.IsClean());  // the clean state was the dropped one's
  EXPECT_TRUE(text.history.Undo());
  EXPECT_FALSE(text.history.Undo());
  EXPECT_EQ(text.value, "a");
  text.history.Redo();
  text.Append('d', 5000);  // larger than the bound alone
  EXPECT_EQ(text.history.undo_count(), 1u);
  EXPECT_TRUE(text.history.Undo());
  EXPECT_EQ(text.value, "ab");
}

}  // namespace
}  // namespace lumo
