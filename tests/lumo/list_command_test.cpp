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

// The message shows the text read of the faulty expression and names the file.
TEST(LumoList, AReadErrorPrintsTheErrorTextAndFails) {
  const TestFolder folder;
  folder.Write("test.lst", "(a)\n(a .  b\n . c)");
  const Outcome outcome = RunTool({"list", folder.Path("test.lst")});
  EXPECT_EQ(outcome.code, kFailed);
  EXPECT_EQ(outcome.out, "(a)\n");
  EXPECT_EQ(outcome.err,
            "リストライブラリー内でエラーが発生しました。\n\n"
            "関数 : list.Read(ifstream inFile)\n"
            "内容 : ドット対の右かっこがありません。\n"
            "(a . b .\n" +
                folder.Path("test.lst") +
                "\n"
                "\n処理を中断します。\n");
  // A long expression is cut after 200 bytes.
  std::string expression = "(";
  for (int i = 0; i < 100; ++i)
    expression += "ab ";
  const std::string text = ListText(expression + ". y z)").err;
  const std::string shown = "(" + expression.substr(1, 200) + " ...\n";
  EXPECT_NE(text.find("\n" + shown), std::string::npos) << text;
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
