#include "ui/help_window.h"

#include <QFile>
#include <QUrl>

#include "common/file_path.h"

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
