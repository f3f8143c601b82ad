#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

#include "lists/list_cell.h"

namespace lumo {

// A light cursor on one cell of a List. It owns nothing and is valid only
// while its List keeps the same structure. Navigation returns new positions.
// Every failure is raised as a ListError with a tag and a detail that shows
// the offending cell.
class ListPosition {
 public:
  ListPosition() = default;
  explicit ListPosition(ListCell* cell) : cell_(cell) {}

  ListPosition Car() const;
  ListPosition Cdr() const;
  // Applies the letters of `path` from first to last: 'a' takes the car, 'd'
  // the cdr; nil absorbs every further letter.
  ListPosition Cxr(std::string_view path) const;

  bool Nil() const;
  bool IsAtom() const { return cell_->IsAtom(); }
  bool IsLong() const { return cell_->kind() == ListCell::kLong; }
  bool IsDouble() const { return cell_->kind() == ListCell::kDouble; }
  bool IsString() const { return cell_->kind() == ListCell::kString; }
  bool IsCons() const { return cell_->kind() == ListCell::kCons; }

  std::int32_t Long() const;
  double Double() const;
  // The cell's own text, valid while the cell lives.
  std::string_view String() const;

  // Raises "ListPosition::Check" when a cell under this one has a kind other
  // than the five known ones.
  void Check() const;

  // File form, on one line.
  void Print(std::ostream& out) const;
  // Replaces `text` by the message form.
  void Text(std::string& text) const;
  std::string Text() const;

  ListCell* cell() const { return cell_; }
  bool operator==(const ListPosition&) const = default;

 private:
  [[noreturn]] void Raise(const char* tag) const;

  ListCell* cell_ = nullptr;
};

}  // namespace lumo
