#include "common/decimal.h"

#include <gtest/gtest.h>

#include <string>

namespace lumo {
namespace {

TEST(ParseDecimal, TakesWholeWordsWithOneOptionalSign) {
  EXPECT_EQ(ParseDecimal("0"), 0);
  EXPECT_EQ(ParseDecimal("+7"), 7);
  EXPECT_EQ(ParseDecimal("-12"), -12);
  EXPECT_EQ(ParseDecimal("007"), 7);
  EXPECT_EQ(ParseDecimal("2147483647"), 2147483647);
  EXPECT_EQ(ParseDecimal("-2147483648"), -2147483647 - 1);
}

TEST(ParseDecimal, RefusesEverythingElse) {
  for (const std::string word : {"", "+", "-", "+-5", "-+5", "--5", "++5", " 5", "5 ", "1O",
                                 "12abc", "0x10", "1.5", "1e3", "2147483648", "-2147483649"})
    EXPECT_FALSE(ParseDecimal(word).has_value()) << '"' << word << '"';
}

}  // namespace
}  // namespace lumo
