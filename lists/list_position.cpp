#include "lists/list_position.h"

#include <cstdio>
#include <vector>

#include "lists/error_message.h"
#include "lists/list_printer.h"

namespace lumo {

namespace {

// The detail that shows the offending cell under an accessor's message.
std::string CellDetail(const ListCell* cell) {
  if (cell->IsNil()) return "p = nil\n";
  char buffer[64];
  switch (cell->kind()) {
    case ListCell::kLong:
      std::snprintf(buffer, sizeof buffer, "p = %d\n", cell->long_value());
      return buffer;
    case ListCell::kDouble:
      std::snprintf(buffer, sizeof buffer, "p = %f\n", cell->double_value());
      return buffer;
    case ListCell::kString:
      return "p = " + std::string(cell->text()) + "\n";
    default:
      return "p = " + MessageForm(cell) + "\n";
  }
}

}  // namespace

void ListPosition::Raise(const char* tag) const {
  throw ListError(tag, CellDetail(cell_));
}

ListPosition ListPosition::Car() const {
  if (cell_->IsAtom()) Raise("ListPosition::Car");
  return ListPosition(cell_->car());
}

ListPosition ListPosition::Cdr() const {
  if (cell_->IsAtom()) Raise("ListPosition::Cdr");
  return ListPosition(cell_->cdr());
}

ListPosition ListPosition::Cxr(std::string_view path) const {
  ListCell* cell = cell_;
  for (char letter : path) {
    if (letter != 'a' && letter != 'd')
      throw ListError("ListPosition::Cxr 2", "s = " + std::string(path) + "\n");
    if (cell->IsAtom()) throw ListError("ListPosition::Cxr 1", CellDetail(cell));
    cell = letter == 'a' ? cell->car() : cell->cdr();
  }
  return ListPosition(cell);
}

bool ListPosition::Nil() const {
  if (cell_ == nullptr) throw ListError("ListPosition::Nil");
  return cell_->IsNil();
}

std::int32_t ListPosition::Long() const {
  if (!IsLong()) Raise("ListPosition::Long");
  return cell_->long_value();
}

double ListPosition::Double() const {
  if (!IsDouble()) Raise("ListPosition::Double");
  return cell_->double_value();
}

std::string_view ListPosition::String() const {
  if (!IsString()) Raise("ListPosition::String");
  return cell_->text();
}

void ListPosition::Check() const {
  std::vector<const ListCell*> pending{cell_};
  while (!pending.empty()) {
    const ListCell* cell = pending.back();
    pending.pop_back();
    if (cell->IsNil()) continue;
    switch (cell->kind()) {
      case ListCell::kCons:
        pending.push_back(cell->car());
        pending.push_back(cell->cdr());
        break;
      case ListCell::kLong:
      case ListCell::kDouble:
      case ListCell::kString:
        break;
      default:
        throw ListError("ListPosition::Check");
    }
  }
}

void ListPosition::Print(std::ostream& out) const {
  PrintFileForm(cell_, out);
}

void ListPosition::Text(std::string& text) const {
  text = MessageForm(cell_);
}

std::string ListPosition::Text() const {
  return MessageForm(cell_);
}

}  // namespace lumo
