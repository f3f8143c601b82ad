#pragma once

#include <QRect>
#include <QSize>
#include <functional>

class QPainter;
class QPrinter;
class QWidget;

namespace lumo {

// The paper in printer pixels: width and length in tenths of a millimetre
// times the resolution over 254; a page under 100 pixels either way is taken
// as 2480 x 3507 (A4 at 300 dots per inch).
QSize PaperPixels(int width_tenths_mm, int length_tenths_mm, int dpi_x, int dpi_y);

// The part of the paper the canvas maps onto: the canvas's shape scaled
// alike in both directions to fit, from the paper's top-left corner.
QRect IsotropicViewport(QSize window, QSize paper);

class MessageHost;

// Prints one page on a printer already set up, with `frame` disabled
// meanwhile: the picture of logical size `client` is mapped onto the paper
// alike in both directions and drawn by `paint`. False after the printing
// error's warning through `host` when the printer is not valid or the
// document cannot start, or when the page could not be finished.
bool PrintOnePage(QWidget& frame, MessageHost& host, QPrinter& printer, const char* document_name,
                  QSize client, const std::function<void(QPainter&)>& paint);

}  // namespace lumo
