#include "lists/list_printer.h"

#include <gtest/gtest.h>

#include <cctype>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "lists/list.h"
#include "lists/list_word.h"
#include "tests/lists/list_test_util.h"

namespace lumo {
namespace {

using testing::FileForm;
using testing::ReadOne;

// `value` with six significant digits in exponent form, as the C library
// rounds it.
std::string FormatSixDigits(double value) {
  char text[40];
  std::snprintf(text, sizeof text, "%.5e", value);
  return text;
}

std::string MessageText(const std::string& text) {
  return ReadOne(text).Top().Text();
}

TEST(ListPrinter, SeparatesElementsExceptAfterAClosingParenthesis) {
  EXPECT_EQ(FileForm(ReadOne("(a (b) c)")), "(a (b)c)");
  EXPECT_EQ(FileForm(ReadOne("((a) b)")), "((a)b)");
  EXPECT_EQ(FileForm(ReadOne("((a) . b)")), "((a) . b )");
  EXPECT_EQ(FileForm(ReadOne("(nil . b)")), "(nil . b)");
  EXPECT_EQ(FileForm(ReadOne("(() x ())")), "(nil x nil)");
  EXPECT_EQ(FileForm(ReadOne("((a) (b))")), "((a)(b))");
  EXPECT_EQ(FileForm(ReadOne("(((a)))")), "(((a)))");
  EXPECT_EQ(FileForm(ReadOne("()")), "()");
  EXPECT_EQ(FileForm(ReadOne("atom")), "atom");
}

TEST(ListPrinter, AtomFormsDifferBetweenFileAndMessage) {
  EXPECT_EQ(FileForm(ReadOne("0.5")), "0.500000");
  EXPECT_EQ(MessageText("0.5"), "0.5");
  EXPECT_EQ(FileForm(ReadOne("2.5")), "2.50000");
  EXPECT_EQ(FileForm(ReadOne("100.")), "100.000");
  EXPECT_DOUBLE_EQ(ReadOne(FileForm(ReadOne(".000001"))).Top().Double(), 1e-6);
  // Rounding up into the next power of ten keeps all six digits, so the
  // form reads back and prints the same.
  EXPECT_EQ(FileForm(ReadOne("999999.9")), "1.00000e+06");
  EXPECT_EQ(FileForm(ReadOne("-999999.9")), "-1.00000e+06");
  EXPECT_EQ(FileForm(ReadOne("999999.4")), "999999.");
  EXPECT_EQ(FileForm(ReadOne("9.999996")), "10.0000");
  EXPECT_EQ(FileForm(ReadOne(".0000999999996")), "0.000100000");
  EXPECT_EQ(FileForm(ReadOne("-7")), "-7");
  EXPECT_EQ(MessageText("-7"), "-7");
  // Message form quotes only for white space and parentheses.
  EXPECT_EQ(MessageText("(\"12\" \"a b\" x)"), "(12 \"a b\" x)");
}

// The file form of a real near a power of ten: six significant digits and a
// point, in exponent form when the rounded exponent is below -4 or above 5,
// and it reads back as the value rounded to six digits.
void ExpectSixDigitForm(double value) {
  const std::string text = FileFormOfDouble(value);
  const std::string rounded = FormatSixDigits(value);
  const int exponent = std::atoi(rounded.c_str() + rounded.find('e') + 1);
  const std::size_t e = text.find('e');
  EXPECT_EQ(e != std::string::npos, exponent < -4 || exponent >= 6) << text;
  EXPECT_NE(text.find('.'), std::string::npos) << text;
  std::string digits;
  bool leading = true;
  for (char c : text.substr(0, e)) {
    if (c >= '1' && c <= '9') leading = false;
    if (std::isdigit(static_cast<unsigned char>(c)) && !leading) digits += c;
  }
  EXPECT_EQ(digits.size(), 6u) << text;
  EXPECT_EQ(std::strtod(text.c_str(), nullptr), std::strtod(rounded.c_str(), nullptr)) << text;
}

TEST(ListPrinter, RealsRoundAcrossEveryDecadeBoundary) {
  for (int exponent = -7; exponent <= 9; ++exponent) {
    const double decade = std::pow(10.0, exponent);
    for (double factor : {0.9999994, 0.9999995, 0.99999951, 0.9999996, 1.0, 1.0000004, 1.000005}) {
      ExpectSixDigitForm(decade * factor);
      ExpectSixDigitForm(-decade * factor);
    }
  }
  EXPECT_EQ(FileFormOfDouble(999999.5), "1.00000e+06");
  EXPECT_EQ(FileFormOfDouble(9.999995), "10.0000");
  EXPECT_EQ(FileFormOfDouble(99999.95), "99999.9");  // just below the half in binary
  EXPECT_EQ(FileFormOfDouble(0.0000999999), "9.99999e-05");
  EXPECT_EQ(FileFormOfDouble(0.00009999995), "0.000100000");
  EXPECT_EQ(FileFormOfDouble(99999.96), "100000.");
  EXPECT_EQ(FileFormOfDouble(0.0009999996), "0.00100000");
}

TEST(ListPrinter, RealsUseAPointWhateverTheLocale) {
  const char* previous = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = previous != nullptr ? previous : "C";
  if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "no German locale";
  EXPECT_EQ(FileFormOfDouble(2.5), "2.50000");
  EXPECT_DOUBLE_EQ(ReadOne("2.5").Top().Double(), 2.5);
  std::setlocale(LC_NUMERIC, saved.c_str());
}

// Every string atom the file printer writes must read back as the same
// string atom, or documents holding such names would not load again.
TEST(ListPrinter, QuotesEveryStringThatWouldNotReadBackBare) {
  const char* texts[] = {"nil",  "Nil", ".",   ".5",   "1.",  "+.",   "-",
                         "+",    "12",  "-3x", "",     "a b", "a\tb", "a\rb",
                         "a\fb", "(a",  "a)",  "1.5e", "x",   "NIL",  "\xe5\x85\xa5\xe5\x8a\x9b"};
  for (const char* text : texts) {
    List list;
    std::istringstream in("(\"" + std::string(text) + "\")");
    list.Read(in);
    const std::string printed = FileForm(list);
    const List back = ReadOne(printed);
    ASSERT_TRUE(back.Top().Car().IsString()) << "'" << text << "' printed as " << printed;
    EXPECT_EQ(back.Top().Car().String(), text) << printed;
  }
  // A bare word may hold a double quote after its first byte.
  EXPECT_EQ(FileForm(ReadOne("(a\"b)")), "(a\"b)");
  EXPECT_FALSE(IsBareWord("\"ab"));
  EXPECT_TRUE(IsBareWord("x"));
  EXPECT_TRUE(IsBareWord("a\"b"));
  EXPECT_TRUE(IsBareWord("NIL"));
  EXPECT_FALSE(IsBareWord(""));
  EXPECT_FALSE(IsBareWord("nil"));
  EXPECT_FALSE(IsBareWord(".5"));
  EXPECT_FALSE(IsBareWord("a(b"));
  EXPECT_EQ(QuotedIfNeeded("a b"), "\"a b\"");
  EXPECT_EQ(QuotedIfNeeded("ab"), "ab");
}

TEST(ListPrinter, StringsThatCannotBeWrittenStayQuotedAsTheyAre) {
  // A double quote together with a blank cannot be represented; the printer
  // writes it quoted and unchanged, and it does not read back as one token.
  EXPECT_EQ(QuotedIfNeeded("a\" b"), "\"a\" b\"");
  // Longer than a token may be: written, but reading it back fails.
  EXPECT_EQ(testing::ReadErrorTag(QuotedIfNeeded(std::string(120, 'k'))), "List::Read size");
}

}  // namespace
}  // namespace lumo
