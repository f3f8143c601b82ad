#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/lumo/lumo_test_util.h"

namespace lumo::cli {
namespace {

using namespace testing;

namespace fs = std::filesystem;

Outcome ListText(const std::string& text) {
  const TestFolder folder;
  folder.Write("test.lst", text);
  return RunTool({"list", folder.Path("test.lst")});
}

TEST(LumoList, PrintsEachTopLevelExpressionInFileForm) {
  Outcome outcome = ListText("(a (b) c)");
  EXPECT_EQ(outcome.code, kOk);
  EXPECT_EQ(outcome.out, "(a (b)c)\n");
  EXPECT_EQ(ListText("((a) . b)").out, "((a) . b )\n");
  outcome = ListText("(a)(b)\n  x 2.5 \n\n");
  EXPECT_EQ(outcome.out, "(a)\n(b)\nx\n2.50000\n");
  EXPECT_EQ(ListText("").out, "");
}

TEST(LumoList, AReadErrorPrintsTheErrorTextAndFails) {
  const Outcome outcome = ListText("(a . b . c)");
  EXPECT_EQ(outcome.code, kFailed);
  EXPECT_EQ(outcome.out, "");
  EXPECT_EQ(outcome.err,
            "リストライブラリー内でエラーが発生しました。\n\n"
            "関数 : list.Read(ifstream inFile)\n"
            "内容 : ドット対の右かっこがありません。\n"
            "\n処理を中断します。\n");
  // What was read before the error is printed.
  EXPECT_EQ(ListText("(a) (b").out, "(a)\n");
}

TEST(LumoList, MissingFilesAndBadUsage) {
  Outcome outcome = RunTool({"list", "/nonexistent/lumo/file.lst"});
  EXPECT_EQ(outcome.code, kFailed);
  EXPECT_NE(outcome.err.find("/nonexistent/lumo/file.lst"), std::string::npos);
  EXPECT_EQ(RunTool({"list"}).code, kUsage);
  EXPECT_EQ(RunTool({}).code, kUsage);
  EXPECT_EQ(RunTool({"frobnicate"}).code, kUsage);
  outcome = RunTool({"--help"});
  EXPECT_EQ(outcome.code, kOk);
  EXPECT_NE(outcome.out.find("list FILE"), std::string::npos);
}

}  // namespace
}  // namespace lumo::cli
