// The schematic editor's rules on their own: the view, snapping, lines,
// names, loose ends and connections.

#include <gtest/gtest.h>

#include "common/recording_message_host.h"
#include "editing/connection_set.h"
#include "editing/dangling_ends.h"
#include "editing/line_rules.h"
#include "editing/name_entry.h"
#include "editing/view_transform.h"
#include "lists/list_errors.h"
#include "schematic/draw_errors.h"
#include "symbol/symbol_errors.h"
#include "tests/symbol/symbol_test_util.h"
#include "workflow/circuit_checks.h"

namespace lumo::testing {
namespace {

TEST(ViewTransform, SnapsToTheNearestMultipleOfFourHalvesAwayFromZero) {
  EXPECT_EQ(SnapToGrid(101), 100);
  EXPECT_EQ(SnapToGrid(99), 100);
  EXPECT_EQ(SnapToGrid(2), 4);
  EXPECT_EQ(SnapToGrid(-2), -4);
  EXPECT_EQ(SnapToGrid(1), 0);
  EXPECT_EQ(SnapToGrid(-1), 0);
  EXPECT_EQ(SnapToGrid(-6), -8);
}

TEST(ViewTransform, MapsBothWaysThroughOriginAndScale) {
  ViewTransform view;
  EXPECT_EQ(view.ToDeviceX(800), 0);
  EXPECT_EQ(view.ToLogicalY(10), 510);
  view.ZoomIn();
  view.ZoomIn();
  EXPECT_NEAR(view.scale(), 2.0, 1e-9);
  EXPECT_EQ(view.ToDeviceX(810), 20);
  EXPECT_EQ(view.ToLogicalX(21), 811);  // 10.5 goes away from zero
  view.ZoomOut();
  EXPECT_NEAR(view.scale(), 1.414213562373, 1e-9);
}

TEST(ViewTransform, ScrollingKeepsTheOriginInItsRange) {
  ViewTransform view;
  view.set_origin(0, 50);
  view.ScrollLines(0, -1);
  EXPECT_EQ(view.origin_x(), 0);
  view.ScrollLines(1, -1);
  EXPECT_EQ(view.origin_y(), 0);
  view.ScrollPages(0, 10);
  EXPECT_EQ(view.origin_x(), 2300);
  EXPECT_EQ(view.ScrollPosition(0), 2300 * 100 / 2400);
  // Dragging the box moves only beyond a line step.
  EXPECT_FALSE(view.ScrollTo(0, 92));  // 2208: 92 away
  EXPECT_TRUE(view.ScrollTo(0, 50));
  EXPECT_EQ(view.origin_x(), 1200);
  EXPECT_TRUE(view.ScrollTo(1, 100));
  EXPECT_EQ(view.origin_y(), 1400);
}

TEST(LineRules, PointsOnStraightAndObliqueSegments) {
  const Segment across{100, 100, 200, 100};
  EXPECT_TRUE(PointOnSegment(across, 150, 102));
  EXPECT_FALSE(PointOnSegment(across, 150, 103));
  EXPECT_TRUE(PointOnSegment(across, 200, 100));
  EXPECT_FALSE(PointOnSegment(across, 204, 100));
  const Segment down{100, 100, 100, 200};
  EXPECT_TRUE(PointOnSegment(down, 98, 150));
  EXPECT_FALSE(PointOnSegment(down, 97, 150));
  const Segment slope{0, 1000, 1000, 2000};
  EXPECT_TRUE(PointOnSegment(slope, 500, 1500));
  EXPECT_TRUE(PointOnSegment(slope, 500, 1501));  // within 0.001 x 1501
  EXPECT_FALSE(PointOnSegment(slope, 500, 1504));
  EXPECT_FALSE(PointOnSegment(slope, 1100, 2100));  // beyond its extent
}

TEST(LineRules, OverlapsOnOneLineButNotEndToEnd) {
  const Segment drawn{100, 100, 200, 100};
  EXPECT_TRUE(SegmentsOverlap(drawn, {150, 102, 300, 102}));
  EXPECT_FALSE(SegmentsOverlap(drawn, {200, 100, 300, 100}));
  EXPECT_FALSE(SegmentsOverlap(drawn, {150, 103, 300, 103}));
  EXPECT_FALSE(SegmentsOverlap(drawn, {150, 50, 150, 150}));  // crossing
  const Segment up{100, 100, 100, 200};
  EXPECT_TRUE(SegmentsOverlap(up, {98, 150, 98, 400}));
  EXPECT_FALSE(SegmentsOverlap(up, {100, 200, 100, 300}));
  const Segment rising{0, 100, 100, 200};                       // slope 1, intercept 100
  EXPECT_TRUE(SegmentsOverlap(rising, {50, 152, 150, 260}));    // slope 1.08, intercept 98
  EXPECT_FALSE(SegmentsOverlap(rising, {50, 150, 150, 280}));   // slope 1.3
  EXPECT_FALSE(SegmentsOverlap(rising, {150, 250, 250, 350}));  // apart
  EXPECT_FALSE(SegmentsOverlap(rising, {0, 100, -100, 200}));   // falling
}

TEST(NameEntry, FirstWordCutAtACharacterWithoutQuotes) {
  EXPECT_EQ(NameFromEntry("  clk  enable"), "clk");
  EXPECT_EQ(NameFromEntry(""), "?");
  EXPECT_EQ(NameFromEntry(" \t "), "?");
  EXPECT_EQ(NameFromEntry("\"\""), "?");
  EXPECT_EQ(NameFromEntry("a\"b"), "ab");
  EXPECT_EQ(NameFromEntry(std::string(120, 'x')).size(), 99u);
  std::string kana;
  for (int i = 0; i < 34; ++i)
    kana += "か";  // 102 bytes
  EXPECT_EQ(NameFromEntry(kana).size(), 99u);
  EXPECT_EQ(NameFromEntry("x" + kana).size(), 97u);  // not inside a character
}

TEST(NameEntry, LeadingAsterisksAreDroppedForTheConvertersNames) {
  EXPECT_EQ(NameFromEntry("*s0"), "s0");
  EXPECT_EQ(NameFromEntry("**e1 x"), "e1");
  EXPECT_EQ(NameFromEntry("\"*a"), "a");
  EXPECT_EQ(NameFromEntry("*"), "?");
  EXPECT_EQ(NameFromEntry("a*b"), "a*b");
}

TEST(CircuitChecks, RequiredInputsOfThePrimitives) {
  EXPECT_TRUE(IsRequiredInput("_and2", "b"));
  EXPECT_FALSE(IsRequiredInput("_and2", "c"));
  EXPECT_FALSE(IsRequiredInput("_and2", "y"));
  EXPECT_TRUE(IsRequiredInput("_jkffrs2", "s"));
  EXPECT_TRUE(IsRequiredInput("_ntriinv", "c"));
  EXPECT_FALSE(IsRequiredInput("_mux", "a"));
  EXPECT_FALSE(IsRequiredInput("_reg", "d"));
  EXPECT_TRUE(IsRequiredInput("_rslatch", "r"));
}

class DrawRulesTest : public ::testing::Test {
 protected:
  DrawRulesTest() {
    RegisterDrawErrors(errors);
    RegisterListErrors(errors);
    RegisterSymbolErrors(errors);
    auto and2 = ParseSymbol(
        "(\"_and2\" ((l -13 -8 -13 8)) () ((\"a\" -16 -4 0 p) (\"b\" -16 4 0 p) (\"y\" 12 0 2 p)) "
        "(s))");
    system_symbols.Add(std::move(and2));
  }
  SymbolList system_symbols;
  SymbolList user_symbols;
  RecordingMessageHost host;
  ErrorTable errors;
  DrawEnvironment environment{system_symbols, user_symbols, host, errors, errors, errors};
  Draw draw{environment};
};

TEST_F(DrawRulesTest, LooseEndsJoinFreeTerminalsNearerThanEight) {
  draw.PlaceElement(*system_symbols.Find("_and2"), 100, 100, 0, 'p');  // a (84,96) b (84,104)
  // Taken in the order of the junction list, newest first.
  DrawLine& late = draw.AddLine(84, 92, 40, 92);   // 4 from a, but a is taken by then
  DrawLine& near = draw.AddLine(80, 96, 40, 96);   // 4 from a
  DrawLine& far = draw.AddLine(76, 104, 40, 104);  // 8 from b
  EXPECT_EQ(JoinDanglingEnds(draw), 1u);
  ASSERT_NE(near.start_terminal(), nullptr);
  EXPECT_EQ(near.start_terminal()->name(), "a");
  EXPECT_EQ(near.x1(), 84);
  EXPECT_EQ(draw.FindJunctionAt(80, 96), nullptr);
  EXPECT_EQ(far.start_terminal(), nullptr);
  EXPECT_EQ(late.start_terminal(), nullptr);
  // Ends on junctions shared by two lines are not loose.
  DrawLine& joint = draw.AddLine(40, 92, 40, 60);
  EXPECT_EQ(JoinDanglingEnds(draw), 0u);
  EXPECT_EQ(joint.start_terminal(), nullptr);
}

TEST_F(DrawRulesTest, ConnectionSetsGrowPastAHundredLines) {
  for (int i = 0; i < 250; ++i)
    draw.AddLine(i * 4, 0, i * 4 + 4, 0);
  const auto set = ConnectedLines(draw, *draw.first_line());
  EXPECT_EQ(set.size(), 250u);
}

}  // namespace
}  // namespace lumo::testing
