#include "symbol/symbol_file.h"

#include "common/atomic_file.h"

namespace lumo {

bool WriteSymbolFile(const std::string& path, const Symbol& symbol) {
  if (!symbol.Writable()) return false;
  return WriteFileAtomically(path, [&symbol](std::ostream& out) { return symbol.Write(out); });
}

bool WriteSymbolLibrary(const std::string& path, const SymbolList& symbols) {
  for (const Symbol& symbol : symbols)
    if (!symbol.Writable()) return false;
  return WriteFileAtomically(path, [&symbols](std::ostream& out) {
    for (const Symbol& symbol : symbols)
      if (!symbol.Write(out)) return false;
    return true;
  });
}

}  // namespace lumo
