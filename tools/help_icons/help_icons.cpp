// lumo-help-icons: writes the tool bar pictures that the help pages show,
// help/icons/<command id>.png, for every icons/<id>.png a page names.
//
//   lumo-help-icons data/sys/help
//
// Pictures of commands that have none yet (a blank icon) are left out; the
// help window paints those from the tool bar itself.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <iostream>

#include "ui/window_icons.h"

int main(int argc, char** argv) {
  QGuiApplication qt(argc, argv);
  if (argc != 2) {
    std::cerr << "usage: lumo-help-icons HELP_FOLDER\n";
    return 2;
  }
  const QDir help(QString::fromLocal8Bit(argv[1]));
  QSet<int> ids;
  const QRegularExpression named(QStringLiteral("icons/(\\d+)\\.png"));
  for (const QString& page : help.entryList({QStringLiteral("*.html")})) {
    QFile file(help.filePath(page));
    if (!file.open(QIODevice::ReadOnly)) continue;
    const QString text = QString::fromUtf8(file.readAll());
    for (auto match = named.globalMatch(text); match.hasNext();)
      ids.insert(match.next().captured(1).toInt());
  }
  help.mkpath(QStringLiteral("icons"));
  int written = 0;
  for (int id : ids) {
    const QIcon icon = lumo::AnyWindowIcon(id);
    if (icon.isNull()) continue;
    const QImage image = icon.pixmap(20, 20).toImage();
    if (!image.save(help.filePath(QStringLiteral("icons/%1.png").arg(id)))) {
      std::cerr << "lumo-help-icons: cannot write icons/" << id << ".png\n";
      return 1;
    }
    ++written;
  }
  std::cout << written << " of " << ids.size() << " pictures written\n";
  return 0;
}
