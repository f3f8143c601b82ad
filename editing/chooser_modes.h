#pragma once

#include "symbol/symbol_list.h"

namespace lumo {

// The symbol chooser's modes, in the order of their commands' table: four
// directions, two mirrors, two logics, and deleting user symbols.
enum ChooserMode {
  kChooseRight = 0,
  kChooseUp = 1,
  kChooseLeft = 2,
  kChooseDown = 3,
  kMirrorLeftRight = 4,
  kMirrorTopBottom = 5,
  kPositiveLogic = 6,
  kNegativeLogic = 7,
  kDeleteSymbols = 8,
};
inline constexpr int kChooserModeCount = 9;

// The orientation code a symbol of orientation `code` gets from a direction
// or mirror mode; other modes keep it. Directions keep a mirrored symbol
// mirrored; mirrors mirror it as it is shown.
int ChooserOrientation(int mode, int code);

// The logic letter a symbol of logic `logic` gets from a logic mode.
char ChooserLogic(int mode, char logic);

// Applies the mode to every symbol of the list (the delete mode changes
// nothing).
void ApplyChooserMode(SymbolList& symbols, int mode);

}  // namespace lumo
