#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "schematic_test_util.h"
#include "symbol/orientation.h"

namespace lumo::testing {
namespace {

struct Pin {
  std::string name;
  int x, y, direction;
  char polarity;
  bool operator==(const Pin&) const = default;
};

std::vector<Pin> Pins(const DrawElement& element) {
  std::vector<Pin> pins;
  for (const DrawTerminal& terminal : element.terminals())
    pins.push_back(
        {terminal.name(), terminal.x(), terminal.y(), terminal.direction(), terminal.polarity()});
  return pins;
}

using DrawModel = SchematicTest;

TEST_F(DrawModel, PlacedTerminalsFollowTheSymbolTurnedByTheOrientation) {
  DrawElement& gate = draw.PlaceElement(SystemSymbol("_and2"), 100, 200, 0, 'p');
  EXPECT_EQ(gate.name(), "?");
  EXPECT_EQ(gate.symbol_name(), "_and2");
  EXPECT_EQ(gate.symbol(), &SystemSymbol("_and2"));
  EXPECT_TRUE(gate.extra().IsNil());
  // The symbol holds its pins as y, b, a; each new terminal goes first.
  EXPECT_EQ(
      Pins(gate),
      (std::vector<Pin>{{"a", 84, 196, 0, 'p'}, {"b", 84, 204, 0, 'p'}, {"y", 112, 200, 2, 'p'}}));
  EXPECT_EQ(Pointers(draw.terminals()), Pointers(gate.terminals()));

  // Code 4 mirrors left and right: right and left swap, up and down stay.
  DrawElement& mirrored = draw.PlaceElement(SystemSymbol("_and2"), 100, 200, 4, 'p');
  EXPECT_EQ(
      Pins(mirrored),
      (std::vector<Pin>{{"a", 116, 196, 2, 'p'}, {"b", 116, 204, 2, 'p'}, {"y", 88, 200, 0, 'p'}}));
  DrawElement& memory = draw.PlaceElement(SystemSymbol("_mem"), 0, 0, 4, 'p');
  for (const DrawTerminal& terminal : memory.terminals()) {
    if (terminal.name() == "w") {
      EXPECT_EQ(terminal.direction(), 1);
    }
    if (terminal.name() == "r") {
      EXPECT_EQ(terminal.direction(), 3);
    }
  }

  // Every code maps the pin offset (-16, -4) of "a" by the table.
  const int expected[8][2] = {{-16, -4}, {-4, 16}, {16, 4},  {4, -16},
                              {16, -4},  {4, 16},  {-16, 4}, {-4, -16}};
  for (int code = 0; code < 8; ++code) {
    DrawElement& turned = draw.PlaceElement(SystemSymbol("_and2"), 1000, 1000, code, 'p');
    const DrawTerminal& a = *turned.first_terminal();
    EXPECT_EQ(a.x(), 1000 + expected[code][0]) << code;
    EXPECT_EQ(a.y(), 1000 + expected[code][1]) << code;
    EXPECT_EQ(a.direction(), OrientDirection(code, 0)) << code;
  }
  // A code outside 0..7 puts every pin on the element's point, facing right.
  DrawElement& odd = draw.PlaceElement(SystemSymbol("_and2"), 8, 12, 9, 'p');
  for (const DrawTerminal& terminal : odd.terminals()) {
    EXPECT_EQ(terminal.x(), 8);
    EXPECT_EQ(terminal.y(), 12);
    EXPECT_EQ(terminal.direction(), 0);
  }
  EXPECT_EQ(odd.orientation(), 9);
  EXPECT_EQ(draw.first_element(), &odd);
}

TEST_F(DrawModel, PolarityOfNegativeElementsAndFlippingTwice) {
  DrawElement& inverter = draw.PlaceElement(SystemSymbol("_not"), 0, 0, 0, 'n');
  EXPECT_EQ(Pins(inverter), (std::vector<Pin>{{"a", -12, 0, 0, 'n'}, {"y", 12, 0, 2, 'p'}}));
  draw.FlipPolarity(inverter);
  EXPECT_EQ(inverter.polarity(), 'p');
  EXPECT_EQ(Pins(inverter), (std::vector<Pin>{{"a", -12, 0, 0, 'p'}, {"y", 12, 0, 2, 'n'}}));
  draw.FlipPolarity(inverter);
  EXPECT_EQ(inverter.polarity(), 'n');
  EXPECT_EQ(Pins(inverter), (std::vector<Pin>{{"a", -12, 0, 0, 'n'}, {"y", 12, 0, 2, 'p'}}));
}

TEST_F(DrawModel, LineEndsAttachToTerminalsJunctionsOrNewJunctions) {
  DrawElement& gate = draw.PlaceElement(SystemSymbol("_and2"), 100, 100, 0, 'p');
  DrawTerminal* a = draw.FindTerminalAt(84, 96);
  ASSERT_NE(a, nullptr);

  DrawLine& first = draw.AddLine(40, 96, 84, 96);
  EXPECT_EQ(first.name(), "?");
  EXPECT_EQ(first.end_terminal(), a);
  EXPECT_EQ(a->line(), &first);
  ASSERT_NE(first.start_junction(), nullptr);
  DrawJunction* corner = first.start_junction();
  EXPECT_EQ(corner->count(), 1);
  EXPECT_EQ(corner->x(), 40);

  DrawLine& second = draw.AddLine(40, 96, 40, 200);
  EXPECT_EQ(second.start_junction(), corner);
  EXPECT_EQ(corner->count(), 2);
  EXPECT_EQ(Pointers(corner->lines_starting()), (std::vector<DrawLine*>{&second, &first}));
  EXPECT_EQ(Pointers(draw.lines()), (std::vector<DrawLine*>{&second, &first}));
  EXPECT_EQ(draw.junction_count(), 2u);

  // Where a junction lies on a terminal, a new end goes to the junction.
  draw.DeleteElement(gate);
  DrawElement& again = draw.PlaceElement(SystemSymbol("_and2"), 100, 100, 0, 'p');
  DrawJunction* on_pin = draw.FindJunctionAt(84, 96);
  ASSERT_NE(on_pin, nullptr);
  DrawLine& third = draw.AddLine(84, 96, 84, 40);
  EXPECT_EQ(third.start_junction(), on_pin);
  EXPECT_EQ(third.start_terminal(), nullptr);
  EXPECT_EQ(on_pin->count(), 2);
  EXPECT_EQ(again.first_terminal()->line(), nullptr);
}

TEST_F(DrawModel, DeletingLinesReleasesJunctions) {
  DrawLine& a = draw.AddLine(0, 0, 40, 0);
  DrawLine& b = draw.AddLine(40, 0, 40, 40);
  DrawJunction* shared = draw.FindJunctionAt(40, 0);
  ASSERT_NE(shared, nullptr);
  EXPECT_EQ(shared->count(), 2);
  draw.DeleteLine(a);
  EXPECT_EQ(shared->count(), 1);
  EXPECT_EQ(draw.FindJunctionAt(0, 0), nullptr);
  EXPECT_EQ(Pointers(shared->lines_ending()), std::vector<DrawLine*>{});
  EXPECT_EQ(Pointers(shared->lines_starting()), std::vector<DrawLine*>{&b});
  draw.DeleteLine(b);
  EXPECT_TRUE(draw.IsEmpty());
}

TEST_F(DrawModel, DeletingAnElementKeepsItsWiringOnNewJunctions) {
  DrawElement& gate = draw.PlaceElement(SystemSymbol("_and2"), 100, 100, 0, 'p');
  DrawElement& other = draw.PlaceElement(SystemSymbol("_not"), 300, 300, 0, 'p');
  DrawLine& in = draw.AddLine(40, 96, 84, 96);
  DrawLine& out = draw.AddLine(112, 100, 200, 100);
  const std::size_t junctions = draw.junction_count();

  draw.DeleteElement(gate);
  EXPECT_EQ(Pointers(draw.elements()), std::vector<DrawElement*>{&other});
  EXPECT_EQ(draw.terminal_count(), 2u);
  EXPECT_EQ(draw.line_count(), 2u);
  EXPECT_EQ(draw.junction_count(), junctions + 2);
  ASSERT_NE(in.end_junction(), nullptr);
  EXPECT_EQ(in.end_terminal(), nullptr);
  EXPECT_EQ(in.end_junction()->count(), 1);
  EXPECT_EQ(in.end_junction()->x(), 84);
  ASSERT_NE(out.start_junction(), nullptr);
  EXPECT_EQ(out.start_junction()->y(), 100);
  EXPECT_EQ(draw.FindTerminalAt(84, 96), nullptr);
  // The terminals' junctions are made in the terminal chain's order: a, b, y.
  EXPECT_EQ(draw.first_junction(), out.start_junction());
}

TEST_F(DrawModel, ATerminalGivenASecondLineKeepsBothSafely) {
  DrawElement& gate = draw.PlaceElement(SystemSymbol("_and2"), 100, 100, 0, 'p');
  DrawTerminal* y = draw.FindTerminalAt(112, 100);
  DrawLine& older = draw.AddLine(112, 100, 200, 100);
  DrawLine& newer = draw.AddLine(112, 100, 112, 200);
  // The terminal points at the newer line; the older keeps its end there.
  EXPECT_EQ(y->line(), &newer);
  EXPECT_EQ(older.start_terminal(), y);
  EXPECT_EQ(newer.start_terminal(), y);
  // Deleting the newer line leaves the terminal on the older one, never on
  // a deleted line.
  draw.DeleteLine(newer);
  EXPECT_EQ(y->line(), &older);
  DrawLine& third = draw.AddLine(112, 100, 112, 0);
  // Deleting the element moves both ends to one new junction.
  draw.DeleteElement(gate);
  ASSERT_NE(older.start_junction(), nullptr);
  EXPECT_EQ(older.start_junction(), third.start_junction());
  EXPECT_EQ(older.start_junction()->count(), 2);
  EXPECT_EQ(older.start_terminal(), nullptr);
  draw.DeleteLine(older);
  draw.DeleteLine(third);
  EXPECT_TRUE(draw.IsEmpty());
}

TEST_F(DrawModel, ClearEmptiesTheModelAndItsNames) {
  draw.SetPath("/work/adder.ldr");
  EXPECT_EQ(draw.folder(), "/work");
  EXPECT_EQ(draw.circuit_name(), "adder");
  draw.PlaceElement(SystemSymbol("_and2"), 100, 100, 0, 'p');
  draw.AddLine(40, 96, 84, 96);
  draw.AddLine(0, 0, 8, 8);
  EXPECT_FALSE(draw.IsEmpty());
  draw.Clear();
  EXPECT_TRUE(draw.IsEmpty());
  EXPECT_EQ(draw.path(), "");
  EXPECT_EQ(draw.folder(), "");
  EXPECT_EQ(draw.circuit_name(), "");
  EXPECT_EQ(draw.FindTerminalAt(84, 96), nullptr);
  EXPECT_EQ(draw.NearestJunction(0, 0).record, nullptr);
  // A cleared schematic is used again.
  draw.AddLine(0, 0, 8, 0);
  EXPECT_EQ(draw.junction_count(), 2u);
}

TEST_F(DrawModel, MovingCarriesAttachedLineEnds) {
  DrawElement& gate = draw.PlaceElement(SystemSymbol("_and2"), 100, 100, 0, 'p');
  DrawLine& in = draw.AddLine(40, 96, 84, 96);
  DrawLine& branch = draw.AddLine(40, 96, 40, 0);
  draw.MoveElement(gate, 120, 80);
  EXPECT_EQ(gate.x(), 120);
  EXPECT_EQ(in.x2(), 104);
  EXPECT_EQ(in.y2(), 76);
  EXPECT_EQ(draw.FindTerminalAt(104, 76), in.end_terminal());
  EXPECT_EQ(draw.FindTerminalAt(84, 96), nullptr);
  EXPECT_EQ(draw.NearestElement(120, 80).record, &gate);

  DrawJunction* corner = in.start_junction();
  draw.MoveJunction(*corner, 20, 96);
  EXPECT_EQ(in.x1(), 20);
  EXPECT_EQ(branch.x1(), 20);
  EXPECT_EQ(draw.FindJunctionAt(20, 96), corner);
  EXPECT_EQ(draw.FindJunctionAt(40, 96), nullptr);

  // Moving a line takes the junctions at its ends and their other lines.
  draw.MoveLine(branch, 4, 8);
  EXPECT_EQ(branch.x1(), 24);
  EXPECT_EQ(branch.y1(), 104);
  EXPECT_EQ(branch.x2(), 44);
  EXPECT_EQ(branch.y2(), 8);
  EXPECT_EQ(in.x1(), 24);
  EXPECT_EQ(in.x2(), 104);  // still on the terminal

  // A dangling end is joined to a terminal: its junction goes.
  DrawLine& loose = draw.AddLine(200, 200, 240, 200);
  draw.AttachToTerminal(loose, LineEnd::kStart, *draw.FindTerminalAt(104, 84));
  EXPECT_EQ(loose.x1(), 104);
  EXPECT_EQ(loose.y1(), 84);
  EXPECT_EQ(loose.start_terminal()->name(), "b");
  EXPECT_EQ(draw.FindJunctionAt(200, 200), nullptr);
  EXPECT_NE(draw.FindJunctionAt(240, 200), nullptr);
}

// What the canvas moved goes back in at the head of its list; finds by
// position answer in the new list order.
TEST_F(DrawModel, BroughtToFrontRecordsLeadTheirListsAndTheirFinds) {
  DrawElement& first = draw.PlaceElement(SystemSymbol("_and2"), 100, 100, 0, 'p');
  DrawElement& second = draw.PlaceElement(SystemSymbol("_and2"), 100, 100, 0, 'p');
  EXPECT_EQ(&draw.FindTerminalAt(84, 96)->element(), &second);
  draw.BringToFront(first);
  EXPECT_EQ(draw.first_element(), &first);
  EXPECT_EQ(draw.element_count(), 2u);
  EXPECT_EQ(&draw.FindTerminalAt(84, 96)->element(), &first);
  EXPECT_EQ(draw.NearestElement(100, 100).record, &first);
  // Its terminals lead the flat list in the order of its own chain.
  auto terminal = draw.terminals().begin();
  for (const DrawTerminal& own : first.terminals())
    EXPECT_EQ(&*terminal++, &own);
  EXPECT_EQ(draw.terminal_count(), 6u);

  DrawLine& older = draw.AddLine(0, 0, 10, 0);
  DrawLine& newer = draw.AddLine(10, 0, 10, 10);
  draw.BringToFront(older);
  EXPECT_EQ(draw.first_line(), &older);
  EXPECT_EQ(older.next(), &newer);
  EXPECT_EQ(draw.line_count(), 2u);
  DrawJunction* corner = draw.FindJunctionAt(10, 0);
  DrawJunction* far = draw.FindJunctionAt(0, 0);
  ASSERT_NE(far, nullptr);
  draw.BringToFront(*far);
  EXPECT_EQ(draw.first_junction(), far);
  EXPECT_EQ(draw.FindJunctionAt(0, 0), far);
  EXPECT_EQ(draw.FindJunctionAt(10, 0), corner);
  EXPECT_EQ(draw.junction_count(), 3u);
}

TEST_F(DrawModel, ElementsAreBoundToSymbolsByNameAgain) {
  auto adder = ParseSymbol("(\"adder\" () () ((\"a\" -8 0 0 p)) (u))");
  DrawElement& element = draw.PlaceElement(*adder, 0, 0, 0, 'p');
  EXPECT_EQ(element.symbol(), nullptr);
  EXPECT_EQ(element.first_terminal()->name(), "a");
  Symbol* user = user_symbols.Add(ParseSymbol("(\"ADDER\" () () ((\"a\" -8 0 0 p)) (u))"));
  draw.RebindSymbols();
  EXPECT_EQ(element.symbol(), user);
  user_symbols.Delete(user);
  draw.RebindSymbols();
  EXPECT_EQ(element.symbol(), nullptr);
}

}  // namespace
}  // namespace lumo::testing
