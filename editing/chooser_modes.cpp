#include "editing/chooser_modes.h"

namespace lumo {

int ChooserOrientation(int mode, int code) {
  const bool plain = code < 4;
  switch (mode) {
    case kChooseRight:
      return plain ? 0 : 6;
    case kChooseUp:
      return plain ? 1 : 5;
    case kChooseLeft:
      return plain ? 2 : 4;
    case kChooseDown:
      return plain ? 3 : 7;
    case kMirrorLeftRight:
      return plain ? code + 4 : code - 4;
    case kMirrorTopBottom: {
      static constexpr int kFlipped[8] = {6, 7, 4, 5, 2, 3, 0, 1};
      return code >= 0 && code < 8 ? kFlipped[code] : code;
    }
    default:
      return code;
  }
}

char ChooserLogic(int mode, char logic) {
  if (mode == kPositiveLogic && logic == 'n') return 'p';
  if (mode == kNegativeLogic && logic == 'p') return 'n';
  return logic;
}

void ApplyChooserMode(SymbolList& symbols, int mode) {
  for (Symbol& symbol : symbols) {
    symbol.orientation = ChooserOrientation(mode, symbol.orientation);
    symbol.logic = ChooserLogic(mode, symbol.logic);
  }
}

}  // namespace lumo
