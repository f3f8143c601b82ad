#pragma once

#include <vector>

#include "editing/sym_geometry.h"
#include "editing/undo_history.h"
#include "symbol/symbol.h"

namespace lumo {

// One item of a symbol's positive graphics or terminals (one pointer set).
struct SymbolItem {
  SymbolLine* line = nullptr;
  SymbolArc* arc = nullptr;
  SymbolText* text = nullptr;
  SymbolTerminal* terminal = nullptr;
};

// The changes the symbol editor makes to a symbol, each recorded in the
// history as a step that unlinks or relinks the very records it touched:
// undo puts a removed record back after the record it followed, so every
// list of the symbol regains its exact order, and the editor's pointers to
// records stay valid across undo and redo. New records go to the front of
// their lists. The symbol gets an (empty) positive graphics set when it has
// none.
class SymbolEdits {
 public:
  SymbolEdits(Symbol& symbol, UndoHistory& history);

  Symbol& symbol() { return symbol_; }
  UndoHistory& history() { return history_; }

  SymbolLine& AddLine(UnitPoint from, UnitPoint to);
  // The four sides of the box with corners a and c, as one step: top,
  // right, bottom, left, each from the previous corner.
  std::vector<SymbolLine*> AddBox(UnitPoint a, UnitPoint c);
  SymbolArc& AddArc(const SymbolArc& arc);
  SymbolText& AddText(const SymbolText& text);
  // The terminal with its name label and extra label, as one step.
  std::vector<SymbolItem> AddTerminal(const PlacedTerminal& placed);
  // Removes the items (each in its list) as one step.
  void Remove(const std::vector<SymbolItem>& items);

 private:
  template <class T>
  T& Link(NodeList<T>& list, const T& value);
  template <class T>
  void Unlink(NodeList<T>& list, T& node);

  Symbol& symbol_;
  UndoHistory& history_;
};

// The items a click of the delete tool at p takes, the first match in list
// order at each step: a terminal within 2 (with the first text within 6 of
// it when that text carries the terminal's name); else a line within 2;
// else an arc within `arc_tolerance` of its circle and inside its range;
// else a text whose anchor is within 6 (with the first terminal within 6
// of the anchor when it has the text's name). Empty when nothing is there.
std::vector<SymbolItem> PickForDelete(Symbol& symbol, UnitPoint p, int arc_tolerance);

// True when the symbol has no terminals and its positive graphics no
// lines, arcs or texts.
bool SymbolIsBlank(const Symbol& symbol);

}  // namespace lumo
