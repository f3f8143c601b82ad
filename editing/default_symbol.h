#pragma once

#include <string>
#include <vector>

#include "editing/symbol_edits.h"

namespace lumo {

// One external terminal of a schematic: an element whose function is
// "_in", "_out" or "_io", with the element's name.
struct ExternalTerminal {
  std::string name;
  std::string function;
};

// The first symbol of a sub-circuit, drawn in one step into a blank symbol:
// a box with the function name above it and an element-name anchor below,
// the inputs on the left, the outputs on the right and the bidirectional
// terminals along the bottom, each side in the order given, every terminal
// on the 4-unit grid with its stub reaching the box and its label inside.
// False, changing nothing, when the symbol is not blank.
bool AddDefaultSymbol(SymbolEdits& edits, const std::string& function_name,
                      const std::vector<ExternalTerminal>& terminals);

// The width in symbol units of a text drawn at actual size (6 units a
// column, a wide character two columns).
int TextUnits(const std::string& text);

}  // namespace lumo
