#pragma once

#include <istream>
#include <ostream>

#include "lists/cell_pool.h"
#include "lists/list_cell.h"
#include "lists/list_position.h"

namespace lumo {

// Owns one list structure, read from text or deep-copied from another List.
class List {
 public:
  List() = default;
  List(const List& other) { *this = other; }
  List& operator=(const List& other);
  ~List() = default;

  // Replaces the content by a copy of the structure under `position`, which
  // may lie in another List (or in this one).
  void Assign(ListPosition position);

  // Replaces the content by the next expression of `in`. On a failure the
  // List is left empty (except when the stream was already at its end, which
  // leaves it unchanged) and a ListError is raised. The one-byte lookahead is
  // kept with the stream between calls, so a file is read as a sequence of
  // expressions by repeated calls, even when other streams are read in
  // between.
  void Read(std::istream& in);

  // True when another expression may follow on `in`: skips white space the
  // way Read does and tells whether any input is left.
  static bool HasMore(std::istream& in);

  void MakeNull();
  ListPosition Top() const { return ListPosition(root_); }
  bool IsNil() const { return root_->IsNil(); }
  void Print(std::ostream& out) const { Top().Print(out); }

 private:
  CellPool pool_;  // every cell under root_ but nil
  ListCell* root_ = NilCell();
};

}  // namespace lumo
