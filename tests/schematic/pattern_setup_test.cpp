#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "pattern/pattern_errors.h"
#include "schematic/pattern_setup.h"
#include "schematic_test_util.h"

namespace lumo::testing {
namespace {

class PatternSetup : public SchematicTest {
 protected:
  PatternSetup() {
    RegisterPatternErrors(errors);
    draw.SetPath("/w/adder.ldr");
  }

  DrawElement& Place(const std::string& symbol, const std::string& name) {
    DrawElement& element = draw.PlaceElement(SystemSymbol(symbol), 0, 0, 0, 'p');
    element.set_name(name);
    return element;
  }

  std::vector<std::string> RowNames() const {
    std::vector<std::string> names;
    for (int i = 0; i < pat.count(); ++i)
      names.push_back(pat.row(i).name + "|" + pat.row(i).full_name + "|" +
                      static_cast<char>(pat.row(i).kind) + "|" +
                      std::to_string(pat.row(i).events.size()));
    return names;
  }

  Pat pat{host, errors};
};

TEST_F(PatternSetup, InputRowsComeFromInAndIoElementsSortedByName) {
  // Rows of an earlier pattern are replaced, events and all.
  for (const char* name : {"old1", "old2", "old3", "old4"})
    pat.row(pat.AppendRow(name, name, RowKind::kOutput)).events.Insert(5, "1");
  Place("_in", "B");
  Place("_io", "A");
  Place("_out", "S");
  Place("_in", "C");
  Place("_and2", "U1");
  SetupInputs(pat, draw);
  EXPECT_EQ(pat.schematic_name(), "adder");
  EXPECT_EQ(RowNames(),
            (std::vector<std::string>{"A|adder.A|i|0", "B|adder.B|i|0", "C|adder.C|i|0"}));

  // The file's events land on those rows; an "_in" row left without events
  // starts at 0, an "_io" row does not.
  std::istringstream file("a  C  1\n   10 1  \ne\n");
  pat.ReadInputPat(file);
  DefaultEvents(pat, draw);
  EXPECT_EQ(RowNames(),
            (std::vector<std::string>{"A|adder.A|i|0", "B|adder.B|i|1", "C|adder.C|i|1"}));
  EXPECT_EQ(pat.row(1).events.begin()->time, 0);
  EXPECT_EQ(pat.row(1).events.begin()->value, "0");
  EXPECT_EQ(pat.row(2).events.begin()->time, 10);
  EXPECT_TRUE(host.Messages().empty());
}

TEST_F(PatternSetup, RowsStopAtTheTableSize) {
  for (int i = 0; i < kPatRows; ++i)
    Place(i % 2 == 0 ? "_in" : "_io", "i" + std::to_string(i));
  EXPECT_TRUE(SetupInputs(pat, draw));
  EXPECT_EQ(InputPinCount(draw), kPatRows);
  Place("_io", "more");
  for (int i = 0; i < 19; ++i)
    Place("_in", "j" + std::to_string(i));
  // The schematic's inputs do not all fit: the caller must refuse.
  EXPECT_FALSE(SetupInputs(pat, draw));
  EXPECT_EQ(InputPinCount(draw), kPatRows + 20);
  EXPECT_EQ(TooManyInputsText(),
            "入力端子が多すぎます。\n入力パターンに入る入力端子は 500 個までです。");
  EXPECT_EQ(pat.count(), kPatRows);
  DefaultEvents(pat, draw);
  EXPECT_FALSE(pat.IsEmpty());
}

TEST_F(PatternSetup, MemoriesComeFromMemElementsSortedByNameWithTheirWords) {
  pat.mem().InsertWord(pat.mem().Append("stale"), MemWord{1, "1", "ff"});
  Place("_mem", "M2");
  Place("_mem", "RAM");
  Place("_and2", "U1");
  Place("_mem", "M1");
  SetupMemories(pat.mem(), draw);
  ASSERT_EQ(pat.mem().count(), 3);
  EXPECT_EQ(pat.mem().memory(0).name, "M1");
  EXPECT_EQ(pat.mem().memory(1).name, "M2");
  EXPECT_EQ(pat.mem().memory(2).name, "RAM");
  for (int i = 0; i < 3; ++i)
    EXPECT_TRUE(pat.mem().memory(i).words.empty());
  // Words read for a memory stay with it.
  std::istringstream file("m M2 10 aa z\ne\n");
  pat.ReadInputPat(file);
  EXPECT_EQ(pat.mem().count(), 3);
  EXPECT_EQ(pat.mem().memory(1).words.size(), 1u);
}

}  // namespace
}  // namespace lumo::testing
