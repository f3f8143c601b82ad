#include "ui/pat_icons.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygon>

#include "editing/command_ids.h"
#include "editing/pat_modes.h"
#include "ui/toolbar_icons.h"

namespace lumo {

namespace {

void Rows(QPainter& p) {
  p.setBrush(Qt::white);
  for (int y : {3, 9, 15})
    p.drawRect(2, y, 12, 4);
}

void Paint(QPainter& p, int command) {
  p.setPen(QPen(Qt::black, 1.2));
  switch (command) {
    case kPatCmdSingle:
      p.setPen(QPen(Qt::black, 1.6));
      p.drawPolyline(QPolygon({QPoint(1, 15), QPoint(6, 15), QPoint(6, 5), QPoint(13, 5),
                               QPoint(13, 15), QPoint(19, 15)}));
      break;
    case kPatCmdMulti:
      p.setBrush(QColor(0, 0, 192));
      p.drawPolygon(QPolygon({QPoint(1, 10), QPoint(4, 5), QPoint(16, 5), QPoint(19, 10),
                              QPoint(16, 15), QPoint(4, 15)}));
      break;
    case kPatCmdMove:
      p.drawPolyline(QPolygon({QPoint(1, 16), QPoint(8, 16), QPoint(8, 9), QPoint(19, 9)}));
      p.setPen(QPen(QColor(200, 0, 0), 1.5));
      p.drawLine(9, 4, 17, 4);
      p.drawLine(17, 4, 14, 2);
      p.drawLine(17, 4, 14, 6);
      break;
    case kPatCmdRowMove:
      Rows(p);
      p.setPen(QPen(QColor(200, 0, 0), 1.5));
      p.drawLine(17, 3, 17, 17);
      p.drawLine(17, 17, 15, 14);
      p.drawLine(17, 17, 19, 14);
      break;
    case kPatCmdRowDelete:
      Rows(p);
      p.setPen(QPen(QColor(200, 0, 0), 2));
      p.drawLine(11, 7, 18, 14);
      p.drawLine(18, 7, 11, 14);
      break;
    case kPatCmdSimulate:
      p.setBrush(QColor(0, 160, 0));
      p.drawPolygon(QPolygon({QPoint(5, 3), QPoint(17, 10), QPoint(5, 17)}));
      break;
    default:
      break;
  }
}

}  // namespace

QIcon PatCommandIcon(int command) {
  switch (command) {
    case kPatCmdCloseAndOpen:
      return CommandIcon(kCmdOpen);
    case kPatCmdSaveAndClose:
      return CommandIcon(kCmdSave);
    case kPatCmdPrint:
      return CommandIcon(kCmdPrint);
    case kPatCmdRedraw:
      return CommandIcon(kCmdRedraw);
    case kPatCmdZoomIn:
      return CommandIcon(kCmdZoomIn);
    case kPatCmdZoomOut:
      return CommandIcon(kCmdZoomOut);
    case kPatCmdHelp:
      return CommandIcon(kCmdHelp);
    default:
      break;
  }
  return PaintedIcon([command](QPainter& painter) { Paint(painter, command); });
}

}  // namespace lumo
