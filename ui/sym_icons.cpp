#include "ui/sym_icons.h"

#include <QAction>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "editing/command_ids.h"
#include "ui/toolbar_icons.h"

namespace lumo {

namespace {

constexpr int kSize = 20;

// A terminal of a kind 0..7 facing right, up, left, down: a stub from the
// body's edge, with a bubble for a negative one.
void TerminalPicture(QPainter& p, int kind) {
  static constexpr int kDx[4] = {1, 0, -1, 0};
  static constexpr int kDy[4] = {0, -1, 0, 1};
  const int side = kind % 4;
  p.setPen(QPen(QColor(120, 120, 120), 1));
  p.drawRect(6, 6, 8, 8);
  p.setPen(QPen(Qt::black, 1.6));
  const QPointF edge(10 + 4 * kDx[side], 10 + 4 * kDy[side]);
  const QPointF tip(10 + 9 * kDx[side], 10 + 9 * kDy[side]);
  if (kind >= 4) {
    p.setBrush(Qt::white);
    p.drawEllipse((edge + tip) / 2, 2.5, 2.5);
  } else {
    p.drawLine(edge, tip);
  }
}

void Paint(QPainter& p, int command) {
  p.setPen(QPen(Qt::black, 1.4));
  if (command >= kCmdSymTerminalFirst && command <= kCmdSymTerminalLast) {
    TerminalPicture(p, command - kCmdSymTerminalFirst);
    return;
  }
  switch (command) {
    case kCmdSymLine:
      p.drawLine(3, 16, 17, 4);
      break;
    case kCmdSymBox:
      p.drawRect(4, 5, 12, 10);
      break;
    case kCmdSymArc:
      p.drawArc(QRect(3, 5, 14, 14), 20 * 16, 140 * 16);
      break;
    case kCmdSymFunctionName:
      p.drawText(QRect(0, 0, kSize, kSize), Qt::AlignCenter, QStringLiteral("F"));
      break;
    case kCmdSymElementName:
      p.drawText(QRect(0, 0, kSize, kSize), Qt::AlignCenter, QStringLiteral("E"));
      break;
    case kCmdSymDelete:
      p.drawLine(3, 14, 12, 5);
      p.setPen(QPen(QColor(200, 0, 0), 2));
      p.drawLine(4, 4, 16, 16);
      p.drawLine(16, 4, 4, 16);
      break;
    case kCmdSymUndo:
    case kCmdSymRedo: {
      // A hooked arrow, left for undo, right for redo.
      const bool undo = command == kCmdSymUndo;
      QPainterPath hook;
      hook.moveTo(undo ? 5 : 15, 8);
      hook.cubicTo(undo ? 14 : 6, 8, undo ? 17 : 3, 16, undo ? 9 : 11, 16);
      p.drawPath(hook);
      p.drawLine(undo ? 5 : 15, 8, undo ? 9 : 11, 4);
      p.drawLine(undo ? 5 : 15, 8, undo ? 9 : 11, 12);
      break;
    }
    case kCmdSymGenerate:
      p.drawRect(6, 4, 8, 12);
      p.drawLine(2, 7, 6, 7);
      p.drawLine(2, 13, 6, 13);
      p.drawLine(14, 10, 18, 10);
      p.setPen(QPen(QColor(230, 150, 0), 1.5));
      p.drawLine(10, 7, 10, 13);
      p.drawLine(7, 10, 13, 10);
      break;
    default:
      break;
  }
}

}  // namespace

void SetSymbolEditorIcon(QAction& action, int command) {
  // Saving, redrawing and help look as in the schematic editor.
  if (command == kCmdSymSave) return action.setIcon(CommandIcon(kCmdSave));
  if (command == kCmdSymRedraw) return action.setIcon(CommandIcon(kCmdRedraw));
  if (command == kCmdSymHelp) return action.setIcon(CommandIcon(kCmdHelp));
  action.setIcon(PaintedIcon([command](QPainter& painter) { Paint(painter, command); }));
}

}  // namespace lumo
