// The text chart of lumo run: levels and bus values on one time scale,
// the scale chosen to keep changes apart, wrapping, and the width taken from
// the terminal.

#include "tools/lumo/waveform_chart.h"

#include <gtest/gtest.h>

#include <sstream>
#include <utility>
#include <vector>

#include "common/recording_message_host.h"
#include "lists/error_table.h"

namespace lumo::cli {
namespace {

using Changes = std::vector<std::pair<std::int32_t, std::string>>;

class WaveformChart : public ::testing::Test {
 protected:
  void Row(const std::string& name, RowKind kind, const Changes& changes) {
    const int row = pattern_.AppendRow(name, kind == RowKind::kInput ? "c." + name : "", kind);
    for (const auto& [time, value] : changes)
      pattern_.row(row).events.Insert(time, value);
  }
  std::string Chart(int width) const {
    std::ostringstream out;
    PrintWaveformChart(pattern_, width, out);
    return out.str();
  }
  static std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
      lines.push_back(line);
    return lines;
  }
  static std::size_t Width(const std::string& line) {
    std::size_t width = 0;
    for (const char c : line)
      width += (c & 0xC0) != 0x80;
    return width;
  }

  RecordingMessageHost host_;
  ErrorTable errors_;
  Pat pattern_{host_, errors_};
};

TEST_F(WaveformChart, BitsAndBusesShareOneScale) {
  Row("A", RowKind::kInput, {{0, "0"}, {10, "1"}, {30, "0"}});
  Row("B", RowKind::kInput, {{0, "x"}, {20, "z"}});
  Row("D", RowKind::kInput, {{0, "00"}, {10, "a5"}, {24, "3"}});
  // Settles to 1 before time 0, then changes between two columns' times.
  Row("Y", RowKind::kOutput, {{-2, "0"}, {-1, "1"}, {5, "0"}});
  // Columns of 2 time units: every change of a row keeps a column of its
  // own, and the whole fits one line.
  EXPECT_EQ(Chart(40),
            "waveforms: one column = 2 time units\n"
            "\n"
            "  time  0         20\n"
            "        +---------+---------+\n"
            "inputs\n"
            "  A     ▁▁▁▁▁▔▔▔▔▔▔▔▔▔▔▁▁▁▁▁▁\n"
            "  B     xxxxxxxxxxzzzzzzzzzzz\n"
            "  D     ╳00──╳a5────╳3───────\n"
            "outputs\n"
            "  Y     ▔▔▔▁▁▁▁▁▁▁▁▁▁▁▁▁▁▁▁▁▁\n");

  // A row that begins late is blank before its first change; no outputs
  // are said to be none.
  Pat inputs_only(host_, errors_);
  inputs_only.AppendRow("LATE", "c.LATE", RowKind::kInput);
  inputs_only.row(0).events.Insert(3, "1");
  std::ostringstream out;
  PrintWaveformChart(inputs_only, 40, out);
  EXPECT_NE(out.str().find("  LATE     ▔▔▔▔▔▔\n"), std::string::npos) << out.str();
  EXPECT_NE(out.str().find("outputs\n  (none)\n"), std::string::npos) << out.str();
}

TEST_F(WaveformChart, ALongPatternWrapsAndMarksWhatAColumnHides) {
  // A pulse of one time unit in a pattern 5000 long: no step keeps it apart
  // on four lines, so columns are 50 and its column is marked.
  Row("CLK", RowKind::kInput, {{0, "0"}, {1010, "1"}, {1011, "0"}, {2000, "1"}, {5000, "0"}});
  Row("Q", RowKind::kOutput, {{0, "0"}, {2000, "1"}});
  const ChartScale scale = ChooseChartScale(pattern_, 40);
  EXPECT_EQ(scale.step, 50);
  EXPECT_EQ(scale.columns, 106);

  const std::vector<std::string> lines = Lines(Chart(40));
  int blocks = 0;
  for (const std::string& line : lines) {
    EXPECT_LE(Width(line), 40u) << line;
    blocks += line == "inputs";
  }
  EXPECT_EQ(blocks, 4);  // 106 columns, 32 to a line
  // The first block: the hidden pulse at column 20, the rise at column 40
  // lies in the second block.
  ASSERT_GE(lines.size(), 8u);
  EXPECT_EQ(lines[5], "  CLK   ▁▁▁▁▁▁▁▁▁▁▁▁▁▁▁▁▁▁▁▁|▁▁▁▁▁▁▁▁▁▁▁");
  EXPECT_EQ(lines[7], "  Q     ▁▁▁▁▁▁▁▁▁▁▁▁▁▁▁▁▁▁▁▁▁▁▁▁▁▁▁▁▁▁▁▁");
  // The second block is labelled with the times of its columns.
  EXPECT_EQ(lines[9], "  time          2000      2500      3000");
  EXPECT_EQ(lines[12], "  CLK   ▁▁▁▁▁▁▁▁▔▔▔▔▔▔▔▔▔▔▔▔▔▔▔▔▔▔▔▔▔▔▔▔");

  // A last change that ends a line leaves the columns after it out rather
  // than starting a line for them: 3100 / 100 + 1 = 32 columns.
  Pat full_line(host_, errors_);
  full_line.AppendRow("CLK", "c.CLK", RowKind::kInput);
  for (const std::int32_t time : {0, 100, 3100})
    full_line.row(0).events.Insert(time, time == 100 ? "1" : "0");
  EXPECT_EQ(ChooseChartScale(full_line, 40).columns, 32);
}

TEST_F(WaveformChart, TheWidthComesFromColumnsWhenItIsSensible) {
  EXPECT_EQ(ChartWidth(nullptr), 80);
  EXPECT_EQ(ChartWidth("132"), 132);
  EXPECT_EQ(ChartWidth("40"), 40);
  for (const char* odd : {"", "abc", "39", "100x", "-120", "99999"})
    EXPECT_EQ(ChartWidth(odd), 80) << odd;
  // Long names are cut so that the waveforms keep their room.
  Row("A_VERY_LONG_INPUT_NAME_INDEED", RowKind::kInput, {{0, "1"}});
  for (const std::string& line : Lines(Chart(40)))
    EXPECT_LE(Width(line), 40u) << line;
}

}  // namespace
}  // namespace lumo::cli
