#include "lists/error_table.h"

#include <gtest/gtest.h>

#include "common/recording_message_host.h"
#include "lists/list_errors.h"

namespace lumo {
namespace {

TEST(ShowError, RegisteredTagShowsLibraryCallAndMessage) {
  ErrorTable table;
  RegisterListErrors(table);
  RecordingMessageHost host;
  EXPECT_EQ(ShowError(host, table, "List::Read f"), MessageAnswer::kOk);
  ASSERT_EQ(host.Messages().size(), 1u);
  EXPECT_EQ(host.Messages()[0].text,
            "リストライブラリー内でエラーが発生しました。\n\n"
            "関数 : list.Read(ifstream inFile)\n"
            "内容 : 読むべきデータがありません。\n"
            "\n処理を中断します。\n");
  EXPECT_EQ(host.Messages()[0].icon, MessageIcon::kWarning);
  EXPECT_EQ(host.Messages()[0].buttons, MessageButtons::kOk);
  EXPECT_TRUE(host.Messages()[0].caption.empty());
}

TEST(ShowError, UnregisteredTagShowsTheTagAndDetail) {
  ErrorTable table;
  RegisterListErrors(table);
  EXPECT_EQ(ErrorText(table, "ListPosition::Check", "abc"),
            "エラーが発生しました。\n\nListPosition::Check\nabc\n\n処理を中断します。\n");
  // A detail ending in a line break gets another one.
  EXPECT_EQ(ErrorText(table, "List::MakeNull", "abc\n"),
            "エラーが発生しました。\n\nList::MakeNull\nabc\n\n\n処理を中断します。\n");
}

TEST(ErrorTable, NewestRegistrationWinsAndEveryListTagIsRegistered) {
  ErrorTable table;
  RegisterError(table, "L", "T", "old()", "old");
  RegisterError(table, "L", "T", "new()", "new");
  EXPECT_EQ(table.Find("T")->call, "new()");
  EXPECT_EQ(table.Find("t"), nullptr);

  ErrorTable list_table;
  RegisterListErrors(list_table);
  for (const char* tag : {"ListPosition::Append", "ListPosition::Car",      "ListPosition::Cdr",
                          "ListPosition::Cxr 1",  "ListPosition::Cxr 2",    "ListPosition::Nil",
                          "ListPosition::Remove", "ListPosition::Separate", "ListPosition::Long",
                          "ListPosition::Double", "ListPosition::String",   "ListPosition::Insert",
                          "ListCell::ListCell",   "ListStack::Pop",         "List::Read )",
                          "List::Read d",         "List::Read b",           "List::Read ad",
                          "List::Read db",        "List::Read f",           "List::Read dd",
                          "List::Read quote",     "List::Read size"}) {
    const ErrorEntry* entry = list_table.Find(tag);
    ASSERT_NE(entry, nullptr) << tag;
    EXPECT_EQ(entry->library, "リストライブラリー");
  }
  for (const char* tag : {"List::MakeNull", "ListPosition::Check", "List::Read ldld"})
    EXPECT_EQ(list_table.Find(tag), nullptr) << tag;
}

}  // namespace
}  // namespace lumo
