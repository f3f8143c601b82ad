#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/lumo/lumo_test_util.h"

namespace lumo::cli {
namespace {

using namespace testing;

namespace fs = std::filesystem;

const char kTop[] =
    "(top)\n  (top top) (U inv) ()\n  (x) (y) ()\n  (top x x) (top y y) (U a x) (U y y) ()\n";

std::string Inverter(const std::string& gate) {
  return "(inv)\n  (inv inv) (g " + gate +
         ") ()\n  (a) (y) ()\n  (inv a a) (inv y y) (g a a) (g y y) ()\n";
}

class LumoExpand : public ::testing::Test {
 protected:
  LumoExpand() {
    fs::create_directories(work_);
    Put(work_ / "top.lcr", kTop);
  }

  static void Put(const fs::path& path, const std::string& text) { WriteText(path, text); }
  static std::string Get(const fs::path& path) { return FileText(path); }

  TestFolder folder_;
  const fs::path root_ = folder_.path();
  const fs::path work_ = root_ / "work";
  const fs::path empty_parts_ = root_ / "no parts";
  const std::string top_ = (work_ / "top.lcr").string();
  const std::string out_ = (root_ / "flat.lcr").string();
};

TEST_F(LumoExpand, WritesTheFlatCircuitAndPrintsTheStatistics) {
  // Without --work the sub-circuit is looked for beside the input.
  Put(work_ / "inv.lcr", Inverter("_not"));
  const Outcome outcome = RunTool({"expand", top_, out_, "--parts", empty_parts_.string()});
  EXPECT_EQ(outcome.code, kOk);
  EXPECT_EQ(outcome.err, "");
  EXPECT_EQ(Get(out_),
            "(top)\n  (U-g _not) (top top) ()\n  (y) (x) ()\n"
            "  (U-g a x) (U-g y y) (top x x) (top y y) ()\n");
  EXPECT_EQ(
      outcome.out.rfind("展開前  素子数 = 1  信号数 = 2  端子数 = 2  端子数／素子数 = 2\n", 0), 0u)
      << outcome.out;
  EXPECT_NE(outcome.out.find("\n展開後  素子数 = 1  信号数 = 2  端子数 = 2  端子数／素子数 = 2\n\n"
                             "実行時間 = "),
            std::string::npos);
  EXPECT_NE(outcome.out.find("  素子展開 = 1  信号展開 = 0  実行時間／展開 = "), std::string::npos);
}

TEST_F(LumoExpand, LooksInTheGivenWorkFolderAndByDefaultInTheSystemParts) {
  const fs::path other = root_ / "other";
  fs::create_directories(other);
  Put(other / "inv.lcr", Inverter("_nand2"));
  Outcome outcome =
      RunTool({"expand", "--work", other.string(), top_, out_, "--parts", empty_parts_.string()});
  EXPECT_EQ(outcome.code, kOk) << outcome.err;
  EXPECT_NE(Get(out_).find("(U-g _nand2)"), std::string::npos);

  // The system folder is the program's own; its Parts come before --work.
  const fs::path system_parts = fs::read_symlink("/proc/self/exe").parent_path() / "Parts";
  const bool made = !fs::exists(system_parts);
  fs::create_directories(system_parts);
  const fs::path part = system_parts / "inv.lcr";
  ASSERT_FALSE(fs::exists(part));
  Put(part, Inverter("_exor2"));
  outcome = RunTool({"expand", top_, out_, "--work", other.string()});
  fs::remove(part);
  if (made) fs::remove(system_parts);
  EXPECT_EQ(outcome.code, kOk) << outcome.err;
  EXPECT_NE(Get(out_).find("(U-g _exor2)"), std::string::npos);
}

TEST_F(LumoExpand, AFailedExpansionPrintsItsMessageAndWritesNothing) {
  Put(work_ / "inv.lcr", "(inv)\n  (inv inv) ()\n  (a) ()\n  (inv a a) ()\n");
  Outcome outcome = RunTool({"expand", top_, out_, "--parts", empty_parts_.string()});
  EXPECT_EQ(outcome.code, kFailed);
  EXPECT_EQ(outcome.err, "シンボル inv の端子数が回路 inv の入出力端子数より多い。\n");
  EXPECT_FALSE(fs::exists(out_));

  outcome = RunTool({"expand", (work_ / "none.lcr").string(), out_});
  EXPECT_EQ(outcome.code, kFailed);
  EXPECT_EQ(outcome.err, "回路ファイル " + (work_ / "none.lcr").string() + " がありません。\n");
}

TEST_F(LumoExpand, BadUsage) {
  for (const Arguments& args :
       {Arguments{"expand"}, Arguments{"expand", top_}, Arguments{"expand", top_, out_, "extra"},
        Arguments{"expand", top_, out_, "--parts"}, Arguments{"expand", top_, out_, "--fast"}}) {
    const Outcome outcome = RunTool(args);
    EXPECT_EQ(outcome.code, kUsage);
    EXPECT_NE(outcome.err.find("usage: lumo expand IN.lcr OUT [--parts DIR] [--work DIR]"),
              std::string::npos);
  }
  EXPECT_FALSE(fs::exists(out_));
}

}  // namespace
}  // namespace lumo::cli
