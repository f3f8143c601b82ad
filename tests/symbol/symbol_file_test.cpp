#include <gtest/gtest.h>

#include <sstream>

#include "lists/error_message.h"
#include "tests/symbol/symbol_test_util.h"

namespace lumo {
namespace {

using testing::ParseSymbol;
using testing::Written;

// A symbol in the written layout: its items and terminals come back in the
// reverse order after one read and write.
const char kWritten[] =
    "(\"nand2\"\n"
    "  (\n"
    "  (l -13 -8 -13 8)\n"
    "  (l -13 8 1 8)\n"
    "  (a 1 0 8 270 90)\n"
    "  (s \"?\" y e 0 -10 d 0)\n"
    "  (s \"nand2\" y f 0 12 u 0)\n"
    "  )\n"
    "  (\n"
    "  (l 0 0 4 4)\n"
    "  )\n"
    "  (\n"
    "  (\"a\" -16 -4 0 p)\n"
    "  (\"y\" 12 0 2 n)\n"
    "  )\n"
    "  (s)\n"
    ")\n";

TEST(SymbolFile, ReadingAndWritingReversesItemsAndTerminalsTwiceReadRestores) {
  const auto symbol = ParseSymbol(kWritten);
  EXPECT_EQ(symbol->name, "nand2");
  EXPECT_EQ(symbol->kind, 's');
  EXPECT_EQ(symbol->logic, 'p');
  EXPECT_EQ(symbol->orientation, 0);
  const SymbolLine& first = *symbol->positive->lines.head();
  EXPECT_EQ(first.x0, -13);
  EXPECT_EQ(first.y0, 8);
  EXPECT_EQ(first.x1, 1);
  EXPECT_EQ(first.y1, 8);
  const SymbolArc& arc = *symbol->positive->arcs.head();
  EXPECT_EQ(arc.cx, 1);
  EXPECT_EQ(arc.r, 8);
  EXPECT_EQ(arc.start, 270);
  EXPECT_EQ(arc.end, 90);
  const SymbolText& text = *symbol->positive->texts.head();
  EXPECT_EQ(text.text, "nand2");
  EXPECT_EQ(text.kind, 'f');
  EXPECT_EQ(text.anchor, 'u');
  EXPECT_EQ(text.y, 12);
  const SymbolTerminal& terminal = *symbol->terminals.head();
  EXPECT_EQ(terminal.name, "y");
  EXPECT_EQ(terminal.direction, 2);
  EXPECT_EQ(terminal.polarity, 'n');

  const std::string once = Written(*symbol);
  EXPECT_EQ(once,
            "(\"nand2\"\n"
            "  (\n"
            "  (l -13 8 1 8)\n"
            "  (l -13 -8 -13 8)\n"
            "  (a 1 0 8 270 90)\n"
            "  (s \"nand2\" y f 0 12 u 0)\n"
            "  (s \"?\" y e 0 -10 d 0)\n"
            "  )\n"
            "  (\n"
            "  (l 0 0 4 4)\n"
            "  )\n"
            "  (\n"
            "  (\"y\" 12 0 2 n)\n"
            "  (\"a\" -16 -4 0 p)\n"
            "  )\n"
            "  (s)\n"
            ")\n");
  EXPECT_EQ(Written(*ParseSymbol(once)), kWritten);
}

TEST(SymbolFile, PolylinesSplitIntoSegmentsAndUnknownItemsAreSkipped) {
  const auto symbol =
      ParseSymbol("(box ((line 0 0 8 0 8 8) (x 1 2 3) (\"\" 1) (arc 0 0 4 0 90 extra)) () () (u))");
  EXPECT_EQ(symbol->positive->lines.size(), 2u);
  EXPECT_EQ(symbol->positive->arcs.size(), 1u);
  EXPECT_EQ(Written(*symbol),
            "(\"box\"\n"
            "  (\n"
            "  (l 8 0 8 8)\n"
            "  (l 0 0 8 0)\n"
            "  (a 0 0 4 0 90)\n"
            "  )\n"
            "  ()\n"
            "  ()\n"
            "  (u)\n"
            ")\n");
  // A polyline of one point draws nothing.
  EXPECT_TRUE(ParseSymbol("(p ((l 4 4)) () () (u))")->positive->lines.empty());
}

TEST(SymbolFile, EmptyNegativeGraphicsAreAbsentAndAnExistingEmptySetReadsBackAbsent) {
  const auto symbol = ParseSymbol("(x () () () (u))");
  ASSERT_NE(symbol->positive, nullptr);
  EXPECT_TRUE(symbol->positive->Empty());
  EXPECT_EQ(symbol->negative, nullptr);
  EXPECT_EQ(symbol->GraphicsFor('n'), symbol->positive.get());

  symbol->negative = std::make_unique<SymbolGraphics>();
  EXPECT_EQ(symbol->GraphicsFor('n'), symbol->negative.get());
  EXPECT_EQ(symbol->GraphicsFor('p'), symbol->positive.get());
  const std::string text = Written(*symbol);
  EXPECT_EQ(text, "(\"x\"\n  (\n  )\n  (\n  )\n  ()\n  (u)\n)\n");
  const auto again = ParseSymbol(text);
  ASSERT_NE(again->positive, nullptr);
  EXPECT_EQ(again->negative, nullptr);
}

TEST(SymbolFile, OneLetterFieldsTakeTheFirstCharacterAndExtraElementsAreIgnored) {
  const auto symbol = ParseSymbol(
      "(g ((s \"A B\" yes term 1 2 left 3 more)) () ((clk 4 5 1 negative x)) (system y) z)");
  const SymbolText& text = *symbol->positive->texts.head();
  EXPECT_EQ(text.text, "A B");
  EXPECT_EQ(text.visible, 'y');
  EXPECT_EQ(text.kind, 't');
  EXPECT_EQ(text.anchor, 'l');
  EXPECT_EQ(text.rotation, 3);
  EXPECT_EQ(symbol->terminals.head()->polarity, 'n');
  EXPECT_EQ(symbol->kind, 's');
}

TEST(SymbolFile, MalformedExpressionsRaiseAndLeaveTheSymbolAsItWas) {
  const char* malformed[] = {
      "(12 () () () (u))",                // a number as the name
      "(x () () ())",                     // no kind
      "(x ((l 0 0 4)) () () (u))",        // a point without its y
      "(x ((a 0 0 4 0)) () () (u))",      // an arc without its end angle
      "(x ((s t y t 0 0 l)) () () (u))",  // a text without its rotation
      "(x (q) () () (u))",                // an item that is not a list
      "(x ((l 0 0 . 4)) () () (u))",      // a dotted polyline
      "(x () () ((a 0 0 0)) (u))",        // a terminal without polarity
      "(x () () ((a 0 0.5 0 p)) (u))",    // a real coordinate
      "(x () () () u)",                   // kind not in a list
      "(x () () () (()))",                // kind nil
      "x",                                // not a list
  };
  for (const char* text : malformed) {
    auto symbol = ParseSymbol("(keep ((l 1 2 3 4)) () ((t 0 0 0 p)) (s))");
    std::istringstream in(text);
    List list;
    list.Read(in);
    EXPECT_THROW(symbol->Parse(list.Top()), ListError) << text;
    EXPECT_EQ(symbol->name, "keep") << text;
    EXPECT_EQ(symbol->kind, 's') << text;
    EXPECT_EQ(symbol->positive->lines.size(), 1u) << text;
    EXPECT_EQ(symbol->terminals.size(), 1u) << text;
  }
}

TEST(SymbolFile, SymbolsThatCouldNotBeReadBackAreNotWritten) {
  // A bare word may hold a double quote, but the writer quotes every name.
  auto symbol = ParseSymbol("(a\"b () () () (u))");
  std::ostringstream out;
  EXPECT_FALSE(symbol->Write(out));
  EXPECT_EQ(out.str(), "");

  symbol = ParseSymbol("(ok ((s \"t\" \"(\" t 0 0 l 0)) () () (u))");
  EXPECT_FALSE(symbol->Writable());
  symbol = ParseSymbol("(ok () () ((\"x y\" 0 0 0 \"\")) (u))");
  EXPECT_FALSE(symbol->Writable());
  symbol = ParseSymbol("(ok () () () (\" \"))");
  EXPECT_FALSE(symbol->Writable());

  Symbol long_name(std::string(100, 'n'));
  EXPECT_FALSE(long_name.Writable());
  Symbol fits(std::string(99, 'n'));
  fits.positive = std::make_unique<SymbolGraphics>();
  EXPECT_TRUE(fits.Writable());
  EXPECT_EQ(ParseSymbol(Written(fits))->name, fits.name);
}

TEST(SymbolFile, NewSymbolsAreEmptyUserSymbolsInPositiveLogic) {
  const Symbol symbol("adder");
  EXPECT_EQ(symbol.kind, 'u');
  EXPECT_EQ(symbol.logic, 'p');
  EXPECT_EQ(symbol.orientation, 0);
  EXPECT_EQ(symbol.positive, nullptr);
  EXPECT_EQ(symbol.GraphicsFor('p'), nullptr);
  EXPECT_TRUE(symbol.terminals.empty());
  // Without graphics both sets are written as absent.
  EXPECT_EQ(Written(symbol), "(\"adder\"\n  ()\n  ()\n  ()\n  (u)\n)\n");
}

}  // namespace
}  // namespace lumo
