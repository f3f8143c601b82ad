#include "common/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/support/file_size_limit.h"

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
  std::size_t Entries() const {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(folder_), fs::directory_iterator()));
  }
  static bool Write(const fs::path& path, const std::string& text, LinkHandling links) {
    return WriteFileAtomically(
        path.string(),
        [&text](std::ostream& out) {
          out << text;
          return true;
        },
        links);
  }
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

TEST_F(AtomicFileTest, ADocumentIsWrittenThroughItsLinkAndARunFileReplacesTheLink) {
  fs::create_directory(folder_ / "real");
  const fs::path document = folder_ / "real" / "a.ldr";
  std::ofstream(document) << "old";
  fs::create_symlink(document, folder_ / "a.ldr");
  ASSERT_TRUE(Write(folder_ / "a.ldr", "new", LinkHandling::kWriteThrough));
  EXPECT_TRUE(fs::is_symlink(folder_ / "a.ldr"));
  EXPECT_EQ(Contents(document), "new");
  // The temporary lay beside the target, and is gone.
  EXPECT_EQ(Entries(), 2u);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_ / "real"), fs::directory_iterator()), 1);

  fs::create_symlink(document, folder_ / "LumoOut.tmp");
  ASSERT_TRUE(Write(folder_ / "LumoOut.tmp", "run", LinkHandling::kReplaceEntry));
  EXPECT_FALSE(fs::is_symlink(folder_ / "LumoOut.tmp"));
  EXPECT_EQ(Contents(folder_ / "LumoOut.tmp"), "run");
  EXPECT_EQ(Contents(document), "new");
}

TEST_F(AtomicFileTest, AFifoIsNeverReplacedAndADocumentOnlyWrittenThroughALinkToARegularFile) {
  ASSERT_EQ(::mkfifo((folder_ / "fifo").c_str(), 0666), 0);
  fs::create_directory(folder_ / "folder");
  fs::create_symlink(folder_ / "fifo", folder_ / "to_fifo");
  fs::create_symlink(folder_ / "nowhere", folder_ / "dangling");
  for (const char* name : {"fifo", "folder", "to_fifo", "dangling"}) {
    const auto before = fs::symlink_status(folder_ / name).type();
    EXPECT_FALSE(Write(folder_ / name, "new", LinkHandling::kWriteThrough)) << name;
    EXPECT_EQ(fs::symlink_status(folder_ / name).type(), before) << name;
  }
  EXPECT_FALSE(fs::exists(folder_ / "nowhere"));
  EXPECT_EQ(Entries(), 4u);
  // Nor does a program's own file take a FIFO's place; it does a link's.
  EXPECT_FALSE(Write(folder_ / "fifo", "run", LinkHandling::kReplaceEntry));
  EXPECT_TRUE(fs::is_fifo(fs::symlink_status(folder_ / "fifo")));
  EXPECT_TRUE(Write(folder_ / "to_fifo", "run", LinkHandling::kReplaceEntry));
  EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(folder_ / "to_fifo")));
}

TEST_F(AtomicFileTest, ALinkInTheTemporarysPlaceIsPassedOver) {
  const fs::path victim = folder_ / "victim";
  std::ofstream(victim) << "victim";
  const fs::path target = folder_ / "LumoExp.tmp";
  fs::create_symlink(victim, target.string() + ".tmp" + std::to_string(::getpid()));
  ASSERT_TRUE(Write(target, "expanded", LinkHandling::kReplaceEntry));
  EXPECT_EQ(Contents(target), "expanded");
  EXPECT_EQ(Contents(victim), "victim");
  EXPECT_EQ(Entries(), 3u);
}

TEST_F(AtomicFileTest, AFullDiskFailsTheWriteAndKeepsTheOldFile) {
  const fs::path target = folder_ / "LumoOut.tmp";
  std::ofstream(target) << "old";
  // Large writes pass the buffer, small ones fill it: both must be checked.
  const std::string large(300000, 'x');
  for (const std::string& text : {large, std::string(10, 'y')}) {
    AtomicFile file(target.string(), LinkHandling::kReplaceEntry);
    ASSERT_TRUE(file.is_open());
    {
      lumo::testing::FileSizeLimit limit(1000);
      for (int i = 0; i < 20000 / static_cast<int>(text.size()) + 1; ++i)
        file.stream() << text;
      EXPECT_FALSE(file.Commit());
    }
    EXPECT_EQ(Contents(target), "old");
    EXPECT_EQ(Entries(), 1u);
  }
  // Without the limit, the same bytes arrive whole.
  AtomicFile file(target.string(), LinkHandling::kReplaceEntry);
  file.stream() << large << 'z';
  ASSERT_TRUE(file.Commit());
  EXPECT_EQ(Contents(target), large + 'z');
}

TEST_F(AtomicFileTest, CopiesOnlyRegularFiles) {
  std::ofstream(folder_ / "a.lpt") << "a A 1 0 1\ne\n";
  std::ofstream(folder_ / "empty.lpt");
  EXPECT_TRUE(CopyFileAtomically((folder_ / "a.lpt").string(), (folder_ / "a.lpt.bak").string()));
  EXPECT_EQ(Contents(folder_ / "a.lpt.bak"), "a A 1 0 1\ne\n");
  EXPECT_TRUE(
      CopyFileAtomically((folder_ / "empty.lpt").string(), (folder_ / "empty.lpt.bak").string()));
  EXPECT_TRUE(fs::exists(folder_ / "empty.lpt.bak"));

  ASSERT_EQ(::mkfifo((folder_ / "fifo").c_str(), 0666), 0);
  EXPECT_FALSE(CopyFileAtomically((folder_ / "fifo").string(), (folder_ / "fifo.bak").string()));
  EXPECT_FALSE(CopyFileAtomically((folder_ / "none").string(), (folder_ / "none.bak").string()));
  EXPECT_EQ(Entries(), 5u);
}

}  // namespace
}  // namespace lumo
