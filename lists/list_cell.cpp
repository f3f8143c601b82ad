#include "lists/list_cell.h"

namespace lumo {

ListCell* NilCell() {
  // Never freed: every list end and empty list refers to it until the
  // program ends.
  static ListCell* const nil = [] {
    auto* cell = new ListCell(ListCell::kNil);
    cell->u_.pair.car = cell;
    cell->u_.pair.cdr = cell;
    return cell;
  }();
  return nil;
}

ListCell* ListCell::NewCons(ListCell* car, ListCell* cdr) {
  auto* cell = new ListCell(kCons);
  cell->u_.pair.car = car;
  cell->u_.pair.cdr = cdr;
  return cell;
}

ListCell* ListCell::NewLong(std::int32_t value) {
  auto* cell = new ListCell(kLong);
  cell->u_.long_value = value;
  return cell;
}

ListCell* ListCell::NewDouble(double value) {
  auto* cell = new ListCell(kDouble);
  cell->u_.double_value = value;
  return cell;
}

ListCell* ListCell::NewString(std::string_view text) {
  auto* cell = new ListCell(kString);
  cell->u_.text = new std::string(text);
  return cell;
}

ListCell* ListCell::ShallowCopy(const ListCell& cell) {
  switch (cell.kind_) {
    case kLong:
      return NewLong(cell.u_.long_value);
    case kDouble:
      return NewDouble(cell.u_.double_value);
    case kString:
      return NewString(*cell.u_.text);
    case kCons:
      return NewCons(cell.u_.pair.car, cell.u_.pair.cdr);
    case kNil:
      break;
  }
  return NilCell();
}

ListCell::~ListCell() {
  if (kind_ == kString) delete u_.text;
}

}  // namespace lumo
