#pragma once

#include <cstdint>
#include <optional>

#include "editing/scroll_step.h"

namespace lumo {

// The geometry of the memory-data grid: a header band, one row per memory
// below it, a name column and then one column per address. The view scrolls
// by address columns and by rows; the pane asks it where things are.
inline constexpr int kMemHeaderHeight = 24;
inline constexpr int kMemRowHeight = 24;
inline constexpr int kMemNameWidth = 130;
inline constexpr int kMemColumnWidth = 66;
inline constexpr int kMemLastRow = 499;

// The scroll bars' actions, as the pane receives them.
using MemScroll = ScrollStep;

// Where typing goes: a memory's name or the cell of an address.
struct MemCaret {
  bool in_name = true;
  int row = 0;
  std::int64_t column = 0;  // the address, when not in the name
  bool operator==(const MemCaret&) const = default;
};

enum class MemCaretKey { kLeft, kRight, kUp, kDown };

class MemGridView {
 public:
  static constexpr std::int64_t kStartRange = 10000;
  static constexpr std::int64_t kRangeGrowth = 500;
  static constexpr std::int64_t kColumnLine = 5;
  static constexpr std::int64_t kColumnPage = 20;
  static constexpr int kRowPage = 4;

  std::int64_t first_column() const { return first_column_; }
  std::int64_t column_range() const { return column_range_; }
  int first_row() const { return first_row_; }

  // The size of the pane's client area, in pixels.
  void Resize(int width, int height);
  // The last column (and row) shown whole, never before the first one.
  std::int64_t last_column() const;
  int last_row() const;
  // Columns and rows that appear at least in part.
  int drawn_columns() const;
  int drawn_rows() const;

  int ColumnLeft(std::int64_t column) const;
  int RowTop(int row) const;
  // The row under y, 0..499, and the column under x (none in the name column).
  int RowAt(int y) const;
  std::optional<std::int64_t> ColumnAt(int x) const;

  // Scrolls by columns: a line is 5, a page 20, never below 0; passing the
  // range extends it by 500. A drag goes to range * percent / 100 unless that
  // is within a line of where the view is. True when the view moved.
  bool ScrollColumns(MemScroll action, int percent = 0);
  // Scrolls by rows: a line is one, a page four, 0..499. A drag goes to
  // percent * (count + 1) / 100 when that differs by more than one row.
  bool ScrollRows(MemScroll action, int count, int percent = 0);
  // The thumbs' positions, 0..100.
  int ColumnThumb() const;
  int RowThumb(int count) const;

  // The caret after an arrow key, kept inside the visible rows and columns.
  MemCaret MoveCaret(const MemCaret& caret, MemCaretKey key) const;

 private:
  std::int64_t first_column_ = 0;
  std::int64_t column_range_ = kStartRange;
  int first_row_ = 0;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace lumo
