#include <gtest/gtest.h>

#include <sstream>

#include "lists/list.h"
#include "tests/lists/list_test_util.h"

namespace lumo {
namespace {

using testing::FileForm;
using testing::ReadErrorTag;
using testing::ReadOne;

TEST(ListReader, NilHasThreeSpellingsAndDoubleParensAreAListOfNil) {
  EXPECT_TRUE(ReadOne("()").IsNil());
  EXPECT_TRUE(ReadOne("( \n )").IsNil());
  EXPECT_TRUE(ReadOne("nil").IsNil());
  EXPECT_TRUE(ReadOne("Nil").IsNil());
  EXPECT_TRUE(ReadOne("NIL").Top().IsString());
  const List list = ReadOne("(())");
  EXPECT_TRUE(list.Top().IsCons());
  EXPECT_TRUE(list.Top().Car().Nil());
  EXPECT_EQ(FileForm(list), "(nil)");
}

TEST(ListReader, ClassifiesBareWords) {
  EXPECT_EQ(ReadOne("+5").Top().Long(), 5);
  EXPECT_EQ(ReadOne("-0").Top().Long(), 0);
  EXPECT_EQ(ReadOne("-12").Top().Long(), -12);
  EXPECT_EQ(ReadOne("+").Top().String(), "+");
  EXPECT_EQ(ReadOne("-").Top().String(), "-");
  EXPECT_DOUBLE_EQ(ReadOne("1.").Top().Double(), 1.0);
  EXPECT_DOUBLE_EQ(ReadOne(".5").Top().Double(), 0.5);
  EXPECT_DOUBLE_EQ(ReadOne("-2.50000").Top().Double(), -2.5);
  EXPECT_DOUBLE_EQ(ReadOne("1.00000e-005").Top().Double(), 1e-5);
  EXPECT_DOUBLE_EQ(ReadOne("3.5e+010").Top().Double(), 3.5e10);
  EXPECT_DOUBLE_EQ(ReadOne("1.5e").Top().Double(), 1.5);
  EXPECT_EQ(ReadOne("1e5").Top().String(), "1e5");
  EXPECT_EQ(ReadOne("1.5E3").Top().String(), "1.5E3");
  EXPECT_EQ(ReadOne("1.2.3").Top().String(), "1.2.3");
  EXPECT_EQ(ReadOne("+.").Top().String(), "+.");
  EXPECT_EQ(ReadOne("a\"b").Top().String(), "a\"b");
}

TEST(ListReader, OutOfRangeNumbersAreClampedNotReported) {
  EXPECT_EQ(ReadOne("99999999999").Top().Long(), 2147483647);
  EXPECT_EQ(ReadOne("-99999999999").Top().Long(), -2147483647 - 1);
  EXPECT_EQ(ReadOne("1.e999").Top().Double(), 1.7976931348623157e308);
  EXPECT_EQ(ReadOne("1.e+999").Top().Double(), 1.7976931348623157e308);
  EXPECT_EQ(ReadOne("1.e-999").Top().Double(), 0.0);
  EXPECT_EQ(ReadOne("-1.e-999").Top().Double(), 0.0);
}

TEST(ListReader, QuotedStringsAreTakenVerbatim) {
  EXPECT_EQ(ReadOne("\"a (b)\n c\"").Top().String(), "a (b)\n c");
  EXPECT_EQ(ReadOne("\"\"").Top().String(), "");
  EXPECT_EQ(ReadOne("\"12\"").Top().String(), "12");
  // The closing quote ends the token even when a letter follows.
  std::istringstream in("\"ab\"cd");
  List list;
  list.Read(in);
  EXPECT_EQ(list.Top().String(), "ab");
  list.Read(in);
  EXPECT_EQ(list.Top().String(), "cd");
}

TEST(ListReader, DottedPairsAndListTails) {
  EXPECT_EQ(FileForm(ReadOne("(a . b)")), "(a . b)");
  EXPECT_EQ(FileForm(ReadOne("(a b . c)")), "(a b . c)");
  EXPECT_EQ(FileForm(ReadOne("(a . (b c))")), "(a b c)");
  EXPECT_EQ(FileForm(ReadOne("(a . nil)")), "(a)");
  EXPECT_EQ(FileForm(ReadOne("(a . ())")), "(a)");
  EXPECT_EQ(FileForm(ReadOne("(x . (a . (b . c)))")), "(x a b . c)");
  EXPECT_EQ(FileForm(ReadOne("((a . b) . (c))")), "((a . b)c)");
}

TEST(ListReader, MalformedInputRaisesTheRightTag) {
  EXPECT_EQ(ReadErrorTag("(a . b . c)"), "List::Read )");
  EXPECT_EQ(ReadErrorTag("(a . b"), "List::Read )");
  EXPECT_EQ(ReadErrorTag("(a . (b) c)"), "List::Read )");
  EXPECT_EQ(ReadErrorTag("(a .)"), "List::Read db");
  EXPECT_EQ(ReadErrorTag("(. a)"), "List::Read ad");
  EXPECT_EQ(ReadErrorTag("(a . . b)"), "List::Read dd");
  EXPECT_EQ(ReadErrorTag("(a b"), "List::Read f");
  EXPECT_EQ(ReadErrorTag("(a ."), "List::Read f");
  EXPECT_EQ(ReadErrorTag(""), "List::Read f");
  EXPECT_EQ(ReadErrorTag("  \n"), "List::Read f");
  EXPECT_EQ(ReadErrorTag(") a"), "List::Read b");
  EXPECT_EQ(ReadErrorTag(". a"), "List::Read d");
  EXPECT_EQ(ReadErrorTag("(\"abc"), "List::Read quote");
}

TEST(ListReader, TokensHoldAtMost99Bytes) {
  EXPECT_EQ(ReadOne('"' + std::string(99, 'q') + '"').Top().String().size(), 99u);
  EXPECT_EQ(ReadOne(std::string(99, 'w')).Top().String().size(), 99u);
  EXPECT_EQ(ReadErrorTag('"' + std::string(100, 'q') + '"'), "List::Read size");
  EXPECT_EQ(ReadErrorTag("(" + std::string(100, 'w') + ")"), "List::Read size");
}

TEST(ListReader, AFailedReadEmptiesTheListButReadingAtTheEndKeepsIt) {
  std::istringstream in("(a b) (c");
  List list;
  list.Read(in);
  EXPECT_EQ(FileForm(list), "(a b)");
  EXPECT_THROW(list.Read(in), ListError);
  EXPECT_TRUE(list.IsNil());

  std::istringstream one("x");
  list.Read(one);
  ASSERT_EQ(list.Top().String(), "x");
  const ListError error = testing::CaughtError([&] { list.Read(one); });
  EXPECT_EQ(error.tag(), "List::Read f");
  EXPECT_EQ(list.Top().String(), "x");  // the stream was already at its end
}

TEST(ListReader, RepeatedReadsContinueOnTheSameStream) {
  std::istringstream in("(a)(b)");
  List list;
  list.Read(in);
  EXPECT_EQ(FileForm(list), "(a)");
  list.Read(in);
  EXPECT_EQ(FileForm(list), "(b)");
  EXPECT_EQ(testing::CaughtError([&] { list.Read(in); }).tag(), "List::Read f");

  // A bare word leaves its delimiter in the lookahead for the next Read.
  std::istringstream words("a(b)c");
  list.Read(words);
  EXPECT_EQ(list.Top().String(), "a");
  list.Read(words);
  EXPECT_EQ(FileForm(list), "(b)");
  list.Read(words);
  EXPECT_EQ(list.Top().String(), "c");
}

TEST(ListReader, EachStreamKeepsItsOwnLookahead) {
  // The first stream stops with "(" of "(b)" in its lookahead; a Read on
  // another stream neither sees it nor loses it.
  std::istringstream first("(a)(b)");
  std::istringstream second("c");
  List list;
  list.Read(first);
  list.Read(second);
  EXPECT_EQ(list.Top().String(), "c");
  list.Read(first);
  EXPECT_EQ(FileForm(list), "(b)");

  // Here the held byte is the first digit of the next number.
  std::istringstream numbers("(1)4999999.9");
  std::istringstream other("(2)");
  list.Read(numbers);
  list.Read(other);
  list.Read(numbers);
  EXPECT_EQ(list.Top().Double(), 4999999.9);

  // A stream read to its end stays at its end while another one, fresh,
  // is read around it.
  std::istringstream done("x");
  std::istringstream fresh("y(z)");
  list.Read(done);
  list.Read(fresh);
  EXPECT_EQ(list.Top().String(), "y");
  EXPECT_FALSE(List::HasMore(done));
  EXPECT_EQ(testing::CaughtError([&] { list.Read(done); }).tag(), "List::Read f");
  list.Read(fresh);
  EXPECT_EQ(FileForm(list), "(z)");

  // A zero byte held between Reads is kept, not taken for a new stream's
  // blank.
  std::istringstream zero(std::string("(a)\0b", 5));
  list.Read(zero);
  list.Read(zero);
  EXPECT_EQ(list.Top().String(), std::string("\0b", 2));

  // A new stream at the address of a finished one starts afresh.
  for (const char* text : {"(x)(y)", "z"}) {
    std::istringstream in(text);
    list.Read(in);
  }
  EXPECT_EQ(list.Top().String(), "z");
}

TEST(ListReader, HasMoreTellsWhetherAnExpressionFollows) {
  std::istringstream in("(a)  \n (b) \n\t");
  List list;
  int count = 0;
  while (List::HasMore(in)) {
    list.Read(in);
    ++count;
  }
  EXPECT_EQ(count, 2);
  std::istringstream empty("");
  EXPECT_FALSE(List::HasMore(empty));
}

}  // namespace
}  // namespace lumo
