// The sample working folder: every sample is in the layout the editor
// writes, passes the circuit checks, simulates without a message, and its
// outputs are what the circuit is meant to compute at every moment its
// pattern gives.

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <sstream>

#include "lists/list.h"
#include "symbol/symbol.h"
#include "tests/samples/sample_runner.h"

namespace lumo::testing {
namespace {

const std::vector<std::string>& SampleTitles() {
  static const std::vector<std::string> titles = {"fulladd", "add4",    "counter4", "regmem",
                                                  "tribus",  "nandxor", "parity4",  "bus8",
                                                  "select4", "hazard"};
  return titles;
}

std::int64_t Get(const Inputs& inputs, const std::string& name) {
  const auto found = inputs.find(name);
  return found == inputs.end() ? -1 : found->second;
}

std::string Number(std::int64_t value) {
  return value < 0 ? std::string() : Decimal(static_cast<std::uint64_t>(value));
}

// One sample run in a copy of the sample folder, as a student would run it.
class SampleRun {
 public:
  explicit SampleRun(const std::string& title) : title_(title), work_(title) {
    work_.CopyFilesOf(SampleFolder());
    pattern_ = ReadPatternFile(work_ / (title + "[0].lpt"));
    run_ = RunCircuit(work_, title, work_ / (title + "[0].lpt"));
  }

  const RunResult& run() const { return run_; }
  const PatternFile& pattern() const { return pattern_; }
  fs::path operator/(const std::string& name) const { return work_ / name; }

  // The output of a pin at a moment, in the form Normal gives.
  std::string Pin(const std::string& name, std::int32_t time) const {
    return Signal(title_ + "." + name, time);
  }
  std::string Signal(const std::string& name, std::int32_t time) const {
    const auto found = run_.outputs.find(name);
    return found == run_.outputs.end() ? std::string() : Normal(found->second.At(time));
  }

  // Replays the pattern; at each settled moment every pin `expected` names
  // must show its value ("" for no value yet, "z", or a decimal number).
  // Returns the number of comparisons made.
  int Expect(const std::function<void(const std::string&, const Inputs&)>& change,
             const std::function<std::map<std::string, std::string>(const Inputs&)>& expected) {
    int compared = 0;
    Replay(pattern_, change, [&](std::int32_t time, const Inputs& inputs) {
      for (const auto& [pin, value] : expected(inputs)) {
        const std::string shown =
            pin.find('%') == std::string::npos ? Pin(pin, time) : Signal(pin, time);
        EXPECT_EQ(shown, value) << title_ << ": " << pin << " at " << time;
        ++compared;
      }
    });
    return compared;
  }
  int ExpectCombinational(
      const std::function<std::map<std::string, std::string>(const Inputs&)>& expected) {
    return Expect([](const std::string&, const Inputs&) {}, expected);
  }

