#pragma once

#include <string>

#include "lists/list_cell.h"

namespace lumo {

// The first string under `cell` (depth first, car before cdr) that a writer
// could not give back so that it reads as itself (see IsWritableName);
// null when every string can be written.
const std::string* FirstUnwritableString(const ListCell* cell);

}  // namespace lumo
