#include "editing/mem_grid.h"

#include <algorithm>
#include <cstdlib>

namespace lumo {

void MemGridView::Resize(int width, int height) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
}

std::int64_t MemGridView::last_column() const {
  const int whole = (width_ - kMemNameWidth) / kMemColumnWidth;
  return first_column_ + std::max(whole, 1) - 1;
}

int MemGridView::last_row() const {
  const int whole = (height_ - kMemHeaderHeight) / kMemRowHeight;
  return std::min(first_row_ + std::max(whole, 1) - 1, kMemLastRow);
}

int MemGridView::drawn_columns() const {
  const int data = std::max(width_ - kMemNameWidth, 0);
  return (data + kMemColumnWidth - 1) / kMemColumnWidth;
}

int MemGridView::drawn_rows() const {
  const int data = std::max(height_ - kMemHeaderHeight, 0);
  return std::min((data + kMemRowHeight - 1) / kMemRowHeight, kMemLastRow + 1 - first_row_);
}

int MemGridView::ColumnLeft(std::int64_t column) const {
  return kMemNameWidth + static_cast<int>(column - first_column_) * kMemColumnWidth;
}

int MemGridView::RowTop(int row) const {
  return kMemHeaderHeight + (row - first_row_) * kMemRowHeight;
}

int MemGridView::RowAt(int y) const {
  // A click on the header band counts as the first visible row.
  return std::clamp(first_row_ + (y - kMemHeaderHeight) / kMemRowHeight, 0, kMemLastRow);
}

std::optional<std::int64_t> MemGridView::ColumnAt(int x) const {
  if (x < kMemNameWidth) return std::nullopt;
  return first_column_ + (x - kMemNameWidth) / kMemColumnWidth;
}

bool MemGridView::ScrollColumns(MemScroll action, int percent) {
  std::int64_t next = first_column_;
  switch (action) {
    case MemScroll::kLineBack:
      next -= kColumnLine;
      break;
    case MemScroll::kLineForward:
      next += kColumnLine;
      break;
    case MemScroll::kPageBack:
      next -= kColumnPage;
      break;
    case MemScroll::kPageForward:
      next += kColumnPage;
      break;
    case MemScroll::kDrag: {
      const std::int64_t dragged = column_range_ * std::clamp(percent, 0, 100) / 100;
      if (std::llabs(dragged - first_column_) <= kColumnLine) return false;
      next = dragged;
      break;
    }
  }
  next = std::max<std::int64_t>(next, 0);
  while (next > column_range_)
    column_range_ += kRangeGrowth;
  if (next == first_column_) return false;
  first_column_ = next;
  return true;
}

bool MemGridView::ScrollRows(MemScroll action, int count, int percent) {
  int next = first_row_;
  switch (action) {
    case MemScroll::kLineBack:
      next -= 1;
      break;
    case MemScroll::kLineForward:
      next += 1;
      break;
    case MemScroll::kPageBack:
      next -= kRowPage;
      break;
    case MemScroll::kPageForward:
      next += kRowPage;
      break;
    case MemScroll::kDrag: {
      const int dragged = std::clamp(percent, 0, 100) * (std::max(count, 0) + 1) / 100;
      if (std::abs(dragged - first_row_) <= 1) return false;
      next = dragged;
      break;
    }
  }
  next = std::clamp(next, 0, kMemLastRow);
  if (next == first_row_) return false;
  first_row_ = next;
  return true;
}

int MemGridView::ColumnThumb() const {
  return static_cast<int>(std::min<std::int64_t>(first_column_ * 100 / column_range_, 100));
}

int MemGridView::RowThumb(int count) const {
  return std::min(first_row_ * 100 / (std::max(count, 0) + 1), 100);
}

MemCaret MemGridView::MoveCaret(const MemCaret& caret, MemCaretKey key) const {
  MemCaret next = caret;
  switch (key) {
    case MemCaretKey::kLeft:
      if (caret.in_name) break;
      if (caret.column <= first_column_)
        next.in_name = true;
      else
        next.column = caret.column - 1;
      break;
    case MemCaretKey::kRight:
      if (caret.in_name) {
        next.in_name = false;
        next.column = first_column_;
      } else if (caret.column < last_column()) {
        next.column = caret.column + 1;
      }
      break;
    case MemCaretKey::kUp:
      if (caret.row > first_row_) next.row = caret.row - 1;
      break;
    case MemCaretKey::kDown:
      if (caret.row < last_row()) next.row = caret.row + 1;
      break;
  }
  return next;
}

}  // namespace lumo
