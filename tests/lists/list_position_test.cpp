#include "lists/list_position.h"

#include <gtest/gtest.h>

#include "lists/list.h"
#include "lists/list_stack.h"
#include "tests/lists/list_test_util.h"

namespace lumo {
namespace {

using testing::CaughtError;
using testing::FileForm;
using testing::ReadOne;

TEST(ListPosition, CxrAppliesLettersFirstToLast) {
  const List list = ReadOne("((1 2) (3 4))");
  const ListPosition top = list.Top();
  EXPECT_EQ(top.Cxr(""), top);
  EXPECT_EQ(top.Cxr("aa").Long(), 1);
  EXPECT_EQ(top.Cxr("ada").Long(), 2);  // car, then cdr, then car
  EXPECT_EQ(top.Cxr("daa").Long(), 3);
  EXPECT_EQ(top.Cxr("dada").Long(), 4);
  EXPECT_TRUE(ReadOne("(1)").Top().Cxr("dddd").Nil());
  EXPECT_EQ(ReadOne("(5)").Top().Cxr("a").Long(), 5);
}

TEST(ListPosition, CxrReportsAtomsAndBadLetters) {
  const List five = ReadOne("(5)");
  ListError error = CaughtError([&] { five.Top().Cxr("aa"); });
  EXPECT_EQ(error.tag(), "ListPosition::Cxr 1");
  EXPECT_EQ(error.detail(), "p = 5\n");

  const List pair = ReadOne("(1 2)");
  error = CaughtError([&] { pair.Top().Cxr("ax"); });
  EXPECT_EQ(error.tag(), "ListPosition::Cxr 2");
  EXPECT_EQ(error.detail(), "s = ax\n");
}

TEST(ListPosition, CarAndCdrOfNilAreNilAndOfAnAtomAnError) {
  const List nil;
  EXPECT_TRUE(nil.Top().Car().Nil());
  EXPECT_TRUE(nil.Top().Cdr().Nil());
  const List atom = ReadOne("abc");
  ListError error = CaughtError([&] { atom.Top().Car(); });
  EXPECT_EQ(error.tag(), "ListPosition::Car");
  EXPECT_EQ(error.detail(), "p = abc\n");
  EXPECT_EQ(CaughtError([&] { atom.Top().Cdr(); }).tag(), "ListPosition::Cdr");
}

TEST(ListPosition, TypedAccessorsShowTheOffendingCell) {
  ListError error = CaughtError([] { ReadOne("2.5").Top().Long(); });
  EXPECT_EQ(error.tag(), "ListPosition::Long");
  EXPECT_EQ(error.detail(), "p = 2.500000\n");
  error = CaughtError([] { ReadOne("3").Top().Double(); });
  EXPECT_EQ(error.tag(), "ListPosition::Double");
  EXPECT_EQ(error.detail(), "p = 3\n");
  error = CaughtError([] { List().Top().String(); });
  EXPECT_EQ(error.tag(), "ListPosition::String");
  EXPECT_EQ(error.detail(), "p = nil\n");
  error = CaughtError([] { ReadOne("(1 \"a b\" 2.5)").Top().Long(); });
  EXPECT_EQ(error.detail(), "p = (1 \"a b\" 2.5)\n");
  EXPECT_EQ(CaughtError([] { ListPosition().Nil(); }).tag(), "ListPosition::Nil");
}

TEST(ListPosition, KindTests) {
  const List list = ReadOne("(1 2.0 s ())");
  const ListPosition top = list.Top();
  EXPECT_TRUE(top.IsCons());
  EXPECT_FALSE(top.IsAtom());
  EXPECT_TRUE(top.Cxr("a").IsLong());
  EXPECT_TRUE(top.Cxr("da").IsDouble());
  EXPECT_TRUE(top.Cxr("dda").IsString());
  EXPECT_TRUE(top.Cxr("dda").IsAtom());
  EXPECT_FALSE(top.Cxr("ddda").IsAtom());
  EXPECT_TRUE(top.Cxr("ddda").Nil());
  EXPECT_NO_THROW(top.Check());
}

TEST(List, AssignmentCopiesDeeplyAndSelfAssignmentIsHarmless) {
  List copy;
  {
    List source = ReadOne("(a (b \"c d\" 1 2.5) . e)");
    copy = source;
    List& same = source;  // through a reference, as self-assignment happens in practice
    source = same;
    EXPECT_EQ(FileForm(source), "(a (b \"c d\" 1 2.50000) . e )");
    EXPECT_NE(copy.Top().Cxr("da").cell(), source.Top().Cxr("da").cell());
  }
  EXPECT_EQ(FileForm(copy), "(a (b \"c d\" 1 2.50000) . e )");
  List atom = ReadOne("x");
  copy = atom;
  EXPECT_EQ(copy.Top().String(), "x");
  copy = List();
  EXPECT_TRUE(copy.IsNil());
  copy.MakeNull();
  EXPECT_TRUE(NilCell()->car() == NilCell() && NilCell()->kind() == ListCell::kNil);
}

TEST(ListStack, PopsInReverseOrderAndRefusesWhenEmpty) {
  ListStack stack;
  const List numbers = ReadOne("(1 2)");
  ListCell* one = numbers.Top().Car().cell();
  ListCell* two = numbers.Top().Cxr("da").cell();
  stack.Push(one);
  stack.Push(two);
  EXPECT_EQ(stack.Pop(), two);
  EXPECT_FALSE(stack.Empty());
  EXPECT_EQ(stack.Pop(), one);
  EXPECT_TRUE(stack.Empty());
  EXPECT_EQ(CaughtError([&] { stack.Pop(); }).tag(), "ListStack::Pop");
}

}  // namespace
}  // namespace lumo
