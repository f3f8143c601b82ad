// The symbol editor's rules without a window: the grid, the arc through a
// chord, terminals from the name dialog, the tools' state machine, deletion
// and undo of every edit.

#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "editing/sym_editor.h"
#include "tests/symbol/symbol_test_util.h"

namespace lumo::testing {
namespace {

TEST(SymbolGrid, SnapsToMultiplesOfFourWithHalvesTowardsPlusInfinity) {
  const std::pair<int, int> cases[] = {{5, 4},  {6, 8}, {-6, -4}, {-7, -8}, {2, 4},
                                       {-2, 0}, {0, 0}, {1, 0},   {-1, 0},  {-10, -8}};
  for (auto [unit, snapped] : cases)
    EXPECT_EQ(SnapToSymbolGrid(unit), snapped) << unit;
  // Device points of the large view: 2 pixels a unit around its origin.
  const SymbolViews views = LayOutSymbolViews(900, 600);
  EXPECT_EQ(views.large_x % 8, 0);
  EXPECT_EQ(views.large_right - views.large_left, 240);
  EXPECT_EQ(views.small_bottom - views.small_top, 168);
  EXPECT_EQ(views.UnitAt(views.large_x + 13, views.large_y - 13), (UnitPoint{8, -4}));
}

TEST(SymbolArcs, ArcThroughChordAndBulgeAndItsAngles) {
  const SymbolArc arc = ArcFromChord({0, 0}, {8, 0}, {4, 4});
  EXPECT_EQ(arc.cx, 4);
  EXPECT_EQ(arc.cy, 4);
  EXPECT_EQ(arc.r, 6);  // 5.66 rounded
  EXPECT_EQ(arc.start, 45);
  EXPECT_EQ(arc.end, 135);
  // A slanted chord: the centre lies on the bisector, level with the bulge
  // line, and both chord ends are on the circle.
  const RealPoint c = ChordArcCentre({0, 0}, {8, 8}, {0, 8});
  EXPECT_NEAR(std::hypot(c.x, c.y), std::hypot(c.x - 8, c.y - 8), 1e-9);
  // Every quadrant, and the axes.
  const RealPoint o{0, 0};
  EXPECT_EQ(AngleAround(o, {10, 0}), 0);
  EXPECT_EQ(AngleAround(o, {0, -10}), 90);
  EXPECT_EQ(AngleAround(o, {-10, 0}), 180);
  EXPECT_EQ(AngleAround(o, {0, 10}), 270);
  EXPECT_EQ(AngleAround(o, {10, -10}), 45);
  EXPECT_EQ(AngleAround(o, {-10, -10}), 135);
  EXPECT_EQ(AngleAround(o, {-10, 10}), 225);
  EXPECT_EQ(AngleAround(o, {10, 10}), 315);
  // Near an arc: on its circle and inside its range, also a range over 0.
  SymbolArc over_zero;
  over_zero.r = 10;
  over_zero.start = 300;
  over_zero.end = 30;
  EXPECT_TRUE(ArcNear(over_zero, {10, -2}, 2));  // about 11 degrees
  EXPECT_TRUE(ArcNear(over_zero, {5, 8}, 2));    // about 302 degrees
  EXPECT_FALSE(ArcNear(over_zero, {-10, 0}, 3));
  EXPECT_FALSE(ArcNear(arc, {4, 10}, 3));  // the circle's other side
  EXPECT_TRUE(ArcNear(arc, {4, -2}, 3));
}

TEST(SymbolTerminals, NameDialogWordsGiveTheTerminalAndItsLabels) {
  const PlacedTerminal ck = PlaceTerminal({20, 8}, 4, ParseTerminalEntry("  CK   clock "));
  EXPECT_EQ(ck.terminal.name, "CK");
  EXPECT_EQ(ck.terminal.direction, 2);
  EXPECT_EQ(ck.terminal.polarity, 'n');
  EXPECT_EQ(ck.name_label.text, "CK");
  EXPECT_EQ(ck.name_label.x, 14);
  EXPECT_EQ(ck.name_label.anchor, 'r');
  ASSERT_TRUE(ck.extra_label.has_value());
  EXPECT_EQ(ck.extra_label->text, "clock");
  EXPECT_EQ(ck.extra_label->x, 24);
  EXPECT_EQ(ck.extra_label->y, 3);
  EXPECT_EQ(ck.extra_label->anchor, 'l');

  const PlacedTerminal unnamed = PlaceTerminal({0, 0}, 1, ParseTerminalEntry(""));
  EXPECT_EQ(unnamed.terminal.name, "?");
  EXPECT_EQ(unnamed.terminal.direction, 3);
  EXPECT_EQ(unnamed.terminal.polarity, 'p');
  EXPECT_FALSE(unnamed.extra_label.has_value());
  EXPECT_EQ(unnamed.name_label.y, 6);

  // What no file could read back is dropped; a third word is ignored.
  const TerminalEntry odd = ParseTerminalEntry("\"A\" x\"y z");
  EXPECT_EQ(odd.name, "A");
  EXPECT_EQ(odd.label, "xy");
  EXPECT_EQ(TerminalDirection(2), 0);
  EXPECT_EQ(TerminalDirection(7), 1);
}

// A symbol being edited with its history and the editor's tools.
struct Editing {
  Symbol symbol{"half"};
  UndoHistory history;
  SymbolEditor editor{symbol, history, "half"};
  std::deque<std::optional<std::string>> names;

