#include "editing/pat_overlay.h"

#include <gtest/gtest.h>

#include <limits>

namespace lumo {
namespace {

TEST(PatOverlay, StretchesBecomeColumnsClippedToTheWaveformArea) {
  const TimeAxis axis{.scale = 1.0, .first = 100, .left = 130};
  // Time 100 is at 140; [150, 170) covers 190..209.
  const auto plain = StretchColumns(axis, 150, 170, 999);
  ASSERT_TRUE(plain);
  EXPECT_EQ(plain->first, 190);
  EXPECT_EQ(plain->last, 209);
  // Starting left of the view: from the area's left edge; wholly left or
  // right of it: nothing.
  const auto cut = StretchColumns(axis, 0, 120, 999);
  ASSERT_TRUE(cut);
  EXPECT_EQ(cut->first, 130);
  EXPECT_EQ(cut->last, 159);
  EXPECT_FALSE(StretchColumns(axis, 0, 20, 999));
  EXPECT_FALSE(StretchColumns(axis, 2000, 2100, 999));
  // A stretch to the end of time, magnified 16 times, ends at the edge.
  const TimeAxis fine{.scale = 0.0625, .first = 0, .left = 130};
  const auto long_one = StretchColumns(fine, 10, std::numeric_limits<std::int32_t>::max(), 999);
  ASSERT_TRUE(long_one);
  EXPECT_EQ(long_one->first, 300);
  EXPECT_EQ(long_one->last, 999);
  // Zoomed out, one time unit is far less than a pixel: still two columns.
  const TimeAxis coarse{.scale = 512, .first = 0, .left = 130};
  const auto short_one = StretchColumns(coarse, 5120, 5121, 999);
  ASSERT_TRUE(short_one);
  EXPECT_EQ(short_one->first, 150);
  EXPECT_EQ(short_one->last, 151);
}

TEST(PatOverlay, DashesKeepInStepWhenTheViewMovesByWholePixels) {
  const TimeAxis before{.scale = 0.5, .first = 0, .left = 130};
  const TimeAxis after{.scale = 0.5, .first = 37, .left = 130};  // 74 pixels on
  int on = 0;
  for (int x = 200; x < 400; ++x) {
    EXPECT_EQ(DashOnAt(before, x), DashOnAt(after, x - 74)) << x;
    on += DashOnAt(before, x) ? 1 : 0;
  }
  EXPECT_EQ(on, 100);  // half of every stretch
}

TEST(PatOverlay, NextMismatchWalksByTimeOverRowsSkipsMissingRowsAndWraps) {
  Comparison comparison;
  comparison.rows = {
      {.name = "S", .pattern_row = 5, .mismatches = {{100, 120, "1", "0"}, {300, 310, "0", "1"}}},
      {.name = "GONE", .pattern_row = -1, .missing = true, .mismatches = {{0, 400, "1", "-"}}},
      {.name = "CO", .pattern_row = 6, .mismatches = {{100, 130, "0", "1"}}},
  };
  std::vector<std::pair<int, int>> visited;
  MismatchPlace place;
  for (int i = 0; i < 4; ++i) {
    place = NextMismatch(comparison, place);
    ASSERT_TRUE(place.valid());
    visited.emplace_back(place.row, place.mismatch);
  }
  // Two rows at time 100 are both visited, in the file's order.
  const std::vector<std::pair<int, int>> order = {{0, 0}, {2, 0}, {0, 1}, {0, 0}};
  EXPECT_EQ(visited, order);

  comparison.rows.erase(comparison.rows.begin());
  comparison.rows.pop_back();
  EXPECT_FALSE(NextMismatch(comparison, {}).valid());

  // The overlay keeps only rows the canvas has, under their pattern rows.
  Expected expected;
  expected.rows = {{.name = "S", .events = {{0, "0"}}}, {.name = "GONE"}};
  Comparison two;
  two.to = 500;
  two.rows = {{.name = "S", .pattern_row = 5}, {.name = "GONE", .pattern_row = -1}};
  const PatOverlay overlay = MakeOverlay(expected, two);
  EXPECT_EQ(overlay.rows.size(), 1u);
  ASSERT_NE(overlay.Find(5), nullptr);
  EXPECT_EQ(overlay.Find(5)->end, 500);
  EXPECT_EQ(overlay.Find(5)->expected.size(), 1u);
}

}  // namespace
}  // namespace lumo
