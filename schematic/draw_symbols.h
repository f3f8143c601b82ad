#pragma once

#include <string>
#include <unordered_map>

#include "symbol/symbol.h"
#include "symbol/symbol_list.h"

namespace lumo {

// Finds the symbol of an element's symbol name: in the system symbols
// first, then in the user symbols (both ignoring letter case). Each name is
// looked up once, so binding a whole schematic costs one list walk per
// distinct name.
class DrawSymbolFinder {
 public:
  DrawSymbolFinder(const SymbolList& system_symbols, const SymbolList& user_symbols)
      : system_(system_symbols), user_(user_symbols) {}

  const Symbol* Find(const std::string& name) {
    const auto [slot, fresh] = found_.try_emplace(name, nullptr);
    if (fresh) {
      const Symbol* symbol = system_.Find(name);
      slot->second = symbol != nullptr ? symbol : user_.Find(name);
    }
    return slot->second;
  }

 private:
  const SymbolList& system_;
  const SymbolList& user_;
  std::unordered_map<std::string, const Symbol*> found_;
};

}  // namespace lumo
