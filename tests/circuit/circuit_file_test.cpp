#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "circuit/circuit_errors.h"
#include "circuit/circuit_file.h"
#include "circuit/circuit_store.h"
#include "lists/error_message.h"
#include "lists/error_table.h"

namespace lumo {
namespace {

// A file as the writer lays it out: quoted names (a leading digit, a blank,
// nil), an unconnected terminal, and a connection section that wraps once the
// counter, which does not count quotes, reaches 60.
const char kFile[] =
    "(\"4bit\")\n"
    "  (\"4bit\" \"4bit\") (u1 _and2) (\"a b\" _not) ()\n"
    "  (s1) (\"nil\") (s2) ()\n"
    "  (\"4bit\" A s1) (\"4bit\" b ()) (u1 a s1) (u1 b \"nil\") (u1 y s2) (\"a b\" a s2)\n"
    "  (\"a b\" y ()) ()\n";

// The same circuit after one read-and-write cycle: both sections reversed,
// the connections following the new element order.
const char kReversed[] =
    "(\"4bit\")\n"
    "  (\"a b\" _not) (u1 _and2) (\"4bit\" \"4bit\") ()\n"
    "  (s2) (\"nil\") (s1) ()\n"
    "  (\"a b\" a s2) (\"a b\" y ()) (u1 a s1) (u1 b \"nil\") (u1 y s2) (\"4bit\" A s1)\n"
    "  (\"4bit\" b ()) ()\n";

Circuit* Read(CircuitStore& store, const std::string& text) {
  std::istringstream in(text);
  return ReadCircuit(store, in);
}

std::string Written(const Circuit& circuit) {
  std::ostringstream out;
  WriteCircuit(circuit, out);
  return out.str();
}

// Reads `text` into a fresh store and writes it back.
std::string Cycle(const std::string& text) {
  CircuitStore store;
  Circuit* circuit = Read(store, text);
  EXPECT_NE(circuit, nullptr);
  return circuit == nullptr ? std::string() : Written(*circuit);
}

// The tag of the error that `act` raises.
template <class Act>
std::string RaisedTag(Act act) {
  try {
    act();
  } catch (const ListError& error) {
    return error.tag();
  }
  return "no error";
}

// The tag of the error that reading `text` raises into `store`.
std::string ReadErrorTag(CircuitStore& store, const std::string& text) {
  return RaisedTag([&] { Read(store, text); });
}

TEST(CircuitFile, ACycleReversesBothSectionsAndASecondRestoresTheBytes) {
  const std::string once = Cycle(kFile);
  EXPECT_EQ(once, kReversed);
  EXPECT_EQ(Cycle(once), kFile);
}

TEST(CircuitFile, ReadingBuildsTheModel) {
  CircuitStore store;
  Circuit* circuit = Read(store, kFile);
  ASSERT_NE(circuit, nullptr);
  EXPECT_EQ(circuit->name(), "4bit");
  EXPECT_EQ(store.first_circuit(), circuit);
  ASSERT_NE(circuit->IoPseudoElement(), nullptr);
  EXPECT_EQ(circuit->IoPseudoElement()->function_name(), "4bit");
  EXPECT_EQ(circuit->first_element()->name(), "a b");  // the last one read

  Element* u1 = circuit->FindElement("u1");
  ASSERT_NE(u1, nullptr);
  EXPECT_EQ(&u1->function(), store.FindFunction("_and2"));
  Signal* nil = circuit->FindSignal("nil");
  ASSERT_NE(nil, nullptr);
  EXPECT_EQ(u1->FindTerminal("b")->signal(), nil);
  // s1 carries u1.a (read later) ahead of 4bit.A.
  Signal* s1 = circuit->FindSignal("s1");
  ASSERT_EQ(s1->terminal_count(), 2u);
  EXPECT_EQ(s1->first_terminal(), u1->FindTerminal("a"));
  // An entry ending in "())" leaves the terminal unconnected.
  EXPECT_EQ(circuit->FindElement("a b")->FindTerminal("y")->signal(), nullptr);
  // Function records of new names go to the head of the registry.
  EXPECT_EQ(store.first_function()->name(), "_not");
  EXPECT_EQ(store.function_count(), 3u);
}

TEST(CircuitFile, EmptyCircuitsAndEmptySections) {
  EXPECT_EQ(Cycle("(c)\n  ()\n  ()\n  ()\n"), "(c)\n  ()\n  ()\n  ()\n");
  // Layout is free on reading.
  EXPECT_EQ(Cycle("(c ignored)(e f)\n()(s)()(e a s)\t()"),
            "(c)\n  (e f) ()\n  (s) ()\n  (e a s) ()\n");
}

TEST(CircuitFile, TheEmptyListFirstMeansNoCircuitAndNothingMoreIsRead) {
  CircuitStore store;
  std::istringstream in("()\n(junk");
  EXPECT_EQ(ReadCircuit(store, in), nullptr);
  EXPECT_EQ(store.circuit_count(), 0u);
  std::string rest;
  std::getline(in, rest);
  EXPECT_EQ(rest, "(junk");
}

TEST(CircuitFile, TheConnectionCounterWrapsAtSixtyWithoutCountingQuotes) {
  CircuitStore store;
  Circuit& circuit = store.AddCircuit("c");
  Signal& s = circuit.AddSignal("s");
  // Each entry (e1 tNN s) adds 2 + 3 + 5 + 1 = 11: 3 + 5 * 11 = 58, then 69.
  Element& e1 = circuit.AddElement("e1", store.Function("_f"));
  for (int i = 10; i < 16; ++i)
    e1.AddTerminal("t" + std::to_string(i)).ConnectTo(s);
  EXPECT_EQ(Written(circuit),
            "(c)\n  (e1 _f) ()\n  (s) ()\n"
            "  (e1 t10 s) (e1 t11 s) (e1 t12 s) (e1 t13 s) (e1 t14 s) (e1 t15 s)\n"
            "  ()\n");

  // Exactly 60 wraps; quoted names count without their quotes, and an
  // unconnected entry counts 7 besides its names.
  Circuit& quoted = store.AddCircuit("q");
  Signal& blank = quoted.AddSignal("x y");
  Element& e = quoted.AddElement("1e", store.Function("_f"));
  // Counting the six quotes of the first three entries would wrap after the
  // third.
  e.AddTerminal("a");                                       // 2 + 1 + 7 = 10 -> 13
  e.AddTerminal("b c").ConnectTo(blank);                    // 2 + 3 + 5 + 3 = 13 -> 26
  e.AddTerminal("d01234567890123456789").ConnectTo(blank);  // 2 + 21 + 5 + 3 = 31 -> 57
  e.AddTerminal("e012345").ConnectTo(blank);                // 2 + 7 + 5 + 3 = 17 -> 74
  e.AddTerminal("f");                                       // 2 + 1 + 7 = 10 -> 13
  EXPECT_EQ(Written(quoted),
            "(q)\n  (\"1e\" _f) ()\n  (\"x y\") ()\n"
            "  (\"1e\" a ()) (\"1e\" \"b c\" \"x y\") (\"1e\" d01234567890123456789 \"x y\") "
            "(\"1e\" e012345 \"x y\")\n"
            "  (\"1e\" f ()) ()\n");
  Element& exact = quoted.AddElement("2", store.Function("_f"));
  exact.AddTerminal("t01234567890123456789012345678901234567890123456").ConnectTo(blank);
  // 3 + 1 + 48 + 5 + 3 = 60: the line breaks after this one entry.
  const std::string text = Written(quoted);
  EXPECT_NE(text.find("  (\"2\" t01234567890123456789012345678901234567890123456 \"x y\")\n"
                      "  (\"1e\" a ())"),
            std::string::npos)
      << text;
  // Read back, written twice, the quoted file comes back byte for byte.
  EXPECT_EQ(Cycle(Cycle(text)), text);
}

TEST(CircuitFile, ConnectionsGoToTheFirstElementAndSignalOfTheirName) {
  CircuitStore store;
  Circuit* circuit = Read(store, "(c)\n  (u _x) (u _y) ()\n  (s) (s) ()\n  (u a s) ()\n");
  ASSERT_NE(circuit, nullptr);
  // Declared last, so first in list order.
  Element* first = circuit->first_element();
  EXPECT_EQ(first->function_name(), "_y");
  EXPECT_EQ(first->terminal_count(), 1u);
  EXPECT_EQ(first->next()->terminal_count(), 0u);
  EXPECT_EQ(first->FindTerminal("a")->signal(), circuit->first_signal());
}

TEST(CircuitFile, UndeclaredNamesAndMalformedFilesLeaveTheStoreAsItWas) {
  CircuitStore store;
  ASSERT_NE(Read(store, "(old)\n  (p _keep) ()\n  ()\n  ()\n"), nullptr);
  const struct {
    const char* text;
    const char* tag;
  } cases[] = {
      {"(c)\n  (u _new) ()\n  (s) ()\n  (v a s) ()\n", kReadCircuitUnknownElement},
      {"(c)\n  (u _new) ()\n  (s) ()\n  (u a t) ()\n", kReadCircuitUnknownSignal},
      {"(c)\n  (u _new) ()\n  (s) ()\n  (u a S) ()\n", kReadCircuitUnknownSignal},
      {"(c)\n  (u) ()\n  ()\n  ()\n", kReadCircuitElementEntry},
      {"(c)\n  (u 12) ()\n  ()\n  ()\n", kReadCircuitElementEntry},
      {"(c)\n  u ()\n  ()\n  ()\n", kReadCircuitElementEntry},
      {"(c)\n  (u _new . x) ()\n  ((s)) ()\n  ()\n", kReadCircuitSignalEntry},
      {"(c)\n  (u _new) ()\n  (s) ()\n  (u (a) s) ()\n", kReadCircuitConnectionEntry},
      {"(c)\n  (u _new) ()\n  (s) ()\n  (u a (s)) ()\n", kReadCircuitConnectionEntry},
      {"(c)\n  (u _new) ()\n  (s) ()\n  (u a 1.5) ()\n", kReadCircuitConnectionEntry},
      {"(1)\n  ()\n  ()\n  ()\n", kReadCircuitName},
      {"c\n", kReadCircuitName},
      // A section never closed, or missing: the file ends early.
      {"(c)\n  (u _new) (v _new2)\n", "List::Read f"},
      {"(c)\n  (u _new) ()\n  ()\n", "List::Read f"},
      {"(c)\n  (u _new) ()\n  (s) ()\n  (u a s", "List::Read f"},
      {"", "List::Read f"},
      {"(c)\n  (u _new) ()\n  (s) ()\n  (u a \"s", "List::Read quote"},
  };
  for (const auto& each : cases) {
    EXPECT_EQ(ReadErrorTag(store, each.text), each.tag) << each.text;
    EXPECT_EQ(store.circuit_count(), 1u) << each.text;
    EXPECT_EQ(store.function_count(), 1u) << each.text;
    EXPECT_EQ(store.first_function()->name(), "_keep");
  }
}

TEST(CircuitFile, RejectionsCarryTheEntryAndATextOfTheCircuitLibrary) {
  CircuitStore store;
  try {
    Read(store, "(c)\n  (u _x) ()\n  (s) ()\n  (u a s) (w b s) ()\n");
    FAIL() << "undeclared element accepted";
  } catch (const ListError& error) {
    EXPECT_EQ(error.tag(), kReadCircuitUnknownElement);
    EXPECT_EQ(error.detail(), "(w b s)");
    ErrorTable table;
    RegisterCircuitErrors(table);
    const std::string text = ErrorText(table, error.tag(), error.detail());
    EXPECT_NE(text.find("回路ライブラリー内でエラーが発生しました。"), std::string::npos) << text;
    EXPECT_NE(text.find("宣言されていない素子名"), std::string::npos) << text;
    EXPECT_NE(text.find("(w b s)"), std::string::npos) << text;
  }
}

TEST(CircuitFile, NamesThatWouldNotReadBackAreRefusedBeforeAnythingIsWritten) {
  EXPECT_TRUE(IsWritableName(""));
  EXPECT_TRUE(IsWritableName("a\"b"));  // bare: the quote is not leading
  EXPECT_TRUE(IsWritableName(std::string(99, 'n')));
  EXPECT_FALSE(IsWritableName(std::string(100, 'n')));
  EXPECT_FALSE(IsWritableName("a \"b"));
  EXPECT_FALSE(IsWritableName("\"a"));

  CircuitStore store;
  Circuit& circuit = store.AddCircuit("c");
  Element& element = circuit.AddElement("u", store.Function("_x"));
  element.AddTerminal(std::string(100, 't'));
  std::ostringstream out;
  try {
    WriteCircuit(circuit, out);
    FAIL() << "a name of 100 bytes was written";
  } catch (const ListError& error) {
    EXPECT_EQ(error.tag(), kWriteCircuitName);
  }
  EXPECT_EQ(out.str(), "");

  // A bare word may read in that needs quotes it cannot have.
  CircuitStore read;
  Circuit* odd = Read(read, "(c)\n  (u 4bit\") ()\n  ()\n  ()\n");
  ASSERT_NE(odd, nullptr);
  EXPECT_EQ(odd->first_element()->function_name(), "4bit\"");
  EXPECT_EQ(RaisedTag([&] { Written(*odd); }), kWriteCircuitName);

  // The empty name is written quoted and reads back.
  CircuitStore other;
  Circuit& empty = other.AddCircuit("c");
  empty.AddElement("", other.Function("_x")).AddTerminal("a").ConnectTo(empty.AddSignal(""));
  const std::string text = Written(empty);
  EXPECT_EQ(text, "(c)\n  (\"\" _x) ()\n  (\"\") ()\n  (\"\" a \"\") ()\n");
  EXPECT_EQ(Cycle(text), text);
}

class CircuitFileOnDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ =
        std::filesystem::temp_directory_path() /
        ("circuit_file_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  static std::string Contents(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  std::filesystem::path folder_;
};

TEST_F(CircuitFileOnDisk, WritesTheFileWholeOrLeavesTheOldOne) {
  CircuitStore store;
  Circuit* circuit = Read(store, kFile);
  ASSERT_NE(circuit, nullptr);
  const std::filesystem::path path = folder_ / "c.lcr";
  {
    std::ofstream old(path);
    old << "old";
  }
  ASSERT_TRUE(WriteCircuitFile(*circuit, path.string()));
  EXPECT_EQ(Contents(path), kReversed);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_),
                          std::filesystem::directory_iterator()),
            1);

  EXPECT_FALSE(WriteCircuitFile(*circuit, (folder_ / "missing" / "c.lcr").string()));

  circuit->AddSignal(std::string(120, 's'));
  EXPECT_EQ(RaisedTag([&] { WriteCircuitFile(*circuit, path.string()); }), kWriteCircuitName);
  EXPECT_EQ(Contents(path), kReversed);

  // A file stream reads like a string stream.
  CircuitStore again;
  std::ifstream in(folder_ / "c.lcr", std::ios::binary);
  Circuit* read = ReadCircuit(again, in);
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(Written(*read), kFile);
}

}  // namespace
}  // namespace lumo
