// lumo-draw waveforms: the rows of a run read back and drawn as the
// waveform canvas draws them.

#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/lumo/lumo_test_util.h"

namespace lumo::cli {
namespace {

using namespace testing;

namespace fs = std::filesystem;

class WaveformsCommandTest : public CommandTest {
 protected:
  void SetUp() override {
    const fs::path samples = lumo::testing::SourceFolder() / "data" / "sample";
    for (const char* name : {"fulladd.ldr", "fulladd[0].lpt"})
      fs::copy_file(samples / name, Path(name));
    const std::string system = (lumo::testing::SourceFolder() / "data" / "sys").string();
    ASSERT_EQ(Call({"run", Path("fulladd.ldr"), "--sys", system}), kOk) << err_.str();
  }
  int Draw(const Arguments& args) {
    out_.str({});
    err_.str({});
    return WaveformsCommand(args, out_, err_);
  }
  static bool Near(QRgb pixel, int r, int g, int b) {
    return std::abs(qRed(pixel) - r) < 8 && std::abs(qGreen(pixel) - g) < 8 &&
           std::abs(qBlue(pixel) - b) < 8;
  }
};

TEST_F(WaveformsCommandTest, DrawsInputsAndTheOutputsOfARun) {
  ASSERT_EQ(Draw({"--name", "fulladd", "--input", Path("fulladd[0].lpt"), "--output",
                  Path("LumoOut.tmp"), "--png", Path("run.png")}),
            kOk)
      << err_.str();
  EXPECT_NE(out_.str().find("drew 6 rows"), std::string::npos) << out_.str();
  const QImage image(QString::fromStdString(Path("run.png")));
  ASSERT_FALSE(image.isNull());
  // A, B, CI, the separator, fulladd.CO, fulladd.S: 24 pixels each under
  // the header, one row of room below.
  EXPECT_EQ(image.height(), 24 + 7 * 24);
  // The finest zoom that fits: 2 pixels a time unit from x = 140.
  const auto x = [](int time) { return 140 + 2 * time; };
  // A is 0 until 200, then 1: a line at the band's bottom, then a green box.
  EXPECT_TRUE(Near(image.pixel(x(100), 24 + 10), 255, 255, 255));
  EXPECT_TRUE(Near(image.pixel(x(100), 24 + 20), 0, 0, 0));
  EXPECT_TRUE(Near(image.pixel(x(300), 24 + 10), 0, 192, 0));
  // Input names in white boxes, output names in grey ones.
  EXPECT_TRUE(Near(image.pixel(120, 24 + 6), 255, 255, 255));
  EXPECT_TRUE(Near(image.pixel(120, 24 + 4 * 24 + 6), 192, 192, 192));
  // The carry is 1 when two inputs are: from A and CI both 1 at 250 on.
  EXPECT_TRUE(Near(image.pixel(x(280), 24 + 4 * 24 + 10), 0, 192, 0));

  // A failed run gives its inputs only.
  ASSERT_EQ(
      Draw({"--name", "fulladd", "--input", Path("fulladd[0].lpt"), "--png", Path("inputs.png")}),
      kOk);
  EXPECT_EQ(QImage(QString::fromStdString(Path("inputs.png"))).height(), 24 + 4 * 24);

  // Bad calls.
  EXPECT_EQ(Draw({"--input", Path("fulladd[0].lpt")}), kUsage);
  EXPECT_EQ(Draw({"--png", Path("x.png"), "--input"}), kUsage);
  EXPECT_EQ(Draw({"--name", "fulladd", "--input", Path("fulladd[0].lpt"), "--output",
                  Path("none.tmp"), "--png", Path("x.png")}),
            kFailed);
  EXPECT_FALSE(fs::exists(Path("x.png")));
}

// With an expected file the mismatching stretches are marked red on their
// row, as the waveform editor marks them; a matching run has no red at all.
TEST_F(WaveformsCommandTest, MarksTheMismatchesOfAnExpectedFile) {
  std::ofstream(Path("carry.lex")) << "(LumoExpect 1)\n(end 354)\n"
                                      "(row CO 0 (events (0 \"0\") (154 \"1\")) (dontcare))\n";
  const auto draw = [&](const char* png) {
    return Draw({"--name", "fulladd", "--input", Path("fulladd[0].lpt"), "--output",
                 Path("LumoOut.tmp"), "--png", Path(png), "--expect", Path("carry.lex")});
  };
  ASSERT_EQ(draw("marked.png"), kOk) << err_.str();
  const QImage marked(QString::fromStdString(Path("marked.png")));
  const auto x = [](int time) { return 140 + 2 * time; };
  const int co = 24 + 4 * 24;  // the carry's row
  // The carry falls at 204 where the file expects it to stay 1.
  EXPECT_TRUE(Near(marked.pixel(x(230), co + 2), 220, 0, 0));
  EXPECT_TRUE(Near(marked.pixel(x(230), co + 21), 220, 0, 0));
  EXPECT_FALSE(Near(marked.pixel(x(180), co + 2), 220, 0, 0));
  EXPECT_FALSE(Near(marked.pixel(x(230), co + 24 + 2), 220, 0, 0));  // the sum's row

  std::ofstream(Path("carry.lex"))
      << "(LumoExpect 1)\n(end 354)\n"
         "(row CO 0 (events (0 \"0\") (154 \"1\") (204 \"0\") (254 \"1\")) (dontcare))\n";
  ASSERT_EQ(draw("clean.png"), kOk) << err_.str();
  const QImage clean(QString::fromStdString(Path("clean.png")));
  for (int y = 0; y < clean.height(); ++y)
    for (int px = 0; px < clean.width(); ++px)
      ASSERT_FALSE(Near(clean.pixel(px, y), 220, 0, 0)) << px << "," << y;

  EXPECT_EQ(Draw({"--name", "fulladd", "--input", Path("fulladd[0].lpt"), "--png", Path("y.png"),
                  "--expect", Path("none.lex")}),
            kFailed);
}

}  // namespace
}  // namespace lumo::cli
