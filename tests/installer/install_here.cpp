// What pressing インストール does, without the window: installs from the
// medium in the current folder into the folder given, recording it in the
// user's settings. Exit status 0 when the installation finished.

#include <QCoreApplication>
#include <filesystem>
#include <iostream>

#include "installer/install_window.h"

int main(int argc, char** argv) {
  QCoreApplication qt(argc, argv);
  if (argc != 2) {
    std::cerr << "usage: install_here DESTINATION (in the medium's folder)\n";
    return 2;
  }
  const std::string medium = std::filesystem::current_path().string();
  const install::InstallList list = install::ReadInstallList(medium + "/Install.dat");
  if (list.status != install::ListStatus::kOk) {
    std::cerr << install::ListRefusal(list.status) << "\n";
    return 1;
  }
  install::QtSettingsWriter settings;
  const install::InstallResult result = install::Install(list.entries, medium, argv[1], settings);
  if (result.status != install::InstallStatus::kDone) {
    std::cerr << result.message << "\n";
    return 1;
  }
  std::cout << "installed " << result.copied << " files\n";
  return 0;
}
