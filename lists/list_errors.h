#pragma once

#include "lists/error_table.h"

namespace lumo {

inline constexpr const char* kListLibrary = "リストライブラリー";

// Fills the list library's table: the cell and position errors and the
// reader's.
void RegisterListErrors(ErrorTable& table);

}  // namespace lumo
