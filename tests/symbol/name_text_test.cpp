#include "symbol/name_text.h"

#include <gtest/gtest.h>

namespace lumo {
namespace {

// Shift-JIS bytes: full-width Ａ is 82 60, ａ is 82 81; ア is 83 41, whose
// trail byte is the code of 'A'; ｱ (half-width) is the single byte B1.
const std::string kSjisFullA = "\x82\x60";
const std::string kSjisFullSmallA = "\x82\x81";
const std::string kSjisKatakanaA = "\x83\x41";

TEST(NameText, LowerCasesAsciiAndFullWidthLatinInBothEncodings) {
  EXPECT_EQ(LowerCaseName("AND2_Gate"), "and2_gate");
  EXPECT_EQ(LowerCaseName("ＡＤＤｅｒ"), "ａｄｄｅｒ");  // UTF-8
  EXPECT_EQ(LowerCaseName(kSjisFullA + "B"), kSjisFullSmallA + "b");
  // A trail byte that happens to be a capital letter stays as it is.
  EXPECT_EQ(LowerCaseName(kSjisKatakanaA + "X"), kSjisKatakanaA + "x");
  // A lone lead byte at the end is kept.
  EXPECT_EQ(LowerCaseName("Q\x82"), "q\x82");
  EXPECT_TRUE(SameName("Full_Adder", "full_ADDER"));
  EXPECT_TRUE(SameName("ＸＯＲ", "ｘｏｒ"));
  // The last capital, in both encodings (Shift-JIS Ｚ is 82 79, ｚ is 82 9A).
  EXPECT_EQ(LowerCaseName("Ｚ"), "ｚ");
  EXPECT_EQ(LowerCaseName("\x82\x79"), "\x82\x9A");
  // 9F is the last lead byte of its range: 9F 41 is one character, so its
  // "A" is a trail byte and stays.
  EXPECT_EQ(LowerCaseName("\x9F\x41"), "\x9F\x41");
  EXPECT_FALSE(SameName("\x9F\x41", "\x9F\x61"));
  EXPECT_FALSE(SameName("and2", "and3"));
}

TEST(NameText, RecognisesValidUtf8Only) {
  EXPECT_TRUE(IsValidUtf8(""));
  EXPECT_TRUE(IsValidUtf8("abc全加算器"));
  EXPECT_FALSE(IsValidUtf8(kSjisFullA));
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));          // overlong '/'
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));      // surrogate
  EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));  // past U+10FFFF
  EXPECT_FALSE(IsValidUtf8("\xE3\x81"));          // cut short
}

TEST(NameText, ComparesLowerCasedCharacterValues) {
  EXPECT_EQ(CompareNames("a", "B"), -1);
  EXPECT_EQ(CompareNames("B", "a"), 1);
  EXPECT_EQ(CompareNames("Abc", "aBC"), 0);
  EXPECT_LT(CompareNames("ab", "abc"), 0);
  EXPECT_GT(CompareNames("abc", "ab"), 0);
  EXPECT_EQ(CompareNames("", ""), 0);
  // A double-byte character counts as lead x 256 + trail, so it sorts after
  // the single-byte half-width katakana B1 although its lead byte is smaller.
  EXPECT_LT(CompareNames("\xB1", kSjisFullA), 0);
  EXPECT_EQ(CompareNames(kSjisFullA, kSjisFullSmallA), 0);
  // UTF-8 names compare by code point.
  EXPECT_LT(CompareNames("z", "あ"), 0);
  EXPECT_EQ(CompareNames("ＡＢ", "ａｂ"), 0);
}

TEST(NameText, CountsDisplayColumns) {
  EXPECT_EQ(DisplayColumns(""), 0);
  EXPECT_EQ(DisplayColumns("and2"), 4);
  EXPECT_EQ(DisplayColumns("全加算器"), 8);
  EXPECT_EQ(DisplayColumns("ｱｲ"), 2);  // half-width katakana (UTF-8)
  EXPECT_EQ(DisplayColumns("Ａ1"), 3);
  EXPECT_EQ(DisplayColumns(kSjisFullA + "\xB1" + "b"), 4);
}

}  // namespace
}  // namespace lumo
