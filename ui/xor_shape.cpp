#include "ui/xor_shape.h"

#include "display/draw_symbol.h"

namespace lumo {

void DrawXorShape(DisplayLib& lib, QPainter& dc, const XorShape& shape, int width, int height) {
  lib.SetColor(dc, shape.color);
  lib.SetDrawMode(dc, 1);
  switch (shape.kind) {
    case XorShape::kCrosshair:
      // The crossing pixel is drawn once, so it shows too.
      lib.PutLine(dc, 0, shape.y0, width - 1, shape.y0);
      if (shape.y0 > 0) lib.PutLine(dc, shape.x0, 0, shape.x0, shape.y0 - 1);
      if (shape.y0 < height - 1) lib.PutLine(dc, shape.x0, shape.y0 + 1, shape.x0, height - 1);
      break;
    case XorShape::kLine:
      if (shape.x0 != shape.x1 || shape.y0 != shape.y1)
        lib.PutLine(dc, shape.x0, shape.y0, shape.x1, shape.y1);
      break;
    case XorShape::kSymbol:
      if (shape.symbol != nullptr)
        DrawSymbol(lib, dc, *shape.symbol, shape.scale, {}, MaskBody, shape.ox, shape.oy,
                   shape.orientation, shape.logic);
      break;
    case XorShape::kMarker:
      lib.PutOutline(dc, shape.x0 - 3, shape.y0 - 3, shape.x0 + 3, shape.y0 + 3);
      break;
  }
  lib.SetDrawMode(dc, 0);
}

}  // namespace lumo
