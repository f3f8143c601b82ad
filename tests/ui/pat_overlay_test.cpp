// Expected outputs in the waveform editor: the overlay drawn over the
// output rows, the status-bar count, the jump to the next mismatch and the
// outputs saved as an expected file.

#include <QTest>

#include "checking/compare.h"
#include "checking/expected.h"
#include "editing/command_ids.h"
#include "editing/pat_modes.h"
#include "tests/ui/ui_test_util.h"
#include "ui/pat_child.h"
#include "ui/pat_frame.h"
#include "ui/pat_overlay_painter.h"

namespace lumo::testing {
namespace {

class PatOverlayTest : public UiTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(
        OpenSampleWithEditor("fulladd", {"fulladd.ldr", "fulladd[0].lpt"}, QSize(1000, 600)));
  }

  PatFrame& editor() { return *frame().waveform_editor(); }
  PatChild& wave() { return editor().canvas(); }
  Pat& pat() { return editor().pat(); }
  std::string Status() { return editor().status_text().toStdString(); }

  // Simulates, then opens `expected` written to a file of the test.
  void SimulateAndOpen(const Expected& expected) {
    editor().RunCommand(kPatCmdSimulate);
    ASSERT_TRUE(host.Messages().empty());
    const std::string path = (work / "fulladd.lex");
    ASSERT_TRUE(WriteExpectedFile(path, expected));
    dialogs.expected_files.push_back(path);
    editor().RunCommand(kPatCmdOpenExpected);
    ASSERT_TRUE(editor().has_expected());
  }
  // What the run gives, with the value of event `index` of `row` turned
  // over: the row then mismatches from that event to the next.
  Expected Flipped(const std::string& row, std::vector<std::size_t> indices) {
    Expected expected = ExpectedFromPattern(pat(), "fulladd");
    for (ExpectedRow& r : expected.rows)
      if (r.name == row)
        for (std::size_t index : indices)
          r.events.at(index).value = r.events.at(index).value == "1" ? "0" : "1";
    return expected;
  }
  Expected Simulated() {
    editor().RunCommand(kPatCmdSimulate);
    return ExpectedFromPattern(pat(), "fulladd");
  }
  QImage Grab() { return wave().viewport()->grab().toImage(); }
  bool MarkedAt(const QImage& image, int x, int row) {
    const int top = wave().YOf(row);
    return image.pixelColor(x, top + kMarkAboveTop) == kMismatchRed &&
           image.pixelColor(x, top + kMarkBelowBottom) == kMismatchRed;
  }
};

TEST_F(PatOverlayTest, SavedOutputsMatchAndAFileWithoutOutputsIsRefused) {
  // Before a run there are no outputs: no dialog, no file.
  editor().RunCommand(kPatCmdSaveExpected);
  EXPECT_EQ(host.Messages().size(), 1u);
  EXPECT_TRUE(dialogs.asked.empty());
  host.Clear();

  editor().RunCommand(kPatCmdSimulate);
  const std::string path = (work / "reference.lex");
  dialogs.expected_files.push_back(path);
  editor().RunCommand(kPatCmdSaveExpected);
  ASSERT_TRUE(fs::exists(path));
  EXPECT_EQ(editor().expected_path(), path);
  EXPECT_EQ(Status(), "不一致 0 箇所");
  EXPECT_GT(editor().comparison().rows.size(), 1u);
  // A file that cannot be written is reported by its message and the
  // comparison stays with the file that was.
  dialogs.expected_files.push_back(work / "no such folder/x.lex");
  editor().RunCommand(kPatCmdSaveExpected);
  ASSERT_EQ(host.Messages().size(), 1u);
  EXPECT_NE(host.Messages()[0].text.find("期待値ファイルに書き込めません。"), std::string::npos);
  EXPECT_EQ(editor().expected_path(), path);
  host.Clear();
  // Another run compares again, and still everything matches.
  editor().RunCommand(kPatCmdSimulate);
  EXPECT_EQ(Status(), "不一致 0 箇所");
  EXPECT_TRUE(editor().comparison().Matches());
  // Nothing red in the canvas.
  const auto no_red = [this] {
    const QImage image = Grab();
    for (int y = 0; y < image.height(); ++y)
      for (int x = kPatNameColumn; x < image.width(); ++x)
        if (image.pixelColor(x, y) == kMismatchRed) return false;
    return true;
  };
  EXPECT_TRUE(no_red());

  // A new editor has no outputs until it runs: the file opens without a
  // count of rows that are missing only because nothing ran yet.
  editor().CloseWithoutAsking();
  QCoreApplication::processEvents();
  frame().RunCommand(kCmdWaveformEditor);
  ASSERT_NE(frame().waveform_editor(), nullptr);
  dialogs.expected_files.push_back(path);
  editor().RunCommand(kPatCmdOpenExpected);
  EXPECT_EQ(Status(), "期待値ファイルを開きました。シミュレーションの後で出力と比べます。");
  EXPECT_EQ(editor().comparison().MismatchCount(), 0u);
  EXPECT_TRUE(no_red());
  editor().RunCommand(kPatCmdSimulate);
  EXPECT_EQ(Status(), "不一致 0 箇所");
  EXPECT_TRUE(host.Messages().empty());
}

