#include "workflow/run_files.h"

#include "common/file_path.h"

namespace lumo {

std::string RunFolders::Delays() const {
  return JoinPath(system_folder, kDelayFile);
}

std::string RunFolders::Commands() const {
  return JoinPath(system_folder, kCommandFile);
}

std::string RunFolders::Parts() const {
  return JoinPath(system_folder, kPartsFolder);
}

std::string RunFolders::Circuit(const std::string& circuit_name) const {
  return JoinPath(work_folder, circuit_name + ".lcr");
}

std::string RunFolders::Expanded() const {
  return JoinPath(work_folder, kExpandedFile);
}

std::string RunFolders::Output() const {
  return JoinPath(work_folder, kOutputFile);
}

std::string RunFolders::RegisterLog() const {
  return JoinPath(work_folder, kRegisterLogFile);
}

std::string RunFolders::Statistics() const {
  return JoinPath(work_folder, kStatisticsFile);
}

std::string RunFolders::LockFile() const {
  return JoinPath(work_folder, kRunLockFile);
}

}  // namespace lumo
