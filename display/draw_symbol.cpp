#include "display/draw_symbol.h"

#include "symbol/orientation.h"

namespace lumo {

namespace {

struct Placement {
  double scale;
  int orientation;
  int x0, y0;  // the reference point, rounded

  // A graphic point: scaled and rounded first, then turned and moved.
  OrientedPoint<int> Point(int x, int y) const {
    const OrientedPoint<long long> turned =
        OrientPoint<long long>(orientation, NearestInt(x * scale), NearestInt(y * scale));
    return {NearestInt(static_cast<double>(x0 + turned.x)),
            NearestInt(static_cast<double>(y0 + turned.y))};
  }
};

bool TextAllowed(const SymbolText& text, int mask) {
  if (text.visible == 'n') return false;
  switch (text.kind) {
    case 'e':
      return (mask & MaskElementName) != 0;
    case 'f':
      return (mask & MaskFunctionName) != 0;
    case 't':
      return (mask & MaskTerminalText) != 0;
    default:
      return (mask & MaskAllText) != 0;
  }
}

void DrawTerminal(DisplayLib& lib, QPainter& dc, const SymbolTerminal& terminal, double scale,
                  double ox, double oy, int orientation, char logic) {
  // Terminals are turned in reals and rounded last, so the connection point
  // lands where the schematic puts its terminal.
  const OrientedPoint<double> at = OrientPoint(orientation, terminal.x * scale, terminal.y * scale);
  const double px = ox + at.x, py = oy + at.y;
  const int x = NearestInt(px), y = NearestInt(py);
  const double stub = 3 * scale;
  if (terminal.polarity != logic) {
    lib.PutCircle(dc, x, y, NearestInt(stub));
    return;
  }
  static constexpr int kVectors[4][2] = {{1, 0}, {0, -1}, {-1, 0}, {0, 1}};
  const int direction = OrientDirection(orientation, terminal.direction);
  // A code outside 0..7 leaves directions unturned, like OrientDirection.
  const int* vector = kVectors[direction];
  lib.PutLine(dc, x, y, NearestInt(px + vector[0] * stub), NearestInt(py + vector[1] * stub));
}

}  // namespace

void DrawSymbol(DisplayLib& lib, QPainter& dc, const Symbol& symbol, double scale,
                std::string_view element_name, int mask, double ox, double oy, int orientation,
                char logic) {
  const Placement place{scale, orientation, NearestInt(ox), NearestInt(oy)};
  const SymbolGraphics* graphics = symbol.GraphicsFor(logic);
  if (graphics != nullptr) {
    if ((mask & MaskAllText) != 0) {
      for (const SymbolText& text : graphics->texts) {
        if (!TextAllowed(text, mask)) continue;
        const OrientedPoint<int> at = place.Point(text.x, text.y);
        const int t = ((text.rotation % 8 + orientation % 8) % 8 + 8) % 8;
        lib.PutText(dc, text.kind == 'e' ? element_name : std::string_view(text.text), at.x, at.y,
                    text.anchor, t);
      }
    }
    if ((mask & MaskLine) != 0) {
      for (const SymbolLine& line : graphics->lines) {
        const OrientedPoint<int> from = place.Point(line.x0, line.y0);
        const OrientedPoint<int> to = place.Point(line.x1, line.y1);
        lib.PutLine(dc, from.x, from.y, to.x, to.y);
      }
    }
    if ((mask & MaskArc) != 0) {
      for (const SymbolArc& arc : graphics->arcs) {
        const OrientedPoint<int> centre = place.Point(arc.cx, arc.cy);
        const ArcAngles angles = OrientArc(orientation, arc.start, arc.end);
        lib.PutArc(dc, centre.x, centre.y, NearestInt(arc.r * scale),
                   NearestInt(static_cast<double>(angles.start)),
                   NearestInt(static_cast<double>(angles.end)));
      }
    }
  }
  if ((mask & MaskTerminal) != 0) {
    for (const SymbolTerminal& terminal : symbol.terminals)
      DrawTerminal(lib, dc, terminal, scale, ox, oy, orientation, logic);
  }
}

}  // namespace lumo
