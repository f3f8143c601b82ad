// Simulate from a window: the run on a thread of its own gives what the
// whole road gives, can be cancelled from its progress dialog, and hands
// its messages and register-transfer lines to the GUI thread in order.

#include "ui/simulate_runner.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <filesystem>
#include <memory>
#include <sstream>
#include <thread>

#include "circuit/circuit_errors.h"
#include "common/recording_message_host.h"
#include "lists/list_errors.h"
#include "pattern/pattern_errors.h"
#include "schematic/circuit_converter.h"
#include "schematic/draw_errors.h"
#include "schematic/pattern_setup.h"
#include "symbol/symbol_errors.h"
#include "tests/support/test_folder.h"
#include "ui/qt_message_host.h"
#include "ui/run_thread_bridge.h"
#include "workflow/run_lock.h"
#include "workflow/simulate_pipeline.h"

namespace lumo {
namespace {

namespace fs = std::filesystem;

using testing::SourceFolder;
using testing::TemporaryFolder;

bool OnGuiThread() {
  return QThread::currentThread() == qApp->thread();
}

// Records every message, and whether each came on the GUI thread.
class GuiRecordingHost : public RecordingMessageHost {
 public:
  MessageAnswer Show(const Message& message) override {
    if (!OnGuiThread()) ++off_thread;
    if (on_show) on_show(message);
    return RecordingMessageHost::Show(message);
  }
  int off_thread = 0;
  std::function<void(const Message&)> on_show;
};

// Every row of the pattern with its changes, for comparing two patterns.
std::string Rows(const Pat& pattern) {
  std::ostringstream text;
  for (int i = 0; i < pattern.count(); ++i) {
    const PatRow& row = pattern.row(i);
    text << row.name << ' ' << static_cast<char>(row.kind) << ':';
    for (const PatEvent& event : row.events)
      text << ' ' << event.time << '=' << event.value;
    text << '\n';
  }
  return text.str();
}

class SimulateRunner : public ::testing::Test {
 protected:
  void SetUp() override {
    for (auto* registry :
         {RegisterListErrors, RegisterSymbolErrors, RegisterDrawErrors, RegisterCircuitErrors,
          RegisterConverterErrors, RegisterPatternErrors, RegisterMemoryErrors})
      registry(errors_);
    ASSERT_TRUE(symbols_.Read(SystemData() + "/LumoCAD.lib", {host_, errors_, errors_}));
  }
  static std::string SystemData() { return (SourceFolder() / "data" / "sys").string(); }
  std::string Work() const { return folder_.Path(""); }

  RunSetup Road(RegisterTransferSink* log = nullptr) {
    return {host_, errors_, store_, bus_signals_, {SystemData(), Work()}, statistics_, log};
  }
  DrawEnvironment Environment() {
    return {symbols_, user_symbols_, host_, errors_, errors_, errors_};
  }
  // Opens a sample copied into the working folder with its pattern, as the
  // waveform editor does.
  void OpenSample(const std::string& name, Draw& draw, Pat& pattern) {
    const fs::path source = SourceFolder() / "data" / "sample";
    for (const fs::directory_entry& entry : fs::directory_iterator(source))
      fs::copy_file(entry.path(), fs::path(Work()) / entry.path().filename(),
                    fs::copy_options::overwrite_existing);
    user_symbols_.ReadFolder(Work(), {host_, errors_, errors_});
    ASSERT_EQ(draw.Read(folder_.Path(name + ".ldr")), DrawReadResult::kRead);
    ASSERT_TRUE(SetupInputs(pattern, draw));
    SetupMemories(pattern.mem(), draw);
    ASSERT_TRUE(pattern.ReadInputPat(folder_.Path(name + "[0].lpt")));
    DefaultEvents(pattern, draw);
  }

  // A NAND gate whose output feeds its own second input, its first held at
  // 1 from time 0 to `until`: it oscillates until the stop time, 100 later.
  void Ring(Draw& draw, Pat& pattern, std::int32_t until) {
    DrawElement& gate = draw.PlaceElement(*symbols_.Find("_nand2"), 80, 80, 0, 'p');
    const DrawTerminal* a = nullptr;
    const DrawTerminal* b = nullptr;
    const DrawTerminal* y = nullptr;
    for (const DrawTerminal& t : gate.terminals())
      (t.name() == "a" ? a : t.name() == "b" ? b : y) = &t;
    ASSERT_TRUE(a && b && y);
    DrawElement& in = draw.PlaceElement(*symbols_.Find("_in"), 0, a->y(), 0, 'p');
    in.set_name("A");
    draw.AddLine(in.terminals().begin()->x(), in.terminals().begin()->y(), a->x(), a->y());
    DrawElement& out = draw.PlaceElement(*symbols_.Find("_out"), 200, y->y(), 0, 'p');
    out.set_name("Y");
    draw.AddLine(y->x(), y->y(), out.terminals().begin()->x(), out.terminals().begin()->y());
    // Round the side of b, away from the line to a.
    const int side = b->y() < a->y() ? -100 : 300;
    draw.AddLine(y->x(), y->y(), y->x(), side);
    draw.AddLine(y->x(), side, b->x() - 16, side);
    draw.AddLine(b->x() - 16, side, b->x() - 16, b->y());
    draw.AddLine(b->x() - 16, b->y(), b->x(), b->y());
    draw.SetPath(folder_.Path("ring.ldr"));
    ASSERT_TRUE(SetupInputs(pattern, draw));
    pattern.SetPath(folder_.Path("ring[0].lpt"));
    pattern.row(0).events.Insert(0, "1");
    pattern.row(0).events.Insert(until, "1");
  }

