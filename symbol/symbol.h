#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <utility>

#include "common/node_list.h"
#include "lists/list_position.h"

namespace lumo {

// Coordinates of every item are symbol units relative to the symbol's
// reference point, x to the right and y downwards.

struct SymbolLine : Linked<SymbolLine> {
  int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

// Angles in degrees, counter-clockwise on the screen from the positive x
// axis; the arc runs counter-clockwise from start to end.
struct SymbolArc : Linked<SymbolArc> {
  int cx = 0, cy = 0, r = 0, start = 0, end = 0;
};

struct SymbolText : Linked<SymbolText> {
  std::string text;
  char visible = 'y';  // 'n': never drawn
  char kind = 't';     // 't' terminal label, 'f' function name, 'e' element-name anchor
  int x = 0, y = 0;
  char anchor = 'l';  // side of the text the point lies on: 'u', 'd', 'l', 'r'
  int rotation = 0;   // orientation code added to the symbol's when drawn
};

// Stub directions, from the connection point towards the body.
enum SymbolDirection { kRight = 0, kUp = 1, kLeft = 2, kDown = 3 };

struct SymbolTerminal : Linked<SymbolTerminal> {
  std::string name;
  int x = 0, y = 0;
  int direction = kRight;
  char polarity = 'p';  // 'n': drawn with a bubble in positive logic
};

struct SymbolGraphics {
  NodeList<SymbolLine> lines;
  NodeList<SymbolArc> arcs;
  NodeList<SymbolText> texts;

  bool Empty() const { return lines.empty() && arcs.empty() && texts.empty(); }
};

// One symbol: the drawing of an element with its terminals.
class Symbol : public Linked<Symbol> {
 public:
  explicit Symbol(std::string symbol_name = {}) : name(std::move(symbol_name)) {}

  std::string name;
  char logic = 'p';     // display state, not stored: 'p' or 'n'
  int orientation = 0;  // display state, not stored: 0..7
  char kind = 'u';      // 's' system symbol, 'u' user symbol
  std::unique_ptr<SymbolGraphics> positive;
  std::unique_ptr<SymbolGraphics> negative;  // absent: the positive graphics serve both logics
  NodeList<SymbolTerminal> terminals;

  // Fills the symbol from one symbol expression. Items and terminals go to the
  // front of their lists, so they end up in the reverse of the file order.
  // Raises ListError on a malformed expression and then leaves the symbol as
  // it was.
  void Parse(ListPosition expression);

  // Writes the symbol in the file layout. Returns false, having written
  // nothing, when a name or text could not be read back (a double quote, or
  // more bytes than a token holds) or a one-letter field is not a bare word.
  bool Write(std::ostream& out) const;

  // True when Write would succeed.
  bool Writable() const;

  // The graphics drawn in `logic_code`: the negative set in 'n' when there is
  // one, else the positive set (null when the symbol has none).
  const SymbolGraphics* GraphicsFor(char logic_code) const;
};

}  // namespace lumo
