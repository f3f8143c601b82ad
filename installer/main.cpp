// Install: copies LumoCAD from the installation medium (the current folder)
// into a folder the user names and records it in the user's settings.

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <filesystem>

#include "installer/install_window.h"

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  std::error_code error;
  const std::string medium = std::filesystem::current_path(error).string();
  install::QtSettingsWriter settings;
  install::InstallWindow window(
      install::ReadInstallList((std::filesystem::path(medium) / "Install.dat").string()), medium,
      settings, [](QWidget& owner, const QString& text) {
        QMessageBox::warning(&owner, QStringLiteral("エラー"), text);
      });
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    window.move(area.x() + (area.width() - install::kWindowWidth) / 2,
                area.y() + (area.height() - install::kWindowHeight) / 2);
  }
  window.show();
  return qt.exec();
}
