#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "tests/support/test_folder.h"
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

using lumo::testing::FileText;
using lumo::testing::WriteText;
using TestFolder = lumo::testing::TemporaryFolder;

// A test folder and one call of the tool at a time, its output kept.
class CommandTest : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) const { return folder_.Path(name); }
  void Write(const std::string& name, const std::string& text) const { folder_.Write(name, text); }
  std::string Read(const std::string& name) const { return folder_.Read(name); }
  // Runs the tool with `args`; its output stays in out_ and err_.
  int Call(const Arguments& args) {
    out_.str({});
    err_.str({});
    return Main(args, out_, err_);
  }

  std::ostringstream out_, err_;

 private:
  TestFolder folder_;
};

// The system folder of the source tree (data/sys).
inline std::string SystemData() {
  return (lumo::testing::SourceFolder() / "data" / "sys").string();
}

}  // namespace lumo::cli::testing
