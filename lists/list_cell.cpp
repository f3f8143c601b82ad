#include "lists/list_cell.h"

#include <new>

namespace lumo {

ListCell* NilCell() {
  // Never freed: every list end and empty list refers to it until the
  // program ends.
  static ListCell* const nil = [] {
    auto* page = static_cast<char*>(
        ::operator new (ListCell::kPageBytes, std::align_val_t{ListCell::kPageBytes}));
    page[ListCell::kFirstSlot] = ListCell::kNil;
    auto* cell = new (page + ListCell::kFirstSlot * sizeof(ListCell)) ListCell;
    cell->u_.pair.car = cell;
    cell->u_.pair.cdr = cell;
    return cell;
  }();
  return nil;
}

}  // namespace lumo
