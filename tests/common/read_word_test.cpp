#include "common/read_word.h"

#include <gtest/gtest.h>

#include <sstream>

namespace lumo {
namespace {

TEST(ReadWord, ReadsBlankSeparatedWordsAndConsumesTheEndingBlank) {
  std::istringstream in("  a\tbc\r\n  d");
  std::string word;
  ASSERT_TRUE(ReadWord(in, word));
  EXPECT_EQ(word, "a");
  EXPECT_EQ(in.peek(), 'b');  // the tab after "a" was taken
  ASSERT_TRUE(ReadWord(in, word));
  EXPECT_EQ(word, "bc");
  ASSERT_TRUE(ReadWord(in, word));  // a word ending at the end of input counts
  EXPECT_EQ(word, "d");
  EXPECT_FALSE(ReadWord(in, word));
  EXPECT_EQ(word, "");
}

TEST(ReadWord, HasNoLengthLimitAndFailsOnBlankInput) {
  const std::string long_word(1000, 'w');
  std::istringstream in(long_word + " ");
  std::string word;
  ASSERT_TRUE(ReadWord(in, word));
  EXPECT_EQ(word, long_word);
  EXPECT_FALSE(ReadWord(in, word));
  EXPECT_TRUE(in.fail());

  std::istringstream empty("   \n");
  word = "stale";
  EXPECT_FALSE(ReadWord(empty, word));
  EXPECT_EQ(word, "");
}

}  // namespace
}  // namespace lumo
