#include "lists/list.h"

#include <utility>
#include <vector>

#include "lists/error_message.h"

namespace lumo {

void FreeCells(ListCell* cell) {
  // Most calls free nothing or one atom: no walk needed.
  if (cell->IsNil()) return;
  if (cell->IsAtom()) {
    delete cell;
    return;
  }
  std::vector<ListCell*> pending{cell};
  while (!pending.empty()) {
    ListCell* next = pending.back();
    pending.pop_back();
    if (next->IsNil()) continue;
    switch (next->kind()) {
      case ListCell::kCons:
        pending.push_back(next->car());
        pending.push_back(next->cdr());
        break;
      case ListCell::kLong:
      case ListCell::kDouble:
      case ListCell::kString:
        break;
      default:
        throw ListError("List::MakeNull");
    }
    delete next;
  }
}

void List::MakeNull() {
  ListCell* root = std::exchange(root_, NilCell());
  FreeCells(root);
}

namespace {

// A copy of the structure under `source`, sharing nothing with it.
ListCell* CopyCells(const ListCell* source) {
  if (source->IsNil()) return NilCell();
  ListCell* root = ListCell::ShallowCopy(*source);
  if (!source->IsCons()) return root;

  // Each target cons starts as a shallow copy that still refers to the
  // source's children; the walk replaces those references by copies.
  std::vector<ListCell*> pending{root};
  while (!pending.empty()) {
    ListCell* target = pending.back();
    pending.pop_back();
    ListCell* car = target->car()->IsNil() ? NilCell() : ListCell::ShallowCopy(*target->car());
    ListCell* cdr = target->cdr()->IsNil() ? NilCell() : ListCell::ShallowCopy(*target->cdr());
    target->set_car(car);
    target->set_cdr(cdr);
    if (car->IsCons()) pending.push_back(car);
    if (cdr->IsCons()) pending.push_back(cdr);
  }
  return root;
}

}  // namespace

List& List::operator=(const List& other) {
  if (root_ == other.root_) return *this;
  MakeNull();
  root_ = CopyCells(other.root_);
  return *this;
}

void List::Assign(ListPosition position) {
  ListCell* copy = CopyCells(position.cell());
  MakeNull();
  root_ = copy;
}

}  // namespace lumo
