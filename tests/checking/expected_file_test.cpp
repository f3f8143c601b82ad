#include <gtest/gtest.h>

#include <sstream>

#include "checking/checking_errors.h"
#include "checking/expected.h"
#include "common/recording_message_host.h"
#include "lists/error_message.h"
#include "lists/list_errors.h"
#include "tests/support/test_folder.h"

namespace lumo {
namespace {

Expected Read(const std::string& text) {
  std::istringstream in(text);
  return ReadExpected(in);
}

std::string TagOf(const std::string& text) {
  try {
    Read(text);
  } catch (const ListError& error) {
    return error.tag();
  }
  return "read";
}

TEST(ExpectedFile, ReadsRowsInputsAndDontCaresAndWritesThemBack) {
  const Expected expected = Read(
      "(LumoExpect 1) (tolerance 3) (end 500)\n"
      "(input A (0 0) (100 1))\n"
      "(row \"Y\" 4 (events (0 \"0f\") (100 10) (250 z)) (dontcare (0 10) (100 120)))\n"
      "(row \"two words\" 0)\n");
  EXPECT_EQ(expected.tolerance, 3);
  EXPECT_EQ(expected.end, 500);
  ASSERT_EQ(expected.inputs.size(), 1u);
  EXPECT_EQ(expected.inputs[0].events[1].value, "1");
  ASSERT_EQ(expected.rows.size(), 2u);
  const ExpectedRow& y = expected.rows[0];
  EXPECT_EQ(y.width, 4);
  ASSERT_EQ(y.events.size(), 3u);
  // A bare 10 reads as a number and stands for the same digits.
  EXPECT_EQ(y.events[1].value, "10");
  EXPECT_EQ(y.events[2].value, "z");
  ASSERT_EQ(y.dont_care.size(), 2u);
  EXPECT_EQ(y.dont_care[1].to, 120);
  EXPECT_EQ(expected.rows[1].name, "two words");

  std::ostringstream out;
  WriteExpected(expected, out);
  std::ostringstream again;
  WriteExpected(Read(out.str()), again);
  EXPECT_EQ(again.str(), out.str());
  EXPECT_NE(out.str().find("\"two words\""), std::string::npos) << out.str();
}

TEST(ExpectedFile, DamagedTextRaisesTheRegisteredTags) {
  EXPECT_EQ(TagOf("(LumoExpect 2)"), "Expected::Read version");
  EXPECT_EQ(TagOf("(tolerance 1)"), "Expected::Read version");
  EXPECT_EQ(TagOf(""), "List::Read f");
  EXPECT_EQ(TagOf("(LumoExpect 1) (row Q 0 (events (10 1) (5 0)))"), "Expected::Read time");
  EXPECT_EQ(TagOf("(LumoExpect 1) (row Q 0 (dontcare (10 5)))"), "Expected::Read time");
  EXPECT_EQ(TagOf("(LumoExpect 1) (tolerance -1)"), "Expected::Read time");
  EXPECT_EQ(TagOf("(LumoExpect 1) (row Q 0 (events (0 q)))"), "Expected::Read value");
  EXPECT_EQ(TagOf("(LumoExpect 1) (row Q 0 (events (0 -1)))"), "Expected::Read value");
  EXPECT_EQ(TagOf("(LumoExpect 1) (row Q 0) (row Q 1)"), "Expected::Read record");
  EXPECT_EQ(TagOf("(LumoExpect 1) (row Q 0 (events (0 . 1)))"), "Expected::Read record");
  EXPECT_EQ(TagOf("(LumoExpect 1) (input \"\" (0 1))"), "Expected::Read record");
  EXPECT_EQ(TagOf("(LumoExpect 1) (colour red)"), "Expected::Read record");
  EXPECT_EQ(TagOf("(LumoExpect 1) (table (outputs Y) (line 1 0))"), "Expected::Read table");
  EXPECT_EQ(TagOf("(LumoExpect 1) (table (settle 2000000000) (outputs Y) (line 1) (line 0))"),
            "Expected::Read table");
  EXPECT_EQ(TagOf("(LumoExpect 1) (input A (0 0)) (table (outputs Y) (line 1))"),
            "Expected::Read table");

  // Every tag has its message, and a file names itself under it.
  ErrorTable errors;
  RegisterListErrors(errors);
  RegisterCheckingErrors(errors);
  for (const char* tag :
       {"Expected::Read version", "Expected::Read record", "Expected::Read time",
        "Expected::Read value", "Expected::Read table", "Expected::Read file", "Expected::Write"})
    EXPECT_NE(errors.Find(tag), nullptr) << tag;
  testing::TemporaryFolder folder;
  folder.Write("bad.lex", "(LumoExpect 1) (row Q 0 (events (0 q)))");
  RecordingMessageHost host;
  Expected expected;
  EXPECT_FALSE(ReadExpectedFile(folder.Path("bad.lex"), host, errors, expected));
  EXPECT_FALSE(ReadExpectedFile(folder.Path("none.lex"), host, errors, expected));
  ASSERT_EQ(host.Messages().size(), 2u);
  EXPECT_NE(host.Messages()[0].text.find("値が 0, 1, x, z, 16 進数のどれでもありません。"),
            std::string::npos);
  EXPECT_NE(host.Messages()[0].text.find(folder.Path("bad.lex")), std::string::npos);
  EXPECT_NE(host.Messages()[1].text.find("期待値ファイルが読めません。"), std::string::npos);
}

TEST(ExpectedFile, ATruthTableBecomesInputsAndExpectedRowsAndAnUnwritableNameIsRefused) {
  Expected expected = Read(
      "(LumoExpect 1) (tolerance 2)\n"
      "(table (settle 100) (inputs A B) (outputs Y) (line 0 0 0) (line 0 1 0) (line 1 1 1))");
  ASSERT_TRUE(expected.table);
  EXPECT_EQ(expected.table->dont_care, 50);  // half the settling time unless given
  ExpandTruthTable(expected);
  ASSERT_EQ(expected.inputs.size(), 2u);
  EXPECT_EQ(expected.inputs[1].events[1].time, 100);
  EXPECT_EQ(expected.inputs[1].events[1].value, "1");
  ASSERT_EQ(expected.rows.size(), 1u);
  const ExpectedRow& y = expected.rows[0];
  ASSERT_EQ(y.events.size(), 3u);
  EXPECT_EQ(y.events[2].time, 200);
  EXPECT_EQ(y.events[2].value, "1");
  ASSERT_EQ(y.dont_care.size(), 3u);
  EXPECT_EQ(y.dont_care[2].from, 200);
  EXPECT_EQ(y.dont_care[2].to, 250);
  EXPECT_EQ(expected.end, 300);

  // A name that cannot read back (a double quote and a blank) leaves the
  // old file as it was.
  testing::TemporaryFolder folder;
  folder.Write("keep.lex", "old");
  Expected unwritable;
  unwritable.rows.push_back({.name = "a \"b"});
  EXPECT_FALSE(WriteExpectedFile(folder.Path("keep.lex"), unwritable));
  EXPECT_EQ(folder.Read("keep.lex"), "old");
  EXPECT_TRUE(WriteExpectedFile(folder.Path("keep.lex"), expected));
  // The table is written as a table and expands the same again.
  std::istringstream in(folder.Read("keep.lex"));
  Expected back = ReadExpected(in);
  EXPECT_TRUE(back.rows.empty());
  ExpandTruthTable(back);
  ASSERT_EQ(back.rows.size(), 1u);
  EXPECT_EQ(back.rows[0].events.size(), 3u);
  EXPECT_EQ(back.rows[0].dont_care.size(), 3u);
}

}  // namespace
}  // namespace lumo
