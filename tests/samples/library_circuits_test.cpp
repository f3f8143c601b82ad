// The library circuits of the system folder's Parts: each is simulated as an
// instance in a small test circuit against its truth table, over every
// combination of its inputs.

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "tests/samples/sample_runner.h"

namespace lumo::testing {
namespace {

struct Pin {
  std::string name;
  int bits;
};

// Expected outputs (by pin name, as numbers) from the inputs' values.
using Truth = std::function<std::map<std::string, std::uint64_t>(const Inputs&)>;

struct Part {
  std::string name;
  std::vector<Pin> inputs;
  std::vector<std::string> outputs;
  Truth truth;
};

void PrintTo(const Part& part, std::ostream* out) {
  *out << part.name;
}

std::uint64_t Bit(const Inputs& in, const std::string& name, int bit = 0) {
  return static_cast<std::uint64_t>(in.at(name)) >> bit & 1;
}

const std::vector<Part>& Parts() {
  static const std::vector<Part> parts = {
      {"half_adder",
       {{"a", 1}, {"b", 1}},
       {"s", "c"},
       [](const Inputs& in) {
         return std::map<std::string, std::uint64_t>{{"s", Bit(in, "a") ^ Bit(in, "b")},
                                                     {"c", Bit(in, "a") & Bit(in, "b")}};
       }},
      {"full_adder",
       {{"a", 1}, {"b", 1}, {"ci", 1}},
       {"s", "co"},
       [](const Inputs& in) {
         const std::uint64_t sum = Bit(in, "a") + Bit(in, "b") + Bit(in, "ci");
         return std::map<std::string, std::uint64_t>{{"s", sum & 1}, {"co", sum >> 1}};
       }},
      {"adder4",
       {{"a", 4}, {"b", 4}, {"ci", 1}},
       {"s", "co"},
       [](const Inputs& in) {
         const auto sum = static_cast<std::uint64_t>(in.at("a") + in.at("b") + in.at("ci"));
         return std::map<std::string, std::uint64_t>{{"s", sum & 15}, {"co", sum >> 4}};
       }},
      {"decoder2to4",
       {{"a0", 1}, {"a1", 1}},
       {"y0", "y1", "y2", "y3"},
       [](const Inputs& in) {
         const std::uint64_t k = Bit(in, "a1") * 2 + Bit(in, "a0");
         std::map<std::string, std::uint64_t> out;
         for (std::uint64_t i = 0; i < 4; ++i)
           out["y" + std::to_string(i)] = k == i ? 1 : 0;
         return out;
       }},
      {"mux4to1",
       {{"d0", 1}, {"d1", 1}, {"d2", 1}, {"d3", 1}, {"s0", 1}, {"s1", 1}},
       {"y"},
       [](const Inputs& in) {
         const std::uint64_t k = Bit(in, "s1") * 2 + Bit(in, "s0");
         return std::map<std::string, std::uint64_t>{{"y", Bit(in, "d" + std::to_string(k))}};
       }},
  };
  return parts;
}

// A circuit "h" holding one instance U of the part, every pin of U on a
// signal of its own name that is also a pin of h.
std::string TestCircuit(const Part& part) {
  std::vector<std::string> pins;
  for (const Pin& pin : part.inputs)
    pins.push_back(pin.name);
  pins.insert(pins.end(), part.outputs.begin(), part.outputs.end());
  std::string text = "(h)\n  (U " + part.name + ") (h h) ()\n ";
  for (const std::string& pin : pins)
    text += " (" + pin + ")";
  text += " ()\n ";
  for (const char* element : {"U", "h"})
    for (const std::string& pin : pins)
      text += std::string(" (") + element + " " + pin + " " + pin + ")";
  return text + " ()\n";
}

// Every combination of the inputs, one every 100 time units, the first
// input in the lowest bits.
std::string AllCombinations(const Part& part) {
  int width = 0;
  for (const Pin& pin : part.inputs)
    width += pin.bits;
  std::ostringstream text;
  int shift = 0;
  for (const Pin& pin : part.inputs) {
    const std::uint64_t mask = (1u << pin.bits) - 1;
    std::ostringstream events;
    int count = 0;
    std::uint64_t last = ~0u;
    for (std::uint64_t k = 0; k < (1u << width); ++k) {
      const std::uint64_t value = k >> shift & mask;
      if (value == last) continue;
      events << " " << 100 * k << " " << std::hex << value << std::dec;
      last = value;
      ++count;
    }
    text << "a " << pin.name << " " << count << events.str() << "\n";
    shift += pin.bits;
  }
  return text.str() + "e\n";
}

class LibraryCircuit : public ::testing::TestWithParam<Part> {};

// The circuit file shipped beside each schematic is what converting that
// schematic gives, and the schematic is in the layout the editor writes.
TEST_P(LibraryCircuit, ShipsItsSchematicConverted) {
  const Part& part = GetParam();
  WorkFolder work("part_" + part.name);
  const fs::path schematic = PartsFolder() / (part.name + ".ldr");
  EXPECT_EQ(Convert(schematic, work / (part.name + ".lcr"), work.path()), "");
  EXPECT_EQ(FileText(work / (part.name + ".lcr")), FileText(PartsFolder() / (part.name + ".lcr")))
      << "run scripts/make_samples.py --lumo";
  EXPECT_EQ(SchematicRewrittenTwice(schematic), FileText(schematic));
  EXPECT_EQ(PinFindings(schematic), std::vector<std::string>());
}

TEST_P(LibraryCircuit, FollowsItsTruthTableForEveryInput) {
  const Part& part = GetParam();
  WorkFolder work("truth_" + part.name);
  WriteText(work / "h.lcr", TestCircuit(part));
  WriteText(work / "h[0].lpt", AllCombinations(part));
  const RunResult run = RunCircuit(work, "h", work / "h[0].lpt", /*convert=*/false);
  ASSERT_TRUE(run.ok) << run.messages;
  EXPECT_EQ(run.messages, "");
  EXPECT_EQ(UnconnectedPrimitiveInputs(work / "LumoExp.tmp"), std::vector<std::string>());

  const PatternFile pattern = ReadPatternFile(work / "h[0].lpt");
  int checked = 0;
  const int moments = Replay(
      pattern, [](const std::string&, const Inputs&) {},
      [&](std::int32_t time, const Inputs& inputs) {
        for (const auto& [pin, value] : part.truth(inputs)) {
          EXPECT_EQ(Normal(run.outputs.at("h." + pin).At(time)), Decimal(value))
              << part.name << "." << pin << " at " << time;
          ++checked;
        }
      });
  int width = 0;
  for (const Pin& pin : part.inputs)
    width += pin.bits;
  EXPECT_EQ(moments, 1 << width);
  EXPECT_EQ(checked, moments * static_cast<int>(part.outputs.size()));
}

INSTANTIATE_TEST_SUITE_P(Parts, LibraryCircuit, ::testing::ValuesIn(Parts()),
                         [](const ::testing::TestParamInfo<Part>& info) {
                           return info.param.name;
                         });

}  // namespace
}  // namespace lumo::testing
