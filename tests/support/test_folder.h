#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace lumo::testing {

namespace fs = std::filesystem;

inline std::string FileText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteText(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// The top of the source tree (CTest passes it in LUMO_SOURCE_DIR).
inline fs::path SourceFolder() {
  const char* root = std::getenv("LUMO_SOURCE_DIR");
  return fs::path(root != nullptr ? root : ".");
}

// A folder of its own for each test, named after it, removed afterwards.
class TemporaryFolder {
 public:
  TemporaryFolder() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string test =
        info != nullptr ? std::string(info->test_suite_name()) + "_" + info->name() : "test";
    path_ = fs::temp_directory_path() / ("lumo_" + test + "_" + std::to_string(::getpid()));
    fs::remove_all(path_);
    fs::create_directories(path_);
  }
  ~TemporaryFolder() {
    std::error_code error;
    fs::remove_all(path_, error);
  }
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;

  const fs::path& path() const { return path_; }
  std::string Path(const std::string& name) const { return (path_ / name).string(); }
  std::string operator/(const std::string& name) const { return Path(name); }
  void Write(const std::string& name, const std::string& text) const {
    WriteText(path_ / name, text);
  }
  std::string Read(const std::string& name) const { return FileText(path_ / name); }

 private:
  fs::path path_;
};

}  // namespace lumo::testing
