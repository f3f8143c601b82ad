#include "ui/first_start.h"

#include <QFile>
#include <filesystem>

namespace lumo {

namespace fs = std::filesystem;

namespace {

// Makes `work` from the samples; false when it cannot be used.
bool MakeWorkFolder(const fs::path& samples, const fs::path& work) {
  std::error_code error;
  if (fs::exists(work, error)) return fs::is_directory(work, error);
  fs::create_directories(work, error);
  if (error) return false;
  fs::copy(samples, work, fs::copy_options::recursive | fs::copy_options::skip_existing, error);
  return fs::is_directory(work, error);
}

}  // namespace

std::string PrepareFirstStart(QSettings& settings, const std::string& system_folder,
                              const std::string& home) {
  if (!settings.value(QStringLiteral("Directory/Work")).toString().isEmpty()) return "";
  std::error_code error;
  const fs::path samples = fs::path(system_folder) / kSampleFolder;
  if (home.empty() || !fs::is_directory(samples, error)) return "";
  const fs::path work = fs::path(home) / "LumoCAD";
  if (!MakeWorkFolder(samples, work)) return "";
  settings.setValue(QStringLiteral("Directory/Work"),
                    QFile::decodeName(QByteArray::fromStdString(work.string())));
  settings.sync();
  return work.string();
}

}  // namespace lumo
