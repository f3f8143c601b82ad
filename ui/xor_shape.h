#pragma once

#include <QColor>
#include <QPainter>

#include "display/display_lib.h"
#include "symbol/symbol.h"

namespace lumo {

// One piece of rubber-band feedback drawn with the not-xor pen: drawing it
// a second time with the same values restores the pixels.
struct XorShape {
  enum Kind { kCrosshair, kLine, kSymbol, kMarker };
  Kind kind = kLine;
  int x0 = 0, y0 = 0, x1 = 0, y1 = 0;  // crosshair point; line ends; marker point
  const Symbol* symbol = nullptr;      // kSymbol
  double ox = 0, oy = 0, scale = 1;
  int orientation = 0;
  char logic = 'p';
  QColor color = Qt::black;
};

// Draws the shape with the library's not-xor mode onto `dc` (client size
// `width` x `height` for the crosshair).
void DrawXorShape(DisplayLib& lib, QPainter& dc, const XorShape& shape, int width, int height);

}  // namespace lumo
