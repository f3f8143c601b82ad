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

// Runs "symbols ARGS..." as lumo-draw does.
Outcome RunSymbols(const Arguments& args) {
  std::ostringstream out, err;
  const int code = SymbolsCommand(Arguments(args.begin() + 1, args.end()), out, err);
  return {code, out.str(), err.str()};
}

class SymbolsCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(folder_ / "user");
    library_ = (folder_ / "test.lib").string();
    // An AND-like body with a negative output terminal and an element name.
    std::ofstream(library_) << "(\"_g\" ((l -8 -8 -8 8) (l -8 8 8 8) (l 8 8 8 -8) "
                               "(l 8 -8 -8 -8) (s \"?\" y e 0 -10 d 0)) () "
                               "((a -12 0 0 p) (y 12 0 2 n)) (s))\n";
    std::ofstream(folder_ / "user" / "mine.lsy") << "(mine ((l 0 0 8 8)) () () (u))\n";
    png_ = (folder_ / "out.png").string();
  }
  TestFolder test_folder_;
  fs::path folder_ = test_folder_.path();
  std::string library_;
  std::string png_;
};

TEST_F(SymbolsCommandTest, DrawsTheLibraryIntoAPicture) {
  const Outcome outcome = RunSymbols({"symbols", "--lib", library_, "--png", png_});
  ASSERT_EQ(outcome.code, kOk) << outcome.err;
  EXPECT_EQ(outcome.out, "drew 1 symbols into " + png_ + "\n");
  const QImage image(QString::fromStdString(png_));
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.width(), 800);
  // The chooser's cell: 2 x 12 + 20 = 44 pixels wide (18 columns fill the
  // width exactly) and 2 x 0 + 20 high, under a title line of 20; the
  // reference point is in the middle of the first cell.
  EXPECT_EQ(image.height(), 20 + 20);
  const int cx = 22, cy = 20 + 10;
  EXPECT_EQ(image.pixel(cx - 8, cy) & 0xFFFFFF, 0u);       // body
  EXPECT_EQ(image.pixel(cx - 10, cy) & 0xFFFFFF, 0u);      // input stub
  EXPECT_EQ(image.pixel(cx + 12, cy - 3) & 0xFFFFFF, 0u);  // top of the output bubble
  EXPECT_NE(image.pixel(cx + 12, cy) & 0xFFFFFF, 0u);      // its inside stays white
}

TEST_F(SymbolsCommandTest, NegativeLogicAndOrientationChangeThePicture) {
  ASSERT_EQ(RunSymbols({"symbols", "--lib", library_, "--logic", "n", "--png", png_}).code, kOk);
  QImage image(QString::fromStdString(png_));
  const int cx = 22, cy = 20 + 10;
  EXPECT_EQ(image.pixel(cx + 12, cy) & 0xFFFFFF, 0u);      // a stub where the bubble was
  EXPECT_EQ(image.pixel(cx - 12, cy - 3) & 0xFFFFFF, 0u);  // a bubble on the input
  ASSERT_EQ(RunSymbols({"symbols", "--lib", library_, "--orientation", "1", "--png", png_}).code,
            kOk);
  image.load(QString::fromStdString(png_));
  EXPECT_EQ(image.pixel(cx, cy + 9) & 0xFFFFFF, 0u);   // the input stub now comes from below
  EXPECT_NE(image.pixel(cx - 10, cy) & 0xFFFFFF, 0u);  // no longer on the left
}

TEST_F(SymbolsCommandTest, DrawsALibraryAndAFolderOneAfterTheOther) {
  const std::string user = (folder_ / "user").string();
  const Outcome outcome =
      RunSymbols({"symbols", "--lib", library_, "--folder", user, "--scale", "2", "--png", png_});
  ASSERT_EQ(outcome.code, kOk) << outcome.err;
  EXPECT_EQ(outcome.out, "drew 2 symbols into " + png_ + "\n");
  const QImage image(QString::fromStdString(png_));
  EXPECT_EQ(image.height(), 2 * (40 + 40));  // two titles and two rows at scale 2
}

TEST_F(SymbolsCommandTest, BadUsageAndMissingFiles) {
  EXPECT_EQ(RunSymbols({"symbols", "--lib", library_}).code, kUsage);
  EXPECT_EQ(RunSymbols({"symbols", "--png", png_, "--orientation", "8"}).code, kUsage);
  EXPECT_EQ(RunSymbols({"symbols", "--png", png_, "--logic", "x"}).code, kUsage);
  EXPECT_EQ(RunSymbols({"symbols", "--png", png_, "--frobnicate", "1"}).code, kUsage);
  EXPECT_EQ(RunSymbols({"symbols", "--png"}).code, kUsage);
  const Outcome missing =
      RunSymbols({"symbols", "--lib", (folder_ / "none.lib").string(), "--png", png_});
  EXPECT_EQ(missing.code, kFailed);
  EXPECT_NE(missing.err.find("シンボルファイルがありません。"), std::string::npos);
  EXPECT_FALSE(fs::exists(png_));
  std::ofstream(library_) << "(\"_g\" (";
  const Outcome broken = RunSymbols({"symbols", "--lib", library_, "--png", png_});
  EXPECT_EQ(broken.code, kFailed);
  EXPECT_NE(broken.err.find("読むべきデータがありません。"), std::string::npos);
}

TEST_F(SymbolsCommandTest, FindsTheSystemLibraryBesideTheProgram) {
  // The build puts the system data beside this test program as beside lumo.
  const Outcome outcome = RunSymbols({"symbols", "--png", png_});
  ASSERT_EQ(outcome.code, kOk) << outcome.err;
  EXPECT_EQ(outcome.out.rfind("drew ", 0), 0u);
  EXPECT_NE(outcome.out.find(" symbols into "), std::string::npos);
}

}  // namespace
}  // namespace lumo::cli
