#include "pattern/hex.h"

#include <gtest/gtest.h>

#include <cctype>
#include <limits>
#include <string>

namespace lumo {
namespace {

TEST(HexToBits, GivesFourBitsPerDigitInEitherCaseAndSkipsTheRest) {
  EXPECT_EQ(HexToBits("1F"), "00011111");
  EXPECT_EQ(HexToBits("1f"), "00011111");
  EXPECT_EQ(HexToBits("1g"), "0001");
  EXPECT_EQ(HexToBits("aBcD"), "1010101111001101");
  EXPECT_EQ(HexToBits("09"), "00001001");
  EXPECT_EQ(HexToBits("x"), "");
  EXPECT_EQ(HexToBits("z"), "");
  EXPECT_EQ(HexToBits(""), "");
  EXPECT_EQ(HexToBits("\x83\x41"), "1010");  // a Shift-JIS byte is no digit, 'A' is
}

TEST(BitsToHex, PadsOddWidthsOnTheLeftAndCountsOnlyOnes) {
  EXPECT_EQ(BitsToHex("101"), "5");
  EXPECT_EQ(BitsToHex("10000"), "10");
  EXPECT_EQ(BitsToHex("11111"), "1f");
  EXPECT_EQ(BitsToHex("1"), "1");
  EXPECT_EQ(BitsToHex("011010"), "1a");
  EXPECT_EQ(BitsToHex("1111000011110000"), "f0f0");
  EXPECT_EQ(BitsToHex(""), "");
  // x and z (and anything but '1') count as 0.
  EXPECT_EQ(BitsToHex("1x1z"), "a");
  EXPECT_EQ(BitsToHex("xxxxx"), "00");
}

TEST(BitsToHex, UndoesHexToBitsUpToLetterCase) {
  for (const char* text : {"0", "a3", "0A3", "FFFF", "123456789abcdef0", "00"}) {
    std::string lower = text;
    for (char& c : lower)
      c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ(BitsToHex(HexToBits(text)), lower);
  }
}

TEST(HexValue, ShiftsEveryCharacterInAndCountsOthersAsZero) {
  EXPECT_EQ(HexValue("ff"), 255u);
  EXPECT_EQ(HexValue("FF"), 255u);
  EXPECT_EQ(HexValue("1G"), 16u);
  EXPECT_EQ(HexValue("0010"), 16u);
  EXPECT_EQ(HexValue("10"), 16u);
  EXPECT_EQ(HexValue(""), 0u);
  EXPECT_EQ(HexValue("ffffffffff"), 0xffffffffffu);  // beyond 32 bits
  // Longer texts keep their last sixteen digits instead of overflowing.
  EXPECT_EQ(HexValue("1" + std::string(16, '0')), 0u);
}

TEST(HexText, IsLowerCaseWithoutLeadingZeros) {
  EXPECT_EQ(HexText(255), "ff");
  EXPECT_EQ(HexText(0), "0");
  EXPECT_EQ(HexText(16), "10");
  EXPECT_EQ(HexText(std::numeric_limits<MemAddress>::max()), "ffffffffffffffff");
  for (MemAddress value : {MemAddress{1}, MemAddress{0xabc}, MemAddress{0x8000000000000000}})
    EXPECT_EQ(HexValue(HexText(value)), value);
}

}  // namespace
}  // namespace lumo
