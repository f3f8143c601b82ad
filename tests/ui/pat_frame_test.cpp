// The waveform editor driven with the mouse and the keys, checked on its
// pattern; its commands, undo, files, printing and Simulate.

#include <QPointer>
#include <QScrollBar>
#include <QTest>
#include <fstream>
#include <sstream>

#include "common/recording_message_host.h"
#include "editing/command_ids.h"
#include "editing/pat_modes.h"
#include "tests/ui/ui_test_util.h"
#include "ui/mem_child.h"
#include "ui/pat_child.h"
#include "ui/pat_frame.h"
#include "ui/pat_painter.h"
#include "ui/reg_child.h"
#include "ui/reg_frame.h"
#include "workflow/run_lock.h"

namespace lumo::testing {
namespace {

class PatFrameTest : public UiTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(
        OpenSampleWithEditor("fulladd", {"fulladd.ldr", "fulladd[0].lpt"}, QSize(1000, 600)));
    Listen();
  }

  PatFrame& editor() { return *frame().waveform_editor(); }
  PatChild& wave() { return editor().canvas(); }
  Pat& pat() { return editor().pat(); }
  // Paints, so the canvas takes the mouse again.
  void Listen() { wave().PaintNow(); }

  void SendTo(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
    QWidget* viewport = wave().viewport();
    QMouseEvent event(type, QPointF(at), viewport->mapToGlobal(QPointF(at)), button, held,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &event);
  }
  QPoint At(int row, std::int64_t time) const {
    PatChild& canvas = const_cast<PatFrameTest*>(this)->wave();
    return QPoint(canvas.XOf(time), canvas.YOf(row) + 10);
  }
  void ClickAt(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    SendTo(QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
    SendTo(QEvent::MouseButtonPress, at, button, button);
    SendTo(QEvent::MouseButtonRelease, at, button, Qt::NoButton);
  }
  void Click(int row, std::int64_t time, Qt::MouseButton button = Qt::LeftButton) {
    ClickAt(At(row, time), button);
  }
  void Mode(int command) { editor().RunCommand(command); }

  std::string Values(int row) {
    std::string values;
    for (const PatEvent& event : pat().row(row).events)
      values += std::to_string(event.time) + ":" + event.value + " ";
    return values;
  }
  std::string Written() {
    std::ostringstream out;
    pat().WriteInputPat(out);
    return out.str();
  }
  static std::string FileText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  // Puts rows of our own into the pattern, as if read from a file.
  void UsePattern(const char* text) {
    pat().Clear();
    std::istringstream in(text);
    ASSERT_TRUE(pat().ReadInputPat(in));
    editor().Relayout();
    Listen();
  }
};

TEST_F(PatFrameTest, OpensThePatternOfTheSchematicAndKeepsTheScaleWhenClosed) {
  EXPECT_TRUE(frame().action(kCmdWaveformEditor)->isEnabled());
  EXPECT_EQ(pat().path(), work / "fulladd[0].lpt");
  ASSERT_EQ(pat().count(), 3);
  EXPECT_EQ(pat().row(2).name, "CI");
  EXPECT_EQ(Values(0), "0:0 200:1 ");
  EXPECT_EQ(editor().mode(), kPatModeSingle);
  EXPECT_TRUE(editor().action(kPatCmdSingle)->isChecked());
  EXPECT_FALSE(editor().action(kPatCmdUndo)->isEnabled());
  EXPECT_EQ(editor().windowTitle(),
            QString::fromStdString("ルモＣＡＤ　パターンの編集 - [" + pat().path() + "]"));
  // The second opening brings the same window forward.
  PatFrame* first = frame().waveform_editor();
  frame().RunCommand(kCmdWaveformEditor);
  EXPECT_EQ(frame().waveform_editor(), first);

  for (int i = 0; i < 10; ++i)
    editor().RunCommand(kPatCmdZoomIn);
  EXPECT_EQ(wave().scale(), 0.0625);
  editor().RunCommand(kPatCmdClose);
  QCoreApplication::processEvents();
  EXPECT_EQ(frame().waveform_editor(), nullptr);
  EXPECT_EQ(frame().waveform_scale(), 0.0625);
  frame().RunCommand(kCmdWaveformEditor);
  ASSERT_NE(frame().waveform_editor(), nullptr);
  EXPECT_EQ(wave().scale(), 0.0625);
  for (int i = 0; i < 20; ++i)
    editor().RunCommand(kPatCmdZoomOut);
  EXPECT_EQ(wave().scale(), 512);
}

TEST_F(PatFrameTest, ModeOneMakesZeroFlipsAtZeroAndLeavesBusRowsAlone) {
  UsePattern("a E 0\na F 2 0 0 40 1\na D 1 0 a3\ne\n");
  Click(0, 100);
  EXPECT_EQ(Values(0), "100:0 ");
  Click(0, 200);
  EXPECT_EQ(Values(0), "100:0 200:1 ");
  // Time 0 of a row starting at 0 flips the whole row.
  Listen();
  Click(1, 0);
  EXPECT_EQ(Values(1), "0:1 40:0 ");
  Click(2, 100);
  Click(2, 0);
  EXPECT_EQ(Values(2), "0:a3 ");
  // The right button takes the nearest event off and alternates again.
  Click(1, 900, Qt::RightButton);
  EXPECT_EQ(Values(1), "0:1 ");
  // The click after a command is dropped; the paint it asks for lets the
  // next one through.
  editor().RunCommand(kPatCmdAbout);
  EXPECT_EQ(dialogs.about_shown, 1);
  Click(1, 300);
  EXPECT_EQ(Values(1), "0:1 ");
  QTest::qWait(20);
  Click(1, 300);
  EXPECT_EQ(Values(1), "0:1 300:0 ");
  // A click on a row past the end takes it in.
  Click(5, 60);
  EXPECT_EQ(pat().count(), 6);
  EXPECT_EQ(Values(5), "60:0 ");
}

TEST_F(PatFrameTest, ModeTwoTakesTheDialogsWordAndAnEmptyFieldGivesZero) {
  UsePattern("a A 2 0 0 40 1\ne\n");
  Mode(kPatCmdMulti);
  dialogs.values = {"ff 12", ""};
  Click(0, 80);
  EXPECT_EQ(Values(0), "0:0 40:1 80:ff ");
  Click(0, 40);  // the event there gives way
  EXPECT_EQ(Values(0), "0:0 40:0 80:ff ");
  Click(0, 10, Qt::RightButton);
  EXPECT_EQ(Values(0), "40:0 80:ff ");
}

TEST_F(PatFrameTest, RowDeleteRestoresOnlyTheLastAndRowMoveDropsTrailingRows) {
  UsePattern("a A 1 0 0\na B 1 0 1\na C 1 0 0\ne\n");
  Mode(kPatCmdRowDelete);
  Click(0, 50);
  Click(0, 50);
  ASSERT_EQ(pat().count(), 1);
  Click(0, 50, Qt::RightButton);
  EXPECT_EQ(pat().count(), 2);
  EXPECT_EQ(pat().row(0).name, "B");
  EXPECT_EQ(pat().row(1).name, "C");
  Click(0, 50, Qt::RightButton);  // one level only
  EXPECT_EQ(pat().count(), 2);

  Mode(kPatCmdRowMove);
  Click(1, 50);
  EXPECT_EQ(editor().mode(), kPatModeRowMoveTo);
  EXPECT_EQ(editor().status_text(), "【行移動】　移動場所を選んでください。");
  Click(2, 50);
  EXPECT_EQ(editor().mode(), kPatModeRowMovePick);
  EXPECT_EQ(pat().count(), 3);
  EXPECT_EQ(pat().row(2).name, "C");
  Click(2, 50);
  Click(0, 50);
  EXPECT_EQ(pat().count(), 2);
  EXPECT_EQ(pat().row(0).name, "C");
}

TEST_F(PatFrameTest, EventMoveDragsAndTheRightButtonPutsItBack) {
  UsePattern("a A 3 0 0 100 1 200 0\ne\n");
  Mode(kPatCmdMove);
  const QPoint from = At(0, 100);
  SendTo(QEvent::MouseMove, from, Qt::NoButton, Qt::NoButton);
  SendTo(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
  EXPECT_EQ(editor().mode(), kPatModeMoveDrag);
  SendTo(QEvent::MouseMove, At(0, 260), Qt::NoButton, Qt::LeftButton);
  EXPECT_EQ(Values(0), "0:0 200:1 260:0 ");
  SendTo(QEvent::MouseButtonRelease, At(0, 260), Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(editor().mode(), kPatModeMoved);
  Click(0, 500, Qt::RightButton);
  EXPECT_EQ(editor().mode(), kPatModeMovePick);
  EXPECT_EQ(Values(0), "0:0 100:1 200:0 ");
  // Leaving while dragging drops the event there and waits for a pick.
  SendTo(QEvent::MouseMove, At(0, 200), Qt::NoButton, Qt::NoButton);
  SendTo(QEvent::MouseButtonPress, At(0, 200), Qt::LeftButton, Qt::LeftButton);
  SendTo(QEvent::MouseMove, At(0, 300), Qt::NoButton, Qt::LeftButton);
  EXPECT_TRUE(wave().crosshair_shown());
  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(wave().viewport(), &leave);
  EXPECT_FALSE(wave().crosshair_shown());
  EXPECT_EQ(editor().mode(), kPatModeMovePick);
  EXPECT_EQ(Values(0), "0:0 100:1 300:0 ");
  // Both moves and the put-back are steps of the history.
  editor().RunCommand(kPatCmdUndo);
  EXPECT_EQ(Values(0), "0:0 100:1 200:0 ");
}

TEST_F(PatFrameTest, TypingNamesRowsAndEveryEditUndoesAndRedoes) {
  UsePattern("a A 1 0 0\ne\n");
  const std::string start = Written();
  EXPECT_FALSE(editor().windowTitle().endsWith("*"));
  // The caret goes to the name clicked; blanks and bytes above 126 are not
  // taken.
  ClickAt(QPoint(20, wave().YOf(1) + 10));
  EXPECT_EQ(wave().caret_row(), 1);
  QTest::keyClicks(&wave(), "Q 1");
  QTest::keyClick(&wave(), Qt::Key_Eacute);
  EXPECT_EQ(pat().row(1).name, "Q1");
  QTest::keyClick(&wave(), Qt::Key_Up);
  QTest::keyClick(&wave(), Qt::Key_Backspace);
  EXPECT_EQ(pat().row(0).name, "");
  Click(1, 30);
  EXPECT_TRUE(editor().windowTitle().endsWith("*"));
  const std::string end = Written();
  ASSERT_NE(end, start);
  // Window shortcuts reach the active window only.
  editor().show();
  QApplication::setActiveWindow(&editor());
  int undone = 0;
  while (editor().action(kPatCmdUndo)->isEnabled()) {
    QTest::keySequence(&editor(), QKeySequence(QStringLiteral("Ctrl+Z")));
    ASSERT_LT(++undone, 10);
  }
  EXPECT_EQ(Written(), start);
  EXPECT_EQ(undone, 4);
  EXPECT_FALSE(editor().windowTitle().endsWith("*"));
  for (int i = 0; i < 4; ++i)
    QTest::keySequence(&editor(), QKeySequence(QStringLiteral("Ctrl+Y")));
  EXPECT_EQ(Written(), end);
  EXPECT_FALSE(editor().action(kPatCmdRedo)->isEnabled());
  // Ctrl+S writes the file and takes the mark off.
  QTest::keySequence(&editor(), QKeySequence(QStringLiteral("Ctrl+S")));
  EXPECT_EQ(FileText(work / "fulladd[0].lpt"), end);
  EXPECT_FALSE(editor().windowTitle().endsWith("*"));
}

TEST_F(PatFrameTest, ScrollingPaintsOnlyTheStripThatCameIn) {
  const int width = wave().viewport()->width();
  wave().ScrollTime(4);  // a page: 400 pixels at scale 1
  EXPECT_EQ(wave().first_time(), 400);
  EXPECT_EQ(wave().last_rendered().width(), 400 + 40);
  QImage shifted = wave().backing_store().copy();
  wave().PaintNow();
  // What was shifted equals a full paint.
  EXPECT_EQ(shifted, wave().backing_store());
  wave().ScrollTime(-1);
  EXPECT_EQ(wave().first_time(), 300);
  shifted = wave().backing_store().copy();
  wave().PaintNow();
  EXPECT_EQ(shifted, wave().backing_store());
  wave().ScrollTime(1);
  wave().ScrollTime(-4);
  EXPECT_EQ(wave().first_time(), 0);
  EXPECT_GT(width, 400);
  wave().ScrollRows(2);
  EXPECT_EQ(wave().first_row(), 2);
  shifted = wave().backing_store().copy();
  wave().PaintNow();
  EXPECT_EQ(shifted, wave().backing_store());
  wave().ScrollRows(-10);
  EXPECT_EQ(wave().first_row(), 0);
  EXPECT_EQ(wave().verticalScrollBar()->value(), 0);
  // The scroll bar's page and line steps, and the thumb in percent of the
  // range.
  QScrollBar* bar = wave().horizontalScrollBar();
  bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
  bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(wave().first_time(), 500);
  bar->triggerAction(QAbstractSlider::SliderPageStepSub);
  bar->triggerAction(QAbstractSlider::SliderPageStepSub);
  EXPECT_EQ(wave().first_time(), 0);
  editor().RunCommand(kPatCmdZoomOut);  // 200 a line
  for (int i = 0; i < 13; ++i)
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(wave().first_time(), 10400);
  EXPECT_EQ(wave().time_range(), 10500);
  EXPECT_EQ(bar->value(), 99);
}

TEST_F(PatFrameTest, ClosingAsksOnceAndTheSchematicsCloseRulesCloseTheEditorFirst) {
  Click(0, 500);
  host.Clear();
  host.QueueAnswer(MessageAnswer::kNo);
  frame().RunCommand(kCmdCloseAndOpen);  // the open dialog is cancelled
  QCoreApplication::processEvents();
  ASSERT_FALSE(host.Messages().empty());
  EXPECT_EQ(host.Messages()[0].text, "パターンをファイルに保存しますか？");
  EXPECT_EQ(host.Messages()[0].caption, "パターンファイルの保存");
  EXPECT_EQ(frame().waveform_editor(), nullptr);
  // Not saved: the file is the sample's.
  EXPECT_EQ(FileText(work / "fulladd[0].lpt"),
            FileText(SourceFolder() / "data" / "sample" / "fulladd[0].lpt"));

  // Save as closes it too, before its dialog.
  frame().RunCommand(kCmdWaveformEditor);
  ASSERT_NE(frame().waveform_editor(), nullptr);
  host.Clear();
  dialogs.asked.clear();
  host.QueueAnswer(MessageAnswer::kNo);
  frame().RunCommand(kCmdSaveAs);
  EXPECT_EQ(frame().waveform_editor(), nullptr);
  ASSERT_FALSE(host.Messages().empty());
  EXPECT_EQ(host.Messages()[0].text, "パターンをファイルに保存しますか？");
  ASSERT_FALSE(dialogs.asked.empty());
  EXPECT_EQ(dialogs.asked[0].rfind("save ", 0), 0u);

  // A pattern that cannot be saved keeps both windows open.
  frame().RunCommand(kCmdWaveformEditor);
  ASSERT_NE(frame().waveform_editor(), nullptr);
  Listen();
  Click(0, 700);
  fs::create_directory(work / "blocked");
  pat().SetPath(work / "blocked");
  host.Clear();
  host.QueueAnswer(MessageAnswer::kYes);
  EXPECT_FALSE(frame().close());
  EXPECT_NE(frame().waveform_editor(), nullptr);
  ASSERT_GE(host.Messages().size(), 2u);
  EXPECT_NE(host.Messages()[1].text.find("入力パターンファイルに書き込めません。"),
            std::string::npos)
      << host.Messages()[1].text;
}

TEST_F(PatFrameTest, ABusyFolderRefusesTheRunAndKeepsThePattern) {
  Click(0, 600);
  const std::string before = Written();
  RunLock other(work.path().string());
  ASSERT_EQ(other.TryTake(), RunLock::State::kHeld);
  host.Clear();
  editor().RunCommand(kPatCmdSimulate);
  EXPECT_EQ(host.OnlyText(), kRunFolderBusyText);
  EXPECT_EQ(Written(), before);
  EXPECT_EQ(pat().count(), 3);
}

TEST_F(PatFrameTest, MemoryDataAloneIsSavedOnClosing) {
  UsePattern("a A 0\ne\n");
  const int memory = pat().mem().Append("RAM");
  pat().mem().InsertWord(memory, MemWord{5, "5", "ff"});
  host.Clear();
  editor().close();
  QCoreApplication::processEvents();
  ASSERT_EQ(host.OnlyText(), "パターンをファイルに保存しますか？");
  EXPECT_NE(FileText(work / "fulladd[0].lpt").find("RAM"), std::string::npos);
}

TEST_F(PatFrameTest, SaveAndCloseWritesAndHelpFollowsTheMode) {
  Mode(kPatCmdRowMove);
  editor().RunCommand(kPatCmdHelp);
  Mode(kPatCmdMove);
  editor().RunCommand(kPatCmdHelp);
  EXPECT_EQ(dialogs.help_topics, (std::vector<int>{1706, 1704}));
  for (int mode = kPatModeNone; mode <= kPatModeRowMoveTo; ++mode)
    EXPECT_TRUE(fs::exists(fs::path(app->system_folder()) / "help" /
                           (std::to_string(PatHelpContext(mode)) + ".html")))
        << mode;
  Mode(kPatCmdSingle);
  Listen();
  Click(0, 600);
  const std::string edited = Written();
  host.Clear();
  editor().RunCommand(kPatCmdSaveAndClose);
  QCoreApplication::processEvents();
  EXPECT_TRUE(host.Messages().empty());
  EXPECT_EQ(frame().waveform_editor(), nullptr);
  EXPECT_EQ(FileText(work / "fulladd[0].lpt"), edited);
}

TEST_F(PatFrameTest, PrintsBothPanesAndWritesTheValueChangeDump) {
  dialogs.pdf = work / "pattern.pdf";
  editor().RunCommand(kPatCmdPrint);
  EXPECT_GT(fs::file_size(work / "pattern.pdf"), 1000u);
  EXPECT_TRUE(editor().memory_pane().print_notice_shown());
  editor().RunCommand(kPatCmdRedraw);
  EXPECT_FALSE(editor().memory_pane().print_notice_shown());

  editor().RunCommand(kPatCmdExportVcd);
  const std::string vcd = FileText(work / "fulladd[0].vcd");
  EXPECT_NE(vcd.find("$var reg 1 ! A $end"), std::string::npos) << vcd;
  EXPECT_NE(vcd.find("#200"), std::string::npos);
}

TEST_F(PatFrameTest, SimulateShowsTheOutputRowsUnderTheInputs) {
  editor().RunCommand(kPatCmdSimulate);
  EXPECT_TRUE(host.Messages().empty()) << (host.Messages().empty() ? "" : host.Messages()[0].text);
  ASSERT_GT(pat().count(), 4);
  EXPECT_TRUE(pat().row(3).name.empty());  // the separator
  std::vector<std::string> outputs;
  for (int i = 4; i < pat().count(); ++i) {
    EXPECT_EQ(pat().row(i).kind, RowKind::kOutput);
    outputs.push_back(pat().row(i).name);
  }
  EXPECT_NE(std::find(outputs.begin(), outputs.end(), "fulladd.S"), outputs.end())
      << ::testing::PrintToString(outputs);
  // The sum of A=0 B=1 CI=0 (from 100) is 1, of A=0 B=1 CI=1 (from 150)
  // is 0; the gates' delays are well under 40.
  const int s = pat().FindRow("fulladd.S");
  ASSERT_GE(s, 0);
  std::string at140, at190;
  for (const PatEvent& event : pat().row(s).events) {
    if (event.time <= 140) at140 = event.value;
    if (event.time <= 190) at190 = event.value;
  }
  EXPECT_EQ(at140, "1");
  EXPECT_EQ(at190, "0");
  EXPECT_FALSE(editor().windowTitle().endsWith("*"));
}

// The register sample from the window: its lines fill a viewer, which keeps
// them across runs, and a closed viewer gives way to a fresh one.
TEST_F(UiTest, SimulateFillsTheRegisterViewerAcrossRuns) {
  for (const char* name : {"regmem.ldr", "regmem[0].lpt"})
    fs::copy_file(SourceFolder() / "data" / "sample" / name, work / name);
  Start();
  frame().OpenAtStart(work / "regmem.ldr");
  Ready();
  frame().RunCommand(kCmdWaveformEditor);
  PatFrame* editor = frame().waveform_editor();
  ASSERT_NE(editor, nullptr);
  editor->RunCommand(kPatCmdSimulate);
  ASSERT_NE(editor->register_viewer(), nullptr);
  const std::size_t first = editor->register_viewer()->child().lines().count();
  EXPECT_GT(first, 0u);
  editor->RunCommand(kPatCmdSimulate);
  EXPECT_EQ(editor->register_viewer()->child().lines().count(), 2 * first);

  editor->register_viewer()->RunCommand(kCmdRegClose);
  QCoreApplication::processEvents();
  EXPECT_EQ(editor->register_viewer(), nullptr);
  editor->RunCommand(kPatCmdSimulate);
  ASSERT_NE(editor->register_viewer(), nullptr);
  EXPECT_EQ(editor->register_viewer()->child().lines().count(), first);

  // Closing the editor takes its viewer along.
  QPointer<RegFrame> viewer = editor->register_viewer();
  editor->RunCommand(kPatCmdClose);
  QCoreApplication::processEvents();
  EXPECT_TRUE(viewer.isNull() || !viewer->isVisible());
}

// What start-gui.sh asks for: the schematic opens with its waveform editor
// showing simulated outputs.
TEST_F(UiTest, TheSimulateFlagOpensTheEditorWithOutputs) {
  for (const char* name : {"fulladd.ldr", "fulladd[0].lpt"})
    fs::copy_file(SourceFolder() / "data" / "sample" / name, work / name);
  Start({QStringLiteral("--simulate"), QString::fromStdString(work / "fulladd.ldr")});
  QCoreApplication::processEvents();
  PatFrame* editor = frame().waveform_editor();
  ASSERT_NE(editor, nullptr);
  EXPECT_GE(editor->pat().FindRow("fulladd.S"), 0);
  EXPECT_TRUE(host.Messages().empty());
}

// A bus that settles within an instant has several events at one time:
// the row shows the last of them, the value that holds after that time.
TEST(PatBusRow, ShowsTheValueAnInstantSettlesOn) {
  RecordingMessageHost quiet;
  ErrorTable errors;
  const auto paint = [&](const std::vector<std::pair<int, std::string>>& events) {
    Pat pat(quiet, errors);
    const int row = pat.AppendRow("s.Y", {}, RowKind::kOutput);
    for (const auto& [time, value] : events)
      pat.row(row).events.Insert(time, value);
    const PatPaintView view{
        &pat, {.scale = 1.0, .first = 0, .left = kPatNameColumn}, 0, QSize(500, 100), -1};
    QImage image(view.size, QImage::Format_RGB32);
    QPainter dc(&image);
    PaintPatCanvas(dc, view, image.rect());
    dc.end();
    return image;
  };
  const QImage settled = paint({{0, "00"}, {40, "c3"}, {80, "00"}});
  EXPECT_TRUE(paint({{0, "00"}, {40, "4a"}, {40, "ca"}, {40, "c3"}, {80, "00"}}) == settled);
  // The labels are what tells the two apart.
  EXPECT_FALSE(paint({{0, "00"}, {40, "4a"}, {80, "00"}}) == settled);
}

}  // namespace
}  // namespace lumo::testing
