#pragma once

#include <string>
#include <vector>

#include "installer/install_list.h"

namespace install {

// Where the two folders are recorded for LumoCAD. The window writes them
// with QSettings; tests record them.
class SettingsWriter {
 public:
  virtual ~SettingsWriter() = default;
  // Records the system and the working folder; false when it failed.
  virtual bool Write(const std::string& system_folder, const std::string& work_folder) = 0;
};

enum class InstallStatus { kDone, kNoDestination, kCopyFailed, kSettingsFailed };

struct InstallResult {
  InstallStatus status = InstallStatus::kDone;
  std::string message;  // UTF-8, empty when done
  int copied = 0;       // entries copied before the end or the failure
};

// The folders an installation records: <destination>/Sys and <destination>/Sample.
std::string SystemFolderOf(const std::string& destination);
std::string WorkFolderOf(const std::string& destination);

// The default destination: $HOME/LumoCAD (no root needed), else ./LumoCAD.
std::string DefaultDestination();

// Installs: makes the destination with its Sys and Sample folders, copies
// every entry from `medium` in list order (making every folder a target
// needs, at any depth, and replacing an existing file), then records the
// folders. A failed copy stops there: the files copied before it stay and
// nothing is recorded. Each copy is written to a temporary file beside its
// target and renamed over it, so a target is either the old or the new file.
InstallResult Install(const std::vector<InstallEntry>& entries, const std::string& medium,
                      const std::string& destination, SettingsWriter& settings);

// Copies one file that way; false when it could not.
bool CopyFileAtomically(const std::string& from, const std::string& to);

}  // namespace install
