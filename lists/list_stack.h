#pragma once

#include "lists/list_cell.h"

namespace lumo {

// A last-in first-out stack of cell references. It owns its nodes, never the
// cells.
class ListStack {
 public:
  ListStack() = default;
  ListStack(const ListStack&) = delete;
  ListStack& operator=(const ListStack&) = delete;
  ~ListStack();

  void Push(ListCell* cell);
  // Raises "ListStack::Pop" when the stack is empty.
  ListCell* Pop();
  bool Empty() const { return top_ == nullptr; }

 private:
  struct Node {
    ListCell* cell;
    Node* next;
  };
  Node* top_ = nullptr;
};

}  // namespace lumo
