#include "symbol/symbol_errors.h"

namespace lumo {

void RegisterSymbolErrors(ErrorTable& table) {
  RegisterError(table, kSymbolLibrary, "SymbolList::Read", "symolList.Read(const char *path)",
                "シンボルファイルがありません。");
}

}  // namespace lumo
