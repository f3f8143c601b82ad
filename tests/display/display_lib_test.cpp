#include "display/display_lib.h"

#include <gtest/gtest.h>

#include "tests/display/display_test_util.h"

namespace lumo {
namespace {

using testing::Canvas;
using testing::InkBox;
using testing::IsWhite;

class DisplayLibTest : public ::testing::Test {
 protected:
  RecordingMessageHost host_;
  ErrorTable errors_;
  DisplayLib lib_{host_, errors_};
};

TEST_F(DisplayLibTest, LinesGetTheirEndPixelOnScreenOnly) {
  Canvas canvas;
  lib_.Store(*canvas.painter);
  lib_.PutLine(*canvas.painter, 0, 0, 5, 0);     // right
  lib_.PutLine(*canvas.painter, 5, 8, 0, 3);     // diagonal up-left: drawn from (0, 3)
  lib_.PutLine(*canvas.painter, 20, 10, 20, 2);  // up
  lib_.PutLine(*canvas.painter, 30, 0, 40, 3);   // another slope: unchanged
  const QImage& image = canvas.Done();
  for (int x = 0; x <= 5; ++x)
    EXPECT_FALSE(IsWhite(image, x, 0)) << x;
  EXPECT_TRUE(IsWhite(image, 6, 0));
  for (int i = 0; i <= 5; ++i)
    EXPECT_FALSE(IsWhite(image, i, 3 + i)) << i;
  EXPECT_TRUE(IsWhite(image, 6, 9));
  for (int y = 2; y <= 10; ++y)
    EXPECT_FALSE(IsWhite(image, 20, y)) << y;
  EXPECT_TRUE(IsWhite(image, 20, 1));
  EXPECT_TRUE(IsWhite(image, 20, 11));
  EXPECT_FALSE(IsWhite(image, 30, 0));
  EXPECT_TRUE(IsWhite(image, 40, 3));

  Canvas printed;
  lib_.SetPrintMode(1);
  lib_.Store(*printed.painter);
  lib_.PutLine(*printed.painter, 0, 0, 5, 0);
  lib_.PutLine(*printed.painter, 7, 7, 7, 7);  // nothing to draw
  const QImage& paper = printed.Done();
  EXPECT_FALSE(IsWhite(paper, 4, 0));
  EXPECT_TRUE(IsWhite(paper, 5, 0));
  EXPECT_TRUE(IsWhite(paper, 7, 7));
}

TEST_F(DisplayLibTest, BoxesCoverBothEdges) {
  Canvas canvas;
  lib_.Store(*canvas.painter);
  lib_.SetBrushColor(*canvas.painter, QColor(0, 255, 0));
  lib_.PutBox(*canvas.painter, 2, 3, 10, 8);
  const QImage& image = canvas.Done();
  EXPECT_EQ(InkBox(image), QRect(QPoint(2, 3), QPoint(10, 8)));
  EXPECT_EQ(image.pixel(6, 5) & 0xFFFFFF, 0x00FF00u);
  EXPECT_EQ(image.pixel(10, 8) & 0xFFFFFF, 0x000000u);
}

TEST_F(DisplayLibTest, CirclesDotsAndArcs) {
  Canvas canvas;
  lib_.Store(*canvas.painter);
  lib_.PutCircle(*canvas.painter, 10, 10, 3);
  lib_.SetBrushColor(*canvas.painter, QColor(255, 0, 0));
  lib_.PutDot(*canvas.painter, 30, 10, 4);
  lib_.PutArc(*canvas.painter, 10, 40, 8, 0, 90);  // the upper right quarter
  lib_.PutArc(*canvas.painter, 40, 40, 8, 90, 0);  // all but that quarter
  const QImage& image = canvas.Done();
  EXPECT_EQ(InkBox(image.copy(0, 0, 20, 20)), QRect(QPoint(7, 7), QPoint(13, 13)));
  EXPECT_TRUE(IsWhite(image, 10, 10));
  EXPECT_EQ(image.pixel(30, 10) & 0xFFFFFF, 0xFF0000u);
  EXPECT_FALSE(IsWhite(image, 30, 6));
  const auto inked = [&image](int x, int y) {  // around (x, y)
    return !InkBox(image.copy(x - 1, y - 1, 3, 3)).isNull();
  };
  EXPECT_TRUE(inked(16, 34));   // 45 degrees
  EXPECT_FALSE(inked(4, 34));   // 135 degrees
  EXPECT_FALSE(inked(4, 46));   // 225 degrees
  EXPECT_FALSE(inked(16, 46));  // 315 degrees
  EXPECT_FALSE(inked(46, 34));
  EXPECT_TRUE(inked(34, 34));
  EXPECT_TRUE(inked(34, 46));
  EXPECT_TRUE(inked(46, 46));
}

TEST_F(DisplayLibTest, ArcThroughAChordBulgesTowardsTheThirdPoint) {
  Canvas canvas(80, 110);
  lib_.Store(*canvas.painter);
  // Chord (20, 30)-(40, 30), centre on the line y = 40: C = (30, 40), R = 14;
  // from the radial through (40, 30) counter-clockwise to (20, 30): the top.
  lib_.PutArcThrough(*canvas.painter, 20, 30, 40, 30, 33, 40);
  // A vertical chord: C = (x3, middle) = (60, 60), R = 10; from the top
  // radial counter-clockwise to the bottom one: the left side.
  lib_.PutArcThrough(*canvas.painter, 60, 70, 60, 50, 60, 1000);
  // A slanted chord (0, 80)-(20, 100) with the third point (0, 100): the
  // centre is (0, 100) and the arc the quarter above and right of it.
  lib_.PutArcThrough(*canvas.painter, 0, 80, 20, 100, 0, 100);
  const QImage& image = canvas.Done();
  EXPECT_FALSE(IsWhite(image, 30, 26));
  EXPECT_TRUE(IsWhite(image, 30, 54));
  EXPECT_FALSE(IsWhite(image, 50, 60));
  EXPECT_TRUE(IsWhite(image, 70, 60));
  EXPECT_FALSE(InkBox(image.copy(13, 85, 3, 3)).isNull());  // near (14, 86)
  EXPECT_TRUE(InkBox(image.copy(20, 80, 20, 12)).isNull());
}

TEST_F(DisplayLibTest, NotXorDrawingUndoesItselfAndOtherModesChangeNothing) {
  Canvas canvas;
  lib_.Store(*canvas.painter);
  lib_.PutLine(*canvas.painter, 0, 5, 30, 5);
  lib_.SetDrawMode(*canvas.painter, 1);
  lib_.SetPenColor(*canvas.painter, QColor(255, 0, 0));
  lib_.PutLine(*canvas.painter, 10, 0, 10, 20);
  lib_.PutLine(*canvas.painter, 10, 0, 10, 20);
  lib_.SetDrawMode(*canvas.painter, 2);
  EXPECT_EQ(canvas.painter->compositionMode(), QPainter::RasterOp_NotSourceXorDestination);
  lib_.SetDrawMode(*canvas.painter, 0);
  EXPECT_EQ(canvas.painter->compositionMode(), QPainter::CompositionMode_SourceOver);
  const QImage& image = canvas.Done();
  EXPECT_EQ(InkBox(image), QRect(QPoint(0, 5), QPoint(30, 5)));
  EXPECT_EQ(image.pixel(10, 5) & 0xFFFFFF, 0u);
}

TEST_F(DisplayLibTest, FontsAreMadeOnceAndMeasured) {
  EXPECT_EQ(lib_.cell_width(), -1);
  Canvas canvas;
  lib_.Store(*canvas.painter);
  EXPECT_TRUE(host_.Messages().empty()) << host_.OnlyText();
  EXPECT_EQ(lib_.cell_width(), 6);
  EXPECT_EQ(lib_.cell_height(), 12);
  const auto& top = lib_.top_table();
  const auto& bottom = lib_.bottom_table();
  EXPECT_EQ(top[' '], 6);
  EXPECT_EQ(bottom[' '], 6);
  EXPECT_LT(top['A'], top['a']);        // capitals reach higher
  EXPECT_LT(bottom['g'], bottom['a']);  // descenders reach lower
  EXPECT_EQ(top[200], top['A']);
  EXPECT_EQ(bottom[5], bottom['A']);
  EXPECT_EQ(lib_.TextWidth("and2"), 23);
  EXPECT_EQ(lib_.TextWidth("全加算器"), 47);
  EXPECT_EQ(lib_.InkHeight("全加算器"), lib_.InkHeight("A"));
  EXPECT_EQ(lib_.InkHeight("Ag"), 12 - top['A'] - bottom['g']);

  lib_.SetFontSize(*canvas.painter, 12, 24);
  EXPECT_EQ(lib_.cell_height(), 24);
  EXPECT_EQ(lib_.top_table()[' '], 12);
  EXPECT_EQ(lib_.TextWidth("ab"), 23);
  EXPECT_EQ(lib_.text_orientation(), 0);
  canvas.Done();
}

TEST_F(DisplayLibTest, AMissingFontIsReportedOnceAndDrawingGoesOn) {
  RecordingMessageHost host;
  ErrorTable errors;
  DisplayLib lib(host, errors, "No Such Font Family");
  ASSERT_EQ(host.Messages().size(), 1u);
  EXPECT_EQ(host.Messages()[0].text,
            "表示ライブラリー内でエラーが発生しました。\n\n"
            "関数 : displayLib.InitFont()\n"
            "内容 : システムフォントがありません。\n\n処理を中断します。\n");
  Canvas canvas;
  lib.Store(*canvas.painter);
  lib.SetFontSize(*canvas.painter, 12, 24);
  ASSERT_EQ(host.Messages().size(), 2u);
  EXPECT_NE(host.Messages()[1].text.find("標準ゴシックフォントがありません。"), std::string::npos);
  lib.PutText(*canvas.painter, "A", 10, 10, 'l', 0);
  EXPECT_FALSE(InkBox(canvas.Done()).isNull());
}

// Where the ink of a text lands for each anchor, in the upright font.
TEST_F(DisplayLibTest, TextsAreAlignedOnTheirInk) {
  const auto ink = [this](char anchor, int t, int x, int y) {
    Canvas canvas(120, 120);
    lib_.Store(*canvas.painter);
    lib_.PutText(*canvas.painter, "AB", x, y, anchor, t);
    return InkBox(canvas.Done());
  };
  Canvas setup;
  lib_.Store(*setup.painter);
  setup.Done();
  const int E = lib_.InkHeight("AB");
  const int o = NearestInt(E / 2.0);
  const int W = lib_.TextWidth("AB");

  QRect box = ink('l', 0, 40, 50);
  EXPECT_EQ(box.top(), 50 + o - E);
  EXPECT_EQ(box.bottom(), 50 + o - 1);
  EXPECT_GE(box.left(), 40);
  EXPECT_LE(box.right(), 40 + W);
  box = ink('r', 0, 40, 50);
  EXPECT_LE(box.right(), 41);  // the last cell column is x + 1
  EXPECT_GE(box.left(), 40 - W);
  box = ink('d', 0, 40, 50);
  EXPECT_EQ(box.bottom(), 50);
  EXPECT_EQ(box.top(), 50 - E + 1);
  EXPECT_LE(std::abs(box.center().x() - 40), 2);
  box = ink('u', 0, 40, 50);
  EXPECT_EQ(box.top(), 50);
  EXPECT_EQ(box.bottom(), 50 + E - 1);

  // Reading upwards from the point, ink centred on its column.
  box = ink('l', 1, 40, 50);
  EXPECT_EQ(box.left(), 40 + o - E);
  EXPECT_EQ(box.right(), 40 + o - 1);
  EXPECT_LE(box.bottom(), 51);
  EXPECT_GE(box.top(), 50 - W);
  // Reading downwards from the point.
  box = ink('l', 3, 40, 50);
  EXPECT_GE(box.top(), 49);
  EXPECT_LE(box.bottom(), 50 + W);
  EXPECT_LE(std::abs(box.center().x() - 40), 2);

  // Upside-down codes are drawn upright, anchored on the other side.
  EXPECT_EQ(ink('l', 2, 40, 50), ink('r', 0, 40, 50));
  EXPECT_EQ(ink('u', 2, 40, 50), ink('d', 0, 40, 50));
  EXPECT_EQ(ink('r', 6, 40, 50), ink('l', 4, 40, 50));
  EXPECT_EQ(lib_.text_orientation(), 4);
  // The mirrored upright code anchors l and r from the other end.
  EXPECT_EQ(ink('r', 4, 40, 50), ink('l', 0, 40, 50));
}

TEST_F(DisplayLibTest, TextsUseTheTextColourAndKeepThePen) {
  Canvas canvas;
  lib_.Store(*canvas.painter);
  lib_.SetPenColor(*canvas.painter, QColor(255, 0, 0));
  lib_.SetTextColor(*canvas.painter, QColor(0, 0, 255));
  lib_.PutText(*canvas.painter, "I", 20, 20, 'l', 0);
  lib_.PutLine(*canvas.painter, 0, 60, 10, 60);
  EXPECT_EQ(canvas.painter->pen().color(), QColor(255, 0, 0));
  const QImage& image = canvas.Done();
  const QRect box = InkBox(image.copy(0, 0, 64, 40));
  ASSERT_FALSE(box.isNull());
  EXPECT_EQ(image.pixel(box.center().x(), box.center().y()) & 0xFFFFFF, 0x0000FFu);
  EXPECT_EQ(image.pixel(5, 60) & 0xFFFFFF, 0xFF0000u);
}

// Stamped texts must be the pixels the painter would have drawn.
TEST_F(DisplayLibTest, StampedTextsAreTheDrawnTexts) {
  const auto draw = [this](bool stamped) {
    lib_.set_text_cache(stamped);
    Canvas canvas(400, 400);
    lib_.Store(*canvas.painter);
    int y = 30;
    for (const char* text : {"and2", "u1234", "?", "全加算器", "\x91\x53\x89\xc1", "gjQ|"}) {
      for (int t = 0; t < 8; ++t) {
        for (const QColor& colour : {QColor(Qt::black), QColor(255, 0, 0)}) {
          lib_.SetTextColor(*canvas.painter, colour);
          lib_.PutText(*canvas.painter, text, 40 + t * 40 + (colour == Qt::black ? 0 : 3), y,
                       "ludr"[t % 4], t);
        }
      }
      y += 60;
    }
    lib_.SelectFixedFont(*canvas.painter);
    lib_.TextOut(*canvas.painter, 7, 370, "回路名 = half_adder");
    lib_.SetFontSize(*canvas.painter, 12, 24);
    lib_.PutText(*canvas.painter, "dff", 200, 200, 'l', 1);
    lib_.SetFontSize(*canvas.painter, 6, 12);
    return canvas.Done().copy();
  };
  const QImage plain = draw(false);
  const QImage stamped = draw(true);
  EXPECT_FALSE(InkBox(plain).isNull());
  EXPECT_EQ(stamped, plain);
  // Twice from the cache gives the same again.
  EXPECT_EQ(draw(true), plain);
}

// Straight lines are filled as boxes in copy mode and stroked in not-xor
// mode: the same pixels either way.
TEST_F(DisplayLibTest, StraightLinesCoverTheSamePixelsInEveryMode) {
  // Lines that never cross, so not-xor leaves every pixel it draws black.
  const auto draw = [this](int mode) {
    Canvas canvas(120, 120);
    lib_.Store(*canvas.painter);
    lib_.SetDrawMode(*canvas.painter, mode);
    for (int i = 0; i < 8; ++i) {
      lib_.PutLine(*canvas.painter, 5 + i * 4, 5, 5 + i * 4, 5 + i * 7);        // down
      lib_.PutLine(*canvas.painter, 110, 70 + i * 4, 110 - i * 7, 70 + i * 4);  // left
      lib_.PutLine(*canvas.painter, 60 + i * 4, 60, 60 + i * 4, 60 - i * 6);    // up
    }
    return canvas.Done().copy();
  };
  const QImage filled = draw(0);
  EXPECT_FALSE(InkBox(filled).isNull());
  EXPECT_EQ(filled, draw(1));
}

TEST_F(DisplayLibTest, NamesThatAreNotUtf8AreShownAsShiftJis) {
  EXPECT_EQ(DisplayText("\x91\x53\x89\xc1\x8e\x5a\x8a\xed"), QString::fromUtf8("全加算器"));
  EXPECT_EQ(DisplayText("全加算器"), QString::fromUtf8("全加算器"));
  // A Shift_JIS name inside the program's UTF-8 text: each decoded its own way.
  EXPECT_EQ(DisplayText("素子 \x91\x53\x89\xc1\x8e\x5a\x8a\xed がありません。"),
            QString::fromUtf8("素子 全加算器 がありません。"));
  EXPECT_EQ(DisplayText("回路\n(\x83\x5c)\n"),
            QString::fromUtf8("回路\n(ソ)\n"));  // an ASCII trail byte
  // Bytes that are neither are shown escaped, the rest as it is.
  EXPECT_EQ(DisplayText("名前 \xff\xfe です"), QString::fromUtf8("名前 \\xFF\\xFE です"));
  EXPECT_EQ(DisplayText("末尾\x91"), QString::fromUtf8("末尾\\x91"));
  EXPECT_EQ(NearestInt(2.5), 3);
  EXPECT_EQ(NearestInt(-2.5), -3);
  EXPECT_EQ(NearestInt(1e20), 2147483647);
}

}  // namespace
}  // namespace lumo
