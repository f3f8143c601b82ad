#include "symbol/symbol_list.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "common/recording_message_host.h"
#include "lists/list_errors.h"
#include "symbol/symbol_errors.h"
#include "symbol/symbol_file.h"
#include "tests/symbol/symbol_test_util.h"

namespace lumo {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Names(const SymbolList& list) {
  std::vector<std::string> names;
  for (const Symbol& symbol : list)
    names.push_back(symbol.name);
  return names;
}

std::string Minimal(const std::string& name, char kind = 'u') {
  return "(\"" + name + "\" () () () (" + kind + "))\n";
}

class SymbolListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterSymbolErrors(symbol_errors_);
    RegisterListErrors(list_errors_);
    folder_ = fs::temp_directory_path() /
              ("lumo_symbols_" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string Put(const std::string& name, const std::string& text) {
    const fs::path path = folder_ / name;
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
  }

  std::unique_ptr<Symbol> Made(const std::string& name, char kind = 'u') {
    auto symbol = std::make_unique<Symbol>(name);
    symbol->kind = kind;
    return symbol;
  }

  RecordingMessageHost host_;
  ErrorTable symbol_errors_;
  ErrorTable list_errors_;
  SymbolMessages messages_{host_, symbol_errors_, list_errors_};
  fs::path folder_;
};

TEST_F(SymbolListTest, ReadKeepsTheFileOrderAndRemembersWhereItCameFrom) {
  const std::string path = Put("LumoCAD.lib", Minimal("_or2", 's') + Minimal("_and2", 's') +
                                                  "\n()\n" + Minimal("_not", 's') + "\n\n");
  SymbolList list;
  ASSERT_TRUE(list.Read(path, messages_));
  EXPECT_EQ(Names(list), (std::vector<std::string>{"_or2", "_and2", "_not"}));
  EXPECT_EQ(list.source_path(), path);
  EXPECT_EQ(list.file_pattern(), "LumoCAD");
  EXPECT_EQ(list.folder(), folder_.string());
  EXPECT_TRUE(host_.Messages().empty());

  // A second read replaces the contents; a file without symbols empties.
  ASSERT_TRUE(list.Read(Put("empty.lib", "  \n"), messages_));
  EXPECT_TRUE(list.Empty());
}

TEST_F(SymbolListTest, AMissingFileIsReportedAndTheReadFails) {
  SymbolList list;
  list.Add(Made("old"));
  const std::string path = (folder_ / "LumoCAD.lib").string();
  EXPECT_FALSE(list.Read(path, messages_));
  EXPECT_TRUE(list.Empty());
  EXPECT_EQ(host_.OnlyText(),
            "シンボルライブラリー内でエラーが発生しました。\n\n"
            "関数 : symolList.Read(const char *path)\n"
            "内容 : シンボルファイルがありません。\n" +
                path + "\n\n処理を中断します。\n");
  host_.Clear();
  EXPECT_FALSE(list.Read(folder_.string(), messages_));  // a folder is no symbol file
  EXPECT_EQ(host_.Messages().size(), 1u);
}

TEST_F(SymbolListTest, AMalformedSymbolIsReportedWithItsTextAndTheFile) {
  const std::string path =
      Put("bad.lib", Minimal("first", 's') + "(second () () (u))\n" + Minimal("third", 's'));
  SymbolList list;
  EXPECT_FALSE(list.Read(path, messages_));
  EXPECT_EQ(Names(list), std::vector<std::string>{"first"});
  EXPECT_EQ(host_.OnlyText(),
            "リストライブラリー内でエラーが発生しました。\n\n"
            "関数 : p.Car()\n"
            "内容 : p はアトムセルです。\n"
            "p = u\n(second nil nil (u))\n" +
                path + "\n\n処理を中断します。\n");

  host_.Clear();
  EXPECT_FALSE(list.Read(Put("open.lib", Minimal("a", 's') + "(b (\n"), messages_));
  EXPECT_EQ(Names(list), std::vector<std::string>{"a"});
  EXPECT_NE(host_.OnlyText().find("内容 : 読むべきデータがありません。\n"), std::string::npos);
}

TEST_F(SymbolListTest, AFolderReadGivesDescendingLowerCasedNames) {
  Put("B.lsy", Minimal("B"));
  Put("a.lsy", Minimal("a"));
  Put("c.LSY", Minimal("c") + Minimal("ignored"));
  Put("d.txt", Minimal("d"));
  fs::create_directories(folder_ / "e.lsy");
  SymbolList list;
  ASSERT_TRUE(list.ReadFolder(folder_.string(), messages_));
  EXPECT_EQ(Names(list), (std::vector<std::string>{"c", "B", "a"}));
  EXPECT_EQ(list.source_path(), (folder_ / "*.lsy").string());
  EXPECT_EQ(list.file_pattern(), "*.lsy");
  EXPECT_EQ(list.folder(), folder_.string());
  EXPECT_TRUE(host_.Messages().empty());

  // The name inside the file counts, not the file name.
  Put("z.lsy", Minimal("Aa"));
  ASSERT_TRUE(list.ReadFolder(folder_.string(), messages_));
  EXPECT_EQ(Names(list), (std::vector<std::string>{"c", "B", "Aa", "a"}));
}

TEST_F(SymbolListTest, AFolderReadReportsDamagedFilesAndKeepsTheOthers) {
  Put("good.lsy", Minimal("good"));
  Put("empty.lsy", "");
  Put("broken.lsy", "(\"broken\" () () (u))");
  SymbolList list;
  EXPECT_FALSE(list.ReadFolder(folder_.string(), messages_));
  EXPECT_EQ(Names(list), std::vector<std::string>{"good"});
  ASSERT_EQ(host_.Messages().size(), 2u);
  // Files are read in byte order of their names: broken, then empty.
  EXPECT_NE(host_.Messages()[0].text.find((folder_ / "broken.lsy").string()), std::string::npos);
  EXPECT_NE(host_.Messages()[1].text.find((folder_ / "empty.lsy").string()), std::string::npos);
}

TEST_F(SymbolListTest, OnlyRegularFilesAreReadAsSymbols) {
  Put("real.lsy", Minimal("real"));
  fs::create_symlink(folder_ / "real.lsy", folder_ / "linked.lsy");
  ASSERT_EQ(::mkfifo((folder_ / "fifo.lsy").c_str(), 0666), 0);
  fs::create_symlink(folder_ / "fifo.lsy", folder_ / "to_fifo.lsy");
  // Reading the FIFO would wait for a writer for ever; it is passed over.
  SymbolList list;
  EXPECT_TRUE(list.ReadFolder(folder_.string(), messages_));
  EXPECT_EQ(Names(list), (std::vector<std::string>{"real", "real"}));
  EXPECT_TRUE(host_.Messages().empty());

  // A library in a FIFO's place is reported like a missing one.
  EXPECT_FALSE(list.Read((folder_ / "fifo.lsy").string(), messages_));
  EXPECT_EQ(host_.Messages().size(), 1u);
}

TEST_F(SymbolListTest, AFolderWithoutSymbolsOrNoFolderAtAllGivesAnEmptyList) {
  SymbolList list;
  list.Add(Made("old"));
  EXPECT_TRUE(list.ReadFolder(folder_.string(), messages_));
  EXPECT_TRUE(list.Empty());
  EXPECT_TRUE(list.ReadFolder((folder_ / "none").string(), messages_));
  EXPECT_TRUE(host_.Messages().empty());
}

TEST_F(SymbolListTest, FindIgnoresLetterCaseIncludingFullWidthLetters) {
  SymbolList list;
  list.Add(Made("half_adder"));
  Symbol* wide = list.Add(Made("ｆｕｌｌ"));
  Symbol* sjis = list.Add(Made("\x82\x81\x82\x82"));  // Shift-JIS ａｂ
  EXPECT_EQ(list.Find("HALF_ADDER")->name, "half_adder");
  EXPECT_EQ(list.Find("ＦＵＬＬ"), wide);
  EXPECT_EQ(list.Find("\x82\x60\x82\x61"), sjis);  // Shift-JIS ＡＢ
  EXPECT_EQ(list.Find("half"), nullptr);
  EXPECT_EQ(list.Find(""), nullptr);
}

TEST_F(SymbolListTest, AddPlacesSymbolsByTheOrderingRule) {
  SymbolList list;
  list.Add(Made("m"));
  list.Add(Made("c"));  // smaller than the only one: in front
  list.Add(Made("x"));  // not smaller: after it
  EXPECT_EQ(Names(list), (std::vector<std::string>{"c", "m", "x"}));
  list.Add(Made("M"));  // equal names keep their insertion order
  list.Add(Made("d"));
  list.Add(Made("zz"));  // larger than all: last
  list.Add(Made("A"));
  EXPECT_EQ(Names(list), (std::vector<std::string>{"A", "c", "d", "m", "M", "x", "zz"}));
  // A system symbol always goes in front, whatever its name.
  list.Add(Made("b", 's'));
  EXPECT_EQ(list.Head()->name, "b");
  // Against the now unsorted list the first fitting pair wins: not (b, A)
  // since B < A fails, but (A, c).
  list.Add(Made("B"));
  EXPECT_EQ(Names(list), (std::vector<std::string>{"b", "A", "B", "c", "d", "m", "M", "x", "zz"}));
  list.Add(Made("a0"));  // smaller than the head
  EXPECT_EQ(list.Head()->name, "a0");
}

TEST_F(SymbolListTest, DeleteDestroysOnlySymbolsOfTheList) {
  SymbolList list;
  Symbol* a = list.Add(Made("a"));
  list.Add(Made("b"));
  Symbol stranger("a");
  list.Delete(&stranger);
  EXPECT_EQ(list.Count(), 2u);
  list.Delete(a);
  EXPECT_EQ(Names(list), std::vector<std::string>{"b"});
  list.Clear();
  EXPECT_TRUE(list.Empty());
}

TEST_F(SymbolListTest, TerminalReachIsTheLargestDistanceOnEachAxis) {
  SymbolList list;
  EXPECT_EQ(LargestTerminalReach(list).x, 0);
  list.Add(testing::ParseSymbol("(a () () ((p -40 8 0 p) (q 12 -20 2 n)) (s))"));
  list.Add(testing::ParseSymbol("(b () () ((r 16 4 0 p)) (s))"));
  EXPECT_EQ(LargestTerminalReach(list).x, 40);
  EXPECT_EQ(LargestTerminalReach(list).y, 20);
  list.Add(testing::ParseSymbol("(c () () ((s -2147483648 0 0 p)) (s))"));
  EXPECT_EQ(LargestTerminalReach(list).x, 2147483647);
}

TEST_F(SymbolListTest, ALibraryWrittenBackReadsToTheSameSymbols) {
  const std::string text =
      "(\"_not\"\n  (\n  (l -13 -8 -13 8)\n  )\n  ()\n  (\n  (\"a\" -16 0 0 p)\n"
      "  (\"y\" 8 0 2 n)\n  )\n  (s)\n)\n" +
      Minimal("_and2", 's');
  SymbolList list;
  ASSERT_TRUE(list.Read(Put("in.lib", text), messages_));
  std::string written;
  for (const Symbol& symbol : list)
    written += testing::Written(symbol);
  SymbolList again;
  ASSERT_TRUE(again.Read(Put("out.lib", written), messages_));
  std::string rewritten;
  for (const Symbol& symbol : again)
    rewritten += testing::Written(symbol);
  // Two passes restore the order of items and terminals; symbols keep theirs.
  EXPECT_EQ(rewritten,
            "(\"_not\"\n  (\n  (l -13 -8 -13 8)\n  )\n  ()\n  (\n  (\"a\" -16 0 0 p)\n"
            "  (\"y\" 8 0 2 n)\n  )\n  (s)\n)\n"
            "(\"_and2\"\n  (\n  )\n  ()\n  ()\n  (s)\n)\n");
  EXPECT_EQ(Names(again), (std::vector<std::string>{"_not", "_and2"}));
}

TEST_F(SymbolListTest, SymbolFilesAreWrittenWholeOrNotAtAll) {
  const std::string path = (folder_ / "adder.lsy").string();
  auto symbol = testing::ParseSymbol("(adder ((l 0 0 8 0)) () ((a -4 0 0 p)) (u))");
  ASSERT_TRUE(WriteSymbolFile(path, *symbol));
  SymbolList list;
  ASSERT_TRUE(list.ReadFolder(folder_.string(), messages_));
  ASSERT_EQ(list.Count(), 1u);
  EXPECT_EQ(testing::Written(*list.Head()), testing::Written(*symbol));

  // A symbol that could not be read back leaves the old file as it was.
  symbol->name = "add\"er";
  EXPECT_FALSE(WriteSymbolFile(path, *symbol));
  ASSERT_TRUE(list.ReadFolder(folder_.string(), messages_));
  EXPECT_EQ(list.Head()->name, "adder");
  EXPECT_FALSE(WriteSymbolFile((folder_ / "no" / "such.lsy").string(), *list.Head()));

  const std::string library = (folder_ / "all.lib").string();
  list.Add(Made("second", 's'));
  ASSERT_TRUE(WriteSymbolLibrary(library, list));
  SymbolList again;
  ASSERT_TRUE(again.Read(library, messages_));
  EXPECT_EQ(Names(again), Names(list));
  list.Add(Made("bad\"name"));
  EXPECT_FALSE(WriteSymbolLibrary(library, list));
  ASSERT_TRUE(again.Read(library, messages_));
  EXPECT_EQ(again.Count(), 2u);
}

}  // namespace
}  // namespace lumo