  SymbolEditor::AskTerminalName Ask() {
    return [this]() -> std::optional<std::string> {
      if (names.empty()) return std::string();
      auto next = names.front();
      names.pop_front();
      return next;
    };
  }
  void Down(int x, int y) { editor.LeftDown({x, y}, Ask()); }
  void Up(int x, int y) { editor.LeftUp({x, y}); }
  void Drag(int x0, int y0, int x1, int y1) {
    Down(x0, y0);
    Up(x1, y1);
  }
  std::string File() const { return Written(symbol); }
};

TEST(SymbolTools, LinesAndBoxesFollowTheirStatesAndRightButtonUndoes) {
  Editing e;
  EXPECT_EQ(e.editor.mode(), kSymLineIdle);
  e.Drag(0, 0, 0, 0);  // released where pressed: nothing, the drag goes on
  EXPECT_EQ(e.editor.mode(), kSymLineDrag);
  EXPECT_TRUE(e.symbol.positive->lines.empty());
  e.Up(8, 0);
  EXPECT_EQ(e.editor.mode(), kSymLineAdded);
  ASSERT_EQ(e.symbol.positive->lines.size(), 1u);
  EXPECT_EQ(e.editor.fresh().size(), 1u);
  e.editor.RightDown();  // the line goes, the drag from (0, 0) goes on
  EXPECT_EQ(e.editor.mode(), kSymLineDrag);
  EXPECT_TRUE(e.symbol.positive->lines.empty());
  e.Up(0, 12);
  EXPECT_EQ(e.symbol.positive->lines.head()->y1, 12);
  e.editor.RightDown();
  e.editor.RightDown();  // abandons the drag
  EXPECT_EQ(e.editor.mode(), kSymLineIdle);

  e.editor.ChooseTool(kSymBoxIdle);
  e.Drag(0, 0, 8, 12);
  EXPECT_EQ(e.editor.mode(), kSymBoxAdded);
  // New lines go in front, so the last side comes first.
  EXPECT_EQ(e.File(),
            "(\"half\"\n  (\n  (l 0 12 0 0)\n  (l 8 12 0 12)\n  (l 8 0 8 12)\n  (l 0 0 8 0)\n"
            "  )\n  ()\n  ()\n  (u)\n)\n");
  e.editor.RightDown();  // the whole box goes in one step
  EXPECT_TRUE(e.symbol.positive->lines.empty());
  EXPECT_EQ(e.editor.mode(), kSymBoxDrag);
  e.editor.Leave();  // leaving the canvas abandons the drag
  EXPECT_EQ(e.editor.mode(), kSymBoxIdle);
}

TEST(SymbolTools, ArcsNamesAndTerminals) {
  Editing e;
  e.editor.ChooseTool(kSymArcIdle);
  e.Drag(0, 0, 8, 0);
  EXPECT_EQ(e.editor.mode(), kSymArcBulge);
  e.editor.RightDown();  // back to the chord
  EXPECT_EQ(e.editor.mode(), kSymArcChord);
  e.Up(8, 0);
  e.Down(4, 4);
  ASSERT_EQ(e.symbol.positive->arcs.size(), 1u);
  const SymbolArc& arc = *e.symbol.positive->arcs.head();
  EXPECT_EQ((std::array{arc.cx, arc.cy, arc.r, arc.start, arc.end}),
            (std::array{4, 4, 6, 45, 135}));
  e.editor.RightDown();  // the arc goes; the bulge is set again
  EXPECT_TRUE(e.symbol.positive->arcs.empty());
  EXPECT_EQ(e.editor.mode(), kSymArcBulge);

  e.editor.ChooseTool(kSymFunctionNameIdle);
  e.Down(0, -20);
  e.Down(0, 20);
  e.editor.ChooseTool(kSymElementNameIdle);
  e.Down(4, 4);
  const SymbolText& element = *e.symbol.positive->texts.head();
  EXPECT_EQ(element.text, "?");
  EXPECT_EQ(element.kind, 'e');
  EXPECT_EQ(element.next()->text, "half");
  EXPECT_EQ(element.next()->kind, 'f');
  EXPECT_EQ(e.symbol.positive->texts.size(), 3u);

  e.editor.ChooseTool(kSymTerminalIdle, 4);
  e.names = {"CK clock", std::nullopt};
  e.Down(24, 0);
  EXPECT_EQ(e.editor.mode(), kSymTerminalAdded);
  EXPECT_EQ(e.editor.fresh().size(), 3u);
  e.Down(24, 8);  // cancelled: nothing placed
  EXPECT_EQ(e.symbol.terminals.size(), 1u);
  EXPECT_EQ(e.symbol.positive->texts.size(), 5u);
  e.editor.ChooseTool(kSymTerminalIdle, 0);
  e.Down(24, 16);
  e.editor.RightDown();  // the terminal and its label go together
  EXPECT_EQ(e.symbol.terminals.size(), 1u);
  EXPECT_EQ(e.symbol.positive->texts.size(), 5u);
  EXPECT_EQ(e.editor.mode(), kSymTerminalIdle);
}

TEST(SymbolTools, DeleteTakesTerminalsWithTheirLabelsAndRightButtonPutsThemBack) {
  Editing e;
  e.editor.ChooseTool(kSymTerminalIdle, 2);
  e.names = {"A", "B"};
  e.Down(-24, 0);
  e.Down(-24, 16);
  // B's label moved away: deleting B leaves it.
  SymbolText& b_label = *e.symbol.positive->texts.head();
  ASSERT_EQ(b_label.text, "B");
  b_label.x = 40;
  const std::string before = e.File();

  e.editor.ChooseTool(kSymDeleteIdle);
  e.Down(-23, 1);  // within 2 of A: A and its label
  EXPECT_EQ(e.editor.mode(), kSymDeleted);
  EXPECT_EQ(e.symbol.terminals.size(), 1u);
  EXPECT_EQ(e.symbol.positive->texts.size(), 1u);
  e.editor.RightDown();
  EXPECT_EQ(e.File(), before);  // back where they were
  EXPECT_EQ(e.editor.mode(), kSymDeleteIdle);

  e.Down(-24, 16);
  EXPECT_EQ(e.symbol.terminals.size(), 1u);
  EXPECT_EQ(e.symbol.positive->texts.size(), 2u);  // B's label stays
  e.Down(40, 16);                                  // the label on its own
  EXPECT_EQ(e.symbol.positive->texts.size(), 1u);
  e.Down(100, 100);  // nothing here: the last deletion is final
  e.editor.RightDown();
  EXPECT_EQ(e.symbol.positive->texts.size(), 1u);
  // A text near a terminal of its name takes the terminal along.
  e.Down(-18, 0);
  EXPECT_TRUE(e.symbol.terminals.empty());
  EXPECT_TRUE(SymbolIsBlank(e.symbol));
}

TEST(SymbolUndo, RandomEditsUndoToTheFirstFileAndRedoToTheLast) {
  std::mt19937 random(12);
  for (int round = 0; round < 20; ++round) {
    Editing e;
    // A symbol read from a file, so the lists start in file-reversed order.
    auto read = ParseSymbol(
        "(\"half\" ((l 0 0 8 0) (a 0 0 8 0 90) (s \"A\" y t -18 0 l 0) (s \"?\" y e 0 20 u 0)) "
        "() ((\"A\" -24 0 0 p) (\"Y\" 24 0 2 p)) (u))");
    e.symbol.positive = std::move(read->positive);
    e.symbol.terminals = std::move(read->terminals);
    const std::string first = e.File();
    const auto point = [&] { return static_cast<int>(random() % 13) * 4 - 24; };
    for (int step = 0; step < 40; ++step) {
      const int tool = static_cast<int>(random() % 7);
      const int modes[] = {kSymLineIdle,        kSymBoxIdle,          kSymArcIdle,
                           kSymElementNameIdle, kSymFunctionNameIdle, kSymTerminalIdle,
                           kSymDeleteIdle};
      if (e.editor.mode() < modes[tool] || e.editor.mode() > modes[tool] + 3 || random() % 3 == 0)
        e.editor.ChooseTool(modes[tool], static_cast<int>(random() % 8));
      e.names = {"N" + std::to_string(step) + (random() % 2 ? " lab" : "")};
      const int x = point(), y = point();
      e.Down(x, y);
      e.Up(point(), point());
      if (e.editor.mode() == kSymArcBulge) e.Down(point(), point());
      if (random() % 5 == 0) e.editor.RightDown();
    }
    // A right-button undo leaves its step to redo, as any undo does.
    while (e.history.Redo()) {
    }
    const std::string last = e.File();
    while (e.history.Undo()) {
    }
    EXPECT_EQ(e.File(), first) << round;
    while (e.history.Redo()) {
    }
    EXPECT_EQ(e.File(), last) << round;
  }
}

}  // namespace
}  // namespace lumo::testing
