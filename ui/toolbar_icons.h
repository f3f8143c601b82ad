#pragma once

#include <QIcon>
#include <QPainter>
#include <functional>

namespace lumo {

// The tool bar's pictures, painted here: one per command id of the
// schematic editor and the symbol chooser (a blank icon for any other id).
// The redraw button shows a sunrise.
QIcon CommandIcon(int command);

// A tool bar picture of the common size, painted by `paint` onto a clear,
// antialiased 20 x 20 pixmap.
QIcon PaintedIcon(const std::function<void(QPainter&)>& paint);

}  // namespace lumo
