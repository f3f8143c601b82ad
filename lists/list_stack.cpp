#include "lists/list_stack.h"

#include "lists/error_message.h"

namespace lumo {

ListStack::~ListStack() {
  while (top_ != nullptr) {
    Node* node = top_;
    top_ = node->next;
    delete node;
  }
}

void ListStack::Push(ListCell* cell) {
  top_ = new Node{cell, top_};
}

ListCell* ListStack::Pop() {
  if (top_ == nullptr) throw ListError("ListStack::Pop");
  Node* node = top_;
  top_ = node->next;
  ListCell* cell = node->cell;
  delete node;
  return cell;
}

}  // namespace lumo
