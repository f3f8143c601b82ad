// The canvas's pictures: the sample schematic, the grid, the rubber bands
// and the printout's name box, read from the backing image.

#include "editing/command_ids.h"
#include "editing/edit_modes.h"
#include "tests/ui/ui_test_util.h"
#include "ui/schematic_painter.h"

namespace lumo::testing {
namespace {

constexpr QRgb kRed = 0xFF0000;
constexpr QRgb kBlack = 0x000000;
constexpr QRgb kWhite = 0xFFFFFF;

class RenderTest : public UiTest {
 protected:
  void SetUp() override {
    Start({QString::fromStdString(TestData("half_adder.ldr").string())});
    app->view().set_origin(800, 500);
    Ready();
  }
  QRgb At(std::int64_t x, std::int64_t y, int dx = 0, int dy = 0) {
    const QPoint device = canvas().DevicePoint(x, y) + QPoint(dx, dy);
    return canvas().backing_store().pixel(device) & 0xFFFFFF;
  }
  DrawElement* Element(const std::string& name) {
    for (DrawElement& element : draw().elements())
      if (element.name() == name) return &element;
    return nullptr;
  }
};

TEST_F(RenderTest, TerminalsAreRedLinesBlackAndJunctionsDotted) {
  // g1's input a at (944, 636): its stub runs right, in red; the line ends
  // on the connection point in black.
  EXPECT_EQ(At(944, 636, 2), kRed);
  EXPECT_EQ(At(944, 636, -3), kBlack);
  // The output pin s at (1040, 584): its stub runs right, into its body.
  EXPECT_EQ(At(1040, 584, 2), kRed);
  EXPECT_EQ(At(1040, 584, -2), kBlack);
  // Three line ends meet at (900, 580): a dot.
  for (const QPoint offset : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(-1, 0)})
    EXPECT_EQ(At(900, 580, offset.x(), offset.y()), kBlack);
  // Two meet at (900, 636): a corner, no dot.
  EXPECT_EQ(At(900, 636, 1, -1), kWhite);
}

TEST_F(RenderTest, NegativeTerminalsShowBubblesAndLinesStopAtThem) {
  EXPECT_EQ(At(944, 636, -2), kBlack);
  draw().FlipPolarity(*Element("g1"));
  canvas().PaintNow();
  EXPECT_EQ(At(944, 636, -2), kWhite);   // inside the bubble
  EXPECT_EQ(At(944, 636, 0, -3), kRed);  // its rim
  EXPECT_EQ(At(944, 636, -5), kBlack);   // the line up to it
}

TEST_F(RenderTest, TheGridTileIsAnchoredAtAMultipleOf36AndKeepsItsSize) {
  // Origin 800: the nearest multiple of 36 is 792, 8 pixels left of the
  // corner, so the tile's solid column lies at x = 28, 64, ...
  const QImage& image = canvas().backing_store();
  const int row = image.height() - 5;  // far below the schematic
  const auto grey = [&](int x) { return image.pixel(x, row) & 0xFFFFFF; };
  EXPECT_NE(grey(28), kWhite);
  EXPECT_NE(grey(64), kWhite);
  EXPECT_EQ(grey(30), kWhite);
  frame().RunCommand(kCmdZoomIn);  // the tile stays 36 pixels wide
  const QImage& zoomed = canvas().backing_store();
  int first = -1;
  for (int x = 0; x < 80 && first < 0; ++x)
    if ((zoomed.pixel(x, zoomed.height() - 3) & 0xFFFFFF) != kWhite &&
        (zoomed.pixel(x, zoomed.height() - 5) & 0xFFFFFF) != kWhite &&
        (zoomed.pixel(x, zoomed.height() - 7) & 0xFFFFFF) != kWhite)
      first = x;
  ASSERT_GE(first, 0);
  EXPECT_NE(zoomed.pixel(first + 36, zoomed.height() - 5) & 0xFFFFFF, kWhite);
  EXPECT_EQ(GridTile().size(), QSize(36, 36));
}

TEST_F(RenderTest, TheCrosshairComesOffWithoutATrace) {
  const QImage before = canvas().backing_store().copy();
  Move(300, 200);
  const QImage& with = canvas().backing_store();
  EXPECT_NE(with, before);
  EXPECT_EQ(with.pixel(10, 200) & 0xFFFFFF, 0x0000FFu);  // blue over white
  Move(340, 260);
  Move(120, 40);
  LeaveCanvas();
  EXPECT_EQ(canvas().backing_store(), before);
}

TEST_F(RenderTest, RubberBandsFollowAndLeaveNoTrace) {
  canvas().SetEditMode(kModeLineStart);
  const QImage clean = canvas().backing_store().copy();
  Press(100, 300);
  Move(200, 300, Qt::LeftButton);
  Move(260, 340, Qt::LeftButton);
  Release(260, 340);
  RightClick(0, 0);  // the pending segment goes
  RightClick(0, 0);  // and the start
  LeaveCanvas();
  EXPECT_EQ(canvas().backing_store(), clean);
}

TEST_F(RenderTest, ThePrintoutCarriesTheCircuitName) {
  QImage page(400, 300, QImage::Format_RGB32);
  page.fill(Qt::white);
  {
    QPainter dc(&page);
    canvas().PaintPage(dc, page.size());
  }
  // The box from (2, 276) to (200, 300), its text from (7, 279).
  EXPECT_EQ(page.pixel(2, 290) & 0xFFFFFF, kBlack);
  EXPECT_EQ(page.pixel(150, 276) & 0xFFFFFF, kBlack);
  int ink = 0;
  for (int y = 279; y < 296; ++y)
    for (int x = 7; x < 190; ++x)
      ink += (page.pixel(x, y) & 0xFFFFFF) != kWhite;
  EXPECT_GT(ink, 40);
  // No grid on paper.
  EXPECT_EQ(page.pixel(28, 250) & 0xFFFFFF, kWhite);
}

}  // namespace
}  // namespace lumo::testing
