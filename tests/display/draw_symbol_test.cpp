#include "display/draw_symbol.h"

#include <gtest/gtest.h>

#include <memory>

#include "display/symbol_grid.h"
#include "tests/display/display_test_util.h"
#include "tests/symbol/symbol_test_util.h"

namespace lumo {
namespace {

using testing::Canvas;
using testing::ParseSymbol;
using Calls = std::vector<std::string>;

class DrawSymbolTest : public ::testing::Test {
 protected:
  Calls Draw(const Symbol& symbol, double scale, int mask, double ox, double oy, int orientation,
             char logic, std::string_view element_name = "e1") {
    lib_.calls.clear();
    DrawSymbol(lib_, painter_, symbol, scale, element_name, mask, ox, oy, orientation, logic);
    return lib_.calls;
  }

  RecordingMessageHost host_;
  ErrorTable errors_;
  testing::RecordingDisplayLib lib_{host_, errors_};
  QImage image_{8, 8, QImage::Format_RGB32};
  QPainter painter_{&image_};
};

TEST_F(DrawSymbolTest, TerminalsGetAStubOrABubbleOnTheTurnedConnectionPoint) {
  const auto positive = ParseSymbol("(t () () ((a 10 0 2 p)) (s))");
  EXPECT_EQ(Draw(*positive, 2, MaskAll, 100, 100, 1, 'p'), Calls{"line 100 80 100 86"});
  const auto negative = ParseSymbol("(t () () ((a 10 0 2 n)) (s))");
  EXPECT_EQ(Draw(*negative, 2, MaskAll, 100, 100, 1, 'p'), Calls{"circle 100 80 6"});
  // Negative logic swaps stubs and bubbles.
  EXPECT_EQ(Draw(*positive, 2, MaskAll, 100, 100, 1, 'n'), Calls{"circle 100 80 6"});
  EXPECT_EQ(Draw(*negative, 2, MaskAll, 100, 100, 1, 'n'), Calls{"line 100 80 100 86"});
  // Every orientation turns the stub with the point.
  const char* expected[8] = {"line 120 100 114 100", "line 100 80 100 86",  "line 80 100 86 100",
                             "line 100 120 100 114", "line 80 100 86 100",  "line 100 80 100 86",
                             "line 120 100 114 100", "line 100 120 100 114"};
  for (int code = 0; code < 8; ++code)
    EXPECT_EQ(Draw(*positive, 2, MaskTerminal, 100, 100, code, 'p'), Calls{expected[code]}) << code;
  // Reals are rounded after turning, halves away from zero.
  const auto odd = ParseSymbol("(t () () ((a 1 -1 3 p)) (s))");
  EXPECT_EQ(Draw(*odd, 1.5, MaskTerminal, 10.25, 10.25, 0, 'p'),
            Calls{"line 12 9 12 13"});  // (11.75, 8.75) to (11.75, 13.25)
  // A direction outside 0..3 counts modulo 4 instead of reading past a table.
  const auto strange = ParseSymbol("(t () () ((a 0 0 6 p)) (s))");
  EXPECT_EQ(Draw(*strange, 1, MaskTerminal, 0, 0, 0, 'p'), Calls{"line 0 0 -3 0"});
}

TEST_F(DrawSymbolTest, LinesAreScaledAndRoundedBeforeTheyAreTurned) {
  const auto symbol = ParseSymbol("(l ((l 3 -5 0 0)) () () (s))");
  // (3, -5) x 1.5 = (4.5, -7.5) rounds to (5, -8); turned left: (-5, 8); the
  // reference point 10.5 rounds to 11.
  EXPECT_EQ(Draw(*symbol, 1.5, MaskLine, 10.5, 10.5, 2, 'p'), Calls{"line 6 19 11 11"});
  EXPECT_EQ(Draw(*symbol, 1.5, MaskArc | MaskTerminal, 10.5, 10.5, 2, 'p'), Calls{});
}

TEST_F(DrawSymbolTest, ArcAnglesFollowTheOrientation) {
  const auto symbol = ParseSymbol("(a ((a 4 0 8 0 90)) () () (s))");
  EXPECT_EQ(Draw(*symbol, 1, MaskArc, 0, 0, 0, 'p'), Calls{"arc 4 0 8 0 90"});
  EXPECT_EQ(Draw(*symbol, 1, MaskArc, 0, 0, 4, 'p'), Calls{"arc -4 0 8 90 180"});
  EXPECT_EQ(Draw(*symbol, 2, MaskArc, 0, 0, 3, 'p'), Calls{"arc 0 8 16 270 360"});
  EXPECT_EQ(Draw(*symbol, 1, MaskArc, 0, 0, 7, 'p'), Calls{"arc 0 4 8 -180 -90"});
  const auto wide = ParseSymbol("(a ((a 0 0 8 300 400)) () () (s))");
  EXPECT_EQ(Draw(*wide, 1, MaskArc, 0, 0, 1, 'p'), Calls{"arc 0 0 8 30 130"});
}

TEST_F(DrawSymbolTest, TextsFollowTheMaskVisibilityAndRotation) {
  const auto symbol = ParseSymbol(
      "(t ((s \"?\" y e 0 -10 d 0) (s \"and2\" y f 0 12 u 0) (s \"A\" y t -8 -4 l 5)"
      " (s \"hidden\" n f 0 0 l 0) (s \"note\" y x 4 4 r 0)) () () (s))");
  EXPECT_EQ(Draw(*symbol, 1, MaskAll, 50, 50, 0, 'p', "g1"),
            (Calls{"text note 54 54 r 0", "text A 42 46 l 5", "text and2 50 62 u 0",
                   "text g1 50 40 d 0"}));
  // The chooser leaves out element names; a text of another kind needs any
  // text bit.
  EXPECT_EQ(Draw(*symbol, 1, MaskChooser, 50, 50, 0, 'p'),
            (Calls{"text note 54 54 r 0", "text A 42 46 l 5", "text and2 50 62 u 0"}));
  EXPECT_EQ(Draw(*symbol, 1, MaskElementName, 50, 50, 0, 'p', "g1"),
            (Calls{"text note 54 54 r 0", "text g1 50 40 d 0"}));
  EXPECT_EQ(Draw(*symbol, 1, MaskBody, 50, 50, 0, 'p'), Calls{});
  // Rotation 5 on orientation 3 is drawn with code 0.
  const Calls turned = Draw(*symbol, 1, MaskTerminalText, 50, 50, 3, 'p');
  EXPECT_EQ(turned, (Calls{"text note 46 54 r 3", "text A 54 42 l 0"}));
}

TEST_F(DrawSymbolTest, NegativeLogicUsesTheNegativeGraphicsWhenThereAreAny) {
  const auto both = ParseSymbol("(g ((l 0 0 1 0)) ((l 0 0 0 1)) () (s))");
  EXPECT_EQ(Draw(*both, 1, MaskAll, 0, 0, 0, 'p'), Calls{"line 0 0 1 0"});
  EXPECT_EQ(Draw(*both, 1, MaskAll, 0, 0, 0, 'n'), Calls{"line 0 0 0 1"});
  const auto only_positive = ParseSymbol("(g ((l 0 0 1 0)) () () (s))");
  EXPECT_EQ(Draw(*only_positive, 1, MaskAll, 0, 0, 0, 'n'), Calls{"line 0 0 1 0"});
  // A symbol without graphics still shows its terminals.
  Symbol bare("bare");
  bare.terminals.PushFront(std::make_unique<SymbolTerminal>());
  EXPECT_EQ(Draw(bare, 1, MaskAll, 0, 0, 0, 'p'), Calls{"line 0 0 3 0"});
}

TEST_F(DrawSymbolTest, AbsurdCoordinatesAreClampedNotOverflowed) {
  const auto symbol = ParseSymbol(
      "(big ((l -2147483648 0 2147483647 0) (a 2147483647 0 2147483647 0 90)) () "
      "((p 2147483647 0 0 p)) (s))");
  const Calls calls = Draw(*symbol, 1000, MaskAll, 0, 0, 2, 'p');
  EXPECT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[0], "line 2147483647 0 -2147483647 0");
}

TEST(SymbolGrid, LayoutFollowsTheFarthestTerminal) {
  SymbolList list;
  for (int i = 0; i < 5; ++i)
    list.Add(ParseSymbol("(s" + std::to_string(i) + " () () ((a -40 20 0 p) (b 8 -4 2 p)) (s))"));
  SymbolGridLayout layout = LayOutSymbolGrid(list, 250);
  EXPECT_EQ(layout.columns, 2);
  EXPECT_EQ(layout.cell_width, 125);
  EXPECT_EQ(layout.cell_height, 60);
  EXPECT_EQ(layout.rows, 2);  // the fifth symbol's row is not counted
  EXPECT_EQ(layout.total_height, 150);
  EXPECT_EQ(SymbolGridPoint(layout, 3, 0, 10), QPointF(187, 80));
  EXPECT_EQ(SymbolGridHit(layout, 130, 70, 0, 0), 3);
  EXPECT_EQ(SymbolGridHit(layout, 125, 70, 0, 0), -1);  // on a cell border
  EXPECT_EQ(SymbolGridHit(layout, 130, 60, 0, 0), -1);
  EXPECT_EQ(SymbolGridHit(layout, 130, 130, 0, 0), -1);  // no sixth symbol
  EXPECT_EQ(SymbolGridHit(layout, 10, 10, 0, 60), 2);
  // A narrow pane still has one column; an empty list only half a cell.
  layout = LayOutSymbolGrid(list, 50);
  EXPECT_EQ(layout.columns, 1);
  EXPECT_EQ(layout.cell_width, 50);
  SymbolList empty;
  layout = LayOutSymbolGrid(empty, 300);
  EXPECT_EQ(layout.cell_height, 20);
  EXPECT_EQ(layout.total_height, 10);
}

TEST(SymbolGrid, PaintsLabelsInBlueAndSymbolsInBlack) {
  RecordingMessageHost host;
  ErrorTable errors;
  DisplayLib lib(host, errors);
  SymbolList list;
  list.Add(ParseSymbol("(_not ((l -4 -4 -4 4) (s \"?\" y e 0 -10 d 0)) () ((a -8 0 0 p)) (s))"));
  const SymbolGridLayout layout = LayOutSymbolGrid(list, 60);
  Canvas canvas(60, 60);
  canvas.image.fill(Qt::red);
  lib.Store(*canvas.painter);
  lib.SetFontSize(*canvas.painter, 6, 12);
  DrawSymbolGrid(lib, *canvas.painter, list, layout, 60, 60, 0, 0);
  const QImage& image = canvas.Done();
  EXPECT_TRUE(testing::IsWhite(image, 59, 59));
  const QPointF at = SymbolGridPoint(layout, 0, 0, 0);
  const int x = static_cast<int>(at.x()), y = static_cast<int>(at.y());
  EXPECT_EQ(image.pixel(x - 4, y) & 0xFFFFFF, 0u);  // the body line
  EXPECT_EQ(image.pixel(x - 6, y) & 0xFFFFFF, 0u);  // the terminal stub
  const QRect label = testing::InkBox(image.copy(0, 0, 60, y - 10 + 1));
  ASSERT_FALSE(label.isNull());
  int blue = 0;
  for (int py = label.top(); py <= label.bottom(); ++py)
    for (int px = label.left(); px <= label.right(); ++px)
      blue += (image.pixel(px, py) & 0xFFFFFF) == 0x0000FFu;
  EXPECT_GT(blue, 10);  // "inverter" in blue above the anchor
  EXPECT_GT(label.width(), 40);
}

}  // namespace
}  // namespace lumo
