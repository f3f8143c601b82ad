#include "lists/list.h"

#include <utility>
#include <vector>

namespace lumo {

void List::MakeNull() {
  root_ = NilCell();
  pool_.Clear();
}

namespace {

// A copy in `pool` of the structure under `source`, sharing nothing with it.
ListCell* CopyCells(CellPool& pool, const ListCell* source) {
  if (source->IsNil()) return NilCell();
  ListCell* root = pool.Copy(*source);
  if (!source->IsCons()) return root;

  // Each target cons starts as a shallow copy that still refers to the
  // source's children; the walk replaces those references by copies.
  std::vector<ListCell*> pending{root};
  while (!pending.empty()) {
    ListCell* target = pending.back();
    pending.pop_back();
    ListCell* car = target->car()->IsNil() ? NilCell() : pool.Copy(*target->car());
    ListCell* cdr = target->cdr()->IsNil() ? NilCell() : pool.Copy(*target->cdr());
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
  Assign(other.Top());
  return *this;
}

void List::Assign(ListPosition position) {
  // Copied into a pool of its own first: `position` may lie in this List.
  CellPool pool;
  ListCell* copy = CopyCells(pool, position.cell());
  MakeNull();
  pool_.Swap(pool);
  root_ = copy;
}

}  // namespace lumo
