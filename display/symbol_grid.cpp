#include "display/symbol_grid.h"

#include <algorithm>
#include <climits>

#include "display/draw_symbol.h"
#include "symbol/symbol_label.h"

namespace lumo {

namespace {

int CellSize(int reach, double scale) {
  const double size = (2.0 * reach + 20) * scale;
  return std::clamp(NearestInt(size), 1, INT_MAX / 4);
}

}  // namespace

SymbolGridLayout LayOutSymbolGrid(const SymbolList& symbols, int client_width, double scale) {
  SymbolGridLayout layout;
  layout.count = static_cast<int>(std::min<std::size_t>(symbols.Count(), INT_MAX));
  const TerminalReach reach = LargestTerminalReach(symbols);
  layout.cell_width = CellSize(reach.x, scale);
  layout.cell_height = CellSize(reach.y, scale);
  layout.columns = std::max(client_width / layout.cell_width, 1);
  layout.cell_width = std::max(client_width / layout.columns, 1);
  layout.rows = layout.count / layout.columns;
  layout.total_height = layout.rows * layout.cell_height + layout.cell_height / 2;
  return layout;
}

QPointF SymbolGridPoint(const SymbolGridLayout& layout, int index, int scroll_x, int scroll_y) {
  const int column = index % layout.columns;
  const int row = index / layout.columns;
  return QPointF(static_cast<double>(column) * layout.cell_width + layout.cell_width / 2 - scroll_x,
                 static_cast<double>(row) * layout.cell_height + layout.cell_height / 2 - scroll_y);
}

int SymbolGridHit(const SymbolGridLayout& layout, int x, int y, int scroll_x, int scroll_y) {
  for (int i = 0; i < layout.count; ++i) {
    const long long column = i % layout.columns;
    const long long row = i / layout.columns;
    const long long left = column * layout.cell_width - scroll_x;
    const long long top = row * layout.cell_height - scroll_y;
    if (left < x && x < left + layout.cell_width && top < y && y < top + layout.cell_height)
      return i;
  }
  return -1;
}

void DrawSymbolGrid(DisplayLib& lib, QPainter& dc, const SymbolList& symbols,
                    const SymbolGridLayout& layout, int client_width, int client_height,
                    int scroll_x, int scroll_y, double scale) {
  lib.SetColor(dc, Qt::white);
  lib.PutBox(dc, 0, 0, client_width, client_height);
  int index = 0;
  for (const Symbol& symbol : symbols) {
    const QPointF at = SymbolGridPoint(layout, index++, scroll_x, scroll_y);
    lib.SetColor(dc, QColor(0, 0, 255));
    DrawSymbol(lib, dc, symbol, scale, ChooserLabel(symbol.name), MaskElementName, at.x(), at.y(),
               symbol.orientation, symbol.logic);
    lib.SetColor(dc, Qt::black);
    DrawSymbol(lib, dc, symbol, scale, {}, MaskChooser, at.x(), at.y(), symbol.orientation,
               symbol.logic);
  }
}

}  // namespace lumo
