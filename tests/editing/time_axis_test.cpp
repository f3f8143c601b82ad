#include "editing/time_axis.h"

#include <gtest/gtest.h>

#include "editing/pat_modes.h"

namespace lumo {
namespace {

TEST(TimeAxis, ZoomStopsAtBothEndsAndTheTickTableFollowsTheScale) {
  double scale = kStartScale;
  for (int i = 0; i < 20; ++i)
    scale = ZoomedIn(scale);
  EXPECT_EQ(scale, kSmallestScale);
  TickSpacing finest = TicksFor(scale);  // 16 pixels per unit
  EXPECT_EQ(finest.small, 1);
  EXPECT_EQ(finest.large, 5);
  EXPECT_EQ(finest.label, 10);
  for (int i = 0; i < 30; ++i)
    scale = ZoomedOut(scale);
  EXPECT_EQ(scale, kLargestScale);
  TickSpacing coarse = TicksFor(scale);  // 1/512 pixel per unit
  EXPECT_EQ(coarse.small, 10000);
  EXPECT_EQ(coarse.label, 100000);
  // Exactly one pixel per unit, and the gap between 2 and 4 pixels.
  EXPECT_EQ(TicksFor(1.0).label, 100);
  EXPECT_EQ(TicksFor(0.5).label, 50);
  EXPECT_EQ(TicksFor(0.25).label, 20);
  EXPECT_EQ(TicksFor(0.125).label, 10);
}

TEST(TimeAxis, PixelsAndTimesMapBothWaysAndSnapToTheScalesGrid) {
  TimeAxis axis{.scale = 1.0, .first = 0, .left = 130};
  EXPECT_EQ(axis.X(0), 140);
  EXPECT_EQ(axis.TimeAt(140), 0);
  EXPECT_EQ(axis.TimeAt(175), 34);  // scale 1: even times only
  axis.first = 1000;
  EXPECT_EQ(axis.TimeAt(150), 1010);
  // Four units a pixel: times fall on multiples of 8.
  axis = {.scale = 4.0, .first = 0, .left = 130};
  EXPECT_EQ(axis.TimeAt(143), 8);
  EXPECT_EQ(axis.TimeAt(141), 0);
  // Finer than a unit a pixel: whole units.
  axis = {.scale = 0.25, .first = 0, .left = 0};
  EXPECT_EQ(axis.TimeAt(10 + 7), 1);
  EXPECT_EQ(LabelShift(8), 4);
  EXPECT_EQ(LabelShift(9), 8);
  EXPECT_EQ(LabelShift(999), 16);
}

TEST(TimeAxis, ScrollingStaysAtOrAboveZeroAndTheRangeGrows) {
  TimeScroll scroll;
  scroll.ByLines(1.0, -4);
  EXPECT_EQ(scroll.first, 0);
  scroll.ByLines(1.0, 4);  // a page right
  EXPECT_EQ(scroll.first, 400);
  scroll.ByLines(1.0, -4);  // and back
  EXPECT_EQ(scroll.first, 0);
  scroll.ByLines(2.0, 51);  // 200 a line
  EXPECT_EQ(scroll.first, 10200);
  EXPECT_EQ(scroll.range, 10500);
  EXPECT_EQ(scroll.Percent(), 97);
  // A thumb drag within one line of where it is changes nothing.
  scroll.ToPercent(1.0, 97);
  EXPECT_EQ(scroll.first, 10200);
  scroll.ToPercent(1.0, 50);
  EXPECT_EQ(scroll.first, 5250);
  EXPECT_EQ(RowPercent(0, 10), 0);
  EXPECT_EQ(RowPercent(50, 10), 100);
}

TEST(PatModes, PromptsButtonsHelpAndLeaving) {
  EXPECT_EQ(PatModeButton(kPatModeMoved), kPatCmdMove);
  EXPECT_EQ(PatModeButton(kPatModeRowMoveTo), kPatCmdRowMove);
  EXPECT_EQ(PatHelpContext(kPatModeMoveDrag), 1704);
  EXPECT_EQ(PatHelpContext(kPatModeRowMoveTo), 1706);
  EXPECT_EQ(PatHelpContext(kPatModeNone), 1501);
  EXPECT_EQ(PatModeAfterLeave(kPatModeMoveDrag), kPatModeMovePick);
  EXPECT_EQ(PatModeAfterLeave(kPatModeRowMoveTo), kPatModeRowMoveTo);
  EXPECT_STREQ(PatModePrompt(kPatModeRowMovePick), "【行移動】　移動させる行を選んでください。");
}

}  // namespace
}  // namespace lumo
