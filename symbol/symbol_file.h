#pragma once

#include <string>

#include "symbol/symbol.h"
#include "symbol/symbol_list.h"

namespace lumo {

// Writes one symbol as a user symbol file (the symbol editor's save). The
// file is replaced only when every byte was written; false (the old file
// untouched) when it could not be, or when the symbol is not Writable.
bool WriteSymbolFile(const std::string& path, const Symbol& symbol);

// Writes every symbol of the list into one library file, in list order, the
// same way.
bool WriteSymbolLibrary(const std::string& path, const SymbolList& symbols);

}  // namespace lumo
