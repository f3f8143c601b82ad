// Reads every expression of the input as a symbol the way SymbolList::Read
// does, and checks that each symbol the writer accepts reads back: written,
// read and written again it gives the first text back after two rounds (one
// round reverses the items), and Find locates it once added. The one change
// a round may make: an existing but empty negative set reads back as absent.

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>

#include "lists/error_message.h"
#include "lists/list.h"
#include "symbol/name_text.h"
#include "symbol/symbol.h"
#include "symbol/symbol_list.h"

namespace {

std::string Written(const lumo::Symbol& symbol) {
  std::ostringstream out;
  if (!symbol.Write(out)) std::abort();
  return out.str();
}

std::unique_ptr<lumo::Symbol> ReadBack(const std::string& text) {
  std::istringstream in(text);
  lumo::List list;
  auto symbol = std::make_unique<lumo::Symbol>();
  try {
    list.Read(in);
    symbol->Parse(list.Top());
  } catch (const lumo::ListError&) {
    std::abort();  // the writer produced something unreadable
  }
  if (lumo::List::HasMore(in)) std::abort();
  return symbol;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  lumo::SymbolList symbols;
  lumo::List expression;
  for (int count = 0; count < 200; ++count) {
    try {
      if (!lumo::List::HasMore(in)) break;
      expression.Read(in);
    } catch (const lumo::ListError&) {
      break;
    }
    auto symbol = std::make_unique<lumo::Symbol>();
    try {
      symbol->Parse(expression.Top());
    } catch (const lumo::ListError&) {
      continue;
    }
    if (symbol->Writable()) {
      const std::string once = Written(*symbol);
      const std::string twice = Written(*ReadBack(once));
      const std::string thrice = Written(*ReadBack(twice));
      const bool empty_negative = symbol->negative != nullptr && symbol->negative->Empty();
      if (!empty_negative && thrice != once) std::abort();
      if (Written(*ReadBack(thrice)) != twice) std::abort();
    }
    const std::string name = symbol->name;
    symbols.Add(std::move(symbol));
    const lumo::Symbol* found = symbols.Find(name);
    if (found == nullptr || !lumo::SameName(found->name, name)) std::abort();
  }
  (void)lumo::LargestTerminalReach(symbols);
  return 0;
}
