#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <filesystem>
#include <string>

#include "tests/pattern/pattern_test_util.h"

namespace lumo {
namespace {

const std::string kSjisName = "\x83\x41";  // a katakana letter in Shift-JIS
const std::string kLongData(64, 'f');

// Input rows and memory records exactly as the writer lays them out: ten
// events to a line, a memory line wrapped once its column reaches 70 (here
// exactly 70 after "101 1", and 71 for the long data of rom).
const std::string kWriterLayout =
    "a  A  3\n"
    "   0 0  100 1  250 0  \n"
    "a  B  10\n"
    "   0 0  10 1  20 0  30 1  40 0  50 1  60 0  70 1  80 0  90 1  \n"
    "   \n"
    "a  C  11\n"
    "   0 1  10 0  20 1  30 0  40 1  50 0  60 1  70 0  80 1  90 0  \n"
    "   100 1  \n"
    "a  D  3\n"
    "   5 a3  5 FF  5 0  \n"
    "a  " +
    kSjisName +
    "  1\n"
    "   0 x  \n"
    "a  入力  2\n"
    "   -3 z  2147483647 1  \n"
    "m  ram\n"
    "   0 00  1 0011  0010 ab  10 cd  ff 1234567890abcdef01  100 0  101 1  \n"
    "   102 2  103 3  z\n"
    "m  rom\n"
    "   0 " +
    kLongData +
    "  \n"
    "   z\n"
    "e\n";

TEST_F(PatternTest, WriterLayoutReadsAndWritesBackByteForByte) {
  Read(kWriterLayout);
  EXPECT_TRUE(host_.Messages().empty());
  EXPECT_EQ(Written(), kWriterLayout);

  EXPECT_EQ(Names(), (std::vector<std::string>{"A", "B", "C", "D", kSjisName, "入力"}));
  for (int i = 0; i < pat_.count(); ++i) {
    EXPECT_EQ(pat_.row(i).kind, RowKind::kInput);
    EXPECT_EQ(pat_.row(i).full_name, "adder." + pat_.row(i).name);
  }
  EXPECT_EQ(Events(0), (EventPairs{{0, "0"}, {100, "1"}, {250, "0"}}));
  // Equal times keep the file's order.
  EXPECT_EQ(Events(3), (EventPairs{{5, "a3"}, {5, "FF"}, {5, "0"}}));

  const Mem& mem = pat_.mem();
  ASSERT_EQ(mem.count(), 2);
  EXPECT_EQ(mem.memory(0).name, "ram");
  // 0010 and 10 are both address 16 and keep their own texts in file order.
  std::vector<std::string> at16;
  for (const MemWord& word : mem.memory(0).words)
    if (word.address == 16) at16.push_back(word.address_text + "=" + word.data_text);
  EXPECT_EQ(at16, (std::vector<std::string>{"0010=ab", "10=cd"}));
  EXPECT_EQ(mem.FindWord(0, 255)->data_text, "1234567890abcdef01");
  EXPECT_EQ(mem.FindWord(1, 0)->data_text, kLongData);
}

TEST_F(PatternTest, ReaderAcceptsAnyWhiteSpaceAndMergesRecordsOfOneName) {
  Read("a\tA 2\r\n10 1 30 1\n\n  m ram 2 x 1 y z a B 0 a A 2 10 0 20 0 m ram 0 w z e trailing");
  EXPECT_TRUE(host_.Messages().empty());
  EXPECT_EQ(Names(), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(Events(0), (EventPairs{{10, "1"}, {10, "0"}, {20, "0"}, {30, "1"}}));
  EXPECT_TRUE(pat_.row(1).events.empty());
  ASSERT_EQ(pat_.mem().count(), 1);  // one memory, its words in address order
  std::string words;
  for (const MemWord& word : pat_.mem().memory(0).words)
    words += word.address_text + word.data_text + " ";
  EXPECT_EQ(words, "0w 1y 2x ");
  // The row without events is not written.
  EXPECT_EQ(Written(),
            "a  A  4\n   10 1  10 0  20 0  30 1  \n"
            "m  ram\n   0 w  1 y  2 x  z\n"
            "e\n");
}

TEST_F(PatternTest, ReadingAppendsNewRowsAfterExistingOnesWithoutSorting) {
  pat_.AppendRow("Z", "adder.Z", RowKind::kInput);
  pat_.row(0).events.Insert(0, "1");
  pat_.AppendRow("M", "adder.M", RowKind::kInput);
  Read("a B 1 0 1 a Z 1 5 0 a A 1 0 0 e");
  EXPECT_EQ(Names(), (std::vector<std::string>{"Z", "M", "B", "A"}));
  EXPECT_EQ(Events(0), (EventPairs{{0, "1"}, {5, "0"}}));
}

TEST_F(PatternTest, WriterLeavesOutRowsAndWordsThatWouldNotReadBack) {
  pat_.set_count(7);
  auto fill = [&](int index, std::string name, RowKind kind, bool with_event) {
    pat_.row(index).name = std::move(name);
    pat_.row(index).kind = kind;
    if (with_event) pat_.row(index).events.Insert(0, "1");
  };
  fill(0, "out", RowKind::kOutput, true);
  fill(1, "idle", RowKind::kInput, false);
  fill(2, "", RowKind::kInput, true);
  fill(3, "two words", RowKind::kInput, true);
  fill(4, "  ", RowKind::kInput, true);
  fill(5, "ok", RowKind::kInput, true);
  fill(6, "new", RowKind::kUnused, true);

  Mem& mem = pat_.mem();
  const int empty = mem.Append("empty");
  const int blank = mem.Append("blank");
  mem.InsertWord(blank, MemWord{1, "1", ""});  // the editor's Delete on an empty cell
  mem.InsertWord(blank, MemWord{2, "", "5"});
  mem.InsertWord(blank, MemWord{3, "z", "5"});
  const int unnamed = mem.Append("");
  mem.InsertWord(unnamed, MemWord{0, "0", "1"});
  const int spaced = mem.Append("r m");
  mem.InsertWord(spaced, MemWord{0, "0", "1"});
  ASSERT_EQ(empty, 0);

  EXPECT_EQ(Written(),
            "a  ok  1\n   0 1  \n"
            "a  new  1\n   0 1  \n"
            "m  blank\n   z\n"
            "e\n");
}

TEST_F(PatternFileTest, MissingFileIsCreatedAsAnEmptyPattern) {
  const std::string path = PathOf("adder[0].lpt");
  EXPECT_TRUE(pat_.ReadInputPat(path));
  EXPECT_EQ(Contents(path), "e\n");
  EXPECT_EQ(pat_.count(), 0);
  EXPECT_TRUE(pat_.IsEmpty());
  EXPECT_TRUE(host_.Messages().empty());
  EXPECT_EQ(pat_.path(), path);
  EXPECT_EQ(pat_.folder(), folder_.string());
  EXPECT_EQ(pat_.title(), "adder[0]");
  EXPECT_TRUE(pat_.HasFile());

  // Writing and reading back at its own path keeps path, folder and title.
  EXPECT_TRUE(pat_.WriteInputPat(pat_.path()));
  EXPECT_TRUE(pat_.ReadInputPat(pat_.path()));
  EXPECT_EQ(pat_.path(), path);
  EXPECT_EQ(pat_.folder(), folder_.string());
  EXPECT_EQ(pat_.title(), "adder[0]");
}

TEST_F(PatternFileTest, FileThatCanNeitherBeReadNorCreatedShowsTheError) {
  const std::string path = PathOf("missing/adder.lpt");
  EXPECT_FALSE(pat_.ReadInputPat(path));
  EXPECT_EQ(Shown(), (std::vector<std::string>{"パターンライブラリー内でエラーが発生しました。\n\n"
                                               "関数 : pat.ReadInputPat(char *path)\n"
                                               "内容 : 入力パターンファイルが読めません。\n" +
                                               path + "\n\n処理を中断します。\n"}));
  EXPECT_EQ(pat_.path(), path);

  // A folder in the file's place is no pattern and is left alone.
  host_.Clear();
  EXPECT_FALSE(pat_.ReadInputPat(folder_.string()));
  EXPECT_EQ(host_.Messages().size(), 1u);
  EXPECT_TRUE(std::filesystem::is_directory(folder_));
}

TEST_F(PatternFileTest, SomethingThatExistsButCannotBeOpenedIsNotReplaced) {
  // Opening a socket for reading fails even for root.
  const std::string path = PathOf("socket.lpt");
  const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(socket, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  ASSERT_LT(path.size(), sizeof address.sun_path);
  path.copy(address.sun_path, path.size());
  ASSERT_EQ(::bind(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  EXPECT_FALSE(pat_.ReadInputPat(path));
  ::close(socket);
  EXPECT_EQ(host_.Messages().size(), 1u);
  EXPECT_TRUE(std::filesystem::is_socket(path));
}

TEST_F(PatternFileTest, ExistingFileThatCannotBeReadIsNotOverwritten) {
  if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
  const std::string path = PathOf("locked.lpt");
  Put(path, "a A 1 0 1 e\n");
  std::filesystem::permissions(path, std::filesystem::perms::none);
  EXPECT_FALSE(pat_.ReadInputPat(path));
  EXPECT_EQ(host_.Messages().size(), 1u);
  std::filesystem::permissions(path, std::filesystem::perms::owner_all);
  EXPECT_EQ(Contents(path), "a A 1 0 1 e\n");
}

TEST_F(PatternFileTest, WritingReplacesTheFileWhole) {
  const std::string path = PathOf("adder.lpt");
  Put(path, "old contents that are longer than the new ones\n");
  Read(kWriterLayout);
  EXPECT_TRUE(pat_.WriteInputPat(path));
  EXPECT_EQ(Contents(path), kWriterLayout);
  EXPECT_EQ(pat_.path(), path);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_),
                          std::filesystem::directory_iterator()),
            1);

  pat_.Clear();
  pat_.mem().Clear();
  EXPECT_TRUE(pat_.ReadInputPat(path));
  EXPECT_EQ(Written(), kWriterLayout);

  EXPECT_FALSE(pat_.WriteInputPat(PathOf("missing/adder.lpt")));
  EXPECT_EQ(pat_.path(), PathOf("missing/adder.lpt"));
  EXPECT_TRUE(host_.Messages().empty());
}

// Damaged files keep every complete event read before the damage and warn
// once.
struct DamagedCase {
  const char* text;
  EventPairs row_a;
};

TEST_F(PatternTest, DamagedPatternKeepsWhatWasReadAndWarnsOnce) {
  const DamagedCase cases[] = {
      {"a A 2 0 1 10 0\n", {{0, "1"}, {10, "0"}}},   // no e
      {"a A 3 0 1 10 0 20", {{0, "1"}, {10, "0"}}},  // the last value is cut off
      {"a A 3 0 1 10", {{0, "1"}}},
      {"a A", {}},
      {"a A two 0 1 e", {}},
      {"a A 2 0 1 1O 0 e", {{0, "1"}}},  // a letter O in the time
      {"a A 2 0 1 12abc 0 e", {{0, "1"}}},
      {"a A 2 0 1 2147483648 0 e", {{0, "1"}}},
      {"a A 1 0 1 q a A 1 5 0 e", {{0, "1"}}},  // no such record letter
      {"a A 1 0 1 i 3 e", {{0, "1"}}},
      {"", {}},
  };
  for (const DamagedCase& damaged : cases) {
    SCOPED_TRACE(damaged.text);
    pat_.Clear();
    host_.Clear();
    std::istringstream in(damaged.text);
    EXPECT_FALSE(pat_.ReadInputPat(in));
    EXPECT_EQ(Shown(), std::vector<std::string>{kDamagedPatternText});
    EXPECT_TRUE(host_.Messages()[0].caption.empty());
    EXPECT_EQ(host_.Messages()[0].icon, MessageIcon::kWarning);
    if (pat_.count() > 0) {
      EXPECT_EQ(Events(0), damaged.row_a);
    } else {
      EXPECT_TRUE(damaged.row_a.empty());
    }
  }
}

TEST_F(PatternTest, RowsBeyondTheTableAreRefusedAndReadingGoesOn) {
  std::string text;
  for (int i = 0; i < kPatRows + 2; ++i)
    text += "a r" + std::to_string(i) + " 1 0 1\n";
  text += "a r0 1 7 0\nm ram 0 1 z\ne\n";
  Read(text);
  EXPECT_EQ(Shown(), std::vector<std::string>{kDamagedPatternText});
  EXPECT_EQ(pat_.count(), kPatRows);
  EXPECT_EQ(pat_.row(kPatRows - 1).name, "r499");
  EXPECT_EQ(Events(0), (EventPairs{{0, "1"}, {7, "0"}}));
  EXPECT_EQ(pat_.mem().count(), 1);
  EXPECT_EQ(pat_.AppendRow("more", "", RowKind::kInput), -1);
}

TEST_F(PatternTest, MemoriesBeyondTheTableAreRefusedAndReadingGoesOn) {
  std::string text;
  for (int i = 0; i < kMemCapacity + 3; ++i)
    text += "m ram" + std::to_string(i) + " 0 " + std::to_string(i) + " z\n";
  text += "m ram0 1 x z\na A 1 0 1\ne\n";
  Read(text);
  EXPECT_EQ(Shown(), std::vector<std::string>{kDamagedMemoryText});
  EXPECT_EQ(pat_.mem().count(), kMemCapacity);
  EXPECT_EQ(pat_.mem().memory(0).words.size(), 2u);
  EXPECT_EQ(Names(), std::vector<std::string>{"A"});
}

TEST_F(PatternTest, TruncatedMemoryRecordKeepsItsWordsAndWarnsOnlyForTheMemory) {
  Read("a A 1 0 1 m ram 0 1 2");
  EXPECT_EQ(Shown(), std::vector<std::string>{kDamagedMemoryText});
  EXPECT_EQ(Events(0), (EventPairs{{0, "1"}}));
  ASSERT_EQ(pat_.mem().count(), 1);
  ASSERT_EQ(pat_.mem().memory(0).words.size(), 1u);  // the address without data is dropped
  EXPECT_EQ(pat_.mem().FindWord(0, 0)->data_text, "1");

  // Both kinds of damage in one file: one warning of each.
  host_.Clear();
  Read("m ram 0 1 x m");
  EXPECT_EQ(Shown(), std::vector<std::string>{kDamagedMemoryText});
  host_.Clear();
  std::string text;
  for (int i = 0; i < kPatRows + 1; ++i)
    text += "a s" + std::to_string(i) + " 0\n";
  Read(text + "m ram 5");
  EXPECT_EQ(Shown(), (std::vector<std::string>{kDamagedMemoryText, kDamagedPatternText}));
}

TEST(Mem, ReadMemoryWarnsOnADamagedRecordAndClearEmptiesTheTable) {
  RecordingMessageHost host;
  Mem mem(host);
  std::istringstream complete("ram 10 1 z rest");
  EXPECT_TRUE(mem.ReadMemory(complete));
  std::string rest;
  complete >> rest;
  EXPECT_EQ(rest, "rest");
  std::istringstream empty("rom z");
  EXPECT_TRUE(mem.ReadMemory(empty));
  EXPECT_EQ(mem.count(), 2);
  EXPECT_TRUE(mem.memory(1).words.empty());
  EXPECT_TRUE(host.Messages().empty());

  std::istringstream cut("ram 20");
  EXPECT_FALSE(mem.ReadMemory(cut));
  EXPECT_EQ(host.OnlyText(), kDamagedMemoryText);
  EXPECT_EQ(mem.memory(0).words.size(), 1u);

  mem.Clear();
  EXPECT_EQ(mem.count(), 0);
  EXPECT_TRUE(mem.memory(0).name.empty());
  EXPECT_TRUE(mem.memory(0).words.empty());
  std::ostringstream out;
  mem.WriteMemories(out);
  EXPECT_EQ(out.str(), "");
}

}  // namespace
}  // namespace lumo
