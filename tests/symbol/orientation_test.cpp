#include "symbol/orientation.h"

#include <gtest/gtest.h>

#include "primitives/primitive_table.h"
#include "symbol/symbol_label.h"

namespace lumo {
namespace {

TEST(Orientation, MapsPointsByTheEightCodes) {
  const int expected[8][2] = {{3, 5},  {5, -3},  {-3, -5}, {-5, 3},
                              {-3, 5}, {-5, -3}, {3, -5},  {5, 3}};
  for (int code = 0; code < 8; ++code) {
    const OrientedPoint<int> p = OrientPoint(code, 3, 5);
    EXPECT_EQ(p.x, expected[code][0]) << code;
    EXPECT_EQ(p.y, expected[code][1]) << code;
  }
  EXPECT_EQ(OrientPoint(8, 3, 5).x, 0);
  EXPECT_EQ(OrientPoint(-1, 3.5, 5.0).y, 0.0);
}

TEST(Orientation, DirectionsTurnLikeTheirVectors) {
  const int vectors[4][2] = {{1, 0}, {0, -1}, {-1, 0}, {0, 1}};
  for (int code = 0; code < 8; ++code) {
    for (int direction = 0; direction < 4; ++direction) {
      const OrientedPoint<int> v = OrientPoint(code, vectors[direction][0], vectors[direction][1]);
      const int turned = OrientDirection(code, direction);
      EXPECT_EQ(vectors[turned][0], v.x) << code << " " << direction;
      EXPECT_EQ(vectors[turned][1], v.y) << code << " " << direction;
    }
  }
  EXPECT_EQ(OrientDirection(0, 6), 2);
  EXPECT_EQ(OrientDirection(1, -1), 0);
  EXPECT_EQ(OrientDirection(9, 1), 0);
}

TEST(Orientation, ArcAnglesFollowTheOrientation) {
  const ArcAngles mirrored = OrientArc(4, 0, 90);
  EXPECT_EQ(mirrored.start, 90);
  EXPECT_EQ(mirrored.end, 180);
  // Code 3 takes 120 + 270 = 390 past 360, so both angles lose a turn.
  const ArcAngles expected[8] = {{30, 120}, {120, 210}, {210, 300},  {-60, 30},
                                 {60, 150}, {-30, 60},  {-120, -30}, {-210, -120}};
  for (int code = 0; code < 8; ++code) {
    const ArcAngles a = OrientArc(code, 30, 120);
    EXPECT_EQ(a.start, expected[code].start) << code;
    EXPECT_EQ(a.end, expected[code].end) << code;
  }
  const ArcAngles low = OrientArc(7, 300, 350);
  EXPECT_EQ(low.start, -80);
  EXPECT_EQ(low.end, -30);
  // Extreme angles from a file neither overflow nor wrap.
  const ArcAngles huge = OrientArc(3, 2147483647, 2147483647);
  EXPECT_EQ(huge.start, 2147483647LL + 270 - 360);
}

TEST(ChooserLabel, PrimitivesByTableOthersWithoutUnderscore) {
  EXPECT_EQ(ChooserLabel("_not"), "inverter");
  EXPECT_EQ(ChooserLabel("_ntriinv"), "3state");
  EXPECT_EQ(ChooserLabel("_rslatch"), "rslatch");
  EXPECT_EQ(ChooserLabel("_in"), "in");
  EXPECT_EQ(ChooserLabel("full_adder"), "full_adder");
  EXPECT_EQ(ChooserLabel("_NOT"), "NOT");
  EXPECT_EQ(ChooserLabel(""), "");
}

// The labels come from the primitives' table, so each primitive's symbol
// shows its own row's label. A label list of its own once keyed the latch
// under "_rsff", a name no symbol has, so "_rslatch" never matched its row.
TEST(ChooserLabel, EveryPrimitiveShowsItsRowsLabel) {
  for (const PrimitiveFunction& function : kPrimitiveFunctions)
    EXPECT_EQ(ChooserLabel(function.name), function.chooser_label) << function.name;
  EXPECT_EQ(ChooserLabel("_dffrs"), "dff");
  EXPECT_EQ(ChooserLabel("_rsff"), "rsff");
}

}  // namespace
}  // namespace lumo
