#include "editing/mem_grid.h"

#include <gtest/gtest.h>

namespace lumo {
namespace {

TEST(MemGridView, ColumnsScrollByFivesAndPagesOfTwentyAndTheRangeGrows) {
  MemGridView view;
  EXPECT_TRUE(view.ScrollColumns(MemScroll::kPageForward));
  EXPECT_EQ(view.first_column(), 20);
  EXPECT_TRUE(view.ScrollColumns(MemScroll::kPageBack));
  EXPECT_EQ(view.first_column(), 0);
  EXPECT_FALSE(view.ScrollColumns(MemScroll::kLineBack));
  EXPECT_EQ(view.first_column(), 0);

  // A drag to 50 % lands at column 5000; one within a line of it is ignored.
  EXPECT_TRUE(view.ScrollColumns(MemScroll::kDrag, 50));
  EXPECT_EQ(view.first_column(), 5000);
  EXPECT_EQ(view.ColumnThumb(), 50);
  EXPECT_TRUE(view.ScrollColumns(MemScroll::kDrag, 100));
  EXPECT_EQ(view.first_column(), 10000);
  EXPECT_EQ(view.column_range(), 10000);
  EXPECT_TRUE(view.ScrollColumns(MemScroll::kLineForward));
  EXPECT_EQ(view.first_column(), 10005);
  EXPECT_EQ(view.column_range(), 10500);
  EXPECT_EQ(view.ColumnThumb(), 95);
}

TEST(MemGridView, RowsScrollWithinTheTableAndTheThumbFollowsTheCount) {
  MemGridView view;
  view.Resize(400, 24 + 3 * 24);
  EXPECT_FALSE(view.ScrollRows(MemScroll::kLineBack, 10));
  EXPECT_TRUE(view.ScrollRows(MemScroll::kPageForward, 10));
  EXPECT_EQ(view.first_row(), 4);
  EXPECT_EQ(view.RowThumb(9), 40);
  EXPECT_EQ(view.RowThumb(0), 100);
  // A drag that moves one row is ignored, two are taken.
  EXPECT_FALSE(view.ScrollRows(MemScroll::kDrag, 9, 50));
  EXPECT_TRUE(view.ScrollRows(MemScroll::kDrag, 9, 60));
  EXPECT_EQ(view.first_row(), 6);
  for (int i = 0; i < 200; ++i)
    view.ScrollRows(MemScroll::kPageForward, 10);
  EXPECT_EQ(view.first_row(), 499);
  EXPECT_EQ(view.last_row(), 499);
}

TEST(MemGridView, HitsAndCaretStayInsideTheVisibleGrid) {
  MemGridView view;
  view.Resize(130 + 3 * 66 + 10, 24 + 2 * 24);
  view.ScrollColumns(MemScroll::kLineForward);  // columns 5..7 whole
  EXPECT_EQ(view.last_column(), 7);
  EXPECT_EQ(view.drawn_columns(), 4);
  EXPECT_EQ(view.ColumnAt(129), std::nullopt);
  EXPECT_EQ(view.ColumnAt(130), 5);
  EXPECT_EQ(view.ColumnAt(130 + 66), 6);
  EXPECT_EQ(view.RowAt(10), 0);
  EXPECT_EQ(view.RowAt(24 + 24), 1);
  EXPECT_EQ(view.RowAt(100000), 499);
  EXPECT_EQ(view.ColumnLeft(6), 196);

  MemCaret caret;  // the name of row 0
  caret = view.MoveCaret(caret, MemCaretKey::kLeft);
  EXPECT_TRUE(caret.in_name);
  caret = view.MoveCaret(caret, MemCaretKey::kRight);
  EXPECT_EQ(caret, (MemCaret{false, 0, 5}));
  caret = view.MoveCaret(
      view.MoveCaret(view.MoveCaret(caret, MemCaretKey::kRight), MemCaretKey::kRight),
      MemCaretKey::kRight);
  EXPECT_EQ(caret.column, 7);
  caret = view.MoveCaret(caret, MemCaretKey::kDown);
  caret = view.MoveCaret(caret, MemCaretKey::kDown);
  EXPECT_EQ(caret, (MemCaret{false, 1, 7}));
  caret = view.MoveCaret(caret, MemCaretKey::kUp);
  caret = view.MoveCaret(caret, MemCaretKey::kUp);
  EXPECT_EQ(caret, (MemCaret{false, 0, 7}));
  for (int i = 0; i < 3; ++i)
    caret = view.MoveCaret(caret, MemCaretKey::kLeft);
  EXPECT_TRUE(caret.in_name);
  EXPECT_EQ(caret.row, 0);
}

}  // namespace
}  // namespace lumo
