#include "installer/installation.h"

#include <unistd.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace install {

namespace fs = std::filesystem;

namespace {

std::string CopyFailure(const std::string& file, const std::string& target) {
  return "ファイル " + file + " を " + target + " にコピーできませんでした。\n";
}

std::string NoDestination(const std::string& destination) {
  return "フォルダー " + destination +
         " を作ることができませんでした。\n"
         "別のフォルダーを入力してください。";
}

bool MakeFolder(const fs::path& folder) {
  std::error_code error;
  fs::create_directories(folder, error);
  return fs::is_directory(folder, error);
}

// Whether the whole of `in` went to `out`.
bool CopyBytes(std::ifstream& in, std::ofstream& out) {
  char buffer[1 << 16];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
    if (!out.write(buffer, in.gcount())) return false;
    if (in.eof()) break;
  }
  return !in.bad() && in.eof();
}

}  // namespace

std::string SystemFolderOf(const std::string& destination) {
  return (fs::path(destination) / "Sys").string();
}

std::string WorkFolderOf(const std::string& destination) {
  return (fs::path(destination) / "Sample").string();
}

std::string DefaultDestination() {
  const char* home = std::getenv("HOME");
  return (fs::path(home != nullptr && *home != '\0' ? home : ".") / "LumoCAD").string();
}

bool CopyFileAtomically(const std::string& from, const std::string& to) {
  std::error_code error;
  if (!fs::is_regular_file(from, error)) return false;
  std::ifstream in(from, std::ios::binary);
  if (!in) return false;
  const std::string temporary = to + ".install" + std::to_string(::getpid());
  bool written = false;
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    written = out && CopyBytes(in, out);
    if (written) {
      out.close();
      written = !out.fail();
    }
  }
  if (written) {
    // Keep the medium's permissions: the program must stay executable.
    fs::permissions(temporary, fs::status(from, error).permissions(), error);
    fs::rename(temporary, to, error);
    written = !error;
  }
  if (!written) fs::remove(temporary, error);
  return written;
}

InstallResult Install(const std::vector<InstallEntry>& entries, const std::string& medium,
                      const std::string& destination, SettingsWriter& settings) {
  InstallResult result;
  const fs::path root(destination);
  if (destination.empty() || !MakeFolder(root) || !MakeFolder(SystemFolderOf(destination)) ||
      !MakeFolder(WorkFolderOf(destination))) {
    result.status = InstallStatus::kNoDestination;
    result.message = NoDestination(destination);
    return result;
  }
  for (const InstallEntry& entry : entries) {
    const fs::path target = root / entry.folder / entry.file;
    const fs::path source = fs::path(medium) / entry.file;
    if (!MakeFolder(target.parent_path()) || !CopyFileAtomically(source, target)) {
      result.status = InstallStatus::kCopyFailed;
      result.message = CopyFailure(entry.file, target.string());
      return result;
    }
    ++result.copied;
  }
  if (!settings.Write(SystemFolderOf(destination), WorkFolderOf(destination))) {
    result.status = InstallStatus::kSettingsFailed;
    result.message = "設定を書き込むことができませんでした。";
  }
  return result;
}

}  // namespace install
