#pragma once

#include <QRect>
#include <QSize>

namespace lumo {

// The paper in printer pixels: width and length in tenths of a millimetre
// times the resolution over 254; a page under 100 pixels either way is taken
// as 2480 x 3507 (A4 at 300 dots per inch).
QSize PaperPixels(int width_tenths_mm, int length_tenths_mm, int dpi_x, int dpi_y);

// The part of the paper the canvas maps onto: the canvas's shape scaled
// alike in both directions to fit, from the paper's top-left corner.
QRect IsotropicViewport(QSize window, QSize paper);

}  // namespace lumo
