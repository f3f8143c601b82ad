// Registers, counters and memories, and the register-transfer lines they log.

#include <gtest/gtest.h>

#include "sim/kernel.h"
#include "tests/sim/sim_test_util.h"

namespace lumo::testing {
namespace {

using ::testing::ElementsAre;

class StorageModelTest : public SimulationTest {};

TEST_F(StorageModelTest, RegisterLogsEveryLoadButSchedulesOnlyChanges) {
  const std::string circuit =
      CircuitText("c", {"D", "K", "R", "Q"},
                  {{"reg", "_reg", {{"d", "D"}, {"k", "K"}, {"q", "Q"}, {"r", "R"}}}});
  ASSERT_TRUE(
      Run(circuit, "a D 1 0 a5\na K 5 0 0 100 1 105 0 110 1 115 0\na R 3 0 0 200 1 210 0\ne\n"))
      << messages.OnlyText();
  EXPECT_THAT(log.lines,
              ElementsAre("", "       100: レジスタ reg←a5", "       110: レジスタ reg←a5", "",
                          "       200: レジスタ reg←0"));
  std::vector<std::string> q;
  for (const std::string& line : OutputLines())
    if (line.rfind("c.Q ", 0) == 0) q.push_back(line.substr(4));
  // The clear makes the register one bit wide.
  EXPECT_THAT(q, ElementsAre("102 a5", "202 0"));
}

TEST_F(StorageModelTest, CounterGrowsInsteadOfWrapping) {
  const std::string circuit =
      CircuitText("c", {"D", "L", "R", "T", "Q"},
                  {{"cnt", "_cnt", {{"d", "D"}, {"l", "L"}, {"q", "Q"}, {"r", "R"}, {"t", "T"}}}});
  // x counts to 1, 2, 3 ("11"), then 4 ("001"); lines 100 and 110 share a
  // block, 121 starts a new one.
  ASSERT_TRUE(Run(circuit,
                  "a D 1 0 0\na L 1 0 0\na R 1 0 0\n"
                  "a T 8 0 0 100 1 105 0 110 1 115 0 121 1 126 0 131 1\ne\n"))
      << messages.OnlyText();
  EXPECT_THAT(log.lines,
              ElementsAre("", "       100: カウンタ cnt←1", "       110: カウンタ cnt←2", "",
                          "       121: カウンタ cnt←3", "       131: カウンタ cnt←4"));
  EXPECT_EQ(ValueOf("cnt", "q"), "001");
}

TEST_F(StorageModelTest, CounterLoadsWhileLoadIsHigh) {
  const std::string circuit =
      CircuitText("c", {"D", "L", "R", "T", "Q"},
                  {{"cnt", "_cnt", {{"d", "D"}, {"l", "L"}, {"q", "Q"}, {"r", "R"}, {"t", "T"}}}});
  ASSERT_TRUE(
      Run(circuit, "a D 1 0 9\na L 2 0 0 10 1\na R 2 0 0 50 1\na T 4 0 0 20 1 25 0 30 1\ne\n"))
      << messages.OnlyText();
  EXPECT_THAT(log.lines,
              ElementsAre("", "        10: カウンタ cnt←9", "        20: カウンタ cnt←9",
                          "        30: カウンタ cnt←9", "", "        50: カウンタ cnt←0"));
}

TEST_F(StorageModelTest, MemoryTracesReadsAndWritesInAddressOrder) {
  const std::string circuit =
      CircuitText("c", {"A", "D", "R", "W", "Q"},
                  {{"ram", "_mem", {{"a", "A"}, {"d", "D"}, {"q", "Q"}, {"r", "R"}, {"w", "W"}}}});
  // Address 4 holds ff; reading 4 gives it; reading 1 (never written) adds
  // it with 0; writing 3 at address 0a adds it in order.
  ASSERT_TRUE(Run(circuit,
                  "m ram 4 ff z\na A 3 0 4 20 1 30 0a\na D 1 0 3\n"
                  "a R 3 0 0 10 1 25 0\na W 2 0 0 40 1\ne\n"))
      << messages.OnlyText();
  EXPECT_THAT(log.lines,
              ElementsAre("",                                    //
                          "         0: メモリ    4 ",            //
                          "            (input)  ff ",            //
                          "            　　　　    ",            //
                          "        10: メモリ    4 ",            //
                          "            (read)   ff ",            //
                          "            　　　　  = ",            //
                          "        20: メモリ    1  4 ",         //
                          "            (read)    0 ff ",         //
                          "            　　　　  =    ",         //
                          "", "        40: メモリ    1  4 0a ",  //
                          "            (write)   0 ff  3 ",      //
                          "            　　　　        = "));
  std::vector<std::string> q;
  for (const std::string& line : OutputLines())
    if (line.rfind("c.Q ", 0) == 0) q.push_back(line.substr(4));
  EXPECT_THAT(q, ElementsAre("12 ff", "22 0"));
}

TEST_F(StorageModelTest, MemoryDataIsCheckedForDuplicateAddresses) {
  const std::string circuit =
      CircuitText("c", {"A", "D", "R", "W", "Q"},
                  {{"ram", "_mem", {{"a", "A"}, {"d", "D"}, {"q", "Q"}, {"r", "R"}, {"w", "W"}}}});
  EXPECT_FALSE(Run(circuit, "m ram 0a 1 a 2 z\ne\n"));
  EXPECT_EQ(messages.OnlyText(), "メモリデータが２重に記述されています。\n番地 = a");

  messages.Clear();
  EXPECT_FALSE(Run(circuit, "m nothing 1 1 z\ne\n"));
  EXPECT_EQ(messages.OnlyText(),
            "メモリデータの記述が間違っています。\n正しい書き方は以下のとおりです。\n"
            "m <素子名> <番地1> <値1> ... <番地n> <値n> z\n");
}

TEST(MemoryAddresses, CompareAsNumbersOfAnyLength) {
  EXPECT_TRUE(SameAddress("0010", "001"));
  EXPECT_TRUE(SameAddress("0", "x"));
  EXPECT_TRUE(AddressLess()("1", "01"));
  EXPECT_FALSE(AddressLess()("01", "1"));
  // Beyond 39 bits every bit still counts.
  const std::string low = std::string(60, '0') + "1";
  const std::string high = std::string(60, '0') + "11";
  EXPECT_TRUE(AddressLess()(low, high));
  EXPECT_FALSE(SameAddress(std::string(50, '0') + "1", std::string(51, '0') + "1"));
}

}  // namespace
}  // namespace lumo::testing
