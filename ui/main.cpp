// LumoCAD: the schematic editor and the windows opened from it.

#include <QApplication>
#include <QScreen>
#include <QSettings>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "common/system_folder.h"
#include "ui/application.h"
#include "ui/first_start.h"
#include "ui/qt_catalogue.h"
#include "ui/qt_dialogs.h"
#include "ui/qt_message_host.h"

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  lumo::LoadQtJapanese(qt);  // without it Qt's own dialogs speak English
  QSettings settings(QStringLiteral("Orvane"), QStringLiteral("LumoCAD"));
  lumo::QtMessageHost host;
  const std::string system_folder = lumo::SystemFolder();
  const char* home = std::getenv("HOME");
  lumo::PrepareFirstStart(settings, system_folder, home != nullptr ? home : "");
  lumo::QtDialogs dialogs(system_folder);
  std::error_code error;
  const std::string current = std::filesystem::current_path(error).string();
  const QScreen* screen = QGuiApplication::primaryScreen();
  const lumo::ApplicationSetup setup{
      host,
      [](QWidget& window) { return std::make_unique<lumo::QtMessageHost>(&window); },
      dialogs,
      settings,
      system_folder,
      current,
      screen != nullptr ? static_cast<int>(screen->logicalDotsPerInchX()) : 96,
      screen != nullptr ? screen->size() : QSize(1024, 768)};
  lumo::Application application(setup);
  if (!application.Start(QCoreApplication::arguments().mid(1))) return 1;
  return qt.exec();
}
