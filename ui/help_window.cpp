#include "ui/help_window.h"

#include <QFile>
#include <QPixmap>
#include <QRegularExpression>
#include <QUrl>

#include "common/file_path.h"
#include "ui/window_icons.h"

namespace lumo {

std::string HelpPagePath(const std::string& help_folder, int context) {
  return JoinPath(help_folder, std::to_string(context) + ".html");
}

HelpWindow::HelpWindow(std::string help_folder) : help_folder_(std::move(help_folder)) {
  setWindowTitle(QStringLiteral("ルモＣＡＤ　ヘルプ"));
  setOpenLinks(true);
  setSearchPaths({QFile::decodeName(QByteArray::fromStdString(help_folder_))});
  resize(560, 480);
}

QVariant HelpWindow::loadResource(int type, const QUrl& name) {
  QVariant loaded = QTextBrowser::loadResource(type, name);
  if (type != QTextDocument::ImageResource || loaded.isValid()) return loaded;
  static const QRegularExpression icon(QStringLiteral("icons/(\\d+)\\.png$"));
  const QRegularExpressionMatch match = icon.match(name.toString());
  if (!match.hasMatch()) return loaded;
  const QIcon picture = AnyWindowIcon(match.captured(1).toInt());
  return picture.isNull() ? loaded : QVariant(picture.pixmap(20, 20));
}

void HelpWindow::ShowTopic(int context) {
  topic_ = context;
  const QString path =
      QFile::decodeName(QByteArray::fromStdString(HelpPagePath(help_folder_, context)));
  if (QFile::exists(path)) {
    setSource(QUrl::fromLocalFile(path));
  } else {
    setPlainText(QStringLiteral("ヘルプの項目 %1 が見つかりません。").arg(context));
  }
  show();
  raise();
  activateWindow();
}

}  // namespace lumo
