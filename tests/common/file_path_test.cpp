#include "common/file_path.h"

#include <gtest/gtest.h>

namespace lumo {
namespace {

TEST(FileTitle, TakesTheNameUpToItsFirstDotWithEitherSeparator) {
  EXPECT_EQ(FileTitle("C:\\Work\\adder.ldr"), "adder");
  EXPECT_EQ(FileTitle("/home/kim/work/adder.ldr"), "adder");
  EXPECT_EQ(FileTitle("adder.x.ldr"), "adder");
  EXPECT_EQ(FileTitle("adder"), "adder");
  EXPECT_EQ(FileTitle("mixed/dir\\name.lcr"), "name");
  EXPECT_EQ(FileTitle(""), "");
}

TEST(FileTitle, IgnoresDotsInFolderNames) {
  // A hidden or dotted folder must not give every file in it the folder's name.
  EXPECT_EQ(FileTitle("/home/kim/.lumocad/adder.ldr"), "adder");
  EXPECT_EQ(FileTitle("C:\\v1.2\\adder.ldr"), "adder");
  EXPECT_EQ(FileTitle("..\\work\\adder.ldr"), "adder");
  EXPECT_EQ(FileTitle("./adder.ldr"), "adder");
}

TEST(FileTitle, SkipsTheLeadingDotsOfAHiddenFile) {
  // "..foo.ldr" once gave an empty title, and so a schematic saved without
  // a circuit name.
  EXPECT_EQ(FileTitle("..foo.ldr"), "foo");
  EXPECT_EQ(FileTitle("/w/.bar.ldr"), "bar");
  EXPECT_EQ(FileTitle("C:\\w\\...baz"), "baz");
  EXPECT_EQ(FileTitle("/w/.ldr"), "ldr");
  EXPECT_EQ(FileTitle("/w/...."), "");
}

TEST(FileFolder, IsEverythingBeforeTheLastSeparator) {
  EXPECT_EQ(FileFolder("C:\\Work\\adder.ldr"), "C:\\Work");
  EXPECT_EQ(FileFolder("/home/kim/adder.ldr"), "/home/kim");
  EXPECT_EQ(FileFolder("a/b\\c"), "a/b");
  EXPECT_EQ(FileFolder("adder.ldr"), "");
  EXPECT_EQ(FileFolder("/adder.ldr"), "");
}

TEST(JoinPath, AddsOneSeparator) {
  EXPECT_EQ(JoinPath("/w", "a.ldr"), "/w/a.ldr");
  EXPECT_EQ(JoinPath("/w/", "a.ldr"), "/w/a.ldr");
  EXPECT_EQ(JoinPath("", "a.ldr"), "a.ldr");
}

}  // namespace
}  // namespace lumo
