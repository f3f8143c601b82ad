#include "common/atomic_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace lumo {
namespace {

namespace fs = std::filesystem;

std::string Contents(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class AtomicFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("lumo_atomic_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
               "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }
  fs::path folder_;
};

TEST_F(AtomicFileTest, ReplacesTheTargetAndLeavesNoTemporary) {
  const fs::path target = folder_ / "a.ldr";
  std::ofstream(target) << "old";
  EXPECT_TRUE(WriteFileAtomically(target.string(), [](std::ostream& out) {
    out << "new";
    return true;
  }));
  EXPECT_EQ(Contents(target), "new");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

TEST_F(AtomicFileTest, AFailedWriteKeepsTheOldFile) {
  const fs::path target = folder_ / "a.ldr";
  std::ofstream(target) << "old";
  EXPECT_FALSE(WriteFileAtomically(target.string(), [](std::ostream& out) {
    out << "half";
    return false;
  }));
  EXPECT_EQ(Contents(target), "old");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);

  EXPECT_FALSE(WriteFileAtomically((folder_ / "missing" / "a.ldr").string(),
                                   [](std::ostream&) { return true; }));
}

}  // namespace
}  // namespace lumo
