#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "tools/lumo/commands.h"

namespace lumo::cli::testing {

namespace fs = std::filesystem;

struct Outcome {
  int code;
  std::string out;
  std::string err;
};

// Runs the tool as its main would, with `args` after the program name.
inline Outcome RunTool(const Arguments& args) {
  std::ostringstream out, err;
  const int code = Main(args, out, err);
  return {code, out.str(), err.str()};
}

inline std::string FileText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void WriteFile(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// The system folder of the source tree (data/sys).
inline std::string SystemData() {
  const char* source = std::getenv("LUMO_SOURCE_DIR");
  return (fs::path(source != nullptr ? source : ".") / "data" / "sys").string();
}

// A fresh folder for one test, named after it, removed afterwards.
class TestFolder {
 public:
  TestFolder() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = fs::temp_directory_path() / ("lumo_" + std::string(test->test_suite_name()) + "_" +
                                         test->name() + "_" + std::to_string(::getpid()));
    fs::remove_all(path_);
    fs::create_directories(path_);
  }
  ~TestFolder() { fs::remove_all(path_); }
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;

  const fs::path& path() const { return path_; }
  std::string Path(const std::string& name) const { return (path_ / name).string(); }
  void Write(const std::string& name, const std::string& text) const {
    WriteFile(path_ / name, text);
  }
  std::string Read(const std::string& name) const { return FileText(path_ / name); }

 private:
  fs::path path_;
};

}  // namespace lumo::cli::testing