 private:
  std::string title_;
  WorkFolder work_;
  PatternFile pattern_;
  RunResult run_;
};

class EverySample : public ::testing::TestWithParam<std::string> {};

TEST_P(EverySample, IsInTheEditorsLayoutWithItsPattern) {
  const std::string& title = GetParam();
  const fs::path schematic = SampleFolder() / (title + ".ldr");
  const fs::path pattern = SampleFolder() / (title + "[0].lpt");
  EXPECT_EQ(SchematicRewrittenTwice(schematic), FileText(schematic));
  int rows = 0;
  EXPECT_EQ(PatternRewritten(schematic, pattern, &rows), FileText(pattern));
  // Every row of the file is an input of the schematic.
  EXPECT_EQ(static_cast<std::size_t>(rows), ReadPatternFile(pattern).rows.size());
}

TEST_P(EverySample, PassesTheCircuitChecksAndSimulatesWithoutAMessage) {
  const std::string& title = GetParam();
  EXPECT_EQ(PinFindings(SampleFolder() / (title + ".ldr")), std::vector<std::string>());
  SampleRun sample(title);
  EXPECT_TRUE(sample.run().ok);
  EXPECT_EQ(sample.run().messages, "");
  EXPECT_EQ(UnconnectedPrimitiveInputs(sample / "LumoExp.tmp"), std::vector<std::string>());
  EXPECT_FALSE(sample.run().outputs.empty());
}

INSTANTIATE_TEST_SUITE_P(SampleFolder, EverySample, ::testing::ValuesIn(SampleTitles()));

TEST(Samples, FullAdderFromGatesAddsThreeBits) {
  SampleRun sample("fulladd");
  ASSERT_TRUE(sample.run().ok) << sample.run().messages;
  const int compared = sample.ExpectCombinational([](const Inputs& in) {
    const std::int64_t sum = in.at("A") + in.at("B") + in.at("CI");
    return std::map<std::string, std::string>{{"S", Number(sum & 1)}, {"CO", Number(sum >> 1)}};
  });
  EXPECT_EQ(compared, 8 * 2);
}

TEST(Samples, FourBitAdderOfLibraryFullAddersAdds) {
  SampleRun sample("add4");
  ASSERT_TRUE(sample.run().ok) << sample.run().messages;
  const int compared = sample.ExpectCombinational([](const Inputs& in) {
    const std::int64_t sum = in.at("A") + in.at("B") + in.at("CI");
    return std::map<std::string, std::string>{{"S", Number(sum & 15)}, {"CO", Number(sum >> 4)}};
  });
  EXPECT_EQ(compared, 16 * 2);
  // Each full adder instance became its two half adders and OR gate.
  EXPECT_NE(sample.run().statistics.find("素子展開 = 12"), std::string::npos)
      << sample.run().statistics;
}

TEST(Samples, JkCounterCountsFallingClockEdgesAndWraps) {
  SampleRun sample("counter4");
  ASSERT_TRUE(sample.run().ok) << sample.run().messages;
  std::int64_t count = 0, clock = -1;
  int edges = 0;
  const int compared = sample.Expect(
      [&](const std::string& row, const Inputs& in) {
        if (row == "CLK") {
          const std::int64_t now = in.at("CLK");
          if (clock == 1 && now == 0 && Get(in, "nRST") == 1) {
            count = (count + 1) % 16;
            ++edges;
          }
          clock = now;
        }
        if (Get(in, "nRST") == 0) count = 0;
      },
      [&](const Inputs&) {
        std::map<std::string, std::string> bits;
        for (int k = 0; k < 4; ++k)
          bits["Q" + std::to_string(k)] = Number(count >> k & 1);
        return bits;
      });
  EXPECT_EQ(edges, 20);
  EXPECT_GT(compared, 20 * 4);
}

// The register-transfer lines of one kind ("レジスタ R←" and the like), in
// order: the text after the arrow.
std::vector<std::string> LoggedValues(const std::string& log, const std::string& what) {
  std::vector<std::string> values;
  std::istringstream lines(log);
  for (std::string line; std::getline(lines, line);) {
    const std::size_t at = line.find(what);
    if (at != std::string::npos) values.push_back(line.substr(at + what.size()));
  }
  return values;
}

std::string Hex(std::int64_t value) {
  char text[32];
  std::snprintf(text, sizeof text, "%llx", static_cast<unsigned long long>(value));
  return text;
}

TEST(Samples, RegisterTransferDemoMovesMemoryWordsIntoTheRegister) {
  SampleRun sample("regmem");
  ASSERT_TRUE(sample.run().ok) << sample.run().messages;

  // The transfers at register level: the counter addresses the memory,
  // which reads while RD is 1; LOAD copies what it reads into R; WR writes
  // DIN at the address.
  std::map<std::int64_t, std::int64_t> memory;
  for (const auto& [address, data] : sample.pattern().memories.at("M"))
    memory[NumberOf(address)] = NumberOf(data);
  std::int64_t pc = -1, dout = -1, reg = -1;
  std::vector<std::string> counted, loaded, written;
  const int compared = sample.Expect(
      [&](const std::string& row, const Inputs& in) {
        const std::int64_t now = in.at(row), old_pc = pc;
        if (row == "CLR" && now == 1) pc = 0;
        if (row == "CLK" && now == 1) pc = pc + 1;
        if (pc != old_pc) counted.push_back(Hex(pc));
        if (Get(in, "RD") == 1 && (pc != old_pc || row == "RD"))
          dout = memory.emplace(pc, 0).first->second;
        if (row == "WR" && now == 1) {
          memory[pc] = in.at("DIN");
          std::string values = "            (write)  ";
          for (const auto& [address, data] : memory) {
            char word[8];
            std::snprintf(word, sizeof word, "%2s ", Hex(data).c_str());
            values += word;
          }
          written.push_back(values);
        }
        if (row == "LOAD" && now == 1) {
          reg = dout;
          loaded.push_back(Hex(reg));
        }
      },
      [&](const Inputs&) {
        return std::map<std::string, std::string>{
            {"ADDR", Number(pc)}, {"DOUT", Number(dout)}, {"REG", Number(reg)}};
      });
  EXPECT_GT(compared, 40);
  const std::string& log = sample.run().register_log;
  EXPECT_EQ(LoggedValues(log, "カウンタ PC←"), counted);
  EXPECT_EQ(LoggedValues(log, "レジスタ R←"), loaded);
  EXPECT_EQ(loaded, (std::vector<std::string>{"12", "34", "9a", "78"}));
  std::vector<std::string> write_lines;
  std::istringstream lines(log);
  for (std::string line; std::getline(lines, line);)
    if (line.find("(write)") != std::string::npos) write_lines.push_back(line);
  EXPECT_EQ(write_lines, written);
  // The memory data of the pattern are traced first.
  EXPECT_NE(log.find("(input)  12 34 56 78 "), std::string::npos) << log;
}

TEST(Samples, TristateBusCarriesTheEnabledDriverOrFloats) {
  SampleRun sample("tribus");
  ASSERT_TRUE(sample.run().ok) << sample.run().messages;
  std::string last_driven;
  int floating = 0;
  const int compared = sample.ExpectCombinational([&](const Inputs& in) {
    const bool a = Get(in, "EA") == 1, b = Get(in, "EBn") == 0;
    EXPECT_FALSE(a && b) << "the pattern enables both drivers";
    const std::string bus = a ? Number(in.at("A")) : b ? Number(in.at("B")) : "z";
    if (bus != "z") last_driven = bus;
    floating += bus == "z";
    // The pin Y keeps the last value driven: a floating bus sends nothing.
    return std::map<std::string, std::string>{{"BUS%", bus}, {"Y", last_driven}};
  });
  EXPECT_GT(floating, 2);
  EXPECT_GT(compared, 10);
}

TEST(Samples, NandXorIsExclusiveOr) {
  SampleRun sample("nandxor");
  ASSERT_TRUE(sample.run().ok) << sample.run().messages;
  const int compared = sample.ExpectCombinational([](const Inputs& in) {
    return std::map<std::string, std::string>{{"y", Number(in.at("a") ^ in.at("b"))}};
  });
  EXPECT_EQ(compared, 4);
}

TEST(Samples, ParityFromPlacedUserSymbolsIsTheParityOfFourBits) {
  SampleRun sample("parity4");
  ASSERT_TRUE(sample.run().ok) << sample.run().messages;
  const int compared = sample.ExpectCombinational([](const Inputs& in) {
    return std::map<std::string, std::string>{
        {"P", Number(in.at("D0") ^ in.at("D1") ^ in.at("D2") ^ in.at("D3"))}};
  });
  EXPECT_EQ(compared, 16);
  EXPECT_NE(sample.run().statistics.find("素子展開 = 3"), std::string::npos)
      << sample.run().statistics;
  const std::string expanded = FileText(sample / "LumoExp.tmp");
  EXPECT_NE(expanded.find("(X3-N4 _nand2)"), std::string::npos) << expanded;
}

// The user symbol ships beside its sub-circuit, whose circuit file is the
// conversion of its schematic, so parity4 simulates before nandxor was ever
// opened; the symbol file is in the layout the symbol editor writes.
TEST(Samples, UserSymbolShipsWithItsConvertedSubCircuit) {
  WorkFolder work("nandxor_circuit");
  EXPECT_EQ(Convert(SampleFolder() / "nandxor.ldr", work / "nandxor.lcr", work.path()), "");
  EXPECT_EQ(FileText(work / "nandxor.lcr"), FileText(SampleFolder() / "nandxor.lcr"))
      << "run scripts/make_samples.py --lumo";

  const std::string file = FileText(SampleFolder() / "nandxor.lsy");
  std::string text = file;
  for (int pass = 0; pass < 2; ++pass) {
    std::istringstream in(text);
    List expression;
    expression.Read(in);
    Symbol symbol;
    symbol.Parse(expression.Top());
    EXPECT_EQ(symbol.kind, 'u');
    std::ostringstream out;
    EXPECT_TRUE(symbol.Write(out));
    text = out.str();
  }
  EXPECT_EQ(text, file);
}

TEST(Samples, ByteBusBetweenTwoLine8BecomesWiresAndSwapsNibbles) {
  SampleRun sample("bus8");
  ASSERT_TRUE(sample.run().ok) << sample.run().messages;
  const int compared = sample.ExpectCombinational([](const Inputs& in) {
    std::int64_t byte = 0;
    for (int k = 0; k < 8; ++k)
      byte |= in.at("D" + std::to_string(k)) << k;
    return std::map<std::string, std::string>{{"SWAP", Number((byte & 15) << 4 | byte >> 4)}};
  });
  EXPECT_EQ(compared, 13);
  // The _line8 pair on B is merged away; the one driving SWAP stays.
  EXPECT_NE(sample.run().statistics.find("信号展開 = 1"), std::string::npos)
      << sample.run().statistics;
  const std::string expanded = FileText(sample / "LumoExp.tmp");
  EXPECT_EQ(expanded.find("PK"), std::string::npos) << expanded;
  EXPECT_EQ(expanded.find("UP"), std::string::npos) << expanded;
  EXPECT_NE(expanded.find("(SW _line8)"), std::string::npos) << expanded;
}

TEST(Samples, LibraryMultiplexerAndDecoderSelectOneOfFour) {
  SampleRun sample("select4");
  ASSERT_TRUE(sample.run().ok) << sample.run().messages;
  const int compared = sample.ExpectCombinational([](const Inputs& in) {
    const std::int64_t select = in.at("S1") * 2 + in.at("S0");
    std::map<std::string, std::string> out{{"Y", Number(in.at("D" + std::to_string(select)))}};
    for (int k = 0; k < 4; ++k)
      out["L" + std::to_string(k)] = Number(select == k ? 1 : 0);
    return out;
  });
  EXPECT_EQ(compared, 8 * 5);
}

// The checks the samples must pass find what they look for.
TEST(CircuitChecks, FindUnconnectedInputsUnnamedPinsAndTwinNames) {
  WorkFolder work("checks");
  WriteText(work / "c.lcr",
            "(c)\n  (G _and2) (c c) ()\n  (A) (Y) ()\n"
            "  (G a A) (G b ()) (G y Y) (c A A) (c Y Y) ()\n");
  EXPECT_EQ(UnconnectedPrimitiveInputs(work / "c.lcr"),
            std::vector<std::string>{"素子 G(_and2) の入力端子 b が信号に接続していません。"});
  WriteText(work / "s.ldr",
            "(s)\n(0 0 ? _in 0 p \n  (\n  (0 0 y 2 p )\n  ))\n"
            "(40 0 g _out 0 p \n  (\n  (40 0 a 0 p )\n  ))\n"
            "(80 0 G _not 0 p \n  (\n  (64 0 a 0 p )\n  (92 0 y 2 n )\n  ))\n"
            "()\n(0 0 64 0 t t ? )\n()\n()\n");
  EXPECT_EQ(PinFindings(work / "s.ldr"),
            (std::vector<std::string>{"pin g on no line", "two elements named g",
                                      "a pin without a name"}));
}

}  // namespace
}  // namespace lumo::testing
