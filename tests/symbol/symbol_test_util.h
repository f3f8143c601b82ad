#pragma once

#include <memory>
#include <sstream>
#include <string>

#include "lists/list.h"
#include "symbol/symbol.h"

namespace lumo::testing {

inline std::unique_ptr<Symbol> ParseSymbol(const std::string& text) {
  std::istringstream in(text);
  List list;
  list.Read(in);
  auto symbol = std::make_unique<Symbol>();
  symbol->Parse(list.Top());
  return symbol;
}

inline std::string Written(const Symbol& symbol) {
  std::ostringstream out;
  symbol.Write(out);
  return out.str();
}

}  // namespace lumo::testing