TEST_F(PatOverlayTest, MismatchesAreMarkedAtTheirPixelsAndCounted) {
  Simulated();
  Expected expected = Flipped("S", {2});
  expected.rows.push_back({.name = "NOPE", .events = {{0, "1"}}});
  SimulateAndOpen(expected);
  EXPECT_EQ(Status(), "不一致 2 箇所（出力にない行: NOPE）");

  const int s = pat().FindRow("fulladd.S");
  ASSERT_GE(s, 0);
  const auto found = std::find_if(expected.rows.begin(), expected.rows.end(),
                                  [](const ExpectedRow& r) { return r.name == "S"; });
  ASSERT_NE(found, expected.rows.end());
  const std::vector<TimedValue>& events = found->events;
  ASSERT_GT(events.size(), 3u);
  const std::int32_t from = events[2].time, to = events[3].time;
  const QImage image = Grab();
  const int x0 = wave().XOf(from), x1 = wave().XOf(to) - 1;
  for (int x = x0; x <= x1; ++x)
    EXPECT_TRUE(MarkedAt(image, x, s)) << x;
  EXPECT_FALSE(MarkedAt(image, x0 - 1, s));
  EXPECT_FALSE(MarkedAt(image, x1 + 1, s));
  // The other output row matches: no marks on it; both carry the dashed
  // expected trace.
  const int co = pat().FindRow("fulladd.CO");
  ASSERT_GE(co, 0);
  int traced_s = 0, traced_co = 0;
  for (int x = kPatNameColumn; x < image.width(); ++x) {
    EXPECT_FALSE(MarkedAt(image, x, co)) << x;
    for (int y = 4; y < 20; ++y) {
      traced_s += image.pixelColor(x, wave().YOf(s) + y) == kExpectedOnBits;
      traced_co += image.pixelColor(x, wave().YOf(co) + y) == kExpectedOnBits;
    }
  }
  EXPECT_GT(traced_s, 20);
  EXPECT_GT(traced_co, 20);

  // Moving the row to the top takes its marks along.
  editor().RunCommand(kPatCmdRowMove);
  for (int row : {s, 0}) {
    const QPoint at(wave().XOf(50), wave().YOf(row) + 10);
    for (QEvent::Type type :
         {QEvent::MouseMove, QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
      QMouseEvent event(type, QPointF(at), wave().viewport()->mapToGlobal(QPointF(at)),
                        type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                        type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                        Qt::NoModifier);
      QCoreApplication::sendEvent(wave().viewport(), &event);
    }
  }
  ASSERT_EQ(pat().FindRow("fulladd.S"), 0);
  wave().PaintNow();
  const QImage moved = Grab();
  EXPECT_TRUE(MarkedAt(moved, x0 + 1, 0));
  EXPECT_FALSE(MarkedAt(moved, x0 + 1, s));

  // A damaged file leaves the comparison as it was, after a message.
  const std::string bad = (work / "bad.lex");
  std::ofstream(bad) << "not an expected file\n";
  dialogs.expected_files.push_back(bad);
  editor().RunCommand(kPatCmdOpenExpected);
  EXPECT_EQ(host.Messages().size(), 1u);
  EXPECT_EQ(editor().expected_path(), (work / "fulladd.lex"));
  EXPECT_EQ(editor().comparison().MismatchCount(), 2u);
}

TEST_F(PatOverlayTest, NextMismatchScrollsToEachInTurnAndBringsTheRowIntoView) {
  Simulated();
  wave().ZoomIn();
  wave().ZoomIn();  // four pixels a time unit: later mismatches are off screen
  SimulateAndOpen(Flipped("S", {1, 5}));
  const int s = pat().FindRow("fulladd.S");
  const RowComparison* row = nullptr;
  for (const RowComparison& r : editor().comparison().rows)
    if (r.name == "S") row = &r;
  ASSERT_NE(row, nullptr);
  ASSERT_EQ(row->mismatches.size(), 2u);
  ASSERT_EQ(editor().comparison().MismatchCount(), 2u);

  wave().ScrollRows(s + 1);  // the row is out of view above
  const int shown_rows = (wave().viewport()->height() - kPatHeader) / kPatRowHeight;
  for (int jump = 0; jump < 3; ++jump) {
    editor().RunCommand(kPatCmdNextMismatch);
    const Mismatch& m = row->mismatches[jump % 2];
    // The mismatch lies a little right of the area's left edge (or as far
    // right as time 0 allows) and its row is in view.
    EXPECT_EQ(wave().XOf(m.from),
              std::min<std::int64_t>(kPatNameColumn + 10 + 40,
                                     kPatNameColumn + 10 + m.from / wave().scale()))
        << jump;
    EXPECT_GE(s, wave().first_row());
    EXPECT_LT(s, wave().first_row() + shown_rows);
    EXPECT_NE(Status().find("時刻 " + std::to_string(m.from) + "〜"), std::string::npos)
        << Status();
    const QImage image = Grab();
    EXPECT_TRUE(MarkedAt(image, wave().XOf(m.from), s)) << jump;
  }
}

}  // namespace
}  // namespace lumo::testing
