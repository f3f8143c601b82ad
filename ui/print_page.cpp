#include "ui/print_page.h"

#include <QPainter>
#include <QPrinter>
#include <QWidget>
#include <algorithm>

#include "common/message_host.h"

namespace lumo {

namespace {

constexpr const char* kNoPrinter = "印刷エラー\n\nプリンターＤＣを得ることに失敗しました。";
constexpr const char* kStartDocFailed = "印刷エラー\n\nStartDoc に失敗しました。";

}  // namespace

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

bool PrintOnePage(QWidget& frame, MessageHost& host, QPrinter& printer, const char* document_name,
                  QSize client, const std::function<void(QPainter&)>& paint) {
  if (!printer.isValid()) {
    host.Warn(kNoPrinter);
    return false;
  }
  frame.setEnabled(false);
  printer.setDocName(QString::fromUtf8(document_name));
  QPainter dc;
  if (!dc.begin(&printer)) {
    host.Warn(kStartDocFailed);
    frame.setEnabled(true);
    return false;
  }
  const QRectF paper_mm = printer.paperRect(QPrinter::Millimeter);
  const QSize paper =
      PaperPixels(static_cast<int>(paper_mm.width() * 10), static_cast<int>(paper_mm.height() * 10),
                  printer.resolution(), printer.resolution());
  dc.setWindow(QRect(QPoint(0, 0), client));
  dc.setViewport(IsotropicViewport(client, paper));
  paint(dc);
  const bool ended = dc.end();
  frame.setEnabled(true);
  return ended;
}

}  // namespace lumo
