#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "installer/installation.h"

namespace install {

// A temporary folder that goes with the test.
class TempFolder {
 public:
  TempFolder() {
    static int count = 0;
    path_ = std::filesystem::temp_directory_path() /
            ("install_test_" + std::to_string(::getpid()) + "_" + std::to_string(++count));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
  }
  std::string operator/(const std::string& name) const { return (path_ / name).string(); }
  std::string str() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

inline void WriteFile(const std::string& path, const std::string& bytes) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// Records what the installer writes into the settings.
struct RecordedSettings : SettingsWriter {
  bool Write(const std::string& system_folder, const std::string& work_folder) override {
    ++writes;
    sys = system_folder;
    work = work_folder;
    return succeed;
  }
  int writes = 0;
  bool succeed = true;
  std::string sys, work;
};

}  // namespace install
