#include "ui/print_page.h"

#include <algorithm>

namespace lumo {

QSize PaperPixels(int width_tenths_mm, int length_tenths_mm, int dpi_x, int dpi_y) {
  const long long width = static_cast<long long>(width_tenths_mm) * dpi_x / 254;
  const long long length = static_cast<long long>(length_tenths_mm) * dpi_y / 254;
  if (width < 100 || length < 100) return QSize(2480, 3507);
  return QSize(static_cast<int>(std::min<long long>(width, 1 << 20)),
               static_cast<int>(std::min<long long>(length, 1 << 20)));
}

QRect IsotropicViewport(QSize window, QSize paper) {
  if (window.width() <= 0 || window.height() <= 0) return QRect(QPoint(0, 0), paper);
  const double scale = std::min(static_cast<double>(paper.width()) / window.width(),
                                static_cast<double>(paper.height()) / window.height());
  return QRect(0, 0, static_cast<int>(window.width() * scale),
               static_cast<int>(window.height() * scale));
}

}  // namespace lumo