  TemporaryFolder folder_;
  ErrorTable errors_;
  GuiRecordingHost host_;
  SymbolList symbols_, user_symbols_;
  CircuitStore store_;
  BusSignalCounter bus_signals_;
  std::ostringstream statistics_;
};

TEST_F(SimulateRunner, EverySampleGivesWhatTheWholeRoadGives) {
  QWidget owner;
  for (const char* name : {"fulladd", "regmem", "counter4", "bus8", "nandxor", "tribus"}) {
    SCOPED_TRACE(name);
    Draw draw(Environment()), again(Environment());
    Pat whole(host_, errors_), windowed(host_, errors_);
    RecordingRegisterTransferSink log;
    OpenSample(name, draw, whole);
    ASSERT_TRUE(Simulate(Road(&log), draw, whole)) << host_.OnlyText();

    OpenSample(name, again, windowed);
    std::vector<std::string> lines;
    bool lines_on_gui = true;
    ASSERT_TRUE(RunSimulateInWindow(&owner, Road(), again, windowed, [&](const std::string& line) {
      lines_on_gui = lines_on_gui && OnGuiThread();
      lines.push_back(line);
    })) << host_.OnlyText();
    EXPECT_EQ(Rows(windowed), Rows(whole));
    EXPECT_GT(windowed.count(), whole.count() > 0 ? 1 : 0);
    EXPECT_EQ(lines, log.lines);
    EXPECT_TRUE(lines_on_gui);
    EXPECT_TRUE(host_.Messages().empty()) << host_.OnlyText();
    EXPECT_TRUE(store_.first_circuit() == nullptr && store_.first_function() == nullptr);
  }
  // The register sample does write lines: the comparison above means something.
  Draw draw(Environment());
  Pat pattern(host_, errors_);
  OpenSample("regmem", draw, pattern);
  int count = 0;
  ASSERT_TRUE(
      RunSimulateInWindow(&owner, Road(), draw, pattern, [&](const std::string&) { ++count; }));
  EXPECT_GT(count, 10);
}

TEST_F(SimulateRunner, ANeverEndingRunIsCancelledFromItsDialogAndTheWindowStaysUsable) {
  Draw draw(Environment());
  Pat pattern(host_, errors_);
  Ring(draw, pattern, 2'000'000'000);
  const std::string before = Rows(pattern);

  // The window the run belongs to: a line edit, to see whether keys reach
  // it, and a save command on Ctrl+S.
  QWidget owner;
  auto* edit = new QLineEdit(&owner);
  QAction save(&owner);
  save.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  save.setShortcutContext(Qt::ApplicationShortcut);
  owner.addAction(&save);
  int saved = 0;
  QObject::connect(&save, &QAction::triggered, [&saved] { ++saved; });
  owner.show();
  QString progress_text;
  bool typed_during_run = false;
  QTimer watcher;
  QObject::connect(&watcher, &QTimer::timeout, [&] {
    QTest::keyClicks(edit, "x");
    QTest::keyClick(&owner, Qt::Key_S, Qt::ControlModifier);
    typed_during_run = typed_during_run || !edit->text().isEmpty() || saved > 0;
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (top->objectName() != "simulateProgress" || !top->isVisible()) continue;
      auto* cancel = top->findChild<QPushButton*>("cancel");
      progress_text = top->findChild<QLabel*>()->text();
      if (!progress_text.contains(QStringLiteral("時間")) || !cancel->isEnabled()) continue;
      EXPECT_EQ(cancel->text(), QStringLiteral("キャンセル"));
      QTest::mouseClick(cancel, Qt::LeftButton);
    }
  });
  watcher.start(50);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(RunSimulateInWindow(&owner, Road(), draw, pattern, {}));
  watcher.stop();
  const auto took = std::chrono::steady_clock::now() - start;

  EXPECT_EQ(host_.OnlyText(), kSimulateCancelledText);
  EXPECT_EQ(host_.off_thread, 0);
  EXPECT_TRUE(progress_text.contains(QStringLiteral("/ 2000000100")))
      << progress_text.toStdString();
  EXPECT_LT(took, std::chrono::seconds(10));
  EXPECT_FALSE(typed_during_run);
  EXPECT_EQ(Rows(pattern), before);  // read back: the inputs only, no outputs
  for (QWidget* top : QApplication::topLevelWidgets())
    EXPECT_FALSE(top->objectName() == "simulateProgress" && top->isVisible());
  QTest::keyClicks(edit, "ok");
  EXPECT_EQ(edit->text(), QStringLiteral("ok"));
  EXPECT_TRUE(QTest::qWaitForWindowActive(&owner, 2000));
  edit->clearFocus();  // a line edit keeps Ctrl+S for itself
  QTest::keyClick(&owner, Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(saved, 1);
  // The working folder is free again.
  RunLock lock(Work());
  EXPECT_EQ(lock.TryTake(), RunLock::State::kHeld);
}

TEST_F(SimulateRunner, TheRunsMessageBoxIsOwnedByTheWindowAndAnswerableWhileInputIsHeld) {
  // The ring stops at its stop time with the forced-stop message, shown in
  // a real box over the window while the run waits.
  Draw draw(Environment());
  Pat pattern(host_, errors_);
  Ring(draw, pattern, 1'000'000);
  QWidget owner;
  owner.show();
  QtMessageHost boxes(&owner);
  RunSetup setup = Road();
  const RunSetup over_owner{boxes,         setup.errors,     setup.store, setup.bus_signals,
                            setup.folders, setup.statistics, nullptr};
  QString text;
  QWidget* parent = nullptr;
  bool closed_by_force = false;
  const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  QTimer watcher;
  QObject::connect(&watcher, &QTimer::timeout, [&] {
    QMessageBox* box = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
      if (top->isVisible() && qobject_cast<QMessageBox*>(top) != nullptr)
        box = qobject_cast<QMessageBox*>(top);
    if (box == nullptr) return;
    if (std::chrono::steady_clock::now() > give_up) {
      closed_by_force = true;
      box->accept();
      return;
    }
    text = box->text();
    parent = box->parentWidget();
    QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
  });
  watcher.start(50);
  EXPECT_FALSE(RunSimulateInWindow(&owner, over_owner, draw, pattern, {}));
  watcher.stop();
  EXPECT_FALSE(closed_by_force);
  EXPECT_EQ(text.toStdString(),
            "時間 1000100 で強制終了しました。\n"
            "回路が発振しているか，回路の中に長い遅延パスがあります。\n");
  EXPECT_EQ(parent, &owner);
  EXPECT_EQ(pattern.count(), 1);  // the inputs read back, no outputs
}

// Quitting ends every event loop of the process for good, so this runs in
// a process of its own (ctest ui_tests_quit), never with the others.
TEST_F(SimulateRunner, DISABLED_QuittingTheApplicationStopsTheRun) {
  Draw draw(Environment());
  Pat pattern(host_, errors_);
  Ring(draw, pattern, 2'000'000'000);
  QTimer::singleShot(300, [] { QCoreApplication::exit(0); });
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(RunSimulateInWindow(nullptr, Road(), draw, pattern, {}));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
  EXPECT_EQ(host_.OnlyText(), kSimulateCancelledText);
  EXPECT_EQ(pattern.count(), 1);
}

TEST_F(SimulateRunner, WhatAWorkerRaisesArrivesOnTheGuiThreadInOrder) {
  std::vector<std::string> seen;
  host_.on_show = [&](const Message& message) { seen.push_back("box " + message.text); };
  host_.QueueAnswer(MessageAnswer::kNo);
  RunThreadBridge bridge(host_, [&](const std::string& line) {
    EXPECT_TRUE(OnGuiThread());
    seen.push_back(line);
  });
  QEventLoop loop;
  MessageAnswer answer = MessageAnswer::kOk;
  std::thread worker([&] {
    for (int i = 0; i < 500; ++i)
      bridge.Line("line " + std::to_string(i));
    bridge.Warn("first");
    bridge.Line("after first");
    answer = bridge.Show({"second", {}, MessageIcon::kQuestion, MessageButtons::kYesNo});
    bridge.Line("last");
    QMetaObject::invokeMethod(
        &loop, [&loop] { loop.quit(); }, Qt::QueuedConnection);
  });
  loop.exec();
  worker.join();
  bridge.Deliver();

  std::vector<std::string> expected;
  for (int i = 0; i < 500; ++i)
    expected.push_back("line " + std::to_string(i));
  expected.insert(expected.end(), {"box first", "after first", "box second", "last"});
  EXPECT_EQ(seen, expected);
  EXPECT_EQ(answer, MessageAnswer::kNo);  // the GUI's answer reaches the worker
  EXPECT_EQ(host_.off_thread, 0);

  // A busy working folder refuses the run before anything is saved.
  host_.on_show = nullptr;
  host_.Clear();
  RunLock other(Work());
  ASSERT_EQ(other.TryTake(), RunLock::State::kHeld);
  Draw draw(Environment());
  Pat pattern(host_, errors_);
  OpenSample("fulladd", draw, pattern);
  fs::remove(folder_.Path("fulladd[0].lpt"));
  EXPECT_FALSE(RunSimulateInWindow(nullptr, Road(), draw, pattern, {}));
  EXPECT_EQ(host_.OnlyText(), kRunFolderBusyText);
  EXPECT_FALSE(fs::exists(folder_.Path("fulladd[0].lpt")));
}

}  // namespace
}  // namespace lumo
