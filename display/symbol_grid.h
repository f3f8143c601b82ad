#pragma once

#include <QPainter>

#include "display/display_lib.h"
#include "symbol/symbol_list.h"

namespace lumo {

// The grid in which the symbol chooser shows a list of symbols: a cell per
// symbol, as wide and high as the farthest terminal of any symbol needs.
struct SymbolGridLayout {
  int count = 0;         // symbols in the list
  int columns = 1;       // at least one
  int cell_width = 0;    // pixels
  int cell_height = 0;   // pixels
  int rows = 0;          // count / columns (a last partial row is not counted)
  int total_height = 0;  // rows x cell height + cell height / 2: the scrollable height
};

// Lays out the list for a pane `client_width` pixels wide. At scale 1 cells
// are 2A + 20 by 2B + 20 pixels (A, B: LargestTerminalReach) before the
// columns are widened to fill the width; other scales grow the cells alike.
SymbolGridLayout LayOutSymbolGrid(const SymbolList& symbols, int client_width, double scale = 1);

// The placement point of symbol `index` (list order).
QPointF SymbolGridPoint(const SymbolGridLayout& layout, int index, int scroll_x, int scroll_y);

// The index of the symbol whose cell strictly contains (x, y), or -1.
int SymbolGridHit(const SymbolGridLayout& layout, int x, int y, int scroll_x, int scroll_y);

// Paints the pane white and every symbol in its cell with its own
// orientation and logic: first its chooser label (ChooserLabel) in blue at
// its element-name anchor, then everything else in black. The caller has
// called Store and SetFontSize.
void DrawSymbolGrid(DisplayLib& lib, QPainter& dc, const SymbolList& symbols,
                    const SymbolGridLayout& layout, int client_width, int client_height,
                    int scroll_x, int scroll_y, double scale = 1);

}  // namespace lumo
