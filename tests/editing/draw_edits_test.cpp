// Undo and redo of schematic edits: random edit sequences on a sample
// schematic are taken back to the very bytes of its file and made again.

#include "editing/draw_edits.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <sstream>
#include <string>

#include "editing/dangling_ends.h"
#include "tests/schematic/schematic_test_util.h"

namespace lumo::testing {
namespace {

std::string SampleText() {
  const char* root = std::getenv("LUMO_SOURCE_DIR");
  std::ifstream in(std::string(root != nullptr ? root : ".") + "/data/sample/fulladd.ldr");
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

template <class Range>
auto* Nth(Range&& range, std::size_t n) {
  for (auto& record : range)
    if (n-- == 0) return &record;
  return static_cast<decltype(&*range.begin())>(nullptr);
}

// What the file does not show: junction counts, the chains of line ends at
// every terminal and junction, which line each terminal names, and what the
// position indexes answer.
std::string Structure(const Draw& draw) {
  std::map<const DrawLine*, int> number;
  for (const DrawLine& line : draw.lines())
    number.emplace(&line, static_cast<int>(number.size()));
  std::ostringstream out;
  const auto chains = [&](const AttachedLineEnds& place) {
    for (const DrawLine& line : place.lines_starting())
      out << " s" << number[&line];
    for (const DrawLine& line : place.lines_ending())
      out << " e" << number[&line];
  };
  for (const DrawTerminal& terminal : draw.terminals()) {
    out << "T" << terminal.x() << "," << terminal.y() << " "
        << (terminal.line() ? number[terminal.line()] : -1);
    chains(terminal);
    out << " found " << (draw.FindTerminalAt(terminal.x(), terminal.y()) == &terminal) << "\n";
  }
  for (const DrawJunction& junction : draw.junctions()) {
    out << "J" << junction.x() << "," << junction.y() << " " << junction.count();
    chains(junction);
    out << "\n";
  }
  for (int x = 860; x <= 1260; x += 50) {
    const auto element = draw.NearestElement(x, 650);
    const auto junction = draw.NearestJunction(x, 650);
    out << "N" << (element.record ? element.record->name() : "-") << element.distance << " "
        << junction.distance << "\n";
  }
  return out.str();
}

class DrawEdits : public SchematicTest {
 protected:
  void SetUp() override {
    const std::string text = SampleText();
    ASSERT_FALSE(text.empty()) << "the sample schematic is missing";
    std::ofstream(folder / "fulladd.ldr") << text;
    ASSERT_EQ(draw.Read(folder / "fulladd.ldr"), DrawReadResult::kRead);
  }

  std::int32_t Coordinate(std::int32_t low, std::int32_t high) {
    return std::uniform_int_distribution<std::int32_t>(low / 4, high / 4)(random) * 4;
  }
  // A point on a terminal, on a junction or anywhere near the drawing, so
  // that new lines attach to what is there.
  std::pair<std::int32_t, std::int32_t> Point() {
    const int choice = static_cast<int>(random() % 3);
    if (choice == 0 && draw.terminal_count() > 0) {
      const DrawTerminal* t = Nth(draw.terminals(), random() % draw.terminal_count());
      return {t->x(), t->y()};
    }
    if (choice == 1 && draw.junction_count() > 0) {
      const DrawJunction* j = Nth(draw.junctions(), random() % draw.junction_count());
      return {j->x(), j->y()};
    }
    return {Coordinate(860, 1260), Coordinate(560, 760)};
  }

  // One random change of the schematic, as the canvas makes them.
  void RandomEdit() {
    DrawElement* element =
        draw.element_count() ? Nth(draw.elements(), random() % draw.element_count()) : nullptr;
    DrawLine* line = draw.line_count() ? Nth(draw.lines(), random() % draw.line_count()) : nullptr;
    DrawJunction* junction =
        draw.junction_count() ? Nth(draw.junctions(), random() % draw.junction_count()) : nullptr;
    const char* symbols[] = {"_and2", "_not", "_in", "_out", "_mem"};
    switch (random() % 11) {
      case 0:
        draw.PlaceElement(SystemSymbol(symbols[random() % 5]), Coordinate(860, 1260),
                          Coordinate(560, 760), static_cast<std::int32_t>(random() % 8),
                          random() % 2 ? 'p' : 'n');
        break;
      case 1:
      case 2: {
        const auto [x1, y1] = Point();
        const auto [x2, y2] = Point();
        draw.AddLine(x1, y1, x2, y2);
        break;
      }
      case 3:
        if (element)
          draw.Rename(*element, random() % 4 ? "U" + std::to_string(random() % 50) : "?");
        if (line) draw.Rename(*line, "n" + std::to_string(random() % 9));
        break;
      case 4:
        if (element) draw.DeleteElement(*element);
        break;
      case 5:
        if (line) draw.DeleteLine(*line);
        break;
      case 6:
        if (element) draw.FlipPolarity(*element);
        break;
      case 7:
        // Put down elsewhere and brought to the front with its wiring.
        if (element) {
          draw.MoveElement(*element, Coordinate(860, 1260), Coordinate(560, 760));
          draw.BringToFront(*element);
          if (line) draw.BringToFront(*line);
          JoinDanglingEnds(draw);
        }
        break;
      case 8:
        if (line) draw.MoveLine(*line, Coordinate(-40, 40), Coordinate(-40, 40));
        if (junction && random() % 2) {
          draw.MoveJunction(*junction, Coordinate(860, 1260), Coordinate(560, 760));
          draw.BringToFront(*junction);
        }
        break;
      case 9:
        if (line && draw.terminal_count() > 0)
          draw.AttachToTerminal(*line, random() % 2 ? LineEnd::kStart : LineEnd::kEnd,
                                *Nth(draw.terminals(), random() % draw.terminal_count()));
        break;
      default:
        // Several changes the user makes as one.
        RandomEditInside();
        RandomEditInside();
        break;
    }
  }
  void RandomEditInside() {
    current->Edit([this] { RandomEdit(); });
  }

  TemporaryFolder folder;
  std::mt19937 random;
  DrawEditor editor{draw};
  DrawEditor* current = &editor;
};

TEST_F(DrawEdits, RandomEditsAreUndoneToTheSameFileAndRedoneToTheEndState) {
  const std::string start = Written();
  const std::string start_structure = Structure(draw);
  ASSERT_FALSE(draw.Modified());
  for (unsigned seed = 1; seed <= 60; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    random.seed(seed);
    for (int i = 0; i < 40; ++i)
      editor.Edit([this] { RandomEdit(); });
    const std::string end = Written();
    const std::string end_structure = Structure(draw);
    const std::size_t steps = editor.history().undo_count();
    ASSERT_GT(steps, 20u);

    // Half back, a few new edits (which forget the redo), and all back.
    for (std::size_t i = 0; i < steps / 2; ++i)
      ASSERT_TRUE(editor.Undo());
    for (int i = 0; i < 5; ++i)
      editor.Edit([this] { RandomEdit(); });
    EXPECT_FALSE(editor.CanRedo());
    while (editor.Undo()) {
    }
    EXPECT_EQ(Written(), start);
    EXPECT_EQ(Structure(draw), start_structure);
    EXPECT_FALSE(draw.Modified());

    // The same edits again from the start, then all back and all again.
    random.seed(seed);
    for (int i = 0; i < 40; ++i)
      editor.Edit([this] { RandomEdit(); });
    ASSERT_EQ(Written(), end);
    while (editor.Undo()) {
    }
    ASSERT_EQ(Written(), start);
    while (editor.Redo()) {
    }
    EXPECT_EQ(Written(), end);
    EXPECT_EQ(Structure(draw), end_structure);
    EXPECT_TRUE(draw.Modified());
    while (editor.Undo()) {
    }
    ASSERT_EQ(Written(), start);
  }
}

TEST_F(DrawEdits, TheChangeMarkFollowsUndoBackToTheSavedState) {
  editor.Edit([this] { draw.FlipPolarity(*draw.first_element()); });
  std::ostringstream saved_text;
  ASSERT_TRUE(draw.Write(saved_text));
  ASSERT_EQ(draw.Save(folder / "saved.ldr"), DrawSaveResult::kSaved);
  EXPECT_FALSE(draw.Modified());
  EXPECT_TRUE(editor.CanUndo()) << "saving keeps the history";

  editor.Edit([this] { draw.Rename(*draw.first_element(), "X"); });
  EXPECT_TRUE(draw.Modified());
  editor.Undo();
  EXPECT_FALSE(draw.Modified());
  editor.Undo();
  EXPECT_TRUE(draw.Modified());
  editor.Redo();
  EXPECT_FALSE(draw.Modified());
  // A different edit after going back must not look saved.
  editor.Undo();
  editor.Edit([this] { draw.Rename(*draw.first_element(), "Y"); });
  EXPECT_TRUE(draw.Modified());
  EXPECT_FALSE(editor.CanRedo());

  // A name that does not change leaves no step.
  const std::size_t steps = editor.history().undo_count();
  editor.Edit([this] { draw.Rename(*draw.first_element(), "Y"); });
  EXPECT_EQ(editor.history().undo_count(), steps);
}

TEST_F(DrawEdits, ReadingOrClearingForgetsTheHistoryAndOldStepsFreeTheirRecords) {
  // A tight bound drops the oldest steps, with the records they hold.
  DrawEditor bounded(draw, 4096);
  current = &bounded;
  random.seed(7);
  for (int i = 0; i < 200; ++i)
    bounded.Edit([this] { RandomEdit(); });
  EXPECT_TRUE(bounded.history().bytes() <= 4096u || bounded.history().undo_count() == 1);
  EXPECT_LT(bounded.history().undo_count(), 200u);
  while (bounded.Undo()) {
  }
  const std::string oldest_kept = Written();
  while (bounded.Redo()) {
  }
  while (bounded.Undo()) {
  }
  EXPECT_EQ(Written(), oldest_kept);

  bounded.Edit([this] { draw.DeleteElement(*draw.first_element()); });
  ASSERT_TRUE(bounded.CanUndo());
  draw.Clear();
  EXPECT_FALSE(bounded.CanUndo());
  EXPECT_FALSE(bounded.Undo());
  EXPECT_TRUE(draw.IsEmpty());
  ASSERT_EQ(ReadText(SampleText()), DrawReadResult::kRead);
  EXPECT_FALSE(bounded.CanUndo());
}

TEST_F(DrawEdits, AnElementBackFromTheHistoryTakesItsSymbolFromTheListsAsTheyAreNow) {
  auto own = ParseSymbol(kNotSymbol);
  own->name = "half";
  const Symbol& before = *user_symbols.Add(std::move(own));
  DrawElement& placed =
      editor.Edit([&]() -> DrawElement& { return draw.PlaceElement(before, 1000, 1000, 0, 'p'); });
  ASSERT_EQ(placed.symbol(), &before);
  editor.Edit([&] { draw.DeleteElement(placed); });

  // The user symbols are read again (the chooser deleted one of them).
  user_symbols.Clear();
  auto again = ParseSymbol(kNotSymbol);
  again->name = "half";
  const Symbol& after = *user_symbols.Add(std::move(again));
  draw.RebindSymbols();
  ASSERT_TRUE(editor.Undo());
  EXPECT_EQ(draw.first_element(), &placed);
  EXPECT_EQ(placed.symbol(), &after);

  // A symbol gone for good leaves the element unbound, never dangling.
  editor.Undo();
  user_symbols.Clear();
  draw.RebindSymbols();
  ASSERT_TRUE(editor.Redo());
  EXPECT_EQ(placed.symbol(), nullptr);
}

}  // namespace
}  // namespace lumo::testing
