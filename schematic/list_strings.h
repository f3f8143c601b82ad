#pragma once

#include <optional>
#include <string_view>

#include "lists/list_cell.h"

namespace lumo {

// The first string under `cell` (depth first, car before cdr) that a writer
// could not give back so that it reads as itself (see IsWritableName);
// none when every string can be written.
std::optional<std::string_view> FirstUnwritableString(const ListCell* cell);

}  // namespace lumo
