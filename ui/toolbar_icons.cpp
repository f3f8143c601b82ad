#include "ui/toolbar_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygon>

#include "editing/command_ids.h"

namespace lumo {

namespace {

constexpr int kSize = 20;

void Gate(QPainter& p, int x, int y) {
  // A small AND gate facing right.
  QPainterPath body;
  body.moveTo(x, y);
  body.lineTo(x + 5, y);
  body.arcTo(x, y, 10, 10, 90, -180);
  body.lineTo(x, y + 10);
  body.closeSubpath();
  p.drawPath(body);
  p.drawLine(x - 3, y + 3, x, y + 3);
  p.drawLine(x - 3, y + 7, x, y + 7);
  p.drawLine(x + 10, y + 5, x + 13, y + 5);
}

void Arrow(QPainter& p, QPoint from, QPoint to) {
  p.drawLine(from, to);
  const QPoint d = to - from;
  const QPoint side(-d.y() / 4, d.x() / 4);
  const QPoint back = to - d / 3;
  p.drawLine(to, back + side);
  p.drawLine(to, back - side);
}

void Paint(QPainter& p, int command) {
  const QPen thin(Qt::black, 1.2);
  p.setPen(thin);
  switch (command) {
    case kCmdOpen:
      p.setBrush(QColor(240, 200, 80));
      p.drawPolygon(QPolygon({QPoint(2, 6), QPoint(8, 6), QPoint(10, 8), QPoint(17, 8),
                              QPoint(17, 16), QPoint(2, 16)}));
      break;
    case kCmdSave:
    case kCmdRegSaveAndClose:
      p.setBrush(QColor(70, 110, 190));
      p.drawRect(3, 3, 14, 14);
      p.setBrush(Qt::white);
      p.drawRect(6, 3, 8, 5);
      p.drawRect(5, 11, 10, 6);
      break;
    case kCmdPrint:
    case kCmdRegPrint:
      p.setBrush(Qt::white);
      p.drawRect(6, 2, 8, 6);
      p.setBrush(QColor(170, 170, 170));
      p.drawRect(2, 8, 16, 7);
      p.setBrush(Qt::white);
      p.drawRect(6, 12, 8, 6);
      break;
    case kCmdPlace:
      Gate(p, 5, 5);
      break;
    case kCmdDrawLine:
      p.setPen(QPen(Qt::black, 2));
      p.drawPolyline(QPolygon({QPoint(3, 15), QPoint(10, 15), QPoint(10, 5), QPoint(17, 5)}));
      break;
    case kCmdName: {
      QFont font = p.font();
      font.setPixelSize(15);
      font.setBold(true);
      p.setFont(font);
      p.drawText(QRect(0, 0, kSize, kSize), Qt::AlignCenter, QStringLiteral("Ab"));
      break;
    }
    case kCmdDelete:
      p.setPen(QPen(QColor(200, 0, 0), 2.5));
      p.drawLine(4, 4, 16, 16);
      p.drawLine(16, 4, 4, 16);
      break;
    case kCmdMove:
      Arrow(p, QPoint(10, 10), QPoint(10, 2));
      Arrow(p, QPoint(10, 10), QPoint(10, 18));
      Arrow(p, QPoint(10, 10), QPoint(2, 10));
      Arrow(p, QPoint(10, 10), QPoint(18, 10));
      break;
    case kCmdFlip:
      Gate(p, 4, 5);
      p.setBrush(Qt::white);
      p.drawEllipse(QPoint(17, 10), 2, 2);
      break;
    case kCmdConnectionCheck:
      p.setPen(QPen(QColor(200, 0, 0), 2));
      p.drawPolyline(QPolygon({QPoint(2, 14), QPoint(9, 14), QPoint(9, 6), QPoint(18, 6)}));
      p.setBrush(QColor(200, 0, 0));
      p.drawEllipse(QPoint(9, 14), 2, 2);
      break;
    case kCmdCircuitChecks:
      p.setPen(QPen(QColor(0, 140, 0), 2.5));
      p.drawPolyline(QPolygon({QPoint(3, 10), QPoint(8, 16), QPoint(17, 3)}));
      break;
    case kCmdRedraw: {
      // A sunrise: the sun half over the horizon, with rays.
      p.setPen(QPen(QColor(230, 120, 0), 1.5));
      for (int angle = 20; angle <= 160; angle += 35) {
        QLineF ray = QLineF::fromPolar(9, angle);
        ray.translate(10, 14);
        QLineF outer(ray.pointAt(0.65), ray.p2());
        p.drawLine(outer);
      }
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(250, 170, 0));
      p.drawChord(QRect(5, 9, 10, 10), 0, 180 * 16);
      p.setPen(QPen(Qt::black, 1.5));
      p.drawLine(1, 14, 19, 14);
      break;
    }
    case kCmdZoomIn:
    case kCmdZoomOut:
      p.setBrush(Qt::white);
      p.drawEllipse(QPoint(8, 8), 6, 6);
      p.setPen(QPen(Qt::black, 2.5));
      p.drawLine(12, 12, 18, 18);
      p.setPen(QPen(Qt::black, 1.5));
      p.drawLine(5, 8, 11, 8);
      if (command == kCmdZoomIn) p.drawLine(8, 5, 8, 11);
      break;
    case kCmdHelp:
    case kCmdRegHelp: {
      QFont font = p.font();
      font.setPixelSize(17);
      font.setBold(true);
      p.setFont(font);
      p.setPen(QColor(0, 70, 200));
      p.drawText(QRect(0, 0, kSize, kSize), Qt::AlignCenter, QStringLiteral("?"));
      break;
    }
    case kCmdChooseRight:
      Arrow(p, QPoint(3, 10), QPoint(17, 10));
      break;
    case kCmdChooseUp:
      Arrow(p, QPoint(10, 17), QPoint(10, 3));
      break;
    case kCmdChooseLeft:
      Arrow(p, QPoint(17, 10), QPoint(3, 10));
      break;
    case kCmdChooseDown:
      Arrow(p, QPoint(10, 3), QPoint(10, 17));
      break;
    case kCmdMirrorLeftRight:
      p.drawLine(10, 2, 10, 18);
      Arrow(p, QPoint(8, 10), QPoint(2, 10));
      Arrow(p, QPoint(12, 10), QPoint(18, 10));
      break;
    case kCmdMirrorTopBottom:
      p.drawLine(2, 10, 18, 10);
      Arrow(p, QPoint(10, 8), QPoint(10, 2));
      Arrow(p, QPoint(10, 12), QPoint(10, 18));
      break;
    case kCmdPositiveLogic:
      Gate(p, 4, 5);
      break;
    case kCmdNegativeLogic:
      Gate(p, 4, 5);
      p.setBrush(Qt::white);
      p.drawEllipse(QPoint(2, 8), 2, 2);
      p.drawEllipse(QPoint(2, 12), 2, 2);
      p.drawEllipse(QPoint(18, 10), 2, 2);
      break;
    case kCmdDeleteSymbol:
      Gate(p, 4, 5);
      p.setPen(QPen(QColor(200, 0, 0), 2));
      p.drawLine(3, 3, 17, 17);
      break;
    default:
      break;
  }
}

}  // namespace

QIcon PaintedIcon(const std::function<void(QPainter&)>& paint) {
  QPixmap pixmap(kSize, kSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  paint(painter);
  painter.end();
  return QIcon(pixmap);
}

QIcon CommandIcon(int command) {
  return PaintedIcon([command](QPainter& painter) { Paint(painter, command); });
}

}  // namespace lumo
