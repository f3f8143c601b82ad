#pragma once

#include "lists/error_table.h"

namespace lumo {

inline constexpr const char* kSymbolLibrary = "シンボルライブラリー";

// Fills the symbol library's table ("SymbolList::Read": the file is missing).
void RegisterSymbolErrors(ErrorTable& table);

}  // namespace lumo
