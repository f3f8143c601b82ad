#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/lumo/lumo_test_util.h"

namespace lumo::cli {
namespace {

using namespace testing;

namespace fs = std::filesystem;

// An inverter from the input A to the output Y.
constexpr const char* kInverter =
    "(inv)\n"
    "(0 0 A _in 0 p ((0 0 y 2 p)))\n"
    "(40 0 ? _not 0 p ((28 0 a 0 p) (52 0 y 2 n)))\n"
    "(80 0 Y _out 0 p ((80 0 a 0 p)))\n"
    "()\n"
    "(0 0 28 0 c t ? )\n"
    "(52 0 80 0 t t out )\n"
    "()\n"
    "()\n";

class ConvertCommandTest : public ::testing::Test {
 protected:
  ConvertCommandTest() { fs::create_directories(folder_ / "work"); }

  std::string Path(const std::string& name) const { return test_folder_.Path(name); }
  void Write(const std::string& name, const std::string& text) const {
    test_folder_.Write(name, text);
  }

  TestFolder test_folder_;
  fs::path folder_ = test_folder_.path();
  fs::path system_ = SystemData();
};

TEST_F(ConvertCommandTest, WritesTheCircuitFileAndItsIntermediates) {
  Write("inv.ldr", kInverter);
  const Outcome outcome =
      RunTool({"convert", Path("inv.ldr"), Path("work/inv.lcr"), "--sys", system_.string()});
  EXPECT_EQ(outcome.code, kOk) << outcome.err;
  EXPECT_EQ(outcome.err, "");
  EXPECT_EQ(FileText(folder_ / "work" / "inv.lcr"),
            "(inv)\n"
            "  (*e0 _not) (inv inv) ()\n"
            "  (*s0) (out) ()\n"
            "  (*e0 a *s0) (*e0 y out) (inv A *s0) (inv Y out) ()\n");
  // The schematic is read, never written.
  EXPECT_EQ(FileText(folder_ / "inv.ldr"), kInverter);
  EXPECT_TRUE(fs::exists(folder_ / "work" / "LumoDraw.tmp"));
  EXPECT_TRUE(fs::exists(folder_ / "work" / "LumoCir.tmp"));

  // Another working folder; the system folder beside the program.
  fs::create_directories(folder_ / "other");
  const Outcome elsewhere =
      RunTool({"convert", Path("inv.ldr"), Path("inv.lcr"), "--work", Path("other")});
  EXPECT_EQ(elsewhere.code, kOk) << elsewhere.err;
  EXPECT_TRUE(fs::exists(folder_ / "other" / "LumoCir.tmp"));
  EXPECT_EQ(FileText(folder_ / "inv.lcr"), FileText(folder_ / "work" / "inv.lcr"));
}

TEST_F(ConvertCommandTest, FailuresPrintTheMessageAndExitOne) {
  std::string unnamed = kInverter;
  unnamed.replace(unnamed.find("80 0 Y"), 6, "80 0 ?");
  Write("unnamed.ldr", unnamed);
  Outcome outcome = RunTool(
      {"convert", Path("unnamed.ldr"), Path("work/unnamed.lcr"), "--sys", system_.string()});
  EXPECT_EQ(outcome.code, kFailed);
  EXPECT_NE(outcome.err.find("入出力端子に名前が付けられていません。"), std::string::npos);
  EXPECT_FALSE(fs::exists(folder_ / "work" / "unnamed.lcr"));

  // A damaged schematic is reported as the editor reports it.
  Write("damaged.ldr", "(inv)\n(0 0 A _in zero p ())\n()\n()\n()\n");
  outcome = RunTool(
      {"convert", Path("damaged.ldr"), Path("work/damaged.lcr"), "--sys", system_.string()});
  EXPECT_EQ(outcome.code, kFailed);
  EXPECT_NE(outcome.err.find("このエラーは回路図ファイルの中の素子データの入力中に起こりました。"),
            std::string::npos);

  // A missing schematic is not made.
  outcome =
      RunTool({"convert", Path("missing.ldr"), Path("work/x.lcr"), "--sys", system_.string()});
  EXPECT_EQ(outcome.code, kFailed);
  EXPECT_FALSE(fs::exists(folder_ / "missing.ldr"));

  // A system folder without the symbol library.
  Write("inv.ldr", kInverter);
  outcome = RunTool({"convert", Path("inv.ldr"), Path("work/inv.lcr"), "--sys", Path("work")});
  EXPECT_EQ(outcome.code, kFailed);
  EXPECT_NE(outcome.err.find("シンボルファイルがありません。"), std::string::npos);
}

TEST_F(ConvertCommandTest, BadUsage) {
  EXPECT_EQ(RunTool({"convert"}).code, kUsage);
  EXPECT_EQ(RunTool({"convert", "a.ldr"}).code, kUsage);
  EXPECT_EQ(RunTool({"convert", "a.ldr", "b.lcr", "c"}).code, kUsage);
  EXPECT_EQ(RunTool({"convert", "a.ldr", "b.lcr", "--sys"}).code, kUsage);
  EXPECT_EQ(RunTool({"convert", "a.ldr", "b.lcr", "--fast"}).code, kUsage);
  EXPECT_NE(RunTool({"--help"}).out.find("convert SCHEMATIC.ldr OUT.lcr"), std::string::npos);
}

}  // namespace
}  // namespace lumo::cli
