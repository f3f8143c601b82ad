// Failures that used to end the tool with an uncaught exception: a folder
// where a file is read, and memory running out.

#include <gtest/gtest.h>

#include <filesystem>
#include <new>

#include "tests/lumo/lumo_test_util.h"

namespace lumo::cli {
namespace {

using namespace testing;

class LumoFolderAsFile : public CommandTest {
 protected:
  void SetUp() override {
    fs::create_directory(Path("dir"));
    Write("d.dly", "((_mem (a 0 0) (d 0 0) (q 2 2) (r 0 0) (w 0 0)))");
    Write("c.lcr",
          "(c)\n  (c c) (m _mem) ()\n  (A) (D) (R) (W) (Q) ()\n"
          "  (c A A) (c D D) (c R R) (c W W) (c Q Q) (m a A) (m d D) (m q Q) (m r R) (m w W) ()\n");
    Write("p.lpt", "m m 1 5 z\na A 1 0 1\na D 1 0 0\na R 2 0 0 20 1\na W 1 0 0\ne\n");
  }
  // Runs simulate with `folder_option` naming the folder instead of its file.
  int SimulateWithFolderAs(const std::string& folder_option) {
    Arguments args = {"simulate", "--out", Path("out.tmp")};
    for (const auto& [option, file] :
         {std::pair{"--delays", "d.dly"}, {"--circuit", "c.lcr"}, {"--pattern", "p.lpt"}}) {
      args.push_back(option);
      args.push_back(Path(option == folder_option ? "dir" : file));
    }
    return Call(args);
  }
};

TEST_F(LumoFolderAsFile, IsReportedByNameWithAFailure) {
  EXPECT_EQ(Call({"list", Path("dir")}), kFailed);
  EXPECT_NE(err_.str().find(Path("dir")), std::string::npos) << err_.str();
  for (const char* option : {"--delays", "--circuit", "--pattern"}) {
    EXPECT_EQ(SimulateWithFolderAs(option), kFailed) << option;
    EXPECT_NE(err_.str().find(Path("dir")), std::string::npos) << option << ": " << err_.str();
  }
  EXPECT_EQ(SimulateWithFolderAs("none"), kOk) << err_.str();
}

TEST(LumoGuard, OutOfMemoryEndsTheCommandWithAMessage) {
  std::ostringstream err;
  EXPECT_EQ(RunGuarded(
                "expand", []() -> int { throw std::bad_alloc(); }, err),
            kFailed);
  EXPECT_EQ(err.str(), "lumo expand: out of memory (メモリが足りません); expand stopped\n");
  EXPECT_EQ(RunGuarded(
                "list", [] { return kUsage; }, err),
            kUsage);
}

}  // namespace
}  // namespace lumo::cli
