// The input pattern file on disk: a file that did not read whole is never
// saved over without a copy of its original, and nothing but a regular file
// is read or replaced as a pattern.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/pattern/pattern_test_util.h"

namespace lumo {
namespace {

namespace fs = std::filesystem;

class DamagedPatternFile : public PatternFileTest {
 protected:
  void SetUp() override {
    PatternFileTest::SetUp();
    path_ = PathOf("adder[0].lpt");
  }
  std::string Bak() const { return path_ + ".bak"; }
  std::string path_;
};

TEST_F(DamagedPatternFile, EachKindOfDamageMarksTheFile) {
  const char* const damaged[] = {
      "a A 2 0 1 1O 0\na B 1 0 1\ne\n",  // a time that is no number
      "a A 1 0 1\n",                     // no closing e
      "a A 1 0 1\nm ram 0 1\n",          // a memory record cut off
      "a A 1 0 1\nq\ne\n",               // a record letter of no kind
  };
  for (const char* text : damaged) {
    Put(path_, text);
    EXPECT_TRUE(pat_.ReadInputPat(path_)) << text;
    EXPECT_EQ(pat_.damaged_file(), path_) << text;
  }
  Put(path_, "a A 1 0 1\ne\n");
  EXPECT_TRUE(pat_.ReadInputPat(path_));
  EXPECT_EQ(pat_.damaged_file(), "");
}

TEST_F(DamagedPatternFile, TheFirstSaveOverItKeepsTheOriginalAndSaysSo) {
  const std::string original = "a A 2 0 1 1O 0\na B 1 0 1\ne\n";
  Put(path_, original);
  ASSERT_TRUE(pat_.ReadInputPat(path_));
  host_.Clear();

  // Saved elsewhere first: the damaged file is not touched, no copy yet.
  EXPECT_TRUE(pat_.WriteInputPat(PathOf("other.lpt")));
  EXPECT_FALSE(fs::exists(Bak()));
  EXPECT_TRUE(host_.Messages().empty());

  EXPECT_TRUE(pat_.WriteInputPat(path_));
  EXPECT_EQ(Contents(Bak()), original);
  EXPECT_EQ(Contents(path_), "a  A  1\n   0 1  \ne\n");
  ASSERT_EQ(host_.Messages().size(), 1u);
  EXPECT_EQ(host_.Messages()[0].text, kDamagedOriginalKeptText + Bak());
  EXPECT_EQ(host_.Messages()[0].icon, MessageIcon::kInformation);
  EXPECT_EQ(pat_.damaged_file(), "");

  // Later saves are ordinary: the copy stays the original.
  host_.Clear();
  pat_.row(0).events.Insert(50, "0");
  EXPECT_TRUE(pat_.WriteInputPat(path_));
  EXPECT_EQ(Contents(Bak()), original);
  EXPECT_TRUE(host_.Messages().empty());
}

TEST_F(DamagedPatternFile, WithoutACopyTheOriginalIsNotSavedOver) {
  const std::string original = "a A 1 0 1\n";
  Put(path_, original);
  ASSERT_TRUE(pat_.ReadInputPat(path_));
  host_.Clear();
  fs::create_directory(Bak());  // no file can take the copy's place

  EXPECT_FALSE(pat_.WriteInputPat(path_));
  EXPECT_EQ(Contents(path_), original);
  EXPECT_EQ(host_.Messages().size(), 1u);
  EXPECT_EQ(host_.OnlyText(), kDamagedOriginalNotKeptText + Bak());
  EXPECT_EQ(pat_.damaged_file(), path_);

  fs::remove(Bak());
  EXPECT_TRUE(pat_.WriteInputPat(path_));
  EXPECT_EQ(Contents(Bak()), original);
}

TEST_F(PatternFileTest, OnlyRegularFilesAreReadOrSavedAsPatterns) {
  const std::string fifo = PathOf("fifo.lpt");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0666), 0);
  fs::create_symlink(fifo, PathOf("to_fifo.lpt"));
  for (const std::string& path : {fifo, PathOf("to_fifo.lpt")}) {
    host_.Clear();
    // Opening the FIFO would wait for a writer for ever.
    EXPECT_FALSE(pat_.ReadInputPat(path)) << path;
    EXPECT_EQ(host_.Messages().size(), 1u) << path;
    EXPECT_FALSE(pat_.WriteInputPat(path)) << path;
  }
  EXPECT_TRUE(fs::is_fifo(fs::symlink_status(fifo)));
  EXPECT_TRUE(fs::is_symlink(PathOf("to_fifo.lpt")));

  // A link to a pattern reads it and saves through it to the pattern.
  Put(PathOf("real.lpt"), "a A 1 0 1\ne\n");
  fs::create_symlink(PathOf("real.lpt"), PathOf("link.lpt"));
  ASSERT_TRUE(pat_.ReadInputPat(PathOf("link.lpt")));
  pat_.row(0).events.Insert(9, "0");
  EXPECT_TRUE(pat_.WriteInputPat(PathOf("link.lpt")));
  EXPECT_TRUE(fs::is_symlink(PathOf("link.lpt")));
  EXPECT_EQ(Contents(PathOf("real.lpt")), "a  A  2\n   0 1  9 0  \ne\n");
}

}  // namespace
}  // namespace lumo
