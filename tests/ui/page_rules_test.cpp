// The window rules without a window: where the first frame goes and how a
// page maps onto the paper.

#include <gtest/gtest.h>

#include "ui/frame_placement.h"
#include "ui/print_page.h"

namespace lumo::testing {
namespace {

TEST(FramePlacement, DefaultsAndRecording) {
  EXPECT_EQ(FirstFrameRect({}, QSize(1024, 768)), QRect(51, 38, 819, 614));
  EXPECT_EQ(FirstFrameRect({-1, 5, 6, 7}, QSize(1024, 768)), QRect(51, 38, 819, 614));
  EXPECT_EQ(FirstFrameRect({5, 6, 700, 500}, QSize(1024, 768)), QRect(5, 6, 700, 500));
  EXPECT_EQ(PlacementOf(QRect(10, 20, 800, 600)), (FramePlacement{10, 20, 800, 600}));
}

TEST(PrintPage, PaperFromItsSizeAndResolutionWithAFallback) {
  EXPECT_EQ(PaperPixels(2100, 2970, 300, 300), QSize(2480, 3507));
  EXPECT_EQ(PaperPixels(2100, 2970, 600, 600), QSize(4960, 7015));
  EXPECT_EQ(PaperPixels(50, 2970, 300, 300), QSize(2480, 3507));
  EXPECT_EQ(IsotropicViewport(QSize(800, 400), QSize(2480, 3507)), QRect(0, 0, 2480, 1240));
  EXPECT_EQ(IsotropicViewport(QSize(400, 800), QSize(2480, 3507)), QRect(0, 0, 1753, 3507));
}

}  // namespace
}  // namespace lumo::testing
