#include "ui/window_icons.h"

#include <QAction>
#include <QImage>

#include "ui/pat_icons.h"
#include "ui/sym_icons.h"
#include "ui/toolbar_icons.h"

namespace lumo {
namespace {

bool Painted(const QIcon& icon) {
  if (icon.isNull()) return false;
  const QImage image = icon.pixmap(20, 20).toImage();
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qAlpha(image.pixel(x, y)) != 0) return true;
  return false;
}

}  // namespace

QIcon AnyWindowIcon(int command) {
  if (QIcon icon = CommandIcon(command); Painted(icon)) return icon;
  if (QIcon icon = PatCommandIcon(command); Painted(icon)) return icon;
  QAction action;
  SetSymbolEditorIcon(action, command);
  if (Painted(action.icon())) return action.icon();
  return {};
}

}  // namespace lumo
